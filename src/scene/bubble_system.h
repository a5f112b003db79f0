#pragma once

#include "core/random.h"

#include <array>
#include <span>

namespace quillmere {

constexpr int MaxParticles = 1000;

// One particle; positions relative to the emitter, velocities and acceleration per step.
struct Particle {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float vz = 0.0f;
    float ax = 0.0f;
    float ay = 0.0f; // the only acceleration ever applied
    float az = 0.0f;
    float life = 0.0f; // starts at 200
    float fade = 0.0f; // life lost per step
    float size = 0.0f; // half the sprite's side
};

// Where one bubble sprite is drawn this frame, relative to the emitter: a square of half side
// `size` centred on (x, y) in the plane z.
struct BubbleSprite {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float size = 0.0f;
};

// A fixed pool of particles; `count` of them are stepped each time.
class ParticleSystem {
public:
    virtual ~ParticleSystem() = default;

    // Takes n particles from the pool and zeroes their position, velocity and acceleration; false when
    // the pool cannot hold n, and the system then has no particles.
    bool Initialize(int n);
    virtual void Update(Random& random) = 0;

    int count() const { return m_count; }
    bool hasParticles() const { return m_capacity > 0; }
    const Particle& particle(int i) const { return m_particles[i]; }

protected:
    int m_count = 0;    // particles stepped, never more than m_capacity
    int m_capacity = 0; // particles that exist
    std::array<Particle, MaxParticles> m_particles{};
};

// The column of rising bubbles.
class BubbleSystem : public ParticleSystem {
public:
    // Seeds every particle near the emitter with a small drift; false only when the base call fails.
    bool Initialize(int n, Random& random);

    // One step of particles 0 .. count - 1; a dead one is reborn at the emitter with its old size.
    void Update(Random& random) override;

    // One frame of the column: n particles (at most the pool) each get this frame's shimmer, written to
    // `sprites` for the renderer, then all of them move. Returns how many sprites were written.
    int step(int n, Random& random, std::span<BubbleSprite, MaxParticles> sprites);
};

} // namespace quillmere
