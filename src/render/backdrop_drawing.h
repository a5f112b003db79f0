#pragma once

#include "render/backdrop_cells.h"

#include <GL/gl.h>

namespace quillmere {

// The OpenGL side of the built-in backdrop's pieces: finding them in the texture, telling when they may
// stand in for the whole quad, and drawing them.

// The cells and pieces of a texture's own level 0, read back from OpenGL. Needs a current rendering context.
BackdropCells readBackdropCells(GLuint texture);

// The most level-0 texels that one pixel spans on the quad, at the corners of the viewport, under the
// matrices and viewport now current; infinity when that cannot be told. The quad must be a rectangle
// whose edges run along x and y in a plane of constant z, as both backdrops are.
double backdropTexelsPerPixel(const TexturedQuad& quad, const BackdropCells& cells);

// Up to this many texels a pixel, every sample of a mipmapped texture reads level 0 with linear filtering
// (a smaller level is chosen only from 2^0.5 on), so turning the mipmaps off for the draw changes no
// pixel. Kept a little below 2^0.5 for the rasteriser's finite differences.
constexpr double Level0TexelsPerPixel = 1.40;

// Draws the quad with the bound backdrop texture as its pieces: the mixed ones blended, the opaque ones
// without blending, both with linear filtering of level 0, and the clear ones not at all (blending them
// leaves every pixel as it is; only depth would be written, where nothing drawn later lies behind). Only
// for texels-per-pixel below Level0TexelsPerPixel, where this is the picture of the whole quad drawn
// mipmapped and blended.
void drawBackdropPieces(const TexturedQuad& quad, const BackdropCells& cells);

} // namespace quillmere
