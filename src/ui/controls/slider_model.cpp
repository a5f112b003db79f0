#include "ui/controls/slider_model.h"

#include <algorithm>

namespace quillmere {

SliderModel::SliderModel(int value, int minValue, int maxValue)
    : m_min(minValue), m_max(std::max(minValue, maxValue)), m_value(std::clamp(value, m_min, m_max)),
      m_page(std::max(1, (m_max - m_min) / 5)) {}

void SliderModel::setValue(int value) {
    m_value = std::clamp(value, m_min, m_max);
}

void SliderModel::setRange(int minValue, int maxValue) {
    m_min = minValue;
    m_max = std::max(minValue, maxValue);
    m_value = std::clamp(m_value, m_min, m_max);
}

void SliderModel::setLineSize(int lineSize) {
    m_line = std::max(1, lineSize);
}
void SliderModel::setPageSize(int pageSize) {
    m_page = std::max(1, pageSize);
}

int SliderModel::stepped(long long delta) const {
    return static_cast<int>(std::clamp<long long>(m_value + delta, m_min, m_max));
}

} // namespace quillmere
