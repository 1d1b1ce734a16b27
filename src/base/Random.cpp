#include "base/Random.h"

#include "base/Clock.h"

Random::Random(const Clock& clock)
    : m_clock(clock)
    , m_engine(static_cast<std::uint64_t>(clock.MonotonicMs()))
{
}

void Random::Reseed()
{
    m_engine.seed(static_cast<std::uint64_t>(m_clock.MonotonicMs()));
}

int Random::Below(int count)
{
    if (count <= 0) {
        return 0;
    }
    std::uniform_int_distribution<int> distribution(0, count - 1);
    return distribution(m_engine);
}
