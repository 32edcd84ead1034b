#include "core/DateTime.h"

#include <ctime>

namespace sumwright {

DateTime toDateTime(int year, int month, int day, int hour, int minute, int second)
{
    using namespace std::chrono;
    const auto date = sys_days {std::chrono::year {year} / month / day};
    const auto origin = sys_days {std::chrono::year {1899} / December / 30};
    const double days = static_cast<double>((date - origin).count());
    return days + (hour * 3600.0 + minute * 60.0 + second) / SecondsPerDay;
}

DateTime SystemClock::now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return toDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec);
}

} // namespace sumwright
