#pragma once

#include <chrono>

namespace sumwright {

// Date-time values are days since 30 December 1899 00:00, the time of day as the fraction; a
// span is the difference of two of them, in days.
using DateTime = double;
inline constexpr double SecondsPerDay = 86400.0;

// The local wall-clock date and time to the whole second.
class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual DateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    [[nodiscard]] DateTime now() const override;
};

// A local calendar time, whole seconds, as a day count.
[[nodiscard]] DateTime toDateTime(int year, int month, int day, int hour, int minute, int second);

} // namespace sumwright
