#pragma once

#include "ui/artwork/ui_artwork_ids.h"

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

namespace quillmere {

// The picture of a resource id at 1x and 2x of its logical size (uiArtworkSize), so it stays crisp at a
// content scale factor of 2; a bundle that is not ok for an unknown id. Menu icons and the check box
// pair have transparent edges; the previews and the picture of the kinds are opaque.
wxBitmapBundle uiArtwork(int resourceId);

// The program's icon at 16, 24, 32, 48, 64, 128 and 256 pixels, for the main frame.
wxIconBundle programIcons();

} // namespace quillmere
