#pragma once

#include "core/random.h"
#include "fish/fish_pose.h"
#include "fish/vec3.h"
#include "fish/wave_channel.h"

#include <array>

namespace quillmere {

// Radians per degree for the fish's own trigonometry.
constexpr float FishDegreesToRadians = 0.017453292f;

// Which bound pushed the fish back in the last bounds check.
enum class WallState : int { None = 0, Left = 1, Right = 2, Far = 3, Near = 4, Upper = 5, Lower = 6 };

enum class YawRule : int { Random = 0, Reverse = 1, WallNudge = 2, SideStep = 5, TurnAway = 6, ByAmount = 7 };
enum class PitchRule : int { Random = 0, Bounce = 3, Nudge = 5, ByAmount = 7 };

// Where a heading and a pitch point, recomputed at every move.
struct DirectionFlags {
    bool towardMinusX = false; // heading in [0, 90], [270, 360], [-90, 0] or [-360, -270]
    bool towardPlusX = false;
    bool pitchUp = false;      // pitch > 0
    bool pitchDown = false;    // pitch < 0
    bool towardMinusZ = false; // heading outside [0, 180] and outside [-360, -180]
    bool towardPlusZ = false;
};

// An axis-aligned box, scene units.
struct FishBox {
    float maxX = 0.0f;
    float minX = 0.0f;
    float maxY = 0.0f;
    float minY = 0.0f;
    float maxZ = 0.0f;
    float minZ = 0.0f;
};

// One fish slot: its swimming state and the state of its animation channels. Angles in degrees,
// distances in scene units, speeds in scene units per frame.
struct Fish {
    static constexpr float LengthFactor = 0.64383f;
    static constexpr float HeightFactor = 1.0f;
    static constexpr float WidthFactor = 0.181513f;

    // Only for containers that are filled afterwards; a tank's fish are made with the generator.
    Fish() = default;
    // Draws the mouth toggle period, then the idle counter.
    explicit Fish(Random& random);

    int size = 8; // multiplies the geometry and the animation amplitudes
    bool mouthClosed = true;
    float speed = 0.1f;         // kept within 0.05..0.2
    float targetPitch = 0.0f;   // kept within -45..45
    float targetHeading = 0.0f; // kept within -360..360
    float pitch = 0.0f;         // follows the target pitch one degree per frame
    bool attracted = false;     // a food pellet is within reach
    int mouthTogglePeriod = 15; // frames between mouth toggles
    float heading = 0.0f;       // follows the target heading through the bend

    // Bend: the body curves while the fish turns and straightens afterwards.
    int bendCounter = 0;
    bool settled = false;
    bool relaxed = false;
    std::array<int, RingCount> storedRingAngles{}; // whole degrees
    float lastTargetHeading = 0.0f;

    WaveChannel bodyWave{0.0f, 0, 5, 0.31415924f, 0.005f, 0.39269906f};
    int bodyWaveStartRing = 10; // rings before it do not sway
    int mouthToggleCounter = 0;
    float upperJawAmplitude = 0.001f;
    float lowerJawAmplitude = 0.001f;
    WaveChannel dorsalWave{0.0f, 0, 1, 0.31415924f, 0.05f, 0.39269906f};
    WaveChannel pectoralWave{0.0f, 0, 2, 0.09817477f, 0.04f, 0.39269906f};
    WaveChannel pelvicWave{0.0f, 0, 1, 0.31415924f, 0.005f, 0.39269906f};
    WaveChannel analWave{0.0f, 0, 1, 0.031415924f, 0.02f, 0.52359873f};
    WaveChannel tailWave{0.0f, 0, 1, 0.31415924f, 0.03f, 0.52359873f};
    float gillLimit = 0.008f;
    float gillValue = 0.0f;
    float gillStep = 0.002f;

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    DirectionFlags current; // of the heading and the pitch
    DirectionFlags target;  // of the target heading and the target pitch

    float leftBound = 0.0f;
    float rightBound = 0.0f;
    float upperBound = 0.0f;
    float lowerBound = 0.0f;
    float nearZBound = 0.0f; // the far bound is twice this

    WallState wallState = WallState::None;
    int idleCounter = 0; // frames toward the next idle change

    FishBox box;       // around the body
    FishBox paddedBox; // the box grown by the fish's clearance, used for avoidance
    Vec3 head;
    Vec3 tail;
    bool colliding = false;
    FishKind kind = FishKind::Neon; // recorded by every step

    // Bounds from the tank box: upper = top + 10, lower = bottom + 5; clears the wall state and the extents.
    void SetBounds(float left, float right, float top, float bottom, float nearZ);

    // The first fish of every kind is reset to this size every frame.
    void ResetSize() { size = 8; }

    // One frame of the fish, in drawing order: the animation channels into the pose, the pitch step, the
    // idle behaviour, the move and the extents. The pose keeps the place the fish is drawn at.
    void Advance(FishKind fishKind, Random& random, FishPose& pose);

    // Animation channels, advanced once per frame in this order by Advance.
    void ComputeRingAngles(std::array<float, RingCount>& out, float targetAngle, Random& random);
    void ComputeLowerJaw(std::array<float, 7>& out) const;
    void ComputeUpperJaw(std::array<float, 8>& out, Random& random);
    void ComputeBodyWave(std::array<float, RingCount>& out, Random& random);
    void ComputeDorsalWave(std::array<float, 23>& out);
    void ComputePectoralWave(std::array<float, 20>& out);
    void ComputePelvicWave(std::array<float, 10>& out, Random& random);
    void ComputeAnalWave(std::array<float, 10>& out);
    void ComputeTailWave(std::array<float, 25>& out);
    void ComputeGillFlap(float& out, Random& random);

    // Behaviour.
    void Move(Random& random);
    void CheckBounds(Random& random);
    void ApproachSpeed(float step, float targetSpeed);
    void TurnYaw(float amount, bool side, YawRule rule, Random& random);
    void TurnPitch(float amount, bool side, PitchRule rule, Random& random);
    void IdleChange(Random& random);
    void UpdateDirectionFlags();
    void UpdateExtents();
};

} // namespace quillmere
