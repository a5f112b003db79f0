#pragma once

#include <optional>
#include <string>

namespace quillmere {

// The face the help text is made from: a bold sans serif.
inline constexpr const char* HelpTextFontPattern = "DejaVu Sans:bold";

// The file of the installed face that fontconfig matches best to pattern; none when fontconfig finds
// no face at all or the matched file does not exist.
std::optional<std::string> findFontFile(const std::string& pattern);

} // namespace quillmere
