#include "ui/controls/slider_model.h"

#include <algorithm>

namespace quillmere {

SliderModel::SliderModel(int value, int minValue, int maxValue)
    : m_min(minValue), m_max(std::max(minValue, maxValue)), m_value(std::clamp(value, m_min, m_max)),
      m_page(std::max(1, static_cast<int>((static_cast<long long>(m_max) - m_min) / 5))) {}

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

namespace {

// A rectangle given along and across the axis of travel, turned into client coordinates.
wxRect oriented(bool vertical, int along, int across, int length, int thickness) {
    return vertical ? wxRect(across, along, thickness, length) : wxRect(along, across, length, thickness);
}

} // namespace

SliderLayout layoutSlider(wxSize client, bool vertical, bool marksFirst, const SliderModel& model) {
    SliderLayout layout;
    layout.vertical = vertical;
    layout.marksFirst = marksFirst;
    layout.client = client;
    const int length = vertical ? client.y : client.x;
    const int thickness = vertical ? client.x : client.y;

    layout.thumbStart0 = SliderMargin;
    layout.thumbTravel = std::max(0, length - 2 * SliderMargin - SliderThumbLength);
    const long long span = static_cast<long long>(model.maxValue()) - model.minValue();
    const int offset = span == 0
                           ? 0
                           : static_cast<int>((static_cast<long long>(model.value()) - model.minValue()) *
                                              layout.thumbTravel / span);
    const int thumbAcross = std::max(0, (thickness - SliderThumbThickness) / 2);
    layout.thumb =
        oriented(vertical, layout.thumbStart0 + offset, thumbAcross, SliderThumbLength, SliderThumbThickness);
    layout.channel =
        oriented(vertical, SliderMargin, thumbAcross + (SliderThumbThickness - SliderChannelThickness) / 2,
                 std::max(0, length - 2 * SliderMargin), SliderChannelThickness);

    const int markAcross = marksFirst ? 0 : thickness - SliderMarkSize;
    layout.minMark = oriented(vertical, 0, markAcross, SliderMarkSize, SliderMarkSize);
    layout.maxMark = oriented(vertical, length - SliderMarkSize, markAcross, SliderMarkSize, SliderMarkSize);

    // The ticks sit on the side away from the end circles, 2 pixels off the thumb.
    if (marksFirst) {
        layout.tickFrom = thumbAcross + SliderThumbThickness + 2;
        layout.tickTo = layout.tickFrom + SliderTickLength;
    } else {
        layout.tickTo = thumbAcross - 2;
        layout.tickFrom = layout.tickTo - SliderTickLength;
    }
    layout.minTick = layout.thumbStart0 + SliderThumbLength / 2;
    layout.maxTick = layout.minTick + layout.thumbTravel;
    return layout;
}

int sliderValueAt(const SliderLayout& layout, const SliderModel& model, int thumbStart) {
    if (layout.thumbTravel <= 0)
        return model.minValue();
    const long long span = static_cast<long long>(model.maxValue()) - model.minValue();
    const long long offset = std::clamp(thumbStart - layout.thumbStart0, 0, layout.thumbTravel);
    // Round to the nearest value, so the thumb lands where the pointer left it.
    const long long value =
        model.minValue() + (offset * span * 2 + layout.thumbTravel) / (2LL * layout.thumbTravel);
    return static_cast<int>(std::clamp<long long>(value, model.minValue(), model.maxValue()));
}

} // namespace quillmere
