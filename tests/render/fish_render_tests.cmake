# The fish drawn by OpenGL into an off-screen pixmap on a virtual X server, judged by its silhouette.
find_package(X11 REQUIRED)
add_executable(fish_render_tests ${CMAKE_CURRENT_LIST_DIR}/fish_render_test.cpp)
target_link_libraries(fish_render_tests PRIVATE quillmere_fish_render X11::X11 GTest::gtest GTest::gtest_main)
target_include_directories(fish_render_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
add_test(NAME render_display_fish COMMAND ${XVFB_RUN} -a -s "-screen 0 640x480x24" $<TARGET_FILE:fish_render_tests>)
set_tests_properties(render_display_fish PROPERTIES LABELS display TIMEOUT 120 RESOURCE_LOCK xvfb)
