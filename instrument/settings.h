#pragma once
// The settings record: every configuration value of the instrument, its factory defaults,
// the value-name tables the screens show (the board's storage hooks come with board.h).
#include "../lcd/types.h"
#include "board.h"

// ---- Settings loaded by LoadFactoryDefaults, in load order ----
extern u8 Contrast;          ///< display contrast, even 0..62
extern u8 Backlight;         ///< 0/1
extern u8 TempUnit;          ///< 0 C, 1 F
extern u32 Qnh;              ///< QNH in thousandths of a millibar
extern u8 AltUnit;           ///< 0 ft, 1 m
extern u8 QnhUnit;           ///< 0 mB, 1 inHg
extern u8 VsiUnit;           ///< 0 ft/m, 1 m/s
extern u32 AsiLowAlarm;      ///< airspeed unit
extern u8 AsiLowAlarmOn;
extern u32 AsiHighAlarm;     ///< airspeed unit
extern u8 AsiHighAlarmOn;
extern u8 AsiFilter;         ///< 0 NONE, 1 FAST, 2 SLOW
extern u8 AsiUnit;           ///< 0 mph, 1 km/h, 2 knots
extern u8 DistZeroAuto;      ///< 0 MAN, 1 AUTO
extern u8 HourFractDec;      ///< 0 minutes, 1 hundredths
extern u32 TakeoffAirspeed;  ///< airspeed unit
extern u8 FlightDetect;      ///< 0 MANUAL, 1 DETECT
extern s32 HobbsRpm;
extern u8 RpmDisplayOn;
extern s32 RpmLowAlarm;
extern u8 RpmLowAlarmOn;
extern s32 RpmHighAlarm;
extern u8 RpmHighAlarmOn;
extern s32 PulsesPerRev;     ///< tenths
extern u8 RpmPulseMode;      ///< 0 PULSE, 1 TIME
extern u8 RpmFilter;         ///< 0..10, 10 = OFF
extern u32 VoltsLowAlarm;    ///< tenths of a volt
extern u32 VoltsHighAlarm;   ///< tenths of a volt
extern u8 VoltsLowAlarmOn;
extern u8 VoltsHighAlarmOn;
extern u8 FuelUnit;          ///< 0..5, odd = gallon units
extern u8 FuelSpeedSource;   ///< 0 TAS, 1 GPS-NMEA, 2 IAS
extern u8 FuelFlowOn;
extern u32 KFactor;          ///< flow-sender pulses per litre
extern u8 FuelLevelMode;     ///< 0 SENDER, 1 CALCULATE, 2 OFF
extern u8 FuelAlarmOn;
extern s32 FuelAlarmLevel;   ///< fuel unit
extern s32 TankSize;         ///< fuel unit
extern s32 TankCal[6];       ///< raw sender readings at 0, 1/5 ... 5/5 of the tank
extern u8 TankFilter;        ///< 0 NONE, 1 LOW, 2 MED, 3 HIGH
extern u8 GpsBaud;           ///< 0..4

// ---- Calibration values loaded by LoadCalibrationDefaults ----
extern u8 AsiCal;    ///< percent
extern u32 AsiZero;  ///< raw airspeed reading taken as zero
extern u8 VoltsCal;  ///< percent
extern s8 AltCal;    ///< offset on the raw static-pressure reading
extern u8 VsiCal;    ///< percent
extern s8 OatCal;    ///< degrees C

// ---- Values outside the defaults: they survive every power-on ----
extern u32 VsiZero;
extern s32 HobbsCode;  ///< four-digit access code, 0 = none

// ---- Value-name tables: equal-width NUL-padded fields indexed by the setting ----
extern const char OffOnNames[2][4];
extern const char AsiUnitNames[3][7];
extern const char AsiFilterNames[3][5];
extern const char AltUnitNames[2][3];
extern const char QnhUnitNames[2][7];
extern const char VsiUnitNames[2][7];
extern const char RpmPulseModeNames[2][6];
extern const char RpmFilterNames[11][6];
extern const char FuelUnitNames[6][5];
extern const char FuelSpeedSourceNames[3][9];
extern const char FuelLevelModeNames[3][10];
extern const char GpsBaudNames[5][6];
extern const char TankFilterNames[4][5];
extern const char HourFractNames[2][4];     ///< "MIN", "DEC"
extern const char FlightDetectNames[2][7];  ///< "MANUAL", "DETECT"

/// Lower and upper bound of the airspeed-valued settings for one airspeed unit.
struct AirspeedBounds {
    u32 Low;
    u32 High;
};
/// Bounds by AsiUnit: mph 16..250, km/h 26..402, knots 14..217.
extern const AirspeedBounds AirspeedRange[3];

/// Fuel level modes.
enum FuelLevelModes : u8 { FuelLevelSender = 0, FuelLevelCalculate = 1, FuelLevelOff = 2 };

/// Loads every setting of the first table in order, with ApplyContrast, BacklightOn,
/// EraseFlightLog and ClearAirDistance called at their places.
void LoadFactoryDefaults();
/// Loads the calibration values, then SaveSettings.
void LoadCalibrationDefaults();

/// True for the gallon fuel units (the odd FuelUnit values), false for the litre units.
inline bool FuelInGallons() { return FuelUnit % 2 == 1; }

struct StateTable;
/// The settings, the calibration values and the store hooks' call counters by name.
extern const StateTable SettingsState;
