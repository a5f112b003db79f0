#include "ui/background_dialog/slideshow.h"

#include "settings/profile_document.h"
#include "settings/profile_numbers.h"

namespace quillmere {

Slideshow::Slideshow(TankLink& tank, Random& random) : m_tank(tank), m_random(random) {}

std::vector<std::string> Slideshow::restore(const ImageListState& stored) {
    removeAll();
    m_ownImageChecked = stored.ownImage;
    m_interval = stored.imageTime.empty() ? "5" : stored.imageTime;
    std::vector<std::string> messages;
    for (const std::string& path : stored.paths) {
        const AddResult result = addPicture(path);
        if (result != AddResult::Added)
            messages.push_back(refusalMessage(result, path));
    }
    // The mode boxes' handlers run in the order Random, Repeat All, Repeat One, so the last one set
    // wins; with none set the show keeps Repeat One.
    if (stored.repeatImage || !(stored.randomImage || stored.cycImage))
        m_mode = PlayMode::RepeatOne;
    else if (stored.cycImage)
        m_mode = PlayMode::RepeatAll;
    else
        m_mode = PlayMode::Random;
    if (!stored.paths.empty() && stored.ownImage)
        startSlideshow();
    changed();
    return messages;
}

ImageListState Slideshow::stored() const {
    ImageListState state;
    state.randomImage = m_mode == PlayMode::Random;
    state.cycImage = m_mode == PlayMode::RepeatAll;
    state.repeatImage = m_mode == PlayMode::RepeatOne;
    state.ownImage = m_ownImageChecked;
    state.imageTime = m_interval;
    state.paths.reserve(m_rows.size());
    for (const SlideshowRow& row : m_rows)
        state.paths.push_back(row.path);
    return state;
}

Slideshow::AddResult Slideshow::addPicture(const std::string& path) {
    // The settings file keeps one path per line; a line break would split it into keys of its own.
    if (!isProfileValueStorable(path))
        return AddResult::LineBreak;
    if (rowCount() >= MaxBackgroundPictures)
        return AddResult::ListFull;
    const unsigned int texture = m_tank.loadPicture(path);
    if (texture == 0) {
        stopSlideshow();
        return AddResult::NotLoaded;
    }
    m_rows.push_back(SlideshowRow{path, texture, false});
    changed();
    return AddResult::Added;
}

Slideshow::AddResult Slideshow::addChosenPicture(const std::string& path) {
    const AddResult result = addPicture(path);
    if (result == AddResult::Added && rowCount() == 1 && m_ownImageChecked)
        startSlideshow();
    return result;
}

std::string Slideshow::refusalMessage(AddResult result, const std::string& path) const {
    switch (result) {
    case AddResult::Added:
        break;
    case AddResult::ListFull:
        return "The maximum number of background is: " + std::to_string(rowCount());
    case AddResult::NotLoaded:
        return "(" + path + ")" + "image loading error.";
    case AddResult::LineBreak:
        return "This picture's file name holds a line break, which the settings cannot keep. Rename the "
               "file and add it again.";
    }
    return {};
}

void Slideshow::removeSelected(int selectedRow) {
    if (selectedRow >= 0 && selectedRow < rowCount()) {
        m_tank.releasePicture(m_rows[static_cast<std::size_t>(selectedRow)].texture);
        m_rows.erase(m_rows.begin() + selectedRow);
    }
    m_currentTexture = m_rows.empty() ? 0 : chooseImage(0, true);
    changed();
}

void Slideshow::removeAll() {
    for (const SlideshowRow& row : m_rows)
        m_tank.releasePicture(row.texture);
    m_rows.clear();
    m_currentTexture = 0;
    changed();
}

void Slideshow::clickRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    m_currentTexture = chooseImage(row, true);
    changed();
}

void Slideshow::setOwnImage(bool checked) {
    m_ownImageChecked = checked;
    if (checked)
        startSlideshow();
    else if (m_slideshowOn)
        stopSlideshow();
    changed();
}

void Slideshow::setMode(PlayMode mode) {
    m_mode = mode;
    changed();
}

void Slideshow::setInterval(std::string text) {
    m_interval = std::move(text);
}

// The picture changes only while the show runs; a stopped show keeps what it last showed.
void Slideshow::onTimer() {
    const bool wasOn = m_ownImageOn;
    m_ownImageOn = m_ownImageChecked;
    if (m_ownImageOn != wasOn)
        changed();
    if (!m_slideshowOn)
        return;
    ++m_ticks;
    const long long elapsedMs = static_cast<long long>(m_ticks) * SlideshowTickMs;
    const long long intervalMs = static_cast<long long>(parseProfileInt(m_interval)) * 1000;
    if (m_ticks != 0 && elapsedMs < intervalMs)
        return;
    m_currentTexture = chooseImage(0, false);
    m_ticks = 0;
    if (m_currentTexture != 0)
        showOnly(rowHolding(m_currentTexture));
    changed();
}

int Slideshow::chooseImage(int row, bool explicitRow) {
    if (m_rows.empty() || !m_slideshowOn)
        return -1;
    const int count = rowCount();
    if (explicitRow) {
        if (row < 0 || row >= count)
            return -1;
        showOnly(row);
        return textureOf(row);
    }
    const int holding = rowHolding(m_currentTexture);
    switch (m_mode) {
    case PlayMode::RepeatOne:
        // A picture no row holds (the -1 left by a click while the show was off) would keep the
        // backdrop empty for good; the show starts again from the first row instead.
        return holding >= 0 ? m_currentTexture : textureOf(0);
    case PlayMode::RepeatAll:
        return textureOf(holding >= 0 ? (holding + 1) % count : 1 % count);
    case PlayMode::Random:
        return textureOf(m_random.next() % count);
    }
    return -1;
}

void Slideshow::startSlideshow() {
    m_slideshowOn = true;
    m_ticks = -1;
}

void Slideshow::stopSlideshow() {
    for (SlideshowRow& row : m_rows)
        row.on = false;
    m_slideshowOn = false;
    changed();
}

int Slideshow::rowHolding(int texture) const {
    if (texture <= 0)
        return -1;
    for (int row = 0; row < rowCount(); ++row) {
        if (textureOf(row) == texture)
            return row;
    }
    return -1;
}

void Slideshow::showOnly(int row) {
    for (int r = 0; r < rowCount(); ++r)
        m_rows[static_cast<std::size_t>(r)].on = r == row;
}

} // namespace quillmere
