// Fuzz target: any bytes as a settings file. Parsing, every read, a write and the text round trip must
// neither crash nor read out of bounds, and a read never returns more than 127 bytes.
#include "settings/profile_document.h"
#include "settings/settings_keys.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc = ProfileDocument::parse(bytes);
    for (const AquariumKey& key : AquariumKeys)
        if (doc.read(AquariumSection, key.name).size() > ProfileValueLimit)
            std::abort();
    doc.write(AquariumSection, "FOGNONGDU", "25");
    doc.write("Fish Number", "Fish3", "80");
    const ProfileDocument reread = ProfileDocument::parse(doc.text());
    if (reread.read(AquariumSection, "FOGNONGDU") != "25" || reread.read("Fish Number", "Fish3") != "80")
        std::abort();
    return 0;
}
