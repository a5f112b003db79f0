#include "ui/controls/skin_slider.h"

namespace quillmere {

SkinSlider::SkinSlider(wxWindow* parent, wxWindowID id, int value, int minValue, int maxValue, long style)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, style | wxBORDER_NONE),
      m_model(value, minValue, maxValue) {}

void SkinSlider::SetValue(int value) {
    m_model.setValue(value);
    Refresh();
}

void SkinSlider::SetRange(int minValue, int maxValue) {
    m_model.setRange(minValue, maxValue);
    Refresh();
}

wxSize SkinSlider::DoGetBestClientSize() const {
    return FromDIP(HasFlag(wxSL_VERTICAL) ? wxSize(36, 100) : wxSize(100, 36));
}

} // namespace quillmere
