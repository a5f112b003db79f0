# OpenGL drawing of one fish from its pose, in immediate mode.
add_library(quillmere_fish_render STATIC ${CMAKE_CURRENT_LIST_DIR}/fish_renderer.cpp)
target_link_libraries(quillmere_fish_render PUBLIC quillmere_fish_model OpenGL::GL)
