#include "fish/fish_model.h"

#include "fish/fish_point_tables.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace quillmere {
namespace {

constexpr float RayShade = 0.45f;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// A table point scaled to the fish, before any animation offset.
struct Scaled {
    float x, y, z, nx, ny, nz, s, t;
};

Scaled scaled(const FishPoint& p, float size) {
    return {p.x * size, p.y * size, p.z * size, p.nx, p.ny, p.nz, p.s, p.t};
}

void emit(FishModelBuilder& builder, const Scaled& p) {
    builder.EmitVertex(p.x, p.y, p.z, p.nx, p.ny, p.nz, p.s, p.t);
}

// The second pass of a paired part: the point and its lateral offset together mirrored across the midline.
Scaled mirrored(Scaled p) {
    p.y = -p.y;
    p.ny = -p.ny;
    return p;
}

class FishDrawing {
public:
    FishDrawing(const FishPose& pose, FishMesh& mesh)
        : m_pose(pose), m_builder(mesh), m_tables(fishPointTables()), m_size(static_cast<float>(pose.size)),
          m_kind(pose.kind) {
        for (int i = 0; i < RingCount; ++i)
            m_rings[at(i)] = BuildRotationMatrix(pose.ringAngles[at(i)], 0.0f, 0.0f, 1.0f);
    }

    void draw() {
        body();
        upperJaw();
        lowerJaw();
        dorsal();
        pectoral();
        pelvic();
        anal();
        tail();
        gillCovers();
    }

private:
    void ring(int index) { m_builder.LoadRingMatrix(m_rings[at(index)]); }
    float wave(int ring) const { return m_pose.bodyWave[at(ring)]; }

    void body() {
        const auto& rows = m_tables.body;
        for (int side = 0; side < 2; ++side) {
            for (int r = 0; r + 1 < 6; ++r) {
                m_builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Body);
                for (int i = 0; i < RingCount; ++i) {
                    ring(i);
                    for (int row : {r, r + 1}) {
                        Scaled p = scaled(rows[at(row)][at(i)], m_size);
                        // Both halves sway the same way: the wave is added after the mirroring.
                        if (side == 1)
                            p = mirrored(p);
                        p.y += wave(i);
                        emit(m_builder, p);
                    }
                }
                m_builder.End();
            }
        }
    }

    template <std::size_t Rows, std::size_t Points, typename Offset>
    void pairedStrips(const FishPointRows<Rows, Points>& rows, FishPart part, int ringIndex, Offset offset) {
        for (int side = 0; side < 2; ++side) {
            ring(ringIndex);
            for (int r = 0; r + 1 < static_cast<int>(Rows); ++r) {
                m_builder.Begin(FishPrimitiveMode::QuadStrip, part);
                for (int i = 0; i < static_cast<int>(Points); ++i) {
                    for (int row : {r, r + 1}) {
                        Scaled p = scaled(rows[at(row)][at(i)], m_size);
                        offset(row, i, p);
                        emit(m_builder, side == 0 ? p : mirrored(p));
                    }
                }
                m_builder.End();
            }
        }
    }

    void upperJaw() {
        pairedStrips(m_tables.upperJaw, FishPart::UpperJaw, 0,
                     [this](int, int i, Scaled& p) { p.z += m_pose.upperJaw[at(i)]; });
    }

    void lowerJaw() {
        // The channel opens points 0 to 6; the last point is the hinge and stays put.
        pairedStrips(m_tables.lowerJaw, FishPart::LowerJaw, 0, [this](int, int i, Scaled& p) {
            if (i < 7)
                p.z -= m_pose.lowerJaw[at(i)];
        });
    }

    // One strip on the midline from two rows, point range [first, last], with per-point adjustment.
    template <std::size_t Rows, std::size_t Points, typename Adjust>
    void midlineStrip(const FishPointRows<Rows, Points>& rows, int rowA, int rowB, int first, int last,
                      FishPart part, int ringIndex, bool ringPerPair, Adjust adjust) {
        ring(ringIndex);
        m_builder.Begin(FishPrimitiveMode::QuadStrip, part);
        for (int i = first; i <= last; ++i) {
            if (ringPerPair)
                ring(ringIndex);
            for (int row : {rowA, rowB}) {
                Scaled p = scaled(rows[at(row)][at(i)], m_size);
                adjust(row, i, p);
                emit(m_builder, p);
            }
        }
        m_builder.End();
    }

