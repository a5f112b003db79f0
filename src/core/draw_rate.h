#pragma once

#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>
#include <string_view>

namespace quillmere {

// The tank steps every 20 ms, 50 times a second; a display that refreshes faster gets frames blended
// between steps.
inline constexpr std::chrono::milliseconds StepPeriod{20};
inline constexpr int StepsPerSecond =
    static_cast<int>(std::chrono::milliseconds(std::chrono::seconds(1)) / StepPeriod);
// Above this a frame rate is a typing error, not a display.
inline constexpr int MaxDrawRate = 1000;

// "FrameRate" in the section "Display": "auto" (or absent) follows the display, a number of frames a
// second is drawn as asked, and 50 or less draws one frame a step.
struct FrameRateSetting {
    bool automatic = true;
    int rate = 0; // frames a second when not automatic
};

// Parses the stored text; nothing when it is neither "auto" nor a whole number from 1 to MaxDrawRate.
inline std::optional<FrameRateSetting> parseFrameRate(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (text.empty())
        return FrameRateSetting{};
    if (text.size() == 4) {
        bool isAuto = true;
        for (std::size_t i = 0; i < 4; ++i)
            isAuto = isAuto && std::tolower(static_cast<unsigned char>(text[i])) == "auto"[i];
        if (isAuto)
            return FrameRateSetting{};
    }
    int rate = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
    if (error != std::errc{} || end != text.data() + text.size() || rate < 1 || rate > MaxDrawRate)
        return std::nullopt;
    return FrameRateSetting{false, rate};
}

// What the screen offers: its refresh in hertz (0 when unknown) and whether a software rasteriser
// draws, which cannot draw faster than the tank steps at full-screen sizes.
struct DisplayTraits {
    double refreshHz = 0.0;
    bool softwareRenderer = false;
};

// Frames a second to draw, blended between steps; 0 draws exactly one frame a step.
inline int chooseDrawRate(const FrameRateSetting& setting, const DisplayTraits& display) {
    if (!setting.automatic)
        return setting.rate > StepsPerSecond ? setting.rate : 0;
    if (display.softwareRenderer)
        return 0;
    const long refresh = std::lround(display.refreshHz);
    return refresh > StepsPerSecond && refresh <= MaxDrawRate ? static_cast<int>(refresh) : 0;
}

// Whether the swap waits for the display: when frames come at the display's own rate.
inline bool swapFollowsDisplay(int drawRate, const DisplayTraits& display) {
    return drawRate > 0 && std::lround(display.refreshHz) == drawRate;
}

// Watches how often frames drawn at a display's rate come late; a renderer that keeps missing the rate
// draws better at one frame a step, where each frame at least shows a step of its own.
class DrawRateWatch {
public:
    using Duration = std::chrono::microseconds;

    explicit DrawRateWatch(int drawRate) : m_period(Duration(std::chrono::seconds(1)) / drawRate) {}

    // A frame was swapped at now; true once enough of the frames of a window came late.
    bool fallsBehind(Duration now) {
        if (m_haveLast) {
            ++m_frames;
            if (now - m_last > m_period * 3 / 2)
                ++m_late;
            if (m_frames == WindowFrames) {
                if (m_late * 10 > WindowFrames)
                    return true;
                m_frames = 0;
                m_late = 0;
            }
        }
        m_last = now;
        m_haveLast = true;
        return false;
    }

private:
    static constexpr int WindowFrames = 120;

    Duration m_period;
    Duration m_last{};
    bool m_haveLast = false;
    int m_frames = 0;
    int m_late = 0;
};

} // namespace quillmere
