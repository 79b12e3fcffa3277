#pragma once
// Airspeed setup: the bounds of the airspeed-valued settings.
#include "../lcd/types.h"

/// Pulls AsiHighAlarm, AsiLowAlarm and TakeoffAirspeed into the AirspeedRange of the
/// current AsiUnit: first each down to the upper bound, then each up to the lower bound.
void ClampAsiSettings();
/// Bounds of the airspeed-valued settings in the current AsiUnit (mph for an unknown unit).
void AsiSettingBounds(s32 &low, s32 &high);
