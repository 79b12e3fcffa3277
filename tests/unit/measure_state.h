#pragma once
// Puts the measurement units into a known state: factory settings, inputs at 0, filters,
// live values, maxima, alarms and counters cleared, an erased flight log and no panel.
#include <cstring>

#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/flight.h"
#include "instrument/flight_log_store.h"
#include "host/front_panel.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"

/// A front panel whose RPM slider stands where the test puts it.
class RpmSliderPanel : public FrontPanel {
public:
    s32 Position = 0;
    void PumpMessages() override {}
    void BlitLcd() override {}
    void HideDisplay() override {}
    void ShowDisplay() override {}
    bool CalibrateChecked() override { return false; }
    bool KeyFastChecked() override { return false; }
    s32 RpmSliderPosition() override { return Position; }
    void SetLabel(u8, s32) override {}
    void SetLampColour(u32) override {}
    void AppendCommLine(const char *) override {}
};

inline void ResetMeasurementState()
{
    Panel = nullptr;
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
