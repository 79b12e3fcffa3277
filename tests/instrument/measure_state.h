#pragma once
// Puts the measurement units into a known state: factory settings, inputs at 0, filters,
// live values, maxima, alarms and counters cleared, an erased flight log.
#include <cstring>

#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/flight.h"
#include "instrument/flight_log_store.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"

inline void ResetMeasurementState()
{
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    InputAltitude = InputVsi = InputAirspeed = InputVolts = InputFuelLevel = InputOat = InputFuelFlow = 0;
    AirspeedFilterState = VsiFilterState = 0;
    PressureAltitudeFilterState = QnhAltitudeFilterState = PrevAltitudeFeet = 0;
    AltitudeFeet = Altitude = PressureAltitude = 0;
    VsiFeetPerMin = Vsi = VsiDrift = 0;
    VsiZero = 0;
    Airspeed = AirspeedMph = TrueAirspeed = GlideRatio = AirDistance = 0;
    Volts = 0;
    Oat = OatCelsius = 0;
    AlarmFlags = AlarmAcknowledged = 0;
    RpmPulseLatch = 0;
    RpmPulseCount = 0;
    RpmPulsePeriod = 0;
    RpmScale = 0;
    std::memset(RpmRing, 0, sizeof RpmRing);
    RpmRingIndex = RpmRingCount = 0;
    RpmAverage = Rpm = 0;
    TankFilterState = 0;
    FuelLevel = 0;
    FuelFlow = 0;
    FuelRemainingPulses = 0;
    FuelUsedPulses = 0;
    FuelUsed = 0;
    GpsSpeedMph = GpsSpeedKnots = GpsSpeedKmh = 0;
    CurrentFlight = FlightLogEntry{};
    RealTimeClock = RealTimeClockRecord{};
    InFlight = FlightLogged = LandingHold = FlightTicks = 0;
    FlightFraction = FlightHours = FlightLogIndex = 0;
    HobbsTicks = HobbsFraction = 0;
    HobbsHours = 0;
    MaintFraction = 0;
    MaintHours = 0;
    ResetMaxValues();
}
