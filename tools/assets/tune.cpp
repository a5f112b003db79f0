#include "tune.h"

#include "shading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace quillmere::assetgen {
namespace {

// Four bars of four beats fill the loop: about 79 beats a minute.
constexpr int Beats = 16;
constexpr double LoopSeconds = static_cast<double>(TuneSampleCount) / TuneSampleRate;
constexpr double BeatSeconds = LoopSeconds / Beats;

struct Note {
    double beat;     // start, in beats from the loop's start
    double length;   // in beats
    int pitch;       // MIDI note number
    double strength; // 0..1
};

// A bell melody on the pentatonic scale, a rising phrase and its falling answer, which leads back
// into the first note when the loop starts again.
constexpr std::array<Note, 17> Melody = {{
    {0.0, 1.5, 76, 0.9},
    {1.5, 0.5, 74, 0.6},
    {2.0, 1.0, 76, 0.75},
    {3.0, 1.0, 79, 0.8},
    {4.0, 2.0, 81, 0.9},
    {6.0, 1.0, 79, 0.65},
    {7.0, 1.0, 76, 0.7},
    {8.0, 1.5, 72, 0.85},
    {9.5, 0.5, 74, 0.55},
    {10.0, 1.0, 76, 0.7},
    {11.0, 1.0, 69, 0.65},
    {12.0, 1.5, 74, 0.8},
    {13.5, 0.5, 72, 0.55},
    {14.0, 1.0, 74, 0.7},
    {15.0, 0.5, 67, 0.5},
    {15.5, 0.5, 71, 0.45},
    {10.5, 0.5, 84, 0.25}, // a high sparkle over the third bar
}};

// One chord a bar: C major seventh, A minor seventh, F major seventh, G with an added sixth.
constexpr std::array<std::array<int, 4>, 4> Chords = {{
    {{60, 64, 67, 71}},
    {{57, 60, 64, 67}},
    {{57, 60, 65, 64}},
    {{59, 62, 67, 64}},
}};
constexpr std::array<int, 4> Bass = {36, 33, 41, 43};

double frequency(int pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

std::size_t sampleAt(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * TuneSampleRate));
}

// Adds a tone into the loop; what runs past the end wraps to the start, so the loop has no seam.
template <typename Wave>
void addTone(std::vector<double>& mix, double startSeconds, double seconds, Wave wave) {
    // A start before zero (a chord swelling in ahead of the first bar) wraps to the loop's end.
    const auto size = static_cast<long>(mix.size());
    const auto start =
        static_cast<std::size_t>((std::lround(startSeconds * TuneSampleRate) % size + size) % size);
    const std::size_t length = sampleAt(seconds);
    for (std::size_t i = 0; i < length; ++i) {
        const double time = static_cast<double>(i) / TuneSampleRate;
        mix[(start + i) % mix.size()] += wave(time);
    }
}

// A soft mallet on a bell: a quick but not clicking attack, a long decay, quiet overtones that
// fade first.
void addBell(std::vector<double>& mix, const Note& note) {
    const double hz = frequency(note.pitch);
    const double ring = 2.6;
    addTone(mix, note.beat * BeatSeconds, ring, [=](double t) {
        const double attack = smoothstep(0.0, 0.012, t);
        const double release = smoothstep(ring, ring - 0.5, t);
        const double fundamental = std::exp(-t / 0.9) * std::sin(2 * Pi * hz * t);
        const double second = 0.22 * std::exp(-t / 0.35) * std::sin(2 * Pi * 2.0 * hz * t);
        const double third = 0.06 * std::exp(-t / 0.18) * std::sin(2 * Pi * 3.0 * hz * t);
        return 0.32 * note.strength * attack * release * (fundamental + second + third);
    });
}

// A chord held for a bar, swelling in and fading under the next one; each voice is two sines a
// little apart, which slowly beat.
void addPad(std::vector<double>& mix, int bar) {
    const double start = bar * 4 * BeatSeconds - 0.35;
    const double held = 4 * BeatSeconds + 0.7;
    for (const int pitch : Chords[static_cast<std::size_t>(bar)]) {
        const double hz = frequency(pitch);
        addTone(mix, start, held, [=](double t) {
            const double envelope = smoothstep(0.0, 0.9, t) * smoothstep(held, held - 0.9, t);
            const double voice = std::sin(2 * Pi * hz * t) + std::sin(2 * Pi * (hz + 0.6) * t + 1.0);
            return 0.035 * envelope * voice;
        });
    }
    const double bassHz = frequency(Bass[static_cast<std::size_t>(bar)]);
    addTone(mix, bar * 4 * BeatSeconds, 4 * BeatSeconds, [=](double t) {
        const double envelope =
            smoothstep(0.0, 0.05, t) * std::exp(-t / 1.6) * smoothstep(4 * BeatSeconds, 3.4 * BeatSeconds, t);
        return 0.16 * envelope * (std::sin(2 * Pi * bassHz * t) + 0.15 * std::sin(4 * Pi * bassHz * t));
    });
}

// A few quiet, darkening echoes, folded round the loop like everything else.
std::vector<double> withEchoes(const std::vector<double>& dry) {
    struct Tap {
        double seconds;
        double gain;
    };
    constexpr std::array<Tap, 4> Taps = {{{0.75 * BeatSeconds, 0.3},
                                          {1.5 * BeatSeconds, 0.18},
                                          {2.25 * BeatSeconds, 0.1},
                                          {3.0 * BeatSeconds, 0.06}}};
    std::vector<double> wet = dry;
    const std::size_t n = dry.size();
    for (const Tap& tap : Taps) {
        const std::size_t delay = sampleAt(tap.seconds);
        // A one-pole low-pass run twice round the circle, so it settles into the loop.
        std::vector<double> soft(n);
        double state = 0.0;
        for (int pass = 0; pass < 2; ++pass)
            for (std::size_t i = 0; i < n; ++i) {
                state += 0.35 * (dry[i] - state);
                soft[i] = state;
            }
        for (std::size_t i = 0; i < n; ++i)
            wet[(i + delay) % n] += tap.gain * soft[i];
    }
    return wet;
}

} // namespace

std::vector<std::int16_t> makeTune() {
    std::vector<double> dry(TuneSampleCount, 0.0);
    for (int bar = 0; bar < 4; ++bar)
        addPad(dry, bar);
    for (const Note& note : Melody)
        addBell(dry, note);
    std::vector<double> mix = withEchoes(dry);

    // No offset, so the speaker rests where it started at every pass.
    const double mean = std::accumulate(mix.begin(), mix.end(), 0.0) / static_cast<double>(mix.size());
    double peak = 0.0;
    for (double& v : mix) {
        v -= mean;
        peak = std::max(peak, std::abs(v));
    }
    // Soft: the loudest moment sits 5 dB below full scale.
    const double gain = peak > 0.0 ? 0.56 * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(TuneSampleCount);
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [gain](double v) { return static_cast<std::int16_t>(std::lround(v * gain)); });
    return samples;
}

} // namespace quillmere::assetgen
