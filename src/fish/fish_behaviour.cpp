#include "fish/fish.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

bool headingTowardMinusX(float h) {
    return (h >= 0.0f && h <= 90.0f) || (h >= 270.0f && h <= 360.0f) || (h >= -90.0f && h <= 0.0f) ||
           (h >= -360.0f && h <= -270.0f);
}

bool headingTowardPlusZ(float h) {
    return (h >= 0.0f && h <= 180.0f) || (h >= -360.0f && h <= -180.0f);
}

DirectionFlags flagsOf(float heading, float pitch) {
    DirectionFlags flags;
    flags.towardMinusX = headingTowardMinusX(heading);
    flags.towardPlusX = !flags.towardMinusX;
    flags.pitchUp = pitch > 0.0f;
    flags.pitchDown = pitch < 0.0f;
    flags.towardPlusZ = headingTowardPlusZ(heading);
    flags.towardMinusZ = !flags.towardPlusZ;
    return flags;
}

} // namespace

Fish::Fish(Random& random) {
    mouthTogglePeriod = random.next() % 20 + 15;
    idleCounter = random.next() % 200;
}

void Fish::SetBounds(float left, float right, float top, float bottom, float nearZ) {
    leftBound = left;
    rightBound = right;
    upperBound = top + 10.0f;
    lowerBound = bottom + 5.0f;
    nearZBound = nearZ;
    wallState = WallState::None;
    box = FishBox{};
    paddedBox = FishBox{};
    head = Vec3{};
    tail = Vec3{};
    colliding = false;
}

void Fish::Advance(FishKind fishKind, Random& random, FishPose& pose) {
    kind = fishKind;
    pose = FishPose{};
    pose.kind = kind;
    pose.x = x;
    pose.y = y;
    pose.z = z;

    ComputeRingAngles(pose.ringAngles, targetHeading, random);
    ComputeLowerJaw(pose.lowerJaw);
    ComputeUpperJaw(pose.upperJaw, random);
    ComputeBodyWave(pose.bodyWave, random);
    ComputeDorsalWave(pose.dorsal);
    ComputePectoralWave(pose.pectoral);
    ComputePelvicWave(pose.pelvic, random);
    ComputeAnalWave(pose.anal);
    ComputeTailWave(pose.tail);
    ComputeGillFlap(pose.gillFlap, random);

    if (pitch < targetPitch)
        pitch += 1.0f;
    if (pitch > targetPitch)
        pitch -= 1.0f;
    pose.size = size;
    pose.pitch = pitch;
    pose.heading = heading;

    IdleChange(random);
    Move(random);
    UpdateExtents();
}

void Fish::UpdateDirectionFlags() {
    current = flagsOf(heading, pitch);
    target = flagsOf(targetHeading, targetPitch);
}

void Fish::Move(Random& random) {
    if (heading > 360.0f)
        heading = 180.0f;
    if (heading < -360.0f)
        heading = -180.0f;
    UpdateDirectionFlags();
    // Just pushed off a side wall and still swinging round: hold still until the turn is nearly done.
    if (std::fabs(heading - targetHeading) > 15.0f &&
        (wallState == WallState::Left || wallState == WallState::Right))
        return;

    const double h = heading * FishDegreesToRadians;
    const double p = targetPitch * FishDegreesToRadians;
    const float alongX = static_cast<float>(std::fabs(std::cos(h))) * speed;
    const float alongZ = static_cast<float>(std::fabs(std::sin(h))) * speed;
    if (current.towardMinusX) {
        if (wallState != WallState::Left)
            x -= alongX;
    } else if (wallState != WallState::Right) {
        x += alongX;
    }
    if (current.towardPlusZ) {
        if (wallState != WallState::Near)
            z += alongZ;
    } else if (wallState != WallState::Far) {
        z -= alongZ;
    }
    y += static_cast<float>(std::sin(p)) * speed; // climbing follows the target pitch, not the current one
    CheckBounds(random);
}

