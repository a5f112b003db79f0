#pragma once

#include <cstring>

namespace quillmere {

// Whether a space-separated extension list, as GL and GLX give them, names the extension whole (not
// as the start of a longer name); a null list names none.
inline bool listsExtension(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = list; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
        const bool starts = at == list || at[-1] == ' ';
        if (starts && (at[length] == ' ' || at[length] == '\0'))
            return true;
    }
    return false;
}

} // namespace quillmere
