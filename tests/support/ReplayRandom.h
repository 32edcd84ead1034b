#pragma once

#include "core/Random.h"

namespace sumwright::testing {

// The program's generator, re-seeded from a counter instead of the wall clock, so that a run
// replays the same arithmetic questions.
class ReplayRandom final : public RandomSource
{
public:
    [[nodiscard]] float NextRandom() override { return m_random.NextRandom(); }
    void ReseedRandom() override { m_random.reseedWith(++m_reseeds * 1'000'003LL); }

private:
    ProcessRandom m_random;
    std::int64_t m_reseeds = 0;
};

} // namespace sumwright::testing
