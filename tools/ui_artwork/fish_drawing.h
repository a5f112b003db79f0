#pragma once

#include "affine.h"
#include "soft_rasterizer.h"

#include "fish/fish_mesh.h"
#include "fish/fish_pose.h"

namespace quillmere::uiart {

// The model-view transform the tank gives a fish: the camera's, moved to the fish, turned upright and
// pitched about the fish's own lateral axis.
Affine fishModelView(const Affine& camera, const FishPose& pose);

// Draws a built fish mesh as the tank's renderer sends it: quad strips as surfaces, fin rays and outlines
// as lines linePixels wide, each primitive in its grey shade times the skin. state carries the skin,
// light and fog.
void drawFishMesh(SoftRasterizer& raster, const FishMesh& mesh, const Affine& modelView, DrawState state,
                  double linePixels);

} // namespace quillmere::uiart
