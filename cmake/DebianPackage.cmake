# `cpack` in the build folder makes quillmere_<version>-<revision>_<arch>.deb of everything `cmake --install`
# puts in place, under /usr. Its dependencies come from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_CONTACT "Quillmere developers <developers@quillmere.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen 3D desktop aquarium")
# CPack indents these lines under the summary and turns the empty one into Debian's paragraph break.
set(CPACK_PACKAGE_DESCRIPTION "Up to 50 fish of 15 kinds swim, bend and flap their fins; food pellets drop
into the tank and the fish turn to them and eat them; bubbles rise; a calm
tune plays; the camera sweeps slowly along the tank. The fish, light, fog,
bubbles, camera, backdrop pictures and music are set from a right-click menu.

The package also holds quillmere-saver, which draws the same tank as a
screen saver for XScreenSaver and the lockers that follow its conventions.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package's revision is the one of the latest entry in its changelog, which must be for this release.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog.Debian latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^quillmere \\(([^-]+)-([0-9]+)\\)" OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "data/changelog.Debian begins with \"${latest_entry}\": "
        "its latest entry must be for version ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillmere.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help text needs an outline font; without one it is left out, so the font is only recommended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
