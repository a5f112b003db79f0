#include "app/aquarium_view.h"

#include "assets/user_picture_texture.h"
#include "audio/built_in_tune.h"

#include <algorithm>

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

unsigned int CAquariumView::loadPicture(const std::string& path) {
    if (!m_context)
        return 0;
    m_context->SetCurrent(*this);
    Texture texture = LoadUserPicture(path);
    const GLuint name = texture.name();
    if (name != 0)
        m_userPictures.push_back(std::move(texture));
    return name;
}

void CAquariumView::releasePicture(unsigned int texture) {
    if (!m_context || texture == 0)
        return;
    m_context->SetCurrent(*this);
    std::erase_if(m_userPictures, [texture](const Texture& picture) { return picture.name() == texture; });
}

} // namespace quillmere
