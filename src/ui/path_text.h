#pragma once

#include <string>
#include <wx/string.h>

namespace quillmere {

// A file path as the file system spells it, bytes and all, so that a name in any encoding opens the
// same file again after a save and a load.
inline std::string pathFromText(const wxString& text) {
    const wxCharBuffer bytes = text.fn_str();
    return bytes.data() != nullptr ? std::string(bytes.data(), bytes.length()) : std::string();
}

// The path as the dialogs show it.
inline wxString textFromPath(const std::string& path) {
    return wxString(path.c_str(), *wxConvFileName);
}

} // namespace quillmere