    void dorsal() {
        const float s = m_size;
        const auto& dorsal = m_pose.dorsal;
        const auto& shared = m_tables.dorsalShared;
        auto sharedStrip = [&](int first, int last, auto adjust) {
            midlineStrip(shared, 0, 1, first, last, FishPart::Dorsal, 8, false, adjust);
        };
        switch (m_kind) {
        case 0:
        case 8:
            sharedStrip(0, 22, [&](int row, int i, Scaled& p) {
                if (row == 1)
                    p.y += dorsal[at(i)];
            });
            break;
        case 1:
        case 2:
            sharedStrip(0, 15, [&](int row, int i, Scaled& p) {
                p.x *= 1.5f;
                if (row == 1)
                    p.y += dorsal[at(i)];
                else
                    p.z -= 0.03f * s;
            });
            break;
        case 4:
            sharedStrip(0, 22, [&](int row, int i, Scaled& p) {
                if (row == 1) {
                    const float d = (i == 3 || i == 7) ? 0.05f * s : (i == 5 ? 0.02f * s : 0.0f);
                    p.x = 0.8f * p.x + d;
                    p.y += dorsal[at(i)];
                    p.z *= 1.2f;
                } else {
                    p.x *= 1.5f;
                }
            });
            break;
        case 5:
            sharedStrip(0, 22, [&](int row, int i, Scaled& p) {
                if (row == 1) {
                    p.y += dorsal[at(i)];
                    p.z *= 0.9f;
                }
            });
            break;
        case 6:
            // A crest thrown forward over the head, still in the water.
            sharedStrip(1, 22, [&](int row, int, Scaled& p) {
                if (row == 1) {
                    p.x -= 0.25f * s;
                    p.z *= 0.9f;
                } else {
                    p.x = -0.5f * p.x - 0.25f * s;
                    p.z -= 0.15f * s;
                }
            });
            break;
        case 10:
            sharedStrip(0, 22, [&](int row, int i, Scaled& p) {
                p.x = 2.5f * p.x + 0.14f * s;
                if (row == 1) {
                    p.y += dorsal[at(i)];
                    p.z *= 1.5f;
                }
            });
            break;
        case 3:
        case 9:
            midlineStrip(m_tables.dorsalRounded, 0, 1, 0, 9, FishPart::Dorsal, 8, true,
                         [&](int row, int i, Scaled& p) {
                             if (m_kind == 9)
                                 p.x -= 0.04f * s;
                             if (row == 1) {
                                 p.y += dorsal[at(i)];
                                 // Kind 3 a little taller, kind 9 a little lower.
                                 p.z += (m_kind == 3 ? 0.03f : -0.02f) * s;
                             }
                         });
            break;
        case 7:
            for (int r = 0; r < 2; ++r)
                midlineStrip(m_tables.dorsalSwept, r, r + 1, 0, 6, FishPart::Dorsal, 14, false,
                             [&](int row, int i, Scaled& p) {
                                 p.y += dorsal[at(i)] * 0.5f * static_cast<float>(row);
                             });
            break;
        default:
            longDorsal();
            break;
        }
    }

    void longDorsal() {
        const float s = m_size;
        const auto& rows = m_tables.dorsalLong;
        midlineStrip(rows, 0, 1, 0, 15, FishPart::Dorsal, 8, false, [&](int row, int i, Scaled& p) {
            if (row == 0)
                return;
            p.y += m_pose.dorsal[at(i)];
            const float root = rows[0][at(i)].z * s;
            switch (m_kind) {
            case 12:
                p.z += 0.04f * s;
                break;
            case 13:
                if (i % 2 == 1)
                    p.z += 0.035f * s;
                break;
            case 14:
                p.z = root + (p.z - root) * 0.7f;
                p.x += 0.03f * s;
                break;
            default:
                break;
            }
        });
    }

    void pectoral() {
        pairedStrips(m_tables.pectoral, FishPart::Pectoral, 3, [this](int row, int i, Scaled& p) {
            if (row == 1) {
                p.x += m_pose.pectoral[at(i)];
                p.y += m_pose.pectoral[at(i)];
            }
        });
    }

    void pelvic() {
        if (m_kind == 14)
            return;
        const float scale = pelvicScale(m_kind);
        const float shift = pelvicShifted(m_kind) ? 0.05f * m_size : 0.0f;
        pairedStrips(m_tables.pelvic, FishPart::Pelvic, 2, [&](int row, int i, Scaled& p) {
            p.z *= scale;
            p.x -= shift;
            if (row == 0)
                p.z += 0.05f * m_size;
            else
                p.y += m_pose.pelvic[at(i)];
        });
    }

