#include "flight.h"

#include "airdata.h"
#include "engine_fuel.h"
#include "flight_log_store.h"
#include "host_time.h"
#include "settings.h"
#include "state_table.h"

FlightLogEntry CurrentFlight;
FlightLogEntry LogEntryBuffer;
RealTimeClockRecord RealTimeClock;
u8 InFlight;
u8 FlightLogged;
u8 LandingHold;
u8 FlightTicks;
u8 FlightFraction;
u8 FlightHours;
u8 FlightLogIndex;
u8 FractionTickLimit;
u8 FractionLimit;
u8 HobbsTicks;
u8 HobbsFraction;
u32 HobbsHours;
u8 MaintFraction;
s32 MaintHours;

namespace {

constexpr u8 LandingHoldTicks = 30;
constexpr u8 MaxFlightHours = 99;
constexpr u32 MaxHobbsHours = 10000;

void DetectTakeoffAndLanding()
{
    if (Airspeed >= TakeoffAirspeed) {
        if (InFlight == 0) {
            if (FlightDetect == 1) StartFlight();
            else if (DistZeroAuto == 1) ClearAirDistance();
        }
        LandingHold = LandingHoldTicks;
    } else if (InFlight == 1 && FlightDetect == 1 && LandingHold > 0) {
        --LandingHold;
        if (LandingHold == 0) StopFlight();
    }
}

void SetFractionLimits()
{
    FractionTickLimit = HourFractDec == 1 ? 35 : 59;
    FractionLimit = HourFractDec == 1 ? 99 : 59;
}

// The hours are carried before the entry is stored, so it never shows a fraction of 60 or 100.
void CountFlightTime()
{
    if (InFlight != 1) return;
    if (++FlightTicks <= FractionTickLimit) return;
    FlightTicks = 0;
    if (FlightLogged == 0) {
        FlightLogged = 1;
        FlightLogIndex = static_cast<u8>((FlightLogIndex + 1) % FlightLogSlots);
    }
    if (++FlightFraction > FractionLimit) {
        FlightFraction = 0;
        FlightHours = FlightHours >= MaxFlightHours ? 0 : static_cast<u8>(FlightHours + 1);
    }
    SaveFlightLog();
}

void CountMaintenance()
{
    if (MaintHours == 0 && MaintFraction == 0) return;
    if (MaintFraction > 0) {
        --MaintFraction;
    } else {
        MaintFraction = FractionLimit;
        if (MaintHours > 0) --MaintHours;
    }
}

void CountHobbs()
{
    if (Rpm < static_cast<u32>(HobbsRpm)) return;
    if (++HobbsTicks <= FractionTickLimit) return;
    HobbsTicks = 0;
    if (++HobbsFraction > FractionLimit) {
        HobbsFraction = 0;
        if (HobbsHours < MaxHobbsHours) ++HobbsHours;
    }
    CountMaintenance();
    SaveHobbs();
}

} // namespace

void RunSlowTick()
{
    DetectTakeoffAndLanding();
    SetFractionLimits();
    CountFlightTime();
    CountHobbs();
}

void StartFlight()
{
    FlightLogged = 0;
    InFlight = 1;
    FlightTicks = 0;
    FlightFraction = 0;
    FlightHours = 0;
    // The cycle reads the clock after the slow-tick block, so a take-off at the first
    // SlowTick after power-on would find it unread (month 0): read it first.
    if (RealTimeClock.Month == 0) ReadClock();
    CurrentFlight.Year = RealTimeClock.Year;
    CurrentFlight.Month = RealTimeClock.Month;
    CurrentFlight.Day = RealTimeClock.Day;
    CurrentFlight.Hour = RealTimeClock.Hour;
    CurrentFlight.Minute = RealTimeClock.Minute;
    CurrentFlight.FlightHours = 0;
    CurrentFlight.FlightFraction = 0;
    CurrentFlight.HobbsHours = static_cast<s32>(HobbsHours);
    CurrentFlight.HobbsFraction = HobbsFraction;
    CurrentFlight.MaxAltitude = 0;
    CurrentFlight.MaxAirspeed = 0;
    CurrentFlight.MaxRpm = 0;
    if (DistZeroAuto == 1) ClearAirDistance();
}

void StopFlight()
{
    if (FlightLogged != 0) SaveFlightLog();
    InFlight = 0;
}

void ReadClock()
{
    HostDateTime now;
    ReadHostTime(now);
    RealTimeClock.Second = now.Second;
    RealTimeClock.Minute = now.Minute;
    RealTimeClock.Hour = now.Hour;
    RealTimeClock.Day = now.Day;
    RealTimeClock.Weekday = now.Weekday;
    RealTimeClock.Month = now.Month;
    RealTimeClock.Year = now.YearsSince1900;
}

void SaveFlightLog()
{
    CurrentFlight.HobbsHours = static_cast<s32>(HobbsHours);
    CurrentFlight.HobbsFraction = HobbsFraction;
    CurrentFlight.FlightHours = FlightHours;
    CurrentFlight.FlightFraction = FlightFraction;
    // Before the flight has opened its entry, FlightLogIndex is still the previous flight's.
    if (FlightLogged != 0) WriteFlightLogSlot(FlightLogIndex % FlightLogSlots, CurrentFlight);
}

void EraseFlightLog() { EraseFlightLogStore(); }

void ClearAirDistance() { AirDistance = 0; }

#define LOG_ENTRY_FIELDS(entry)                                                                  \
    STATE_FIELD(entry, Year, S32), STATE_FIELD(entry, Month, U8), STATE_FIELD(entry, Day, U8),    \
        STATE_FIELD(entry, Hour, U8), STATE_FIELD(entry, Minute, U8),                             \
        STATE_FIELD(entry, FlightHours, U8), STATE_FIELD(entry, FlightFraction, U8),              \
        STATE_FIELD(entry, HobbsHours, S32), STATE_FIELD(entry, HobbsFraction, U8),               \
        STATE_FIELD(entry, MaxAltitude, S32), STATE_FIELD(entry, MaxAirspeed, U32),               \
        STATE_FIELD(entry, MaxRpm, U32)

static const StateVar FlightVars[] = {
    LOG_ENTRY_FIELDS(CurrentFlight),
    LOG_ENTRY_FIELDS(LogEntryBuffer),
    STATE_FIELD(RealTimeClock, Second, U8),  STATE_FIELD(RealTimeClock, Minute, U8),
    STATE_FIELD(RealTimeClock, Hour, U8),    STATE_FIELD(RealTimeClock, Day, U8),
    STATE_FIELD(RealTimeClock, Weekday, U8), STATE_FIELD(RealTimeClock, Month, U8),
    STATE_FIELD(RealTimeClock, Year, S32),
    STATE_VAR(InFlight, U8),          STATE_VAR(FlightLogged, U8),   STATE_VAR(LandingHold, U8),
    STATE_VAR(FlightTicks, U8),       STATE_VAR(FlightFraction, U8), STATE_VAR(FlightHours, U8),
    STATE_VAR(FlightLogIndex, U8),    STATE_VAR(FractionTickLimit, U8), STATE_VAR(FractionLimit, U8),
    STATE_VAR(HobbsTicks, U8),        STATE_VAR(HobbsFraction, U8),  STATE_VAR(HobbsHours, U32),
    STATE_VAR(MaintFraction, U8),     STATE_VAR(MaintHours, S32),
};
const StateTable FlightState = STATE_TABLE(FlightVars);
