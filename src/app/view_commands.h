#pragma once

#include "ui/artwork/ui_artwork_ids.h"

#include <array>

namespace quillmere {

// The popup menu's commands and the view's interaction modes share these ids: the mode is the id of
// the last command, or ID_MODE_IDLE while the tank is only watched.
inline constexpr int ID_ADD_DELETE_FISH = 1034;
inline constexpr int ID_AQUARIUM_SETTINGS = 1040;
inline constexpr int ID_EXIT = 1042;
inline constexpr int ID_MODE_IDLE = 1043;
inline constexpr int ID_CUSTOM_MUSIC = 1050;
inline constexpr int ID_CUSTOM_BACKGROUND = 1052;

// One entry of the right-click menu: its command, the artwork ids of its icon in the normal and the
// selected look, and its text, which starts with two spaces.
struct PopupEntry {
    int commandId;
    int iconId;
    int selectedIconId;
    const char* text;
};

// Top to bottom.
inline constexpr std::array<PopupEntry, 5> PopupEntries{{
    {ID_ADD_DELETE_FISH, IconAddDeleteFish, IconAddDeleteFish, "  Add/Delete Fish"},
    {ID_AQUARIUM_SETTINGS, IconAquariumSettings, IconAquariumSettings, "  Aquarium Settings"},
    {ID_CUSTOM_MUSIC, IconCustomMusic, IconCustomMusic, "  Custom Music"},
    {ID_CUSTOM_BACKGROUND, IconCustomBackground, IconCustomBackground, "  Custom Background"},
    {ID_EXIT, IconExit, IconExit, "  Exit"},
}};

} // namespace quillmere
