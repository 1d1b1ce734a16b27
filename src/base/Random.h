#pragma once

#include <cstdint>
#include <random>

class Clock;

// The random source of the exercises: reseeded from the clock where a fresh draw is wanted,
// drawing uniformly distributed integers. Tests seed it to fixed values.
class Random {
public:
    explicit Random(const Clock& clock);
    virtual ~Random() = default;

    // Reseeds the generator from the clock.
    virtual void Reseed();
    // Seeds the generator with a fixed value.
    void Seed(std::uint64_t seed) { m_engine.seed(seed); }
    // A uniformly distributed integer from 0 to count - 1; 0 when count is not positive.
    virtual int Below(int count);

private:
    const Clock& m_clock;
    std::mt19937_64 m_engine;
};