    // Lateral offset of anal point (row, i): it sways with its ring, and the outer rows ripple.
    float analSway(int row, int i) const { return wave(4 + i) + (row >= 2 ? m_pose.anal[at(i)] : 0.0f); }

    void anal() {
        const auto& rows = m_tables.anal;
        const float scale = analScale(m_kind);
        const int strips = m_kind == 3 ? 1 : 4;
        for (int r = 0; r < strips; ++r) {
            m_builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Anal);
            for (int i = 0; i < 10; ++i) {
                ring(4 + i);
                for (int row : {r, r + 1}) {
                    Scaled p = scaled(rows[at(row)][at(i)], m_size);
                    p.y += analSway(row, i);
                    p.z *= scale;
                    if (row == 4)
                        p.z += analEdgeOffset(m_kind, i) * m_size;
                    emit(m_builder, p);
                }
            }
            m_builder.End();
        }
        if (m_kind != 2)
            return;
        // Rays across the fin: unscaled, so they reach a little past its edge.
        for (int r = 0; r < 4; ++r) {
            m_builder.Begin(FishPrimitiveMode::Lines, FishPart::Anal, RayShade);
            for (int i = 0; i < 10; ++i) {
                ring(4 + i);
                for (int row : {r, r + 1}) {
                    Scaled p = scaled(rows[at(row)][at(i)], m_size);
                    p.y += analSway(row, i);
                    emit(m_builder, p);
                }
            }
            m_builder.End();
        }
    }

    // The root row rides on ring 13's sway, the free edge on ring 14's plus the tail ripple of its point.
    void tailSway(int row, int waveIndex, Scaled& p) const {
        if (row == 0)
            p.y += wave(13);
        else
            p.y += wave(14) + m_pose.tail[at(waveIndex)];
    }

    template <std::size_t Points>
    void tailStrip(const FishPointRows<2, Points>& rows, int first, int count, float zOffset = 0.0f,
                   bool mirrorZ = false) {
        m_builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Tail);
        for (int i = first; i < first + count; ++i) {
            for (int row : {0, 1}) {
                Scaled p = scaled(rows[at(row)][at(i)], m_size);
                p.z += zOffset;
                if (mirrorZ)
                    p.z = -p.z;
                tailSway(row, i, p);
                emit(m_builder, p);
            }
        }
        m_builder.End();
    }

    template <std::size_t Points> void tailOutline(const FishPointRows<2, Points>& rows) {
        m_builder.Begin(FishPrimitiveMode::LineLoop, FishPart::Tail, RayShade);
        for (int i = 0; i < static_cast<int>(Points); ++i) {
            Scaled p = scaled(rows[1][at(i)], m_size);
            tailSway(1, i, p);
            emit(m_builder, p);
        }
        m_builder.End();
    }

    void tail() {
        const FishPointTables& t = m_tables;
        ring(14);
        switch (m_kind) {
        case 5:
            tailStrip(t.tail5, 0, 9);
            tailStrip(t.tail5, 8, 9);
            return;
        case 8:
            tailStrip(t.tail8, 0, 9);
            tailStrip(t.tail8, 7, 10);
            return;
        case 10:
            tailStrip(t.tailUpper10, 0, 16);
            tailStrip(t.tailLower10, 0, 16);
            return;
        case 11:
            tailStrip(t.tail11, 0, 10);
            tailStrip(t.tail11, 7, 10);
            return;
        case 13:
            tailStrip(t.tail13, 2, 13);
            return;
        case 14:
            tailStrip(t.tail14, 0, 10);
            tailStrip(t.tail14, 8, 9);
            return;
        default:
            break;
        }
        tailStrip(t.tailBase, 0, 25);
        switch (m_kind) {
        case 1:
            tailStrip(t.tailStreamer1, 0, 13, 0.065f * m_size);
            tailStrip(t.tailStreamer1, 0, 13, 0.065f * m_size, true);
            break;
        case 2:
            tailStrip(t.tailVeil2, 0, 25);
            tailOutline(t.tailVeil2);
            break;
        case 3:
            tailStrip(t.tailFan3, 0, 21);
            break;
        case 4:
            tailStrip(t.tailUpperLobe4, 0, 20);
            tailStrip(t.tailLowerLobe4, 0, 20);
            break;
        case 6:
            tailStrip(t.tailSpade6, 0, 21);
            break;
        case 7:
            tailStrip(t.tailLyre7, 0, 25);
            break;
        case 9:
            tailStrip(t.tailUpperTip9, 0, 8);
            tailStrip(t.tailLowerTip9, 0, 7);
            break;
        case 12:
            tailStrip(t.tailVeil12, 0, 25);
            break;
        default:
            break;
        }
    }

    void gillCovers() {
        const float flap = m_pose.gillFlap;
        pairedStrips(m_tables.gillCover, FishPart::GillCovers, 0, [flap](int, int, Scaled& p) {
            p.x += flap;
            p.y += flap;
            p.z += flap;
        });
    }

    const FishPose& m_pose;
    FishModelBuilder m_builder;
    const FishPointTables& m_tables;
    float m_size;
    int m_kind;
    std::array<RingMatrix, RingCount> m_rings; // the rotation of each ring's yaw about model z
};

} // namespace

