#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// Leading decimal integer as atoi reads it: blanks, an optional sign, digits up to the first other
// byte; 0 when there are none. Out-of-range values saturate instead of being undefined.
int parseProfileInt(std::string_view text);

// Leading decimal number as atof reads it in the C locale; 0 when there is none.
double parseProfileFloat(std::string_view text);

// "%d", "%ld" and "%f" as the settings file stores them, independent of the process locale.
std::string formatProfileInt(long value);
std::string formatProfileFloat(double value);

} // namespace quillmere
