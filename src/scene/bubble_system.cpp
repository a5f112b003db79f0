#include "scene/bubble_system.h"

#include <algorithm>

namespace quillmere {

bool ParticleSystem::Initialize(int n) {
    if (n < 0 || n > MaxParticles) {
        m_count = 0;
        m_capacity = 0;
        return false;
    }
    m_count = n;
    m_capacity = n;
    for (int i = 0; i < n; ++i) {
        Particle& p = m_particles[i];
        p.x = p.y = p.z = 0.0f;
        p.vx = p.vy = p.vz = 0.0f;
        p.ax = p.ay = p.az = 0.0f;
    }
    return true;
}

namespace {

// (a % 9000 - b % 9000) of two draws taken in that order.
int drawSpread(Random& random) {
    const int first = random.next() % 9000;
    const int second = random.next() % 9000;
    return first - second;
}

void discardDraws(Random& random, int n) {
    for (int i = 0; i < n; ++i)
        random.next();
}

} // namespace

bool BubbleSystem::Initialize(int n, Random& random) {
    if (!ParticleSystem::Initialize(n))
        return false;
    for (int i = 0; i < m_count; ++i) {
        Particle& p = m_particles[i];
        p.x = static_cast<float>(random.next() % 9) * 0.001f;
        p.y = static_cast<float>(random.next() % 9) * 0.005f - 1.0f;
        p.z = static_cast<float>(random.next() % 6) * 0.005f;
        p.vx = static_cast<float>(drawSpread(random)) * 0.000003f;
        p.vy = static_cast<float>(random.next() % 9000) * 0.0000042f;
        p.vz = static_cast<float>(random.next() % 9000) * 0.000001f;
        p.ax = 0.0f;
        p.ay = 0.002f;
        p.az = 0.0f;
        p.life = 200.0f;
        p.size = static_cast<float>(random.next() % 10 + 1) * 0.05f;
        p.fade = static_cast<float>(random.next() % 50) * 0.05f;
        discardDraws(random, 3);
    }
    return true;
}

void BubbleSystem::Update(Random& random) {
    const int n = std::min(m_count, m_capacity);
    for (int i = 0; i < n; ++i) {
        Particle& p = m_particles[i];
        p.x += p.vx;
        p.y += p.vy;
        p.z += p.vz;
        p.vy += p.ay;
        p.life -= p.fade;
        if (p.life <= 0.0f) {
            // Reborn bubbles start a little further forward and drift toward the viewer faster.
            p.x = static_cast<float>(random.next() % 9) * 0.001f;
            p.y = static_cast<float>(random.next() % 9) * 0.005f - 1.0f;
            p.z = static_cast<float>(random.next() % 9000) * 0.000001f;
            p.vx = static_cast<float>(drawSpread(random)) * 0.000003f;
            p.vy = static_cast<float>(random.next() % 9000) * 0.0000042f;
            p.vz = static_cast<float>(random.next() % 90000) * 0.000001f;
            p.ax = 0.0f;
            p.ay = 0.002f;
            p.az = 0.0f;
            p.life = 200.0f;
            p.fade = static_cast<float>(random.next() % 50) * 0.05f;
            discardDraws(random, 3);
        }
    }
}

int BubbleSystem::step(int n, Random& random, std::span<BubbleSprite, MaxParticles> sprites) {
    // A negative bubble setting would ask for more than the pool; nothing but the pool is drawn.
    m_count = std::clamp(n, 0, m_capacity);
    for (int i = 0; i < m_count; ++i) {
        const Particle& p = m_particles[i];
        const int jitterX = random.next() % 20;
        const int jitterZ = random.next() % 20;
        sprites[i] = BubbleSprite{p.x + static_cast<float>(jitterX) * 0.01f, p.y,
                                  p.z + static_cast<float>(jitterZ) * 0.01f, p.size};
    }
    Update(random);
    return m_count;
}

} // namespace quillmere
