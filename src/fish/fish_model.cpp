#include "fish/fish_model.h"

#include "fish/fish_kind_shapes.h"
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
          m_shape(shapeOf(pose.kind)) {
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

    // One row of a fin moved from its table: scaled, then shifted.
    void placeRow(const FinRowShape& shape, Scaled& p) const {
        p.x *= shape.xScale;
        p.x += shape.xShift * m_size;
        p.z *= shape.zScale;
        p.z += shape.zShift * m_size;
    }

    void dorsal() {
        switch (m_shape.dorsal.table) {
        case DorsalTable::Shared:
            rowDorsal(m_tables.dorsalShared, false);
            break;
        case DorsalTable::Rounded:
            rowDorsal(m_tables.dorsalRounded, true);
            break;
        case DorsalTable::Long:
            rowDorsal(m_tables.dorsalLong, false);
            break;
        case DorsalTable::Swept:
            sweptDorsal();
            break;
        }
    }

    // A one-strip dorsal fin on ring 8: the root row on the back, the edge carrying the wave.
    template <std::size_t Points> void rowDorsal(const FishPointRows<2, Points>& rows, bool ringPerPair) {
        const DorsalShape& shape = m_shape.dorsal;
        midlineStrip(rows, 0, 1, shape.first, shape.last, FishPart::Dorsal, 8, ringPerPair,
                     [&](int row, int i, Scaled& p) {
                         if (row == 0) {
                             placeRow(shape.root, p);
                             return;
                         }
                         if (shape.edgeWaves)
                             p.y += m_pose.dorsal[at(i)];
                         if (shape.edgeHeight != 1.0f) {
                             const float root = rows[0][at(i)].z * m_size;
                             p.z = root + (p.z - root) * shape.edgeHeight;
                         }
                         placeRow(shape.edge, p);
                         if (i < static_cast<int>(shape.edgeNotches.size()))
                             p.x += shape.edgeNotches[at(i)] * m_size;
                         if (i % 2 == 1)
                             p.z += shape.oddEdgeLift * m_size;
                     });
    }

    // Two strips on the tail's ring, each row out from the back carrying half the wave more.
    void sweptDorsal() {
        const DorsalShape& shape = m_shape.dorsal;
        for (int r = 0; r < 2; ++r)
            midlineStrip(m_tables.dorsalSwept, r, r + 1, shape.first, shape.last, FishPart::Dorsal, 14, false,
                         [&](int row, int i, Scaled& p) {
                             p.y += m_pose.dorsal[at(i)] * 0.5f * static_cast<float>(row);
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
        const PelvicShape& shape = m_shape.pelvic;
        if (!shape.present)
            return;
        const float scale = shape.heightScale;
        const float shift = shape.headShift * m_size;
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
        const AnalShape& shape = m_shape.anal;
        for (int r = 0; r < shape.strips; ++r) {
            m_builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Anal);
            for (int i = 0; i < 10; ++i) {
                ring(4 + i);
                for (int row : {r, r + 1}) {
                    Scaled p = scaled(rows[at(row)][at(i)], m_size);
                    p.y += analSway(row, i);
                    p.z *= shape.heightScale;
                    if (row == 4)
                        p.z += analEdgeOffset(shape.edge, i) * m_size;
                    emit(m_builder, p);
                }
            }
            m_builder.End();
        }
        if (!shape.rays)
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

    void tailStrip(const TailRows& rows, const TailPiece& piece) {
        m_builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Tail);
        for (int i = piece.first; i < piece.first + piece.count; ++i) {
            for (int row : {0, 1}) {
                Scaled p = scaled((row == 0 ? rows.root : rows.edge)[at(i)], m_size);
                p.z += piece.zShift * m_size;
                if (piece.mirrorZ)
                    p.z = -p.z;
                tailSway(row, i, p);
                emit(m_builder, p);
            }
        }
        m_builder.End();
    }

    void tailOutline(const TailRows& rows, const TailPiece& piece) {
        m_builder.Begin(FishPrimitiveMode::LineLoop, FishPart::Tail, RayShade);
        for (int i = piece.first; i < piece.first + piece.count; ++i) {
            Scaled p = scaled(rows.edge[at(i)], m_size);
            tailSway(1, i, p);
            emit(m_builder, p);
        }
        m_builder.End();
    }

    void tail() {
        ring(14);
        for (const TailPiece& piece : m_shape.tail) {
            if (piece.count == 0)
                continue;
            const TailRows rows = tailRows(m_tables, piece.table);
            if (piece.outline)
                tailOutline(rows, piece);
            else
                tailStrip(rows, piece);
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
    const FishKindShape& m_shape;
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

} // namespace quillmere
