#include "tune.h"

#include "shading.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillmere::assetgen {
namespace {

constexpr int Steps = 16;
constexpr int Rest = -1;

// D major pentatonic bells, one per step (MIDI note numbers).
constexpr std::array<int, Steps> Melody = {74, 78, 81, 78, 76, 74, 71, 74, 71, 74, 78, 76, 74, 71, 69, Rest};

struct PadNote {
    int note;
    int firstStep;
    int steps;
};

// Two slow chords under the bells: D and B minor.
constexpr std::array<PadNote, 6> Pad = {{
    {50, 0, 8},
    {57, 0, 8},
    {66, 0, 8},
    {47, 8, 8},
    {54, 8, 8},
    {62, 8, 8},
}};

double frequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

std::size_t stepStart(int step) {
    return TuneSampleCount * static_cast<std::size_t>(step) / Steps;
}

// Adds a tone into the loop; what runs past the end wraps to the start, so the loop has no seam.
template <typename Envelope>
void addTone(std::vector<double>& mix, std::size_t start, std::size_t length, double hz, double overtone,
             Envelope envelope) {
    for (std::size_t i = 0; i < length; ++i) {
        const double time = static_cast<double>(i) / TuneSampleRate;
        const double phase = 2 * Pi * hz * time;
        const double wave = std::sin(phase) + overtone * std::sin(2 * phase);
        mix[(start + i) % mix.size()] += envelope(time) * wave;
    }
}

} // namespace

std::vector<std::int16_t> makeTune() {
    std::vector<double> mix(TuneSampleCount, 0.0);

    constexpr double BellSeconds = 2.0;
    for (int step = 0; step < Steps; ++step) {
        if (Melody[step] == Rest)
            continue;
        addTone(mix, stepStart(step), static_cast<std::size_t>(BellSeconds * TuneSampleRate),
                frequency(Melody[step]), 0.12, [](double time) {
                    const double attack = std::min(1.0, time / 0.012);
                    const double tail = smoothstep(BellSeconds, BellSeconds - 0.3, time);
                    return 0.30 * attack * std::exp(-time / 0.55) * tail;
                });
    }

    const double stepSeconds = static_cast<double>(TuneSampleCount) / TuneSampleRate / Steps;
    for (const PadNote& pad : Pad) {
        const double held = pad.steps * stepSeconds;
        const double length = held + 1.0;
        addTone(mix, stepStart(pad.firstStep), static_cast<std::size_t>(length * TuneSampleRate),
                frequency(pad.note), 0.05, [=](double time) {
                    return 0.07 * smoothstep(0.0, 1.2, time) * smoothstep(length, held - 0.2, time);
                });
    }

    double peak = 0.0;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    // Soft: the loudest moment sits 6 dB below full scale.
    const double gain = peak > 0.0 ? 0.5 * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(TuneSampleCount);
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [gain](double v) { return static_cast<std::int16_t>(std::lround(v * gain)); });
    return samples;
}

} // namespace quillmere::assetgen
