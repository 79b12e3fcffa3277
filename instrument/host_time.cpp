#include "host_time.h"

#include <ctime>

namespace {
bool Frozen = false;
HostDateTime FrozenTime;
} // namespace

void ReadHostTime(HostDateTime &out)
{
    if (Frozen) {
        out = FrozenTime;
        return;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    out.YearsSince1900 = local.tm_year;
    out.Month = static_cast<u8>(local.tm_mon + 1);
    out.Day = static_cast<u8>(local.tm_mday);
    out.Weekday = static_cast<u8>(local.tm_wday);
    out.Hour = static_cast<u8>(local.tm_hour);
    out.Minute = static_cast<u8>(local.tm_min);
    out.Second = static_cast<u8>(local.tm_sec);
}

void FreezeHostTime(const HostDateTime &fixed)
{
    FrozenTime = fixed;
    Frozen = true;
}

bool IsLeapYear(s32 year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

u8 DaysInMonth(s32 year, u8 month)
{
    static const u8 days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return static_cast<u8>(days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0));
}

u8 WeekdayOf(s32 year, u8 month, u8 day)
{
    // Sakamoto's method.
    static const u8 offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const s32 w = year + year / 4 - year / 100 + year / 400 + offsets[(month + 11) % 12] + day;
    return static_cast<u8>(((w % 7) + 7) % 7);
}
