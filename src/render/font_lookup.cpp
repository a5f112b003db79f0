#include "render/font_lookup.h"

#include <filesystem>
#include <fontconfig/fontconfig.h>
#include <memory>

namespace quillmere {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

} // namespace

std::optional<std::string> findFontFile(const std::string& pattern) {
    const PatternPtr wanted(FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str())));
    if (!wanted)
        return std::nullopt;
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const PatternPtr match(FcFontMatch(nullptr, wanted.get(), &result));
    if (!match || result != FcResultMatch)
        return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr)
        return std::nullopt;
    std::string path(reinterpret_cast<const char*>(file));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

} // namespace quillmere
