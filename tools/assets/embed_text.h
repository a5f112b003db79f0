#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// Helpers of the generators that write a data file and the source that compiles it in with .incbin.
namespace quillmere::embedding {

// Escapes text for a double-quoted string of C++ or of the assembler, which share these rules.
inline std::string quoted(const std::string& text, const char* suffix = "") {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n' || c == '\r')
            throw std::runtime_error("a newline in a path cannot be embedded: " + text);
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + suffix + '"';
}

inline void writeFile(const std::filesystem::path& path, const char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace quillmere::embedding
