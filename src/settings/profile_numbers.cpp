#include "settings/profile_numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace quillmere {
namespace {

std::string_view skipLeadingBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    return text;
}

} // namespace

int parseProfileInt(std::string_view text) {
    text = skipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1)
            magnitude = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

double parseProfileFloat(std::string_view text) {
    text = skipLeadingBlanks(text);
    if (!text.empty() && text.front() == '+' && (text.size() < 2 || text[1] != '-'))
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && std::isfinite(value) ? value : 0.0;
}

std::string formatProfileInt(long value) {
    return std::to_string(value);
}

std::string formatProfileFloat(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc{})
        return "0.000000";
    return std::string(buffer, result.ptr);
}

} // namespace quillmere
