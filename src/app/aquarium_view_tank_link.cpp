#include "app/aquarium_view.h"

#include "audio/built_in_tune.h"

#include <utility>

// The view's side of TankLink: the dialogs reach the camera, the tune, the tint's cycle, the user's
// pictures, the music flags, the settings and the fish counts only through these.
namespace quillmere {

CameraValues CAquariumView::liveCamera() const {
    return m_state.camera;
}

void CAquariumView::setLiveCamera(const CameraValues& values) {
    m_state.camera = values;
}

void CAquariumView::setTuneVolume(int yinliang) {
    m_services.builtInTune.setLevel(yinliang);
}

float CAquariumView::tintPhase() const {
    return savedFrontTintPhase(m_tank.scene().frontTint(), m_state.settings);
}

void CAquariumView::resumeTintPhase(float phase) {
    resumeFrontTint(m_tank.scene().frontTint(), phase);
}

// The record every frame reads (RenderFrame hands it to the tank), so the next frame shows the change.
void CAquariumView::applySettings(const AquariumSettings& values) {
    takeDialogSettings(m_state.settings, values);
}

void CAquariumView::applyFishCounts(const std::array<int, FishKindCount>& counts) {
    takeFishCounts(m_state.settings, counts);
}

// Pictures are read and prepared by the loader's workers and uploaded by the frame's ticks; without a
// context (a set-up that stopped early, or after the teardown) nothing loads.
PictureId CAquariumView::requestPicture(const std::string& path) {
    const PictureId picture = m_lastPicture = nextPicture(m_lastPicture);
    if (m_pictureLoader) {
        m_pictureLoader->request(picture, path);
    } else {
        m_pictureOutcomes.push_back({picture, false, userPictureLoadingError(path)});
    }
    return picture;
}

void CAquariumView::releasePicture(PictureId picture) {
    if (m_pictureLoader) {
        m_pictureLoader->cancel(picture);
    }
    std::erase_if(m_pictureOutcomes,
                  [picture](const PictureOutcome& outcome) { return outcome.id == picture; });
    if (UserPictureTextures* pictures = m_tank.userPictures(); pictures != nullptr && m_context) {
        m_context->SetCurrent(*this);
        pictures->release(picture);
    }
}

std::vector<PictureOutcome> CAquariumView::takePictureOutcomes() {
    return std::exchange(m_pictureOutcomes, {});
}

// The next frame draws what the slideshow chose, once the picture is uploaded.
void CAquariumView::showPicture(std::optional<PictureId> picture) {
    m_slideshowPicture = picture;
}

// The view's tick silences the built-in tune, or starts it again, from this flag.
void CAquariumView::setOwnMusicOn(bool on) {
    m_state.musicFlags.ownMusicOn = on;
}

bool CAquariumView::tankRunning() const {
    return m_ticking && m_ticks > 0;
}

} // namespace quillmere
