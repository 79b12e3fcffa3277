#pragma once
// Engine RPM and the fuel computations: level, flow, used, range and endurance.
#include "../lcd/types.h"

extern u32 RpmPulseLatch;   ///< pulses latched at the last Timer2 tick
extern s32 RpmPulseCount;   ///< pulses of the current Timer2 window (the RPM slider)
extern u32 RpmPulsePeriod;  ///< pulse period for TIME mode
extern u32 RpmScale;        ///< TIME-mode numerator, 0 until RPM SETUP is left
extern u32 RpmRing[32];
extern u8 RpmRingIndex;
extern u8 RpmRingCount;
extern u32 RpmAverage;
extern u32 Rpm;
extern u32 MaxRpm;

extern u32 AdcFuelLevel;
extern u8 FuelSenderError;
extern u32 TankFilterState;
extern u32 FuelLevel;
extern u32 FuelFlowPulses;
extern s32 FuelFlow;              ///< tenths of a fuel unit per hour
extern s32 FuelRemainingPulses;
extern u32 FuelUsedPulses;
extern s32 FuelUsed;
extern u32 FuelRange;             ///< 0xFFFF while the flow is 0
extern u32 FuelEndurance;         ///< minutes, 0xFFFF while the flow is 0
extern s32 GpsSpeedMph;
extern s32 GpsSpeedKnots;
extern s32 GpsSpeedKmh;

void UpdateRpm();
void UpdateFuelLevel();
/// Every cycle: the flow from the flow input, and from the pulse totals the CALCULATE-mode
/// level, the fuel used, range and endurance. The totals themselves do not change here.
void UpdateFuelFlow();
/// The fuel computation of a FuelTick (one every 4 s, 900 an hour, as the flow figure
/// assumes): the pulses of the last UpdateFuelFlow are added to FuelUsedPulses and, in
/// CALCULATE mode, taken from FuelRemainingPulses (never below 0).
void TakeFuelPulses();
// The conversions of the update routines from one settled reading (filters at rest) with the
// current settings, for anything that needs the inverse.
/// Rpm for an RPM input of `position` pulses per Timer2 window (PULSE or TIME mode, PULSES/REV).
u32 RpmForPulses(u32 position);
/// Fuel in the tank (fuel unit) for a sender reading, by the six TANK CAL points and TANK SIZE.
u32 FuelLevelForAdc(u32 reading);
/// Fuel flow in tenths of a fuel unit per hour for the flow-sender pulses of one computation.
s32 FuelFlowForPulses(u32 pulses);
/// RpmScale = (60000 / PulsesPerRev / 10) x 6250.
void ComputeRpmScale();
/// Flow-sender pulses per fuel unit for a K-factor in pulses per litre.
u32 PulsesPerFuelUnit(u32 k);
/// x / 10 rounded half away from zero.
s32 RoundTenth(s32 x);

struct StateTable;
/// The RPM and fuel values by name.
extern const StateTable EngineFuelState;
