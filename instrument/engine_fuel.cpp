#include "engine_fuel.h"

#include "airdata.h"
#include "flight.h"
#include "inputs.h"
#include "settings.h"
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

namespace {

constexpr u32 RpmLimit = 19999;
constexpr u32 SenderErrorReading = 3900;
constexpr u32 NoFlowMarker = 0xFFFF;

/// Pulses per revolution (tenths) within the range its screen allows, so it never divides by 0.
u32 PulsesPerRevDivisor()
{
    if (PulsesPerRev < 1) return 1;
    return PulsesPerRev > 5000 ? 5000 : static_cast<u32>(PulsesPerRev);
}

/// Flow-sender pulses per fuel unit for the K-factor held within its screen's range.
u32 FlowPulsesPerUnit()
{
    const u32 k = KFactor < 10 ? 10 : (KFactor > 60000 ? 60000 : KFactor);
    return PulsesPerFuelUnit(k);
}

/// The reading before averaging, in rpm, at most 19999.
u32 RawRpm(u32 latch, u32 period)
{
    u32 r;
    if (RpmPulseMode == 1) r = period == 0 ? 0 : RpmScale / period;
    else r = latch * 1200 / PulsesPerRevDivisor();
    return r > RpmLimit ? RpmLimit : r;
}

constexpr u8 RpmRingSize = sizeof RpmRing / sizeof RpmRing[0];

/// Moving average over up to 32 readings, restarted when a reading leaves the band. The ring
/// position and count are brought inside the ring before use, whoever wrote them.
u32 AverageRpm(u32 r)
{
    if (RpmFilter == 10) return r;
    const u32 band = (RpmFilter + 1u) * 10;
    if (RpmAverage + band < r || r <= band || RpmAverage - band > r) {
        RpmRingCount = 0;
        RpmRingIndex = 0;
    }
    RpmRingIndex = static_cast<u8>(RpmRingIndex % RpmRingSize);
    if (RpmRingCount > RpmRingSize) RpmRingCount = RpmRingSize;
    RpmRing[RpmRingIndex] = r;
    RpmRingIndex = static_cast<u8>((RpmRingIndex + 1) % RpmRingSize);
    if (RpmRingCount < RpmRingSize) ++RpmRingCount;
    if (RpmRingCount <= 1) return r;
    u32 sum = 0;
    for (u8 i = 0; i < RpmRingCount; ++i) sum += RpmRing[i];
    return sum / RpmRingCount;
}

/// The tank-sender reading through the filter chosen by TankFilter.
u32 FilterTankReading(u32 reading)
{
    u32 &s = TankFilterState;
    switch (TankFilter) {
    case 1: s = (2 * reading + s) >> 1; return s >> 1;
    case 2: s = (7 * s + 8 * reading) >> 3; return s >> 3;
    case 3: s = (31 * s + 32 * reading) >> 5; return s >> 5;
    default: return reading;
    }
}

} // namespace

// The differences are taken 64 bits wide: any two points and any reading may lie far apart.
u32 FuelLevelForAdc(u32 reading)
{
    const s64 r = reading;
    const s32 *p = TankCal;
    const s64 size = TankSize < 0 ? 0 : TankSize;
    const s64 segment = size * 10 / 50;
    const bool rising = p[0] < p[5];
    if (rising ? r <= p[0] : r >= p[0]) return 0;
    if (rising ? r >= p[5] : r <= p[5]) return static_cast<u32>(size);
    u8 i = 1;
    while (i < 5 && (rising ? p[i] <= r : p[i] >= r)) ++i;
    const s64 done = (i - 1) * size * 10 / 50;
    const s64 into = rising ? r - p[i - 1] : p[i - 1] - r;
    const s64 span = rising ? s64{p[i]} - p[i - 1] : s64{p[i - 1]} - p[i];
    return static_cast<u32>(done + segment * into / span);
}

namespace {

/// CALCULATE mode: the level the remaining pulses stand for.
void CalculateLevel()
{
    const s64 perUnit = FuelInGallons() ? 100 : 10;
    s32 level = RoundTenth(static_cast<s32>(FuelRemainingPulses * perUnit / FlowPulsesPerUnit()));
    if (level > TankSize) level = TankSize;
    if (level != static_cast<s32>(FuelLevel)) SaveFuelLevel(static_cast<u32>(level));
    FuelLevel = static_cast<u32>(level);
}

/// The fuel used since RESET TOTAL, from its pulse total.
void RefreshFuelUsed()
{
    const s32 used = static_cast<s32>(FuelUsedPulses / FlowPulsesPerUnit());
    if (used != FuelUsed) {
        SaveFuelUsed();
        FuelUsed = used;
    }
}

/// The speed for the range, in the distance unit of FuelUnit (per hour).
u32 RangeSpeed()
{
    const u8 distanceUnit = FuelUnit / 2;  // 0 statute, 1 nautical, 2 kilometre
    if (FuelSpeedSource == 1) {
        const s32 gps = distanceUnit == 1 ? GpsSpeedKnots : (distanceUnit == 2 ? GpsSpeedKmh : GpsSpeedMph);
        return gps < 0 ? 0 : static_cast<u32>(gps);
    }
    const u32 mph = FuelSpeedSource == 2 ? AirspeedMph : TrueAirspeed;
    return MphIn(distanceUnit == 1 ? SpeedKnots : distanceUnit == 2 ? SpeedKmh : SpeedMph, mph);
}

void UpdateRangeAndEndurance()
{
    const u32 flow = FuelFlow < 0 ? 0 : static_cast<u32>(FuelFlow);
    const u32 level = FuelLevel;
    if (level == 0) {
        FuelRange = 0;
        FuelEndurance = 0;
    } else if (flow == 0) {
        FuelRange = NoFlowMarker;
        FuelEndurance = NoFlowMarker;
    } else if (FuelInGallons()) {
        FuelRange = RangeSpeed() * level / flow;
        FuelEndurance = level * 60 / flow;
    } else {
        FuelRange = RangeSpeed() * level * 10 / flow;
        FuelEndurance = level * 600 / flow;
    }
}

} // namespace

