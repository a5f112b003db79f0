#include "app/aquarium_view.h"

#include "audio/built_in_tune.h"

// The view's side of TankLink: the dialogs reach the camera, the tune, the tint's cycle and the user's
// pictures only through these.
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

// Pictures load with the tank's context current, whichever window asked; after the teardown there is
// no context and nothing loads.
unsigned int CAquariumView::loadPicture(const std::string& path) {
    if (!m_context) {
        return 0;
    }
    m_context->SetCurrent(*this);
    return m_pictures.load(path);
}

void CAquariumView::releasePicture(unsigned int texture) {
    if (!m_context) {
        return;
    }
    m_context->SetCurrent(*this);
    m_pictures.release(texture);
}

} // namespace quillmere
