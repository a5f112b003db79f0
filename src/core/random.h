#pragma once

#include <cstdint>

namespace quillmere {

// The runtime library's linear congruential generator, started from seed 1 and never reseeded.
// Every draw in the program comes from one instance, passed by reference, so the order of draws
// decides the tank and the same settings file gives the same tank on every run.
class Random {
public:
    static constexpr int Max = 32767;

    Random() = default;
    // A copy would fork the sequence: two objects drawing the same values, each missing the other's
    // draws. Only a test that wants to know what the next draws will be asks for one, by name.
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;
    Random fork() const { return Random(m_state); }

    // Returns the next value in 0..32767.
    int next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    // The 32-bit internal state, printed by the trace tool.
    std::uint32_t state() const { return m_state; }

private:
    explicit Random(std::uint32_t state) : m_state(state) {}

    std::uint32_t m_state = 1;
};

} // namespace quillmere
