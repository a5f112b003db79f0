#include "ui/background_dialog/slideshow.h"

#include "settings/profile_document.h"
#include "settings/profile_numbers.h"

#include <algorithm>

namespace quillmere {

Slideshow::Slideshow(TankLink& tank, Random& random) : m_tank(tank), m_random(random) {}

void Slideshow::restore(const ImageListState& stored) {
    removeAll();
    m_ownImageChecked = stored.ownImage;
    m_interval = stored.imageTime.empty() ? "5" : stored.imageTime;
    for (const std::string& path : stored.paths) {
        // A key that is not there (a count larger than the list) names no picture at all.
        if (path.empty())
            continue;
        if (rowCount() >= MaxBackgroundPictures) {
            m_overflow.push_back(path);
            continue;
        }
        const AddResult result = addPicture(path, false);
        if (result != AddResult::Added)
            m_messages.push_back({m_nextOrder++, refusalMessage(result, path)});
    }
    settleOverflow();
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
}

ImageListState Slideshow::stored() const {
    ImageListState state;
    state.randomImage = m_mode == PlayMode::Random;
    state.cycImage = m_mode == PlayMode::RepeatAll;
    state.repeatImage = m_mode == PlayMode::RepeatOne;
    state.ownImage = m_ownImageChecked;
    state.imageTime = m_interval;
    state.paths.reserve(m_rows.size() + m_overflow.size());
    for (const SlideshowRow& row : m_rows)
        state.paths.push_back(row.path);
    // Not refused yet: kept until every picture before them has loaded or failed.
    state.paths.insert(state.paths.end(), m_overflow.begin(), m_overflow.end());
    return state;
}

Slideshow::AddResult Slideshow::addPicture(const std::string& path, bool chosen) {
    // The settings file keeps one path per line; a line break would split it into keys of its own.
    if (!isProfileValueStorable(path))
        return AddResult::LineBreak;
    if (rowCount() >= MaxBackgroundPictures)
        return AddResult::ListFull;
    const PictureId picture = m_tank.requestPicture(path);
    m_rows.push_back(SlideshowRow{path, picture, false, false, chosen, m_nextOrder++});
    changed();
    return AddResult::Added;
}

Slideshow::AddResult Slideshow::addChosenPicture(const std::string& path) {
    return addPicture(path, true);
}

void Slideshow::applyOutcomes(const std::vector<PictureOutcome>& outcomes) {
    for (const PictureOutcome& outcome : outcomes) {
        const int row = rowHolding(outcome.id);
        if (row < 0)
            continue;
        auto& entry = m_rows[static_cast<std::size_t>(row)];
        if (!outcome.loaded) {
            pictureFailed(static_cast<std::size_t>(row), outcome.error);
            continue;
        }
        entry.ready = true;
        if (entry.chosen)
            startIfOnlyRow();
        settleOverflow();
        changed();
    }
}

// The row goes as if it had never been added; a chosen picture stops the show, as a failed add does.
void Slideshow::pictureFailed(std::size_t row, const std::string& error) {
    const SlideshowRow failed = m_rows[row];
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    m_tank.releasePicture(failed.picture);
    // The show moved to a picture that will never come: it picks again on the next step rather than
    // leaving the backdrop empty for a whole interval, Repeat All going on with the row that took the
    // failed one's place.
    if (m_current == failed.picture) {
        const bool goOn = m_mode == PlayMode::RepeatAll && !m_rows.empty();
        m_current = goOn ? pictureOf(static_cast<int>((row + m_rows.size() - 1) % m_rows.size()))
                         : PictureId::NoPicture;
        m_ticks = -1;
    }
    const auto at = std::find_if(m_messages.begin(), m_messages.end(),
                                 [&](const PendingMessage& message) { return message.order > failed.order; });
    m_messages.insert(
        at, {failed.order, error.empty() ? refusalMessage(AddResult::NotLoaded, failed.path) : error});
    if (failed.chosen) {
        stopSlideshow();
        startIfOnlyRow();
    }
    settleOverflow();
    changed();
}

// The first stored path past the list takes a place a failed picture left; once nothing before them
// still loads, those left over are refused with one message, not one for each.
void Slideshow::settleOverflow() {
    while (!m_overflow.empty() && rowCount() < MaxBackgroundPictures) {
        const std::string path = m_overflow.front();
        m_overflow.erase(m_overflow.begin());
        const AddResult result = addPicture(path, false);
        if (result != AddResult::Added)
            m_messages.push_back({m_nextOrder++, refusalMessage(result, path)});
    }
    const bool loading =
        std::any_of(m_rows.begin(), m_rows.end(), [](const SlideshowRow& row) { return !row.ready; });
    if (!m_overflow.empty() && !loading) {
        m_messages.push_back({m_nextOrder++, refusalMessage(AddResult::ListFull, m_overflow.front())});
        m_overflow.clear();
    }
}

void Slideshow::startIfOnlyRow() {
    if (rowCount() == 1 && m_ownImageChecked)
        startSlideshow();
}

std::vector<std::string> Slideshow::takeMessages() {
    // Rows keep the order they were added in, so the first one still loading bounds what is due.
    std::uint64_t due = m_nextOrder;
    for (const SlideshowRow& row : m_rows) {
        if (!row.ready) {
            due = std::min(due, row.order);
            break;
        }
    }
    std::vector<std::string> messages;
    while (!m_messages.empty() && m_messages.front().order < due) {
        messages.push_back(std::move(m_messages.front().text));
        m_messages.erase(m_messages.begin());
    }
    return messages;
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
        m_tank.releasePicture(m_rows[static_cast<std::size_t>(selectedRow)].picture);
        m_rows.erase(m_rows.begin() + selectedRow);
    }
    m_current = m_rows.empty() ? PictureId::NoPicture : chooseImage(0, true);
    changed();
}

