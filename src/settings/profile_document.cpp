#include "settings/profile_document.h"

#include <algorithm>

namespace quillmere {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

ProfileDocument::Line ProfileDocument::classify(std::string text) {
    Line line;
    const std::string_view body = trim(text);
    if (!body.empty() && body.front() == '[') {
        const std::size_t close = body.find(']');
        line.isSection = true;
        line.name = std::string(trim(body.substr(1, close == std::string_view::npos ? close : close - 1)));
    } else if (!body.empty() && body.front() != ';') {
        const std::size_t eq = text.find('=');
        if (eq != std::string::npos) {
            line.name = std::string(trim(std::string_view(text).substr(0, eq)));
            line.valueStart = eq + 1;
        }
    }
    line.text = std::move(text);
    return line;
}

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument doc;
    // Editors that write one would otherwise hide the first section header behind it.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(ByteOrderMark)) {
        doc.m_byteOrderMark = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    std::size_t start = 0;
    bool newlineChosen = false;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool terminated = end != std::string_view::npos;
        if (!terminated)
            end = bytes.size();
        std::string_view raw = bytes.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
            if (!newlineChosen)
                doc.m_newline = "\r\n";
        }
        if (terminated)
            newlineChosen = true;
        doc.m_lines.push_back(classify(std::string(raw)));
        start = end + 1;
    }
    return doc;
}

std::string ProfileDocument::text() const {
    std::string out = m_byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const Line& line : m_lines) {
        out += line.text;
        out += m_newline;
    }
    return out;
}

std::size_t ProfileDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].isSection && sameName(m_lines[i].name, section))
            return i;
    return m_lines.size();
}

bool isProfileValueStorable(std::string_view value) {
    return value.find_first_of("\r\n") == std::string_view::npos;
}

std::string quotedProfileValue(std::string_view value) {
    const auto edgeNeedsQuotes = [](char c) { return isBlank(c) || c == '"' || c == '\''; };
    if (!value.empty() && (edgeNeedsQuotes(value.front()) || edgeNeedsQuotes(value.back())))
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::string ProfileDocument::read(std::string_view section, std::string_view key) const {
    std::string value = readWhole(section, key);
    if (value.size() > ProfileValueLimit)
        value.resize(ProfileValueLimit);
    return value;
}

std::string ProfileDocument::readWhole(std::string_view section, std::string_view key) const {
    for (std::size_t i = findSection(section) + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        const Line& line = m_lines[i];
        if (line.valueStart != 0 && sameName(line.name, key))
            return wholeValue(line);
    }
    return {};
}

std::string ProfileDocument::wholeValue(const Line& line) const {
    std::string_view value = trim(std::string_view(line.text).substr(line.valueStart));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, value.find('\0')));
}

std::vector<std::size_t> ProfileDocument::listKeyLines(std::size_t sectionLine, std::string_view prefix,
                                                       std::size_t count) const {
    std::vector<std::size_t> lines(count, m_lines.size());
    for (std::size_t i = sectionLine + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        const Line& line = m_lines[i];
        if (line.valueStart == 0 || line.name.size() <= prefix.size() ||
            !sameName(std::string_view(line.name).substr(0, prefix.size()), prefix))
            continue;
        // Only the index as written by std::to_string names a list key: "List01" is another key.
        const std::string_view digits = std::string_view(line.name).substr(prefix.size());
        if (digits.size() > 9 || (digits.size() > 1 && digits.front() == '0') ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const auto index = static_cast<std::size_t>(std::stoul(std::string(digits)));
        if (index < count && lines[index] == m_lines.size())
            lines[index] = i;
    }
    return lines;
}

std::vector<std::string> ProfileDocument::readWholeList(std::string_view section, std::string_view prefix,
                                                        std::size_t count) const {
    std::vector<std::string> values(count);
    const std::size_t at = findSection(section);
    if (at == m_lines.size())
        return values;
    const std::vector<std::size_t> lines = listKeyLines(at, prefix, count);
    for (std::size_t index = 0; index < count; ++index) {
        if (lines[index] != m_lines.size())
            values[index] = wholeValue(m_lines[lines[index]]);
    }
    return values;
}

void ProfileDocument::writeList(std::string_view section, std::string_view prefix,
                                const std::vector<std::string>& values) {
    if (values.empty())
        return;
    std::size_t at = findSection(section);
    if (at == m_lines.size()) {
        m_lines.push_back(classify("[" + std::string(section) + "]"));
        m_changed = true;
    }
    const std::vector<std::size_t> lines = listKeyLines(at, prefix, values.size());
    // New keys go after the section's last line that is not blank, in order, as write() puts them.
    std::size_t insertAt = at + 1;
    for (std::size_t i = at + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        if (!std::string_view(trim(m_lines[i].text)).empty())
            insertAt = i + 1;
    }
    std::vector<Line> added;
    for (std::size_t index = 0; index < values.size(); ++index) {
        const std::string key = std::string(prefix) + std::to_string(index);
        if (lines[index] == m_lines.size()) {
            added.push_back(classify(key + "=" + values[index]));
            continue;
        }
        Line& line = m_lines[lines[index]];
        std::string replaced = line.name + "=" + values[index];
        if (replaced != line.text) {
            line = classify(std::move(replaced));
            m_changed = true;
        }
    }
    if (!added.empty()) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                       std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
        m_changed = true;
    }
}

void ProfileDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = std::string(key) + "=" + std::string(value);
    std::size_t at = findSection(section);
    if (at == m_lines.size()) {
        m_lines.push_back(classify("[" + std::string(section) + "]"));
        m_lines.push_back(classify(std::move(text)));
        m_changed = true;
        return;
    }
    std::size_t insertAt = at + 1;
    for (std::size_t i = at + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        Line& line = m_lines[i];
        if (line.valueStart != 0 && sameName(line.name, key)) {
            // Keep the spelling of the stored name; only the value changes.
            std::string replaced = line.name + "=" + std::string(value);
            if (replaced != line.text) {
                line = classify(std::move(replaced));
                m_changed = true;
            }
            return;
        }
        if (!std::string_view(trim(line.text)).empty())
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), classify(std::move(text)));
    m_changed = true;
}

} // namespace quillmere
