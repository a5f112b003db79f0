#pragma once

#include "assets/user_picture.h"
#include "fish/tank_box.h"
#include "render/frame_projection.h"

namespace quillmere {

// The texture size a user picture needs on this screen: the custom backdrop's size in pixels at the
// nearest view the camera reaches, each side rounded to the nearest power of two. A larger texture
// would only be filtered down again, at the cost of memory and upload time.
PictureTarget userPictureTarget(ScreenSize screen, const TankBox& tank);

} // namespace quillmere