FishModelBuilder::FishModelBuilder(FishMesh& mesh)
    : m_mesh(mesh), m_ring(BuildRotationMatrix(0.0f, 0.0f, 0.0f, 1.0f)) {}

void FishModelBuilder::SetRingRotation(float angleDegrees, float ax, float ay, float az) {
    m_ring = BuildRotationMatrix(angleDegrees, ax, ay, az);
}

void FishModelBuilder::Begin(FishPrimitiveMode mode, FishPart part, float shade) {
    if (m_mesh.primitiveCount >= FishMesh::MaxPrimitives)
        return;
    m_mesh.primitives[at(m_mesh.primitiveCount)] = {mode, part, m_mesh.vertexCount, 0, shade};
}

void FishModelBuilder::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t) {
    if (m_mesh.vertexCount >= FishMesh::MaxVertices || m_mesh.primitiveCount >= FishMesh::MaxPrimitives)
        return;
    const RingMatrix& m = m_ring;
    m_mesh.vertices[at(m_mesh.vertexCount)] = {m[0] * x + m[4] * y + m[8] * z + m[12],
                                               m[1] * x + m[5] * y + m[9] * z + m[13],
                                               m[2] * x + m[6] * y + m[10] * z + m[14],
                                               nx,
                                               ny,
                                               nz,
                                               s,
                                               t};
    ++m_mesh.vertexCount;
    ++m_mesh.primitives[at(m_mesh.primitiveCount)].count;
}

void FishModelBuilder::End() {
    if (m_mesh.primitiveCount < FishMesh::MaxPrimitives)
        ++m_mesh.primitiveCount;
}

void BuildFishMesh(const FishPose& pose, FishMesh& mesh) {
    mesh.vertexCount = 0;
    mesh.primitiveCount = 0;
    FishDrawing(pose, mesh).draw();
}

FishPitchRotation fishPitchRotation(const FishPose& pose) {
    const double h = pose.heading * 0.017453292f;
    return {-pose.pitch, static_cast<float>(std::sin(h)), static_cast<float>(-std::cos(h)), 0.0f};
}

float pelvicScale(int kind) {
    switch (kind) {
    case 3:
        return 0.8f;
    case 4:
    case 9:
        return 0.5f;
    case 6:
    case 8:
    case 10:
    case 11:
        return 0.9f;
    case 7:
        return 1.5f;
    case 12:
        return 1.1f;
    case 13:
        return 1.2f;
    default:
        return 1.0f;
    }
}

bool pelvicShifted(int kind) {
    return kind == 3 || kind == 4 || (kind >= 6 && kind <= 13);
}

float analScale(int kind) {
    if (kind == 2)
        return 0.9f;
    if (kind == 9)
        return 0.5f;
    return 1.0f;
}

float analEdgeOffset(int kind, int point) {
    const float i = static_cast<float>(point);
    const float odd = static_cast<float>(point % 2);
    switch (kind) {
    case 4:
        return odd * 0.03f;
    case 9:
        return odd * 0.01f;
    case 10:
        return odd * 0.05f;
    case 6:
        return -i * 0.01f;
    case 7:
        return (i - 10.0f) * 0.01f;
    case 12:
        return (i - 10.0f) * 0.005f + odd * 0.015f;
    case 8:
    case 11:
    case 13:
    case 14: {
        const int n = 5 - point;
        return n < 0 ? static_cast<float>(n) * 0.02f : 0.0f;
    }
    default:
        return 0.0f;
    }
}

} // namespace quillmere
