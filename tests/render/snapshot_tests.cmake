# quillmere-snapshot: its options and picture file, then real snapshots on a virtual X server judged by
# pixel statistics.
quillmere_add_test(snapshot_tool_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/snapshot_tool_test.cpp
    LIBS quillmere_snapshot_support)
target_compile_definitions(snapshot_tool_tests PRIVATE QUILLMERE_SNAPSHOT="$<TARGET_FILE:quillmere-snapshot>")
add_dependencies(snapshot_tool_tests quillmere-snapshot)

if(QUILLMERE_UNIT_TESTS_ONLY)
    return()
endif()

add_executable(snapshot_display_tests ${CMAKE_CURRENT_LIST_DIR}/snapshot_display_test.cpp)
target_link_libraries(snapshot_display_tests PRIVATE quillmere_snapshot_support GTest::gtest GTest::gtest_main)
target_include_directories(snapshot_display_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(snapshot_display_tests PRIVATE
    QUILLMERE_SNAPSHOT="$<TARGET_FILE:quillmere-snapshot>"
    QUILLMERE_TRACE="$<TARGET_FILE:quillmere-trace>")
add_dependencies(snapshot_display_tests quillmere-snapshot quillmere-trace)
add_test(NAME render_display_snapshot
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1920x1080x24 -noreset" $<TARGET_FILE:snapshot_display_tests>)
set_tests_properties(render_display_snapshot PROPERTIES LABELS display TIMEOUT 120 RESOURCE_LOCK xvfb)
