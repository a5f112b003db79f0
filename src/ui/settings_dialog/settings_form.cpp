#include "ui/settings_dialog/settings_form.h"

#include "settings/profile_numbers.h"
#include "settings/settings_file.h"

#include <algorithm>

namespace quillmere {
namespace {

// The sliders' positions, each brought into its key's range, so that what is saved is what they show.
void takeSliders(AquariumSettings& values, const VerticalSliders& positions) {
    values.volume = clampTo(positions.volume, rangeOf(&AquariumSettings::volume));
    values.bubbleSetting = clampTo(positions.bubbles, rangeOf(&AquariumSettings::bubbleSetting));
    values.fog = clampTo(positions.fog, rangeOf(&AquariumSettings::fog));
    values.light = clampTo(positions.light, rangeOf(&AquariumSettings::light));
}

void takeSliders(AquariumSettings& values, const CameraValues& positions) {
    values.viewLeftRight = clampTo(positions.liveLeftRight, rangeOf(&AquariumSettings::viewLeftRight));
    values.viewNearFar = clampTo(positions.liveNearFar, rangeOf(&AquariumSettings::viewNearFar));
}

int flagValue(int read) {
    return read == 1 ? 1 : 0;
}

// The three flags of a mode group, in the order of their keys in the file.
template <typename Values> auto modeFlags(Values& values, ColourGroup group) {
    if (group == ColourGroup::Light)
        return std::array{&values.frontFixed, &values.frontGradual, &values.frontAutoGradual};
    return std::array{&values.backFixed, &values.backGradual, &values.backAutoGradual};
}

} // namespace

// Until open() reads the file, the form holds the keys' defaults with both colour groups on
// "Auto Gradually Color", the mode a group keeps when no mode key of it is 1.
SettingsForm::SettingsForm(TankLink& tank, SettingsFile& file) : m_tank(tank), m_file(file) {
    selectMode(ColourGroup::Light, ColourMode::AutoGradual);
    selectMode(ColourGroup::Backdrop, ColourMode::AutoGradual);
}

void SettingsForm::open() {
    const std::array<std::string, AquariumKeyCount> texts = m_file.readAquariumSettings();
    AquariumSettings read;
    for (std::size_t index = 0; index < AquariumKeys.size(); ++index) {
        const SettingsField& field = AquariumKeys[index].field;
        if (field.phase)
            read.*field.phase = static_cast<float>(parseProfileFloat(texts[index]));
        else
            read.*field.number = parseProfileInt(texts[index]);
    }

    m_values.showWater = flagValue(read.showWater);
    m_values.showLight = flagValue(read.showLight);
    m_values.showTerra = flagValue(read.showTerra);
    m_values.lockFront = flagValue(read.lockFront);
    m_values.lockBack = flagValue(read.lockBack);
    for (const ColourGroup group : {ColourGroup::Light, ColourGroup::Backdrop}) {
        const auto flags = modeFlags(read, group);
        for (int mode = 0; mode < 3; ++mode)
            if (*flags[mode] == 1)
                selectMode(group, static_cast<ColourMode>(mode));
    }

    m_values.frontColor = read.frontColor;
    m_values.frontColor1 = read.frontColor1;
    m_values.frontColor2 = read.frontColor2;
    m_values.backColor = read.backColor;
    m_values.backColor1 = read.backColor1;
    m_values.backColor2 = read.backColor2;

    m_tank.resumeTintPhase(read.lockFrontPhase);
    m_backPhase = read.lockBackPhase;

    m_values.background = read.background;
    m_values.autoViews = flagValue(read.autoViews);
    takeSliders(m_values, {read.volume, read.bubbleSetting, read.fog, read.light});
    takeSliders(m_values, CameraValues{read.viewLeftRight, read.viewNearFar});
}

std::optional<CameraValues> SettingsForm::tick(bool autoViewsChecked) {
    m_values.autoViews = autoViewsChecked ? 1 : 0;
    std::optional<CameraValues> follow;
    // The sliders follow the sweep, but the saved view values stay the ones the user set.
    if (autoViewsChecked)
        follow = m_tank.liveCamera();
    save(SaveDurability::Lazy);
    return follow;
}

void SettingsForm::close(bool autoViewsChecked) {
    // A toggle since the last tick would otherwise be lost.
    m_values.autoViews = autoViewsChecked ? 1 : 0;
    save(SaveDurability::Lazy);
    m_file.flushToDisk();
}

void SettingsForm::save(SaveDurability durability) {
    AquariumSettings values = m_values;
    values.lockFrontPhase = m_tank.tintPhase();
    values.lockBackPhase = m_backPhase;
    m_file.saveAquariumSettings(values, durability);
    m_tank.applySettings(values);
}

void SettingsForm::verticalSlidersMoved(const VerticalSliders& positions) {
    takeSliders(m_values, positions);
    m_tank.setTuneVolume(m_values.volume);
}

void SettingsForm::viewSlidersMoved(const CameraValues& positions) {
    takeSliders(m_values, positions);
    if (!autoViews())
        m_tank.setLiveCamera(viewSliders());
}

void SettingsForm::selectMode(ColourGroup group, ColourMode mode) {
    const auto flags = modeFlags(m_values, group);
    for (int each = 0; each < 3; ++each)
        *flags[each] = each == static_cast<int>(mode) ? 1 : 0;
}

ColourMode SettingsForm::mode(ColourGroup group) const {
    const auto flags = modeFlags(m_values, group);
    for (int each = 0; each < 3; ++each)
        if (*flags[each] != 0)
            return static_cast<ColourMode>(each);
    return ColourMode::AutoGradual;
}

void SettingsForm::chooseColour(ColourSlot slot, ColorRef colour) {
    switch (slot) {
    case ColourSlot::Front:
        m_values.frontColor = colour;
        selectMode(ColourGroup::Light, ColourMode::Fixed);
        break;
    case ColourSlot::Front1:
        m_values.frontColor1 = colour;
        break;
    case ColourSlot::Front2:
        m_values.frontColor2 = colour;
        break;
    case ColourSlot::Back:
        m_values.backColor = colour;
        selectMode(ColourGroup::Backdrop, ColourMode::Fixed);
        break;
    case ColourSlot::Back1:
        m_values.backColor1 = colour;
        selectMode(ColourGroup::Backdrop, ColourMode::Gradual);
        break;
    case ColourSlot::Back2:
        m_values.backColor2 = colour;
        selectMode(ColourGroup::Backdrop, ColourMode::Gradual);
        break;
    }
}

ColorRef SettingsForm::colour(ColourSlot slot) const {
    switch (slot) {
    case ColourSlot::Front:
        return m_values.frontColor;
    case ColourSlot::Front1:
        return m_values.frontColor1;
    case ColourSlot::Front2:
        return m_values.frontColor2;
    case ColourSlot::Back:
        return m_values.backColor;
    case ColourSlot::Back1:
        return m_values.backColor1;
    case ColourSlot::Back2:
        return m_values.backColor2;
    }
    return 0;
}

void SettingsForm::setFlag(FormFlag which, bool set) {
    const int value = set ? 1 : 0;
    switch (which) {
    case FormFlag::ShowWater:
        m_values.showWater = value;
        break;
    case FormFlag::ShowLight:
        m_values.showLight = value;
        break;
    case FormFlag::ShowTerra:
        m_values.showTerra = value;
        break;
    case FormFlag::LockFront:
        m_values.lockFront = value;
        break;
    case FormFlag::LockBack:
        m_values.lockBack = value;
        break;
    }
}

bool SettingsForm::flag(FormFlag which) const {
    switch (which) {
    case FormFlag::ShowWater:
        return m_values.showWater != 0;
    case FormFlag::ShowLight:
        return m_values.showLight != 0;
    case FormFlag::ShowTerra:
        return m_values.showTerra != 0;
    case FormFlag::LockFront:
        return m_values.lockFront != 0;
    case FormFlag::LockBack:
        return m_values.lockBack != 0;
    }
    return false;
}

VerticalSliders SettingsForm::verticalSliders() const {
    return {m_values.volume, m_values.bubbleSetting, m_values.fog, m_values.light};
}

std::optional<int> SettingsForm::previewIndex() const {
    if (m_values.background >= 0 && m_values.background <= 3)
        return m_values.background;
    return std::nullopt;
}

PreviewsShown SettingsForm::shownPreviews(const PreviewsShown& before) const {
    const std::optional<int> current = previewIndex();
    if (!current)
        return before;
    PreviewsShown shown{};
    shown[static_cast<std::size_t>(*current)] = true;
    return shown;
}

} // namespace quillmere
