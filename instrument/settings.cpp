#include "settings.h"

#include "flight.h"
#include "state_table.h"

u8 Contrast;
u8 Backlight;
u8 TempUnit;
u32 Qnh;
u8 AltUnit;
u8 QnhUnit;
u8 VsiUnit;
u32 AsiLowAlarm;
u8 AsiLowAlarmOn;
u32 AsiHighAlarm;
u8 AsiHighAlarmOn;
u8 AsiFilter;
u8 AsiUnit;
u8 DistZeroAuto;
u8 HourFractDec;
u32 TakeoffAirspeed;
u8 FlightDetect;
s32 HobbsRpm;
u8 RpmDisplayOn;
s32 RpmLowAlarm;
u8 RpmLowAlarmOn;
s32 RpmHighAlarm;
u8 RpmHighAlarmOn;
s32 PulsesPerRev;
u8 RpmPulseMode;
u8 RpmFilter;
u32 VoltsLowAlarm;
u32 VoltsHighAlarm;
u8 VoltsLowAlarmOn;
u8 VoltsHighAlarmOn;
u8 FuelUnit;
u8 FuelSpeedSource;
u8 FuelFlowOn;
u32 KFactor;
u8 FuelLevelMode;
u8 FuelAlarmOn;
s32 FuelAlarmLevel;
s32 TankSize;
s32 TankCal[6];
u8 TankFilter;
u8 GpsBaud;

u8 AsiCal;
u32 AsiZero;
u8 VoltsCal;
s8 AltCal;
u8 VsiCal;
s8 OatCal;

u32 VsiZero;
s32 HobbsCode;

const char OffOnNames[2][4] = {"OFF", "ON"};
const char AsiUnitNames[3][7] = {"mph", "km/h", "knots"};
const char AsiFilterNames[3][5] = {"NONE", "FAST", "SLOW"};
const char AltUnitNames[2][3] = {"ft", "m"};
const char QnhUnitNames[2][7] = {"mB", "\"HG"};
const char VsiUnitNames[2][7] = {"ft/m", "m/s"};
const char RpmPulseModeNames[2][6] = {"PULSE", "TIME"};
const char RpmFilterNames[11][6] = {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "OFF"};
const char FuelUnitNames[6][5] = {"L/sm", "G/sm", "L/nm", "G/nm", "L/km", "G/km"};
const char FuelSpeedSourceNames[3][9] = {"TAS", "GPS-NMEA", "IAS"};
const char FuelLevelModeNames[3][10] = {"SENDER", "CALCULATE", "OFF"};
const char GpsBaudNames[5][6] = {"1200", "2400", "4800", "9600", "19200"};
const char TankFilterNames[4][5] = {"NONE", "LOW", "MED", "HIGH"};
const char HourFractNames[2][4] = {"MIN", "DEC"};
const char FlightDetectNames[2][7] = {"MANUAL", "DETECT"};

const AirspeedBounds AirspeedRange[3] = {{16, 250}, {26, 402}, {14, 217}};

void LoadFactoryDefaults()
{
    Contrast = 32;
    ApplyContrast();
    Backlight = 1;
    BacklightOn();
    TempUnit = 0;
    Qnh = 1013250;
    AltUnit = 0;
    QnhUnit = 0;
    VsiUnit = 0;
    AsiLowAlarm = 30;
    AsiLowAlarmOn = 1;
    AsiHighAlarm = 80;
    AsiHighAlarmOn = 1;
    AsiFilter = 1;
    AsiUnit = 0;
    DistZeroAuto = 0;
    HourFractDec = 0;
    TakeoffAirspeed = 30;
    FlightDetect = 0;
    HobbsRpm = 1000;
    RpmDisplayOn = 1;
    RpmLowAlarm = 600;
    RpmLowAlarmOn = 0;
    RpmHighAlarm = 5000;
    RpmHighAlarmOn = 1;
    PulsesPerRev = 60;
    RpmPulseMode = 0;
    RpmFilter = 0;
    VoltsLowAlarm = 100;
    VoltsHighAlarm = 150;
    VoltsLowAlarmOn = 1;
    VoltsHighAlarmOn = 1;
    FuelUnit = 0;
    FuelSpeedSource = 0;
    FuelFlowOn = 1;
    KFactor = 7000;
    FuelLevelMode = FuelLevelSender;
    FuelAlarmOn = 1;
    FuelAlarmLevel = 10;
    TankSize = 45;
    static const s32 factoryTankPoints[6] = {809, 680, 520, 427, 356, 251};
    for (u8 i = 0; i < 6; ++i) TankCal[i] = factoryTankPoints[i];
    TankFilter = 3;
    GpsBaud = 2;
    EraseFlightLog();
    ClearAirDistance();
}