void Fish::CheckBounds(Random& random) {
    wallState = WallState::None;
    const float farZ = 2.0f * nearZBound;
    if (x < leftBound && target.towardMinusX) {
        TurnYaw(0.0f, false, YawRule::Reverse, random);
        x = leftBound + 2.0f;
        wallState = WallState::Left;
    }
    if (x > rightBound && target.towardPlusX) {
        TurnYaw(0.0f, false, YawRule::Reverse, random);
        x = rightBound - 2.0f;
        wallState = WallState::Right;
    }
    if (z < farZ + 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (z < farZ && target.towardMinusZ) {
        TurnYaw(0.0f, false, YawRule::WallNudge, random);
        z = farZ;
        wallState = WallState::Far;
    }
    if (z > nearZBound - 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (z > nearZBound && target.towardPlusZ) {
        TurnYaw(0.0f, true, YawRule::WallNudge, random);
        z = nearZBound;
        wallState = WallState::Near;
    }
    if (y >= upperBound) {
        TurnPitch(0.0f, false, PitchRule::Bounce, random);
        y = upperBound;
        wallState = WallState::Upper;
        ApproachSpeed(0.1f, 0.05f);
    }
    if (y <= lowerBound) {
        TurnPitch(0.0f, true, PitchRule::Bounce, random);
        y = lowerBound;
        wallState = WallState::Lower;
        ApproachSpeed(0.1f, 0.05f);
    }
}

void Fish::ApproachSpeed(float step, float targetSpeed) {
    if (speed < targetSpeed)
        speed += step;
    if (speed > targetSpeed)
        speed -= step;
    speed = std::clamp(speed, 0.05f, 0.2f);
}

void Fish::TurnYaw(float amount, bool side, YawRule rule, Random& random) {
    // A fish finishes one turn before it accepts the next.
    if (!(std::fabs(heading - targetHeading) <= 0.1f))
        return;
    float t = targetHeading;
    const bool towardMinusX = current.towardMinusX;
    const auto turnBy = [&](int degrees) {
        if (side)
            t = towardMinusX ? t - static_cast<float>(degrees) : t + static_cast<float>(degrees);
        else
            t = towardMinusX ? t + static_cast<float>(degrees) : t - static_cast<float>(degrees);
    };
    switch (rule) {
    case YawRule::Random: {
        random.next(); // drawn and never used
        const int r = random.next() % 170;
        if (t > 180.0f)
            t -= static_cast<float>(r);
        else
            t += static_cast<float>(r);
        break;
    }
    case YawRule::Reverse:
        if (t > 180.0f)
            t -= 180.0f;
        else
            t += 180.0f;
        break;
    case YawRule::WallNudge:
        turnBy(random.next() % 15);
        break;
    case YawRule::SideStep:
        turnBy(random.next() % 10 + 10);
        break;
    case YawRule::TurnAway:
        if (side ? towardMinusX : !towardMinusX)
            t -= 180.0f;
        else
            t += 180.0f;
        break;
    case YawRule::ByAmount:
        turnBy(static_cast<int>(std::fabs(amount)));
        break;
    }
    targetHeading = std::clamp(t, -360.0f, 360.0f);
}

void Fish::TurnPitch(float amount, bool side, PitchRule rule, Random& random) {
    float q = targetPitch;
    switch (rule) {
    case PitchRule::Random: {
        const int d = random.next() % 15 + 15;
        q = q > 0.0f ? q - static_cast<float>(d) : q + static_cast<float>(d);
        break;
    }
    case PitchRule::Bounce:
        q = -q;
        break;
    case PitchRule::Nudge:
        q += side ? 1.0f : -1.0f;
        break;
    case PitchRule::ByAmount:
        if (q + amount > 90.0f || q - amount < -90.0f)
            return;
        q = side ? q + amount : q - amount;
        break;
    }
    targetPitch = std::clamp(q, -45.0f, 45.0f);
}

void Fish::IdleChange(Random& random) {
    if (colliding || attracted)
        return;
    const int old = idleCounter;
    idleCounter = old + 1;
    if (old <= 200)
        return;
    idleCounter = random.next() % 100;
    const float wanted = static_cast<float>(random.next() % 4 + 1) * 0.1f;
    ApproachSpeed(0.05f, wanted);
    if (std::fabs(heading - targetHeading) < 0.01f) {
        if (z > -75.0f && z < -60.0f)
            TurnYaw(0.0f, true, YawRule::Random, random);
        if (z > -90.0f && z < -75.0f)
            TurnYaw(0.0f, false, YawRule::Random, random);
        TurnPitch(0.0f, false, PitchRule::Random, random);
    }
    random.next(); // the mouth flag was once set from this draw; the mouth toggle owns it now
}

void Fish::UpdateExtents() {
    constexpr double radiansPerDegree = 0.017453291681077746;
    const double pitchRadians = targetPitch * radiansPerDegree;
    const double headingRadians = targetHeading * radiansPerDegree;
    const float s = static_cast<float>(size);
    const float g = s * LengthFactor / 2.0f;
    const float h = g * static_cast<float>(std::fabs(std::sin(pitchRadians)));
    const float l = g * static_cast<float>(std::fabs(std::sin(headingRadians)));
    const float o = static_cast<float>(std::fabs(std::cos(pitchRadians))) * s * WidthFactor / 2.0f;
    const float r = static_cast<float>(std::fabs(std::cos(headingRadians))) * s * HeightFactor / 2.0f;
    const float t = g * static_cast<float>(std::fabs(std::cos(headingRadians) * std::cos(pitchRadians)));

    head.x = current.towardMinusX ? x - t : x + t;
    tail.x = current.towardMinusX ? x + t : x - t;
    head.y = current.pitchUp ? y + h : y - h;
    tail.y = current.pitchUp ? y - h : y + h;
    head.z = current.towardMinusZ ? z - l : z + l;
    tail.z = current.towardMinusZ ? z + l : z - l;

    const float halfY = std::max(h, o);
    const float halfZ = std::max(l, r);
    box = FishBox{x + t, x - t, y + halfY, y - halfY, z + halfZ, z - halfZ};
    const float padY = s * WidthFactor / 4.0f;
    const float padZ = s * HeightFactor / 4.0f;
    paddedBox = FishBox{box.maxX + g,    box.minX - g,    box.maxY + padY,
                        box.minY - padY, box.maxZ + padZ, box.minZ - padZ};
}

} // namespace quillmere
