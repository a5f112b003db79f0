# The renderer's plain parts: projection numbers, quads, the backdrop's cells, the disc's rim, the help
# text's count and lines.
quillmere_add_test(scene_render_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/backdrop_cells_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/frame_projection_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/help_text_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/pellet_disc_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/scene_quads_test.cpp
    LIBS quillmere_render)

if(QUILLMERE_UNIT_TESTS_ONLY)
    return()
endif()

# Real frames of a real scene drawn on a virtual X server and read back from the back buffer.
find_package(GLUT REQUIRED)
add_executable(scene_render_display_tests
    ${CMAKE_CURRENT_LIST_DIR}/backdrop_pieces_display_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outline_font_display_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_render_display_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_picture_textures_display_test.cpp)
target_link_libraries(scene_render_display_tests PRIVATE
    quillmere_render GLUT::GLUT GTest::gtest GTest::gtest_main)
target_include_directories(scene_render_display_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
add_test(NAME render_display_scene
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:scene_render_display_tests>)
set_tests_properties(render_display_scene PROPERTIES LABELS display TIMEOUT 300 RESOURCE_LOCK xvfb)

# The same without any font: the tank runs on without its help text.
add_executable(missing_font_display_tests ${CMAKE_CURRENT_LIST_DIR}/missing_font_display_test.cpp)
target_link_libraries(missing_font_display_tests PRIVATE
    quillmere_render GLUT::GLUT GTest::gtest GTest::gtest_main)
target_include_directories(missing_font_display_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
add_test(NAME render_display_missing_font
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:missing_font_display_tests>)
set_tests_properties(render_display_missing_font PROPERTIES
    LABELS display TIMEOUT 120 RESOURCE_LOCK xvfb
    ENVIRONMENT "FONTCONFIG_FILE=${CMAKE_CURRENT_LIST_DIR}/fixtures/no_fonts.conf")
