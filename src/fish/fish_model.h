#pragma once

#include "fish/fish_mesh.h"
#include "fish/fish_pose.h"
#include "fish/ring_matrix.h"

namespace quillmere {

// Collects the vertices of one fish into a mesh, turning each by the ring matrix of the moment.
class FishModelBuilder {
public:
    explicit FishModelBuilder(FishMesh& mesh);

    // Loads the ring matrix with a rotation; the fish only ever turns its rings about model z.
    void SetRingRotation(float angleDegrees, float ax, float ay, float az);
    // Loads a rotation built earlier, so a ring's matrix is built once per frame however often it is used.
    void LoadRingMatrix(const RingMatrix& matrix) { m_ring = matrix; }
    const RingMatrix& ringMatrix() const { return m_ring; }

    void Begin(FishPrimitiveMode mode, FishPart part, float shade = 1.0f);
    // The point turned by the ring matrix; the normal stays as given, so lighting ignores the bend.
    void EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);
    void End();

private:
    FishMesh& m_mesh;
    RingMatrix m_ring;
};

// The whole fish of one frame in model space (scene units, head toward -x, z up), parts in drawing order:
// body, upper jaw, lower jaw, dorsal, pectoral, pelvic, anal, tail, gill covers.
void BuildFishMesh(const FishPose& pose, FishMesh& mesh);

// The pitch turn applied around the whole fish: about its own lateral axis at the current heading.
struct FishPitchRotation {
    float angleDegrees = 0.0f;
    float ax = 0.0f;
    float ay = 0.0f;
    float az = 0.0f;
};
FishPitchRotation fishPitchRotation(const FishPose& pose);

} // namespace quillmere
