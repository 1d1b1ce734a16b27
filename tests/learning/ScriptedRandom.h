#pragma once

#include "base/Random.h"
#include "support/FakeSeams.h"

#include <QList>
#include <initializer_list>

// A random source that hands out the draws a test queued, in order, and counts reseeds. A
// draw beyond the queue (or out of range for its count) is recorded as a problem and gives 0.
// The clock is held in a base of its own, so it is built before Random reads it.
struct ScriptedRandomClock {
    FakeClock clock;
};

class ScriptedRandom final : private ScriptedRandomClock, public Random {
public:
    ScriptedRandom()
        : Random(clock)
    {
    }

    ScriptedRandom& Queue(std::initializer_list<int> draws)
    {
        for (int draw : draws) {
            m_draws.append(draw);
        }
        return *this;
    }

    void Reseed() override { ++m_reseeds; }
    int Below(int count) override
    {
        m_counts.append(count);
        if (m_draws.isEmpty()) {
            m_problem = true;
            return 0;
        }
        const int draw = m_draws.takeFirst();
        m_problem = m_problem || draw < 0 || draw >= count;
        return draw;
    }

    int Reseeds() const { return m_reseeds; }
    // The counts the draws were made below.
    const QList<int>& Counts() const { return m_counts; }
    // True when every queued draw was used, each in range, and no more were asked for.
    bool Finished() const { return !m_problem && m_draws.isEmpty(); }

private:
    QList<int> m_draws;
    QList<int> m_counts;
    int m_reseeds = 0;
    bool m_problem = false;
};
