#pragma once

#include "fish/fish_mesh.h"
#include "fish/fish_pose.h"

#include <GL/gl.h>

namespace quillmere {

// Draws one fish at the origin of the current model-view matrix with its skin already bound: turns the
// model upright, pitches it about its own lateral axis, emits every part in order and leaves the colour
// white and the matrix as it found it.
void drawFishModel(const FishPose& pose);

// The whole fish: pushes the matrix, moves to the fish's position, binds its skin, draws it, pops.
void drawFish(const FishPose& pose, GLuint skinTexture);

// Sends a built mesh as it stands: one array draw per primitive, with a normal and a texture coordinate
// per point. The current normal and texture coordinate are left as they were.
void emitFishMesh(const FishMesh& mesh);

} // namespace quillmere
