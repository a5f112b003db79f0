# The scene's OpenGL drawing: fixed state and fog, the textures made from the embedded pictures, one
# frame's drawing from what the scene's frame computed, and the 3-D help text.
add_library(quillmere_render STATIC
    ${CMAKE_CURRENT_LIST_DIR}/aquarium_scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/backdrop_cells.cpp
    ${CMAKE_CURRENT_LIST_DIR}/backdrop_drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_lookup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_projection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gl_object_count.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gl_setup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outline_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pellet_disc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_quads.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_renderer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_textures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/swap_control.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_picture_target.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_picture_textures.cpp)
target_link_libraries(quillmere_render PUBLIC
    quillmere_scene quillmere_fish_render quillmere_textures quillmere_embedded_assets OpenGL::GL OpenGL::GLX ${GLU_LIBRARY}
    PRIVATE PkgConfig::FTGL PkgConfig::FONTCONFIG)
