#pragma once
// The host's local date and time, as the instrument's clock chip would deliver them.
#include "../lcd/types.h"

struct HostDateTime {
    s32 YearsSince1900;
    u8 Month;    ///< 1..12
    u8 Day;      ///< 1..31
    u8 Weekday;  ///< 0 = Sunday
    u8 Hour;
    u8 Minute;
    u8 Second;
};

/// Reads the host's local time, or the frozen time if one has been set.
void ReadHostTime(HostDateTime &out);
/// From now on the host time reads as `fixed` and stands still (used by scripted runs).
void FreezeHostTime(const HostDateTime &fixed);
/// True for a Gregorian leap year.
bool IsLeapYear(s32 year);
/// Days in a month (1..12) of a Gregorian year; 0 for a month outside 1..12.
u8 DaysInMonth(s32 year, u8 month);
/// Weekday (0 = Sunday) of a Gregorian date.
u8 WeekdayOf(s32 year, u8 month, u8 day);
