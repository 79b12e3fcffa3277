#include "engine_fuel.h"

#include "state_table.h"

u32 RpmPulseLatch;
s32 RpmPulseCount;
u32 RpmPulsePeriod;
u32 RpmScale;
u32 RpmRing[32];
u8 RpmRingIndex;
u8 RpmRingCount;
u32 RpmAverage;
u32 Rpm;
u32 MaxRpm;
u32 AdcFuelLevel;
u8 FuelSenderError;
u32 TankFilterState;
u32 FuelLevel;
u32 FuelFlowPulses;
s32 FuelFlow;
s32 FuelRemainingPulses;
u32 FuelUsedPulses;
s32 FuelUsed;
u32 FuelRange;
u32 FuelEndurance;
s32 GpsSpeedMph;
s32 GpsSpeedKnots;
s32 GpsSpeedKmh;

void UpdateRpm() {}
void UpdateFuelLevel() {}
void UpdateFuelFlow() {}
void ComputeRpmScale() {}
u32 PulsesPerFuelUnit(u32 k) { return k; }
s32 RoundTenth(s32 x) { return x / 10; }

static const StateVar EngineFuelVars[] = {
    STATE_VAR(RpmPulseLatch, U32),  STATE_VAR(RpmPulseCount, S32),   STATE_VAR(RpmPulsePeriod, U32),
    STATE_VAR(RpmScale, U32),       STATE_ARRAY(RpmRing, U32),       STATE_VAR(RpmRingIndex, U8),
    STATE_VAR(RpmRingCount, U8),    STATE_VAR(RpmAverage, U32),      STATE_VAR(Rpm, U32),
    STATE_VAR(MaxRpm, U32),         STATE_VAR(AdcFuelLevel, U32),    STATE_VAR(FuelSenderError, U8),
    STATE_VAR(TankFilterState, U32), STATE_VAR(FuelLevel, U32),      STATE_VAR(FuelFlowPulses, U32),
    STATE_VAR(FuelFlow, S32),       STATE_VAR(FuelRemainingPulses, S32), STATE_VAR(FuelUsedPulses, U32),
    STATE_VAR(FuelUsed, S32),       STATE_VAR(FuelRange, U32),       STATE_VAR(FuelEndurance, U32),
    STATE_VAR(GpsSpeedMph, S32),    STATE_VAR(GpsSpeedKnots, S32),   STATE_VAR(GpsSpeedKmh, S32),
};
const StateTable EngineFuelState = STATE_TABLE(EngineFuelVars);
