#pragma once

#include "core/DateTime.h"

namespace sumwright::testing {

// The clock of every test: it moves only when the test moves it, whole seconds at a time, and
// may go back. Counting seconds rather than adding day fractions keeps any span exact.
class SettableClock final : public Clock
{
public:
    // 2024-03-14 09:00, a day count with an exact binary fraction.
    static constexpr DateTime Origin = 45365.375;

    [[nodiscard]] DateTime now() const override
    {
        return Origin + static_cast<double>(m_seconds) / SecondsPerDay;
    }
    void advance(long long seconds) { m_seconds += seconds; }
    // Seconds since Origin.
    [[nodiscard]] long long seconds() const { return m_seconds; }

private:
    long long m_seconds = 0;
};

} // namespace sumwright::testing