void Slideshow::removeAll() {
    m_overflow.clear();
    for (const SlideshowRow& row : m_rows)
        m_tank.releasePicture(row.picture);
    m_rows.clear();
    m_current = PictureId::NoPicture;
    changed();
}

void Slideshow::clickRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    m_current = chooseImage(row, true);
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
    applyOutcomes(m_tank.takePictureOutcomes());
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
    m_current = chooseImage(0, false);
    m_ticks = 0;
    if (m_current != PictureId::NoPicture)
        showOnly(rowHolding(m_current));
    changed();
}

PictureId Slideshow::chooseImage(int row, bool explicitRow) {
    if (m_rows.empty() || !m_slideshowOn)
        return PictureId::Stale;
    const int count = rowCount();
    if (explicitRow) {
        if (row < 0 || row >= count)
            return PictureId::Stale;
        showOnly(row);
        return pictureOf(row);
    }
    const int holding = rowHolding(m_current);
    switch (m_mode) {
    case PlayMode::RepeatOne:
        // A picture no row holds (the Stale left by a click while the show was off) would keep the
        // backdrop empty for good; the show starts again from the first row instead.
        return holding >= 0 ? m_current : pictureOf(0);
    case PlayMode::RepeatAll:
        return pictureOf(holding >= 0 ? (holding + 1) % count : 1 % count);
    case PlayMode::Random:
        return pictureOf(m_random.next() % count);
    }
    return PictureId::Stale;
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

int Slideshow::rowHolding(PictureId picture) const {
    if (!isPicture(picture))
        return -1;
    for (int row = 0; row < rowCount(); ++row) {
        if (pictureOf(row) == picture)
            return row;
    }
    return -1;
}

void Slideshow::changed() {
    ++m_revision;
    const std::optional<PictureId> shown =
        m_ownImageOn ? std::optional<PictureId>(m_current) : std::optional<PictureId>();
    if (shown != m_toldTank) {
        m_toldTank = shown;
        m_tank.showPicture(shown);
    }
}

void Slideshow::showOnly(int row) {
    for (int r = 0; r < rowCount(); ++r)
        m_rows[static_cast<std::size_t>(r)].on = r == row;
}

} // namespace quillmere