void UpdateRpm()
{
    ReadRpmInput();
    RpmAverage = AverageRpm(RawRpm(RpmPulseLatch, RpmPulsePeriod));
    Rpm = RpmAverage;
    if (Rpm > CurrentFlight.MaxRpm) CurrentFlight.MaxRpm = Rpm;
    if (Rpm > MaxRpm) MaxRpm = Rpm;
    SetAlarm(AlarmRpm, RpmAlarmCondition());
}

void ComputeRpmScale()
{
    RpmScale = static_cast<u32>(60000 / static_cast<s32>(PulsesPerRevDivisor()) / 10 * 6250);
}

void UpdateFuelLevel()
{
    AdcFuelLevel = ReadAdc(5);
    FuelSenderError = 0;
    if (FuelLevelMode == FuelLevelSender) {
        if (AdcFuelLevel > SenderErrorReading) FuelSenderError = 1;
        FuelLevel = FuelLevelForAdc(FilterTankReading(AdcFuelLevel));
    }
    if (FuelLevelMode == FuelLevelOff) {
        SetAlarm(AlarmFuel, false);
    } else {
        SetAlarm(AlarmFuel, FuelAlarmOn == 1 && FuelLevel < static_cast<u32>(FuelAlarmLevel));
    }
}

void UpdateFuelFlow()
{
    FuelFlowPulses = ReadInputLatch(InputFuelFlow);
    FuelFlow = FuelFlowForPulses(FuelFlowPulses);
    if (FuelLevelMode == FuelLevelCalculate) CalculateLevel();
    RefreshFuelUsed();
    UpdateRangeAndEndurance();
}

void TakeFuelPulses()
{
    FuelUsedPulses += FuelInGallons() ? 10 * FuelFlowPulses : FuelFlowPulses;
    if (FuelLevelMode != FuelLevelCalculate) return;
    FuelRemainingPulses -= static_cast<s32>(FuelFlowPulses);
    if (FuelRemainingPulses < 0) FuelRemainingPulses = 0;
}

u32 RpmForPulses(u32 position) { return RawRpm(position, position * 20); }

s32 FuelFlowForPulses(u32 pulses) { return static_cast<s32>(pulses * 9000 / FlowPulsesPerUnit()); }

u32 PulsesPerFuelUnit(u32 k) { return FuelInGallons() ? k * 37854 / 10000 : k; }

s32 RoundTenth(s32 x)
{
    const float tenth = static_cast<float>(x * 0.1);
    return static_cast<s32>(x < 0 ? tenth - 0.5f : tenth + 0.5f);
}

static const StateVar EngineFuelVars[] = {
    STATE_VAR(RpmPulseLatch, U32),  STATE_VAR(RpmPulseCount, S32),   STATE_VAR(RpmPulsePeriod, U32),
    STATE_VAR(RpmScale, U32),       STATE_ARRAY(RpmRing, U32),
    // The ring's position and fill, 0..31 and 0..32.
    STATE_VAR_IN(RpmRingIndex, U8, 0, RpmRingSize - 1), STATE_VAR_IN(RpmRingCount, U8, 0, RpmRingSize),    STATE_VAR(RpmAverage, U32),      STATE_VAR(Rpm, U32),
    STATE_VAR(MaxRpm, U32),         STATE_VAR(AdcFuelLevel, U32),    STATE_VAR(FuelSenderError, U8),
    STATE_VAR(TankFilterState, U32), STATE_VAR(FuelLevel, U32),      STATE_VAR(FuelFlowPulses, U32),
    STATE_VAR(FuelFlow, S32),       STATE_VAR(FuelRemainingPulses, S32), STATE_VAR(FuelUsedPulses, U32),
    STATE_VAR(FuelUsed, S32),       STATE_VAR(FuelRange, U32),       STATE_VAR(FuelEndurance, U32),
    STATE_VAR(GpsSpeedMph, S32),    STATE_VAR(GpsSpeedKnots, S32),   STATE_VAR(GpsSpeedKmh, S32),
};
const StateTable EngineFuelState = STATE_TABLE(EngineFuelVars);
