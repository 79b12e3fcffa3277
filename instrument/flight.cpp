#include "flight.h"

#include "airdata.h"
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

void RunSlowTick() {}
void ReadClock() {}
void SaveFlightLog() {}
void EraseFlightLog() {}
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
