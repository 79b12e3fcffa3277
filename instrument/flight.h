#pragma once
// Flight detection, flight time, the Hobbs meter, the maintenance countdown, the clock
// and the flight log.
#include "../lcd/types.h"

/// One flight-log entry.
struct FlightLogEntry {
    s32 Year;  ///< years since 1900
    u8 Month;
    u8 Day;
    u8 Hour;
    u8 Minute;
    u8 FlightHours;
    u8 FlightFraction;
    s32 HobbsHours;
    u8 HobbsFraction;
    s32 MaxAltitude;
    u32 MaxAirspeed;
    u32 MaxRpm;
};

/// The real-time clock.
struct RealTimeClockRecord {
    u8 Second;
    u8 Minute;
    u8 Hour;
    u8 Day;
    u8 Weekday;  ///< 0 = Sunday
    u8 Month;    ///< January = 1
    s32 Year;    ///< years since 1900
};

extern FlightLogEntry CurrentFlight;
extern FlightLogEntry LogEntryBuffer;
extern RealTimeClockRecord RealTimeClock;

extern u8 InFlight;
extern u8 FlightLogged;
extern u8 LandingHold;
extern u8 FlightTicks;
extern u8 FlightFraction;
extern u8 FlightHours;
extern u8 FlightLogIndex;
extern u8 FractionTickLimit;
extern u8 FractionLimit;
extern u8 HobbsTicks;
extern u8 HobbsFraction;
extern u32 HobbsHours;
extern u8 MaintFraction;
extern s32 MaintHours;

/// The slow-tick block: take-off and landing, flight time, Hobbs and maintenance counting.
void RunSlowTick();
/// Starts a flight now (a detected take-off, or START FLIGHT): flight counters to 0,
/// InFlight 1, CurrentFlight opened with the start date and time from RealTimeClock (read
/// first if it has never been read), flight time 0, the Hobbs reading and cleared flight
/// maxima; the air distance is cleared when DIST ZERO is AUTO. The log entry itself opens
/// when the first fraction completes.
void StartFlight();
/// Ends the flight (a detected landing, or STOP FLIGHT): its entry is stored once more if it
/// has opened one, then InFlight is 0.
void StopFlight();
/// Fills RealTimeClock from the host's local date and time.
void ReadClock();
/// Copies the Hobbs reading and the counted flight time into CurrentFlight and, once the
/// flight has opened its entry, stores CurrentFlight in slot FlightLogIndex. Slots are read
/// back with ReadFlightLogSlot (flight_log_store.h).
void SaveFlightLog();
/// Erases the flight-log store: every slot reads as empty afterwards.
void EraseFlightLog();
/// AirDistance = 0 and the stored air distance cleared.
void ClearAirDistance();

struct StateTable;
/// The flight, Hobbs, clock and log values by name.
extern const StateTable FlightState;
