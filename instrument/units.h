#pragma once
// The unit conversions of the instrument, each in one place: speeds from mph, altitudes
// from feet, temperatures from Celsius and pressures from thousandths of a millibar.
#include "../lcd/types.h"

/// Speed units, numbered as AsiUnit numbers them.
enum SpeedUnit : u8 { SpeedMph = 0, SpeedKmh = 1, SpeedKnots = 2 };

/// One mph in a speed unit, as a fraction (km/h 1609/1000, knots 869/1000).
struct SpeedFactor {
    u32 Multiplier;
    u32 Divisor;
};
/// The factors by SpeedUnit.
extern const SpeedFactor MphFactors[3];

/// A speed in mph in `unit` (an unknown unit keeps mph), truncating.
u32 MphIn(u8 unit, u32 mph);
/// Feet in the altitude unit of AltUnit (metres: x 1000 / 3281, truncating).
s32 FeetInAltUnit(s32 feet);
/// c x 18 / 10 + 32, truncating.
s32 ToFahrenheit(s32 c);
/// Thousandths of a millibar in one inch of mercury.
constexpr double PressurePerInchHg = 33863.0;
