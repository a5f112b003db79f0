#include "fish/fish_kind_shapes.h"
#include "fish/fish_model.h"
#include "fish/fish_point_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace quillmere {
namespace {

constexpr int KindCount = 15;

// By kind number, so the tests can walk the kinds in their stored order.
FishPose straightPose(int kind) {
    FishPose pose;
    pose.kind = kindFromNumber(kind);
    pose.size = 8;
    return pose;
}

// Every animation channel at a plausible non-zero value, as a fish in mid-turn with its mouth open.
FishPose livelyPose(int kind) {
    FishPose pose = straightPose(kind);
    for (int i = 0; i < RingCount; ++i) {
        pose.ringAngles[i] = 40.0f - static_cast<float>(i);
        pose.bodyWave[i] = i >= 10 ? (i - 10) * 0.005f * 8.0f * std::sin(i * 0.314f + 1.0f) : 0.0f;
    }
    for (int i = 0; i < 7; ++i)
        pose.lowerJaw[i] = 8.0f * 0.001f * (7 - i);
    for (int i = 0; i < 8; ++i)
        pose.upperJaw[i] = 8.0f * 0.001f * (8 - i);
    for (int i = 0; i < 23; ++i)
        pose.dorsal[i] = std::sin(i * 0.314f + 0.5f) * 8.0f * 0.05f;
    for (int i = 0; i < 20; ++i)
        pose.pectoral[i] = std::sin(i * 0.098f + 0.5f) * 8.0f * 0.04f;
    for (int i = 0; i < 10; ++i) {
        pose.pelvic[i] = i * std::sin(i * 0.314f) * 8.0f * 0.005f;
        pose.anal[i] = std::sin(i * 0.0314f + 2.0f) * 8.0f * 0.02f;
    }
    for (int i = 2; i < 25; ++i)
        pose.tail[i] = std::sin(i * 0.314f + 0.3f) * 8.0f * 0.03f;
    pose.gillFlap = 0.008f;
    pose.heading = 40.0f;
    pose.pitch = -12.0f;
    return pose;
}

FishMesh meshOf(const FishPose& pose) {
    FishMesh mesh;
    BuildFishMesh(pose, mesh);
    return mesh;
}

std::vector<FishPrimitive> primitivesOf(const FishMesh& mesh, FishPart part) {
    std::vector<FishPrimitive> found;
    for (const FishPrimitive& p : mesh.usedPrimitives())
        if (p.part == part)
            found.push_back(p);
    return found;
}

// Vertex counts of a part's primitives, in drawing order; line primitives negative so they stand out.
std::vector<int> countsOf(const FishMesh& mesh, FishPart part) {
    std::vector<int> counts;
    for (const FishPrimitive& p : primitivesOf(mesh, part))
        counts.push_back(p.mode == FishPrimitiveMode::QuadStrip ? p.count : -p.count);
    return counts;
}

std::vector<FishVertex> verticesOf(const FishMesh& mesh, FishPart part) {
    std::vector<FishVertex> vertices;
    for (const FishPrimitive& p : primitivesOf(mesh, part))
        for (const FishVertex& v : mesh.verticesOf(p))
            vertices.push_back(v);
    return vertices;
}

TEST(RingMatrix, MatchesTheRotationOpenGlBuilds) {
    const RingMatrix quarter = BuildRotationMatrix(90.0f, 0.0f, 0.0f, 1.0f);
    // Column-major: the first column is where x goes; a quarter turn about z takes x to y.
    EXPECT_NEAR(quarter[0], 0.0f, 1e-6f);
    EXPECT_NEAR(quarter[1], 1.0f, 1e-6f);
    EXPECT_NEAR(quarter[4], -1.0f, 1e-6f);
    EXPECT_NEAR(quarter[5], 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(quarter[10], 1.0f);
    EXPECT_FLOAT_EQ(quarter[15], 1.0f);
    for (int i : {3, 7, 11, 12, 13, 14})
        EXPECT_FLOAT_EQ(quarter[static_cast<std::size_t>(i)], 0.0f) << i;

    // The axis is normalised; a rotation about x turns y toward z.
    const RingMatrix aboutX = BuildRotationMatrix(30.0f, 5.0f, 0.0f, 0.0f);
    EXPECT_NEAR(aboutX[5], std::cos(0.5235988f), 1e-6f);
    EXPECT_NEAR(aboutX[6], std::sin(0.5235988f), 1e-6f);
    EXPECT_NEAR(aboutX[9], -std::sin(0.5235988f), 1e-6f);
}

TEST(RingMatrix, AxisOfLengthZeroGivesTheIdentity) {
    const RingMatrix m = BuildRotationMatrix(57.0f, 0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m[static_cast<std::size_t>(i)], i % 5 == 0 ? 1.0f : 0.0f) << i;
}

TEST(FishModelBuilder, EmitVertexTurnsThePointButNotTheNormal) {
    FishMesh mesh;
    FishModelBuilder builder(mesh);
    builder.SetRingRotation(90.0f, 0.0f, 0.0f, 1.0f);
    builder.Begin(FishPrimitiveMode::QuadStrip, FishPart::Body);
    builder.EmitVertex(2.0f, 0.0f, 3.0f, 1.0f, 0.0f, 0.0f, 0.25f, 1.5f);
    builder.End();
    ASSERT_EQ(mesh.primitiveCount, 1);
    ASSERT_EQ(mesh.vertexCount, 1);
    const FishVertex& v = mesh.vertices[0];
    EXPECT_NEAR(v.x, 0.0f, 1e-6f);
    EXPECT_NEAR(v.y, 2.0f, 1e-6f);
    EXPECT_FLOAT_EQ(v.z, 3.0f);
    EXPECT_FLOAT_EQ(v.nx, 1.0f);
    EXPECT_FLOAT_EQ(v.ny, 0.0f);
    EXPECT_FLOAT_EQ(v.s, 0.25f);
    EXPECT_FLOAT_EQ(v.t, 1.5f);
}

TEST(FishMeshLayout, PartsComeInDrawingOrderForEveryKind) {
    for (int kind = 0; kind < KindCount; ++kind) {
        const FishMesh mesh = meshOf(livelyPose(kind));
        int previous = 0;
        int next = 0;
        for (const FishPrimitive& p : mesh.usedPrimitives()) {
            EXPECT_GE(static_cast<int>(p.part), previous) << "kind " << kind;
            previous = static_cast<int>(p.part);
            EXPECT_EQ(p.first, next) << "kind " << kind;
            next += p.count;
        }
        EXPECT_EQ(next, mesh.vertexCount);
        EXPECT_LT(mesh.vertexCount, FishMesh::MaxVertices) << "kind " << kind;
        EXPECT_LT(mesh.primitiveCount, FishMesh::MaxPrimitives) << "kind " << kind;
    }
}

TEST(FishMeshLayout, SharedPartsHaveTheirRowsAndPointsOnBothSides) {
    for (int kind = 0; kind < KindCount; ++kind) {
        const FishMesh mesh = meshOf(straightPose(kind));
        EXPECT_EQ(countsOf(mesh, FishPart::Body), std::vector<int>(10, 30)) << kind;
        EXPECT_EQ(countsOf(mesh, FishPart::UpperJaw), std::vector<int>(6, 14)) << kind;
        EXPECT_EQ(countsOf(mesh, FishPart::LowerJaw), std::vector<int>(6, 16)) << kind;
        EXPECT_EQ(countsOf(mesh, FishPart::Pectoral), std::vector<int>(2, 40)) << kind;
        EXPECT_EQ(countsOf(mesh, FishPart::GillCovers), std::vector<int>(4, 14)) << kind;
    }
}

TEST(FishMeshLayout, PelvicFinsOnAllKindsButTheRummyNose) {
    const int rummyNose = kindNumber(FishKind::RummyNose);
    for (int kind = 0; kind < KindCount; ++kind) {
        if (kind == rummyNose)
            continue;
        EXPECT_EQ(countsOf(meshOf(straightPose(kind)), FishPart::Pelvic), std::vector<int>(2, 20)) << kind;
    }
    EXPECT_TRUE(countsOf(meshOf(straightPose(rummyNose)), FishPart::Pelvic).empty());
}

TEST(FishMeshLayout, AnalFinStripsAndTheAngelfishsRays) {
    for (int kind = 0; kind < KindCount; ++kind) {
        const std::vector<int> counts = countsOf(meshOf(straightPose(kind)), FishPart::Anal);
        if (kindFromNumber(kind) == FishKind::Goldfish)
            EXPECT_EQ(counts, std::vector<int>(1, 20));
        else if (kindFromNumber(kind) == FishKind::Angelfish)
            EXPECT_EQ(counts, (std::vector<int>{20, 20, 20, 20, -20, -20, -20, -20}));
        else
            EXPECT_EQ(counts, std::vector<int>(4, 20)) << kind;
    }
}

TEST(FishMeshLayout, DorsalStripsPerKind) {
    const std::map<int, std::vector<int>> expected = {
        {0, {46}}, {1, {32}}, {2, {32}},  {3, {20}},  {4, {46}},  {5, {46}},  {6, {44}},  {7, {14, 14}},
        {8, {46}}, {9, {20}}, {10, {46}}, {11, {32}}, {12, {32}}, {13, {32}}, {14, {32}},
    };
    for (const auto& [kind, counts] : expected)
        EXPECT_EQ(countsOf(meshOf(straightPose(kind)), FishPart::Dorsal), counts) << "kind " << kind;
}

TEST(FishMeshLayout, TailPiecesPerKind) {
    const std::map<int, std::vector<int>> expected = {
        {0, {50}},      {1, {50, 26, 26}}, {2, {50, 50, -25}}, {3, {50, 42}}, {4, {50, 40, 40}},
        {5, {18, 18}},  {6, {50, 42}},     {7, {50, 50}},      {8, {18, 20}}, {9, {50, 16, 14}},
        {10, {32, 32}}, {11, {20, 20}},    {12, {50, 50}},     {13, {26}},    {14, {20, 18}},
    };
    for (const auto& [kind, counts] : expected)
        EXPECT_EQ(countsOf(meshOf(straightPose(kind)), FishPart::Tail), counts) << "kind " << kind;
    const FishMesh two = meshOf(straightPose(2));
    EXPECT_EQ(primitivesOf(two, FishPart::Tail).back().mode, FishPrimitiveMode::LineLoop);
}

TEST(FishMeshShape, StraightFishLiesAlongXWithItsSnoutAtTheFront) {
    for (int kind = 0; kind < KindCount; ++kind) {
        const FishMesh mesh = meshOf(straightPose(kind));
        const auto body = verticesOf(mesh, FishPart::Body);
        const auto [bodyMin, bodyMax] = std::minmax_element(
            body.begin(), body.end(), [](const FishVertex& a, const FishVertex& b) { return a.x < b.x; });
        // Size 8 makes the body alone about 4 units long.
        EXPECT_NEAR(bodyMax->x - bodyMin->x, 4.0f, 0.2f);
        float snout = 0.0f;
        for (const FishVertex& v : verticesOf(mesh, FishPart::UpperJaw))
            snout = std::min(snout, v.x);
        EXPECT_NEAR(snout, -4.0f, 0.05f);
        EXPECT_LT(snout, bodyMin->x);
        float tailEnd = 0.0f;
        for (const FishVertex& v : verticesOf(mesh, FishPart::Tail))
            tailEnd = std::max(tailEnd, v.x);
        EXPECT_GT(tailEnd, bodyMax->x + 0.5f) << "kind " << kind;
        // The dorsal fin stands above the back, the anal fin hangs below the belly.
        float dorsalTop = -10.0f;
        for (const FishVertex& v : verticesOf(mesh, FishPart::Dorsal))
            dorsalTop = std::max(dorsalTop, v.z);
        float analBottom = 10.0f;
        for (const FishVertex& v : verticesOf(mesh, FishPart::Anal))
            analBottom = std::min(analBottom, v.z);
        float back = -10.0f;
        float belly = 10.0f;
        for (const FishVertex& v : body) {
            back = std::max(back, v.z);
            belly = std::min(belly, v.z);
        }
        EXPECT_GT(belly, -back) << "the belly is rounder than the back is high, but not deeper";
        EXPECT_GT(dorsalTop, back + 0.3f) << "kind " << kind;
        EXPECT_LT(analBottom, belly * 0.5f) << "kind " << kind;
    }
}

// The frame every table is drawn in: snout, rings and the dorsal fin's base where the model puts them.
TEST(FishMeshShape, TablesKeepTheModelFrame) {
    const FishPointTables& tables = fishPointTables();
    EXPECT_NEAR(tables.upperJaw[0][0].x, -0.5f, 0.01f);
    EXPECT_NEAR(tables.body[0][0].x, -0.43f, 0.01f);
    EXPECT_NEAR(tables.body[0][RingCount - 1].x, 0.08f, 0.01f);
    for (const auto& row : tables.tailBase)
        for (const FishPoint& p : row)
            EXPECT_GE(p.x, 0.05f) << "the tail lies behind the rings";
    // Kind 0 draws points 0 to 22 of the shared dorsal table as they are.
    float baseLow = 10.0f;
    float baseHigh = -10.0f;
    for (int i = 0; i < 23; ++i) {
        baseLow = std::min(baseLow, tables.dorsalShared[0][i].z);
        baseHigh = std::max(baseHigh, tables.dorsalShared[0][i].z);
        const BodySection section = bodySectionAt(tables.dorsalShared[0][i].x);
        EXPECT_LE(tables.dorsalShared[0][i].z, section.top) << "the base sits in the back, point " << i;
        EXPECT_GT(tables.dorsalShared[0][i].z, section.top - 0.03f) << "point " << i;
    }
    EXPECT_NEAR(baseLow, 0.23f, 0.02f);
    EXPECT_NEAR(baseHigh, 0.37f, 0.02f);
}

TEST(FishMeshShape, StraightFishIsTheMirrorImageOfItselfAcrossItsMidline) {
    for (int kind : {0, 7, 14}) {
        const FishMesh mesh = meshOf(straightPose(kind));
        for (FishPart part : {FishPart::Body, FishPart::UpperJaw, FishPart::LowerJaw, FishPart::Pectoral,
                              FishPart::Pelvic, FishPart::GillCovers}) {
            const auto vertices = verticesOf(mesh, part);
            if (part == FishPart::Pelvic && kindFromNumber(kind) == FishKind::RummyNose)
                continue;
            ASSERT_EQ(vertices.size() % 2, 0u);
            const std::size_t half = vertices.size() / 2;
            for (std::size_t i = 0; i < half; ++i) {
                const FishVertex& a = vertices[i];
                const FishVertex& b = vertices[i + half];
                EXPECT_FLOAT_EQ(a.x, b.x);
                EXPECT_FLOAT_EQ(a.y, -b.y);
                EXPECT_FLOAT_EQ(a.z, b.z);
                EXPECT_FLOAT_EQ(a.ny, -b.ny);
                EXPECT_FLOAT_EQ(a.s, b.s);
                EXPECT_FLOAT_EQ(a.t, b.t);
            }
            EXPECT_GT(vertices[half / 2].y, 0.0f) << "the first pass draws the +y side";
        }
        // Midline parts stay on the midline.
        for (FishPart part : {FishPart::Dorsal, FishPart::Anal, FishPart::Tail})
            for (const FishVertex& v : verticesOf(mesh, part))
                EXPECT_FLOAT_EQ(v.y, 0.0f);
    }
}

TEST(FishMeshShape, BodyIsWidestAmidshipsAndTapersToTheTail) {
    const FishPointTables& tables = fishPointTables();
    const BodySection head = bodySectionAt(FishFirstRingX);
    const BodySection middle = bodySectionAt(-0.2f);
    const BodySection stalk = bodySectionAt(FishLastRingX);
    EXPECT_GT(middle.halfWidth, head.halfWidth);
    EXPECT_GT(middle.halfWidth, 2.5f * stalk.halfWidth);
    EXPECT_GT(middle.top - middle.bottom, 3.0f * (stalk.top - stalk.bottom));
    // Rows run from the top midline round the side to the bottom midline.
    for (int i = 0; i < RingCount; ++i) {
        EXPECT_FLOAT_EQ(tables.body[0][i].y, 0.0f);
        EXPECT_NEAR(tables.body[5][i].y, 0.0f, 1e-6f);
        EXPECT_GT(tables.body[0][i].z, tables.body[5][i].z);
        // The forehead rises steeply to the high back and the back falls to the tail stalk; the back between
        // faces up.
        EXPECT_GT(tables.body[0][i].nz, i < 3 ? 0.25f : 0.4f) << "the back faces up, ring " << i;
        EXPECT_NEAR(tables.body[0][i].ny, 0.0f, 1e-3f);
        EXPECT_LT(tables.body[5][i].nz, -0.6f) << "the belly faces down";
        EXPECT_NEAR(tables.body[5][i].ny, 0.0f, 1e-3f);
        for (int r = 1; r < 5; ++r)
            EXPECT_GT(tables.body[r][i].ny, 0.0f) << "the flank faces out";
    }
}

TEST(FishMeshTexture, SkinRunsAlongTheBodyFromTheSnoutAndRoundIt) {
    const FishPointTables& tables = fishPointTables();
    EXPECT_NEAR(tables.upperJaw[0][0].s, 0.13f, 0.01f);
    for (int r = 0; r < 6; ++r)
        for (int i = 1; i < RingCount; ++i)
            EXPECT_GT(tables.body[r][i].s, tables.body[r][i - 1].s);
    for (int i = 0; i < RingCount; ++i) {
        EXPECT_GE(tables.body[0][i].t, 1.16f);
        EXPECT_LE(tables.body[0][i].t, 1.2f);
        // Half a turn round the body: the skin's belly.
        EXPECT_NEAR(tables.body[5][i].t - tables.body[0][i].t, 0.5f, 1e-5f);
    }
    for (int kind = 0; kind < KindCount; ++kind)
        for (const FishVertex& v : verticesOf(meshOf(livelyPose(kind)), FishPart::Tail)) {
            EXPECT_LT(v.s, 1.0f) << "a tail wrapping round to the head's colours, kind " << kind;
            EXPECT_GT(v.s, 0.7f);
        }
}

// The skins paint the fin colours in the band past the belly rows, blending them in over 0.02 of t; a paired
// fin reading the flank would carry the body's pattern (a clown fish's white bar on its pectoral fins).
TEST(FishMeshTexture, PairedFinsReadTheFinBandBelowTheBelly) {
    const FishPointTables& tables = fishPointTables();
    const float belly = tables.body[5][3].t; // the pectoral fins ride on ring 3
    // Past the fin band, 0.28 short of the back's next turn, the skin wraps round to the dorsal fin's
    // colours.
    const float dorsalWrap = tables.body[0][3].t + 1.0f - 0.28f;
    for (int kind = 0; kind < KindCount; ++kind) {
        const FishMesh mesh = meshOf(livelyPose(kind));
        const auto pelvic = verticesOf(mesh, FishPart::Pelvic);
        for (FishPart part : {FishPart::Pectoral, FishPart::Pelvic}) {
            const auto fin = verticesOf(mesh, part);
            for (std::size_t i = 0; i < fin.size(); ++i) {
                EXPECT_GE(fin[i].t - belly, 0.0199f) << "part " << static_cast<int>(part) << " kind " << kind;
                EXPECT_LT(fin[i].t, dorsalWrap) << "part " << static_cast<int>(part) << " kind " << kind;
            }
            // Each strip emits root then edge: the colour runs out from the root the way the skin paints it.
            for (std::size_t i = 0; i + 1 < fin.size(); i += 2)
                EXPECT_LT(fin[i].t, fin[i + 1].t) << "part " << static_cast<int>(part) << " kind " << kind;
        }
        if (pelvic.empty())
            continue;
        // Both pairs take the same band, so pectoral and pelvic fins wear the same fin colours.
        const auto pectoral = verticesOf(mesh, FishPart::Pectoral);
        const auto byT = [](const FishVertex& a, const FishVertex& b) { return a.t < b.t; };
        EXPECT_NEAR(std::min_element(pectoral.begin(), pectoral.end(), byT)->t,
                    std::min_element(pelvic.begin(), pelvic.end(), byT)->t, 0.02f);
        EXPECT_NEAR(std::max_element(pectoral.begin(), pectoral.end(), byT)->t,
                    std::max_element(pelvic.begin(), pelvic.end(), byT)->t, 0.02f);
    }
}

TEST(FishMeshShape, EveryKindIsFiniteInAnyPose) {
    for (int kind = 0; kind < KindCount; ++kind) {
        const FishMesh mesh = meshOf(livelyPose(kind));
        for (int i = 0; i < mesh.vertexCount; ++i) {
            const FishVertex& v = mesh.vertices[static_cast<std::size_t>(i)];
            for (float value : {v.x, v.y, v.z, v.nx, v.ny, v.nz, v.s, v.t})
                ASSERT_TRUE(std::isfinite(value)) << "kind " << kind << " vertex " << i;
            EXPECT_NEAR(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz, 1.0f, 1e-3f);
            EXPECT_LT(std::abs(v.x) + std::abs(v.y) + std::abs(v.z), 12.0f) << "kind " << kind;
        }
    }
}

TEST(FishMeshRings, OneAngleForAllRingsTurnsTheWholeFishAndLeavesNormalsAlone) {
    for (int kind : {0, 5, 7, 10}) {
        FishPose turned = straightPose(kind);
        turned.ringAngles.fill(90.0f);
        const FishMesh straight = meshOf(straightPose(kind));
        const FishMesh mesh = meshOf(turned);
        ASSERT_EQ(mesh.vertexCount, straight.vertexCount);
        for (int i = 0; i < mesh.vertexCount; ++i) {
            const FishVertex& a = straight.vertices[static_cast<std::size_t>(i)];
            const FishVertex& b = mesh.vertices[static_cast<std::size_t>(i)];
            EXPECT_NEAR(b.x, -a.y, 1e-4f);
            EXPECT_NEAR(b.y, a.x, 1e-4f);
            EXPECT_FLOAT_EQ(b.z, a.z);
            EXPECT_FLOAT_EQ(b.nx, a.nx);
            EXPECT_FLOAT_EQ(b.ny, a.ny);
        }
    }
}

TEST(FishMeshRings, EachBodyColumnFollowsItsOwnRing) {
    FishPose pose = straightPose(0);
    for (int i = 0; i < RingCount; ++i)
        pose.ringAngles[i] = 10.0f + 2.0f * i;
    const FishMesh mesh = meshOf(pose);
    const FishPointTables& tables = fishPointTables();
    const FishPrimitive first = primitivesOf(mesh, FishPart::Body).front();
    for (int i = 0; i < RingCount; ++i) {
        const FishPoint& p = tables.body[0][i];
        const double angle = (10.0 + 2.0 * i) * 0.017453292519943295;
        const FishVertex& v = mesh.vertices[static_cast<std::size_t>(first.first + 2 * i)];
        EXPECT_NEAR(v.x, p.x * 8.0 * std::cos(angle) - p.y * 8.0 * std::sin(angle), 1e-4);
        EXPECT_NEAR(v.y, p.x * 8.0 * std::sin(angle) + p.y * 8.0 * std::cos(angle), 1e-4);
    }
    // The tail swings with ring 14, the dorsal fin with ring 8.
    auto expectTurned = [&](const FishVertex& v, const FishPoint& p, double degrees) {
        const double angle = degrees * 0.017453292519943295;
        EXPECT_NEAR(v.x, p.x * 8.0 * std::cos(angle) - p.y * 8.0 * std::sin(angle), 1e-4);
        EXPECT_NEAR(v.y, p.x * 8.0 * std::sin(angle) + p.y * 8.0 * std::cos(angle), 1e-4);
    };
    expectTurned(mesh.vertices[static_cast<std::size_t>(primitivesOf(mesh, FishPart::Tail)[0].first)],
                 tables.tailBase[0][0], 38.0);
    expectTurned(mesh.vertices[static_cast<std::size_t>(primitivesOf(mesh, FishPart::Dorsal)[0].first)],
                 tables.dorsalShared[0][0], 26.0);
    // Anal point i rides on ring 4 + i.
    const FishPrimitive anal = primitivesOf(mesh, FishPart::Anal).front();
    for (int i = 0; i < 10; ++i)
        expectTurned(mesh.vertices[static_cast<std::size_t>(anal.first + 2 * i)], tables.anal[0][i],
                     10.0 + 2.0 * (4 + i));
}

TEST(FishMeshAnimation, BodyWaveSwaysBothHalvesTheSameWay) {
    FishPose pose = straightPose(0);
    pose.bodyWave[14] = 0.3f;
    const FishMesh mesh = meshOf(pose);
    const FishMesh straight = meshOf(straightPose(0));
    const auto strips = primitivesOf(mesh, FishPart::Body);
    for (std::size_t strip : {std::size_t{2}, std::size_t{7}}) {
        const int last = strips[strip].first + 2 * 14;
        EXPECT_NEAR(mesh.vertices[static_cast<std::size_t>(last)].y,
                    straight.vertices[static_cast<std::size_t>(last)].y + 0.3f, 1e-5f);
        const int earlier = strips[strip].first + 2 * 13;
        EXPECT_FLOAT_EQ(mesh.vertices[static_cast<std::size_t>(earlier)].y,
                        straight.vertices[static_cast<std::size_t>(earlier)].y);
    }
}

TEST(FishMeshAnimation, OpenMouthPartsTheJawsMostAtTheFront) {
    FishPose pose = straightPose(0);
    for (int i = 0; i < 7; ++i)
        pose.lowerJaw[i] = 0.008f * (7 - i);
    for (int i = 0; i < 8; ++i)
        pose.upperJaw[i] = 0.008f * (8 - i);
    const FishMesh open = meshOf(pose);
    const FishMesh closed = meshOf(straightPose(0));
    const auto upper = primitivesOf(open, FishPart::UpperJaw).front();
    const auto lower = primitivesOf(open, FishPart::LowerJaw).front();
    auto dz = [&](int index) {
        return open.vertices[static_cast<std::size_t>(index)].z -
               closed.vertices[static_cast<std::size_t>(index)].z;
    };
    EXPECT_NEAR(dz(upper.first), 0.064f, 1e-5f);
    EXPECT_NEAR(dz(upper.first + 2 * 6), 0.016f, 1e-5f);
    EXPECT_NEAR(dz(lower.first), -0.056f, 1e-5f);
    EXPECT_NEAR(dz(lower.first + 2 * 6), -0.008f, 1e-5f);
    EXPECT_FLOAT_EQ(dz(lower.first + 2 * 7), 0.0f) << "the hinge point stays shut";
}

TEST(FishMeshAnimation, GillFlapMovesBothCoversOutward) {
    FishPose pose = straightPose(0);
    pose.gillFlap = 0.008f;
    const auto moved = verticesOf(meshOf(pose), FishPart::GillCovers);
    const auto still = verticesOf(meshOf(straightPose(0)), FishPart::GillCovers);
    const std::size_t half = moved.size() / 2;
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_NEAR(moved[i].x - still[i].x, 0.008f, 1e-6f);
        EXPECT_NEAR(moved[i].z - still[i].z, 0.008f, 1e-6f);
        EXPECT_NEAR(moved[i].y - still[i].y, i < half ? 0.008f : -0.008f, 1e-6f);
    }
}

TEST(FishMeshAnimation, FinWavesMoveOnlyTheFreeEdges) {
    FishPose pose = straightPose(0);
    pose.dorsal.fill(0.1f);
    pose.pectoral.fill(0.1f);
    pose.pelvic.fill(0.1f);
    pose.tail.fill(0.1f);
    const FishMesh mesh = meshOf(pose);
    const FishMesh straight = meshOf(straightPose(0));
    for (FishPart part : {FishPart::Dorsal, FishPart::Pelvic, FishPart::Tail}) {
        const auto moved = verticesOf(mesh, part);
        const auto still = verticesOf(straight, part);
        for (std::size_t i = 0; i < moved.size(); ++i) {
            const bool edge = i % 2 == 1;
            const float expected =
                !edge ? 0.0f : (part == FishPart::Pelvic && i >= moved.size() / 2 ? -0.1f : 0.1f);
            EXPECT_NEAR(moved[i].y - still[i].y, expected, 1e-6f) << static_cast<int>(part) << " " << i;
        }
    }
    const auto pectoral = verticesOf(mesh, FishPart::Pectoral);
    const auto pectoralStill = verticesOf(straight, FishPart::Pectoral);
    EXPECT_NEAR(pectoral[1].x - pectoralStill[1].x, 0.1f, 1e-6f);
    EXPECT_NEAR(pectoral[0].x - pectoralStill[0].x, 0.0f, 1e-6f);
}

TEST(FishMeshAnimation, TheLeopardCarriesItsCrestStill) {
    FishPose pose = straightPose(6);
    pose.dorsal.fill(0.2f);
    const auto moved = verticesOf(meshOf(pose), FishPart::Dorsal);
    const auto still = verticesOf(meshOf(straightPose(6)), FishPart::Dorsal);
    for (std::size_t i = 0; i < moved.size(); ++i)
        EXPECT_FLOAT_EQ(moved[i].y, still[i].y);
}

TEST(FishMeshKinds, PelvicFinsScaleAndShiftPerKind) {
    const auto plain = verticesOf(meshOf(straightPose(0)), FishPart::Pelvic);
    const auto long7 = verticesOf(meshOf(straightPose(7)), FishPart::Pelvic);
    const FishPoint& root = fishPointTables().pelvic[0][0];
    const FishPoint& tip = fishPointTables().pelvic[1][0];
    EXPECT_NEAR(plain[0].z, root.z * 8.0f + 0.4f, 1e-5f) << "the root is raised into the belly";
    EXPECT_NEAR(long7[0].z, root.z * 8.0f * 1.5f + 0.4f, 1e-5f);
    EXPECT_NEAR(long7[1].z, tip.z * 8.0f * 1.5f, 1e-5f);
    EXPECT_NEAR(long7[1].x, plain[1].x - 0.4f, 1e-5f) << "moved toward the head";
}

TEST(FishMeshKinds, AnalFinEdgesPerKind) {
    const auto edgeOf = [](FishKind kind, int point) {
        return analEdgeOffset(shapeOf(kind).anal.edge, point);
    };
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Danio, 3), 0.03f);
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Danio, 4), 0.0f);
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Leopard, 9), -0.09f);
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Fighter, 0), -0.1f);
    EXPECT_NEAR(edgeOf(FishKind::Guppy, 1), -0.045f + 0.015f, 1e-7f);
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Tang, 5), 0.0f);
    EXPECT_NEAR(edgeOf(FishKind::Koi, 9), -0.08f, 1e-7f);
    EXPECT_FLOAT_EQ(edgeOf(FishKind::Neon, 7), 0.0f);

    // The angelfish's rays reach past its scaled-down fin.
    const FishMesh two = meshOf(straightPose(2));
    const auto strips = primitivesOf(two, FishPart::Anal);
    const FishVertex finEdge = two.vertices[static_cast<std::size_t>(strips[3].first + 1)];
    const FishVertex rayEnd = two.vertices[static_cast<std::size_t>(strips[7].first + 1)];
    EXPECT_LT(rayEnd.z, finEdge.z);
    EXPECT_LT(strips[7].shade, 1.0f);
}