void LoadCalibrationDefaults()
{
    AsiCal = 100;
    AsiZero = 0;
    VoltsCal = 100;
    AltCal = 0;
    VsiCal = 100;
    OatCal = 0;
    SaveSettings();
}

// The desktop instrument keeps everything in memory: these hooks mark where the hardware
// would write its non-volatile store.
u16 SettingsSaveCount;
void SaveSettings() { ++SettingsSaveCount; }
void SaveMaxValues() {}
void SaveHobbs() {}
void SaveFuelLevel(u32) {}
void SaveStartingLevel() {}
void SaveFuelUsed() {}
void SaveFuelTotal() {}
u16 ContrastApplyCount;
void ApplyContrast() { ++ContrastApplyCount; }

void BacklightOn() { Backlight = 1; }
void BacklightOff() { Backlight = 0; }
void AlarmOutputOn() {}
void AlarmOutputOff() {}

static const StateVar SettingsVars[] = {
    STATE_VAR(Contrast, U8),         STATE_VAR(Backlight, U8),        STATE_VAR(TempUnit, U8),
    STATE_VAR(Qnh, U32),             STATE_VAR(AltUnit, U8),          STATE_VAR(QnhUnit, U8),
    STATE_VAR(VsiUnit, U8),          STATE_VAR(AsiLowAlarm, U32),     STATE_VAR(AsiLowAlarmOn, U8),
    STATE_VAR(AsiHighAlarm, U32),    STATE_VAR(AsiHighAlarmOn, U8),   STATE_VAR(AsiFilter, U8),
    STATE_VAR(AsiUnit, U8),          STATE_VAR(DistZeroAuto, U8),     STATE_VAR(HourFractDec, U8),
    STATE_VAR(TakeoffAirspeed, U32), STATE_VAR(FlightDetect, U8),     STATE_VAR(HobbsRpm, S32),
    STATE_VAR(RpmDisplayOn, U8),     STATE_VAR(RpmLowAlarm, S32),     STATE_VAR(RpmLowAlarmOn, U8),
    STATE_VAR(RpmHighAlarm, S32),    STATE_VAR(RpmHighAlarmOn, U8),   STATE_VAR(PulsesPerRev, S32),
    STATE_VAR(RpmPulseMode, U8),     STATE_VAR(RpmFilter, U8),        STATE_VAR(VoltsLowAlarm, U32),
    STATE_VAR(VoltsHighAlarm, U32),  STATE_VAR(VoltsLowAlarmOn, U8),  STATE_VAR(VoltsHighAlarmOn, U8),
    STATE_VAR(FuelUnit, U8),         STATE_VAR(FuelSpeedSource, U8),  STATE_VAR(FuelFlowOn, U8),
    STATE_VAR(KFactor, U32),         STATE_VAR(FuelLevelMode, U8),    STATE_VAR(FuelAlarmOn, U8),
    STATE_VAR(FuelAlarmLevel, S32),  STATE_VAR(TankSize, S32),        STATE_ARRAY(TankCal, S32),
    STATE_VAR(TankFilter, U8),       STATE_VAR(GpsBaud, U8),          STATE_VAR(AsiCal, U8),
    STATE_VAR(AsiZero, U32),         STATE_VAR(VoltsCal, U8),         STATE_VAR(AltCal, S8),
    STATE_VAR(VsiCal, U8),           STATE_VAR(OatCal, S8),           STATE_VAR(VsiZero, U32),
    STATE_VAR(HobbsCode, S32),
    STATE_VAR(SettingsSaveCount, U16), STATE_VAR(ContrastApplyCount, U16),
};
const StateTable SettingsState = STATE_TABLE(SettingsVars);
