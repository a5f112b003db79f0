#pragma once

#include <string>

namespace quillmere {

// The folder the assets are extracted into, with a trailing "/": the per-user settings folder,
// which also holds the settings file; "" when there is none (no home folder can be found).
std::string AssetFolder();

} // namespace quillmere