// Every piece a kind's row names lies within the table it reads, so no kind draws past a table's end.
TEST(FishKindShapes, EveryRowStaysWithinItsTables) {
    const FishPointTables& tables = fishPointTables();
    const std::map<DorsalTable, int> dorsalPoints = {{DorsalTable::Shared, 23},
                                                     {DorsalTable::Rounded, 10},
                                                     {DorsalTable::Swept, 7},
                                                     {DorsalTable::Long, 16}};
    for (FishKind kind : AllFishKinds) {
        const FishKindShape& shape = shapeOf(kind);
        const int n = kindNumber(kind);
        EXPECT_LE(0, shape.dorsal.first) << n;
        EXPECT_LE(shape.dorsal.first, shape.dorsal.last) << n;
        EXPECT_LT(shape.dorsal.last, dorsalPoints.at(shape.dorsal.table)) << n;
        EXPECT_TRUE(shape.anal.strips == 1 || shape.anal.strips == 4) << n;
        int pieces = 0;
        for (const TailPiece& piece : shape.tail) {
            if (piece.count == 0)
                continue;
            ++pieces;
            EXPECT_LE(0, piece.first) << n;
            EXPECT_LE(piece.first + piece.count, static_cast<int>(tailRows(tables, piece.table).edge.size()))
                << n;
            EXPECT_LE(piece.first + piece.count, 25) << n << ": past the tail wave's points";
        }
        EXPECT_GE(pieces, 1) << n;
        for (const PointRun& still : shape.stillTail)
            EXPECT_TRUE(still.last < still.first || (still.first >= 0 && still.last < 25)) << n;
    }
}

