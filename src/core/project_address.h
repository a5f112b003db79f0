#pragma once

#include <string_view>

namespace quillmere {

// The project's web address: the help text's last line and the dialogs' link both show it.
inline constexpr std::string_view ProjectWebAddress = "https://quillmere.org";

} // namespace quillmere
