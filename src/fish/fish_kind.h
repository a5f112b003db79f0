#pragma once

#include <array>
#include <cstddef>

namespace quillmere {

// The fifteen kinds of fish, named for the skins they wear. Their order is the order the settings file
// numbers them ("Fish0" to "Fish14"), the fish dialog's picture shows them and the skins are stored in,
// so a kind becomes a number only where it meets one of those.
enum class FishKind : int {
    Neon,          // a glowing blue line over a red rear belly
    Clownfish,     // orange with three white bars edged in black
    Angelfish,     // silver with bold black bars
    Goldfish,      // red-orange back over golden sides
    Danio,         // long dark blue and pale gold stripes
    TigerBarb,     // gold with four black bands
    Leopard,       // tan with round brown spots
    Fighter,       // deep violet-blue with a turquoise sheen
    Tang,          // royal blue with a black palette mark
    Discus,        // warm red-brown with wavy turquoise lines
    Butterflyfish, // lemon yellow with a black eye band and a false eye
    Rainbowfish,   // blue at the head turning to orange at the tail
    Guppy,         // olive-silver with bright spots toward the tail
    Koi,           // white with red and black patches
    RummyNose,     // silver with a bright red head
};

constexpr std::array<FishKind, 15> AllFishKinds = {
    FishKind::Neon,  FishKind::Clownfish, FishKind::Angelfish,     FishKind::Goldfish,
    FishKind::Danio, FishKind::TigerBarb, FishKind::Leopard,       FishKind::Fighter,
    FishKind::Tang,  FishKind::Discus,    FishKind::Butterflyfish, FishKind::Rainbowfish,
    FishKind::Guppy, FishKind::Koi,       FishKind::RummyNose,
};

static_assert(
    [] {
        for (std::size_t i = 0; i < AllFishKinds.size(); ++i)
            if (static_cast<std::size_t>(AllFishKinds[i]) != i)
                return false;
        return true;
    }(),
    "the kinds listed in their stored order");

// The kind's number in the settings file, the dialog's grid and the skins' ids.
constexpr int kindNumber(FishKind kind) {
    return static_cast<int>(kind);
}
constexpr std::size_t kindIndex(FishKind kind) {
    return static_cast<std::size_t>(kind);
}

// The kind stored as number n, 0 to 14.
constexpr FishKind kindFromNumber(int n) {
    return AllFishKinds[static_cast<std::size_t>(n)];
}

} // namespace quillmere
