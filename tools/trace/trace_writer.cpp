#include "trace_writer.h"

#include <cinttypes>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace quillmere {

namespace {

// Appends JSON text; numbers in the trace's fixed formats.
class JsonLine {
public:
    JsonLine& text(const char* raw) {
        m_out += raw;
        return *this;
    }
    JsonLine& number(float value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
        m_out += buffer;
        return *this;
    }
    JsonLine& integer(long long value) {
        m_out += std::to_string(value);
        return *this;
    }
    JsonLine& floats(std::initializer_list<float> values) {
        m_out += '[';
        bool first = true;
        for (float value : values) {
            if (!first)
                m_out += ',';
            first = false;
            number(value);
        }
        m_out += ']';
        return *this;
    }
    JsonLine& vec(const Vec3& v) { return floats({v.x, v.y, v.z}); }
    std::string finish() {
        m_out += '\n';
        return std::move(m_out);
    }

private:
    std::string m_out;
};

} // namespace

std::string setupTraceLine(const Scene& scene, const AquariumSettings& settings, std::uint32_t seed) {
    JsonLine line;
    line.text("{\"setup\": {\"counts\": [");
    for (int kind = 0; kind < FishKindCount; ++kind) {
        if (kind > 0)
            line.text(",");
        line.integer(settings.fishCount[kind]);
    }
    line.text("], \"bubbleOrigin\": ").vec(scene.bubbleOrigin());
    const TerrainGrid& terrain = scene.terrain();
    line.text(", \"terrain\": {\"0,0\": ").vec(terrain.vertex(0, 0));
    line.text(", \"85,10\": ").vec(terrain.vertex(85, 10));
    line.text(", \"179,48\": ").vec(terrain.vertex(179, 48));
    line.text("}, \"fish\": [");
    for (int slot = 0; slot < FishSlotCount; ++slot) {
        const Fish& fish = scene.fish()[slot];
        if (slot > 0)
            line.text(",");
        line.floats({fish.x, fish.y, fish.z});
    }
    line.text("], \"bubbles\": [");
    for (int i = 0; i < 10; ++i) {
        const Particle& p = scene.bubbles().particle(i);
        if (i > 0)
            line.text(",");
        line.floats({p.x, p.y, p.z, p.vx, p.vy, p.vz, p.life, p.fade, p.size});
    }
    line.text("], \"pellets\": [");
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        const FoodPellet& p = scene.pellets()[slot];
        if (slot > 0)
            line.text(",");
        line.floats({p.offsetX, p.offsetY, p.offsetZ, p.spinX, p.spinY, p.sinkSpeed});
    }
    line.text("], \"seed\": ").integer(seed).text("}}");
    return line.finish();
}

std::string frameTraceLine(const Scene& scene, long long frameNumber, std::uint32_t seed) {
    JsonLine line;
    line.text("{\"frame\": ").integer(frameNumber);
    line.text(", \"seed\": ").integer(seed);
    line.text(", \"eye\": ").floats({scene.camera().eyeX, scene.camera().cameraZoom});
    line.text(", \"fish\": [");
    for (int slot = 0; slot < FishSlotCount; ++slot) {
        const Fish& f = scene.fish()[slot];
        if (slot > 0)
            line.text(",");
        line.floats({f.x, f.y, f.z, f.heading, f.targetHeading, f.pitch, f.targetPitch, f.speed});
    }
    line.text("], \"pellets\": [");
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        const FoodPellet& p = scene.pellets()[slot];
        if (slot > 0)
            line.text(",");
        line.text("[").integer(p.active ? 1 : 0).text(",").number(p.alive).text(",");
        line.number(p.x).text(",").number(p.y).text(",").number(p.z).text("]");
    }
    line.text("], \"bubbles\": [");
    for (int i = 0; i < 5; ++i) {
        const Particle& p = scene.bubbles().particle(i);
        if (i > 0)
            line.text(",");
        line.floats({p.x, p.y, p.z, p.life});
    }
    line.text("]}");
    return line.finish();
}

} // namespace quillmere