TEST(FishMeshKinds, FifteenKindsHaveFifteenOutlines) {
    // Two kinds never share the whole silhouette of their fins and tail.
    std::vector<std::vector<float>> outlines;
    for (int kind = 0; kind < KindCount; ++kind) {
        std::vector<float> outline;
        const FishMesh mesh = meshOf(straightPose(kind));
        for (FishPart part : {FishPart::Dorsal, FishPart::Pelvic, FishPart::Anal, FishPart::Tail})
            for (const FishVertex& v : verticesOf(mesh, part)) {
                outline.push_back(v.x);
                outline.push_back(v.z);
            }
        for (const auto& other : outlines)
            EXPECT_NE(outline, other) << "kind " << kind;
        outlines.push_back(outline);
    }
}

TEST(FishPitch, TurnsAboutTheLateralAxisOfTheHeading) {
    FishPose pose;
    pose.pitch = 12.0f;
    pose.heading = 0.0f;
    FishPitchRotation r = fishPitchRotation(pose);
    EXPECT_FLOAT_EQ(r.angleDegrees, -12.0f);
    EXPECT_NEAR(r.ax, 0.0f, 1e-6f);
    EXPECT_NEAR(r.ay, -1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(r.az, 0.0f);
    pose.heading = 90.0f;
    r = fishPitchRotation(pose);
    EXPECT_NEAR(r.ax, 1.0f, 1e-6f);
    EXPECT_NEAR(r.ay, 0.0f, 1e-6f);
}

} // namespace
} // namespace quillmere
