#pragma once

#include <wx/geometry.h>

namespace quillmere {

// A slider's range, value and step sizes, and the key moves on them. The value always stays in range.
class SliderModel {
public:
    SliderModel(int value, int minValue, int maxValue);

    int value() const { return m_value; }
    int minValue() const { return m_min; }
    int maxValue() const { return m_max; }
    int lineSize() const { return m_line; }
    int pageSize() const { return m_page; }

    // Both clamp: the value into the range, a maximum below the minimum up to it.
    void setValue(int value);
    void setRange(int minValue, int maxValue);
    // Steps below 1 become 1.
    void setLineSize(int lineSize);
    void setPageSize(int pageSize);

    // The value a step of delta from the current value reaches, clamped (no overflow at the int limits).
    int stepped(long long delta) const;

private:
    int m_min;
    int m_max;
    int m_value;
    int m_line = 1;
    int m_page;
};

// Where a slider's parts lie in its client area, logical pixels. "along" is the axis of travel (x for a
// horizontal slider, y for a vertical one), "across" the other.
struct SliderLayout {
    bool vertical = false;
    bool marksFirst = false; // the end circles on the top (left) side and the ticks on the other
    wxSize client;
    wxRect channel;
    wxRect thumb;
    int thumbTravel = 0; // pixels the thumb's start can move
    int thumbStart0 = 0; // the thumb's start at the minimum, along
    wxRect minMark;      // the end circles
    wxRect maxMark;
    int tickFrom = 0; // the tick marks' extent across
    int tickTo = 0;
    int minTick = 0; // the tick positions along
    int maxTick = 0;
};

// Logical sizes of the slider's parts.
constexpr int SliderThumbLength = 11;    // along
constexpr int SliderThumbThickness = 20; // across
constexpr int SliderChannelThickness = 6;
constexpr int SliderMarkSize = 7;
constexpr int SliderTickLength = 4;
constexpr int SliderMargin = 4;

SliderLayout layoutSlider(wxSize client, bool vertical, bool marksFirst, const SliderModel& model);

// The value whose thumb starts nearest to the given position along (pixels), clamped into the range.
int sliderValueAt(const SliderLayout& layout, const SliderModel& model, int thumbStart);

} // namespace quillmere
