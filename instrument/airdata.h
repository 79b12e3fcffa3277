#pragma once
// Air data: static pressure, altitudes, vertical speed, airspeeds, glide ratio, air distance,
// volts and outside air temperature, with their maxima and alarm bits.
#include "../lcd/types.h"
#include "units.h"

// Raw copies of the last readings.
extern u32 AdcAltitude;
extern s32 AdcVsi;
extern u32 AdcAirspeed;
extern u32 AdcVolts;
extern s32 AdcOat;

// Live values.
extern u32 StaticPressure;    ///< thousandths of a millibar
extern u32 VsiScale;
extern s32 PressureAltitude;  ///< feet referred to 1013.25 mB
extern s32 AltitudeFeet;      ///< feet referred to Qnh
extern s32 Altitude;          ///< AltitudeFeet in the altitude unit
extern s32 Vsi;               ///< ft/min, or hundredths of m/s
extern s32 VsiFeetPerMin;
extern u8 VsiClimbing;
extern s32 VsiDrift;          ///< -100..100, tenths of a raw count
extern u32 AirspeedMph;
extern u32 Airspeed;          ///< airspeed unit
extern u32 TrueAirspeed;      ///< mph
extern u32 GlideRatio;        ///< tenths, 0..999
extern u32 AirDistance;
extern u32 Volts;             ///< tenths of a volt
extern s32 OatCelsius;
extern s32 Oat;               ///< temperature unit

// Filter states.
extern u32 AirspeedFilterState;
extern u32 VsiFilterState;
extern s32 PressureAltitudeFilterState;
extern s32 QnhAltitudeFilterState;
extern s32 PrevAltitudeFeet;

// Maxima (MaxRpm lives with the engine values).
extern s32 MaxAltitude;
extern u32 MaxAirspeed;
extern u32 MaxVolts;
extern s32 MinOat;
extern s32 MaxOat;

/// Alarm bits shared by AlarmFlags and AlarmAcknowledged.
enum AlarmBits : u8 { AlarmVolts = 1, AlarmRpm = 2, AlarmFuel = 4, AlarmAirspeed = 8 };
extern u8 AlarmFlags;
extern u8 AlarmAcknowledged;

/// Sets the alarm bit while its condition holds; clears it in both alarm words otherwise.
void SetAlarm(u8 bit, bool condition);
/// The alarm conditions of the present values, shared by the alarm bits and the main page's
/// flashing: airspeed above HIGH or (in flight) below LOW, volts and RPM outside their alarms,
/// each only where its alarm is switched on.
bool AirspeedAlarmCondition();
bool VoltsAlarmCondition();
bool RpmAlarmCondition();

/// Pressure readings at 0, 1000 ... 40000 ft (41 entries, falling).
extern const u32 PressureTableA[41];
/// VSI scale factors (40 entries, rising).
extern const u32 PressureTableB[40];

void UpdateAltitude();
void UpdateVsi();
void UpdateAirspeed();
void UpdateVolts();
void UpdateOat();
// The conversions of the update routines from one settled raw reading (filters at rest),
// with the current settings: what a reading shows, for anything that needs the inverse.
/// Pressure altitude in feet for an altitude reading (ALT CAL applied, unfiltered).
s32 PressureAltitudeForAdc(u32 adc);
/// The VSI scale factor that goes with an altitude reading.
u32 VsiScaleForAdc(u32 altitudeAdc);
/// Vertical speed in ft/min for a settled VSI reading: drift, VSI ZERO, scale, VSI CAL.
s32 VsiFeetPerMinForAdc(u32 adc, u32 scale);
/// Indicated airspeed in mph for a settled airspeed reading: ASI ZERO and ASI CAL.
u32 IndicatedMphForAdc(u32 adc);
/// Tenths of a volt for a volts reading (VOLTS CAL).
u32 VoltsForAdc(u32 adc);
/// Outside air temperature in degrees C for an OAT reading (OAT CAL).
s32 OatCelsiusForAdc(u32 adc);
/// An airspeed in mph in the current AsiUnit (km/h x 1609 / 1000, knots x 869 / 1000).
u32 InAirspeedUnit(u32 mph);
/// Seeds every maximum and the OAT extremes from the live values, then SaveMaxValues.
void ResetMaxValues();
/// Integer square root by shift and subtract.
u32 IntSqrt(u32 x);

struct StateTable;
/// The air data values, filters, maxima and alarm words by name.
extern const StateTable AirDataState;
