#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quillmere {

// The parts of a fish, in the order they are drawn.
enum class FishPart : std::uint8_t {
    Body,
    UpperJaw,
    LowerJaw,
    Dorsal,
    Pectoral,
    Pelvic,
    Anal,
    Tail,
    GillCovers
};

enum class FishPrimitiveMode : std::uint8_t { QuadStrip, Lines, LineLoop };

// One vertex as it is handed to OpenGL: the position already turned by its ring (scene units, model frame
// of the fish), the normal as the table stores it and the skin coordinate.
struct FishVertex {
    float x;
    float y;
    float z;
    float nx;
    float ny;
    float nz;
    float s;
    float t;
};

// One glBegin/glEnd block of vertices [first, first + count).
struct FishPrimitive {
    FishPrimitiveMode mode = FishPrimitiveMode::QuadStrip;
    FishPart part = FishPart::Body;
    int first = 0;
    int count = 0;
    float shade = 1.0f; // grey level the skin is drawn with: 1 for surfaces, darker for fin rays and outlines
};

// The transformed geometry of one fish for one frame, primitives in drawing order. The capacities hold the
// richest kind with room to spare.
struct FishMesh {
    static constexpr int MaxVertices = 1280;
    static constexpr int MaxPrimitives = 64;

    std::array<FishVertex, MaxVertices> vertices; // left uninitialised: rebuilt every frame
    std::array<FishPrimitive, MaxPrimitives> primitives;
    int vertexCount = 0;
    int primitiveCount = 0;

    std::span<const FishPrimitive> usedPrimitives() const {
        return {primitives.data(), static_cast<std::size_t>(primitiveCount)};
    }
    std::span<const FishVertex> verticesOf(const FishPrimitive& primitive) const {
        return {vertices.data() + primitive.first, static_cast<std::size_t>(primitive.count)};
    }
};

} // namespace quillmere
