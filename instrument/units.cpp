#include "units.h"

#include "settings.h"

const SpeedFactor MphFactors[3] = {{1, 1}, {1609, 1000}, {869, 1000}};

u32 MphIn(u8 unit, u32 mph)
{
    if (unit == SpeedMph || unit > SpeedKnots) return mph;
    return mph * MphFactors[unit].Multiplier / MphFactors[unit].Divisor;
}

s32 FeetInAltUnit(s32 feet)
{
    // Worked in 64 bits so that no altitude can overflow on its way to metres.
    return AltUnit == 1 ? static_cast<s32>(static_cast<s64>(feet) * 1000 / 3281) : feet;
}

s32 ToFahrenheit(s32 c) { return c * 18 / 10 + 32; }
