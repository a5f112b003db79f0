#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// Whether value can be written as a key's value: a line break in it would start a line of its own.
bool isProfileValueStorable(std::string_view value);

// The text to write so that read() gives value back whole: a value with blanks or a quote at either
// end is put in double quotes, which the reader removes.
std::string quotedProfileValue(std::string_view value);

// Longest value text a read returns: the profile functions read into a 128-byte buffer.
constexpr std::size_t ProfileValueLimit = 127;

// The text of an INI file, held line by line so that writing one key keeps every other line,
// section, comment and unknown key exactly as it was. Section and key names match without regard
// to ASCII letter case, as the profile functions do.
class ProfileDocument {
public:
    ProfileDocument() = default;

    // Parses any bytes: lines without '=' outside a section header are kept but never match a key.
    static ProfileDocument parse(std::string_view bytes);

    // The file's bytes, newline-terminated lines in their original order.
    std::string text() const;

    // The value as the profile reader returns it: surrounding blanks removed, one pair of enclosing
    // quotes removed, cut at the first NUL and to 127 bytes; "" when the key or section is absent.
    std::string read(std::string_view section, std::string_view key) const;

    // The same without the cut to 127 bytes, for the keys that hold file paths: a cut path would
    // name another file or none.
    std::string readWhole(std::string_view section, std::string_view key) const;

    // Sets a key, adding the section at the end and the key at the end of its section when absent.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The keys prefix + "0" to prefix + (count - 1) as readWhole() gives them, in one pass over the
    // section however long the list.
    std::vector<std::string> readWholeList(std::string_view section, std::string_view prefix,
                                           std::size_t count) const;
    // write() for prefix + "0", prefix + "1" ... with values, in one pass over the section.
    void writeList(std::string_view section, std::string_view prefix, const std::vector<std::string>& values);

    // True once write() changed the text.
    bool changed() const { return m_changed; }

private:
    struct Line {
        std::string text; // without the line terminator
        bool isSection = false;
        std::string name;           // section name or key name, trimmed
        std::size_t valueStart = 0; // for key lines: offset of the first byte after '='
    };

    static Line classify(std::string text);
    // Index of the section header line, or lines.size() when absent.
    std::size_t findSection(std::string_view section) const;
    // For each of the first count list keys prefix + index, the first line of the section that holds
    // it, or lines.size() when none does.
    std::vector<std::size_t> listKeyLines(std::size_t sectionLine, std::string_view prefix,
                                          std::size_t count) const;
    std::string wholeValue(const Line& line) const;

    std::vector<Line> m_lines;
    std::string m_newline = "\n";
    bool m_byteOrderMark = false; // the file starts with UTF-8's; kept on writing, never part of a line
    bool m_changed = false;
};

} // namespace quillmere
