#include "airdata.h"

#include <cmath>

#include "engine_fuel.h"
#include "flight.h"
#include "inputs.h"
#include "settings.h"
#include "state_table.h"
#include "units.h"

u32 AdcAltitude;
s32 AdcVsi;
u32 AdcAirspeed;
u32 AdcVolts;
s32 AdcOat;
u32 StaticPressure;
u32 VsiScale;
s32 PressureAltitude;
s32 AltitudeFeet;
s32 Altitude;
s32 Vsi;
s32 VsiFeetPerMin;
u8 VsiClimbing;
s32 VsiDrift;
u32 AirspeedMph;
u32 Airspeed;
u32 TrueAirspeed;
u32 GlideRatio;
u32 AirDistance;
u32 Volts;
s32 OatCelsius;
s32 Oat;
u32 AirspeedFilterState;
u32 VsiFilterState;
s32 PressureAltitudeFilterState;
s32 QnhAltitudeFilterState;
s32 PrevAltitudeFeet;
s32 MaxAltitude;
u32 MaxAirspeed;
u32 MaxVolts;
s32 MinOat;
s32 MaxOat;
u8 AlarmFlags;
u8 AlarmAcknowledged;

void SetAlarm(u8 bit, bool condition)
{
    if (condition) {
        AlarmFlags |= bit;
    } else {
        AlarmFlags &= static_cast<u8>(~bit);
        AlarmAcknowledged &= static_cast<u8>(~bit);
    }
}

bool AirspeedAlarmCondition()
{
    return (Airspeed > AsiHighAlarm && AsiHighAlarmOn == 1) ||
           (Airspeed < AsiLowAlarm && AsiLowAlarmOn == 1 && InFlight == 1);
}

bool VoltsAlarmCondition()
{
    return (Volts > VoltsHighAlarm && VoltsHighAlarmOn == 1) || (Volts < VoltsLowAlarm && VoltsLowAlarmOn == 1);
}

// Unsigned comparisons, as for the Hobbs threshold.
bool RpmAlarmCondition()
{
    return (RpmLowAlarmOn == 1 && Rpm < static_cast<u32>(RpmLowAlarm)) ||
           (RpmHighAlarmOn == 1 && Rpm > static_cast<u32>(RpmHighAlarm));
}

const u32 PressureTableA[41] = {
    3346, 3213, 3084, 2958, 2837, 2719, 2604, 2493, 2385, 2281, 2180, 2082, 1986, 1894,
    1805, 1719, 1635, 1555, 1476, 1401, 1328, 1257, 1189, 1123, 1059, 997,  938,  880,
    825,  772,  720,  671,  623,  577,  533,  490,  449,  410,  372,  336,  302,
};
const u32 PressureTableB[40] = {
    751,  775,  793,  826,  847,  869,  900,  925,  961,  990,  1020, 1052, 1086, 1111,
    1162, 1204, 1234, 1282, 1315, 1369, 1408, 1470, 1515, 1562, 1612, 1694, 1754, 1785,
    1886, 1923, 2040, 2083, 2173, 2272, 2325, 2439, 2564, 2631, 2857, 2941,
};

namespace {

constexpr double StandardPressureInverse = 9.869232667160128e-7;  // 1 / 1013250
constexpr double AltitudeExponent = 0.190263;
constexpr double AltitudeScaleFeet = 145440.688061;
// Altitudes are held within this many feet: only a nonsensical QNH (0, or a few millibar)
// computes more, and the filters and the metre conversion stay inside 32 bits with it.
constexpr double AltitudeLimitFeet = 1000000.0;
constexpr s32 AltitudeJumpFeet = 25;

/// Feet above the reference pressure for a pressure ratio, truncated toward zero.
s32 FeetForPressureRatio(double ratio)
{
    const double feet = (1.0 - std::pow(ratio, AltitudeExponent)) * AltitudeScaleFeet;
    if (std::isnan(feet)) return 0;
    if (feet > AltitudeLimitFeet) return static_cast<s32>(AltitudeLimitFeet);
    if (feet < -AltitudeLimitFeet) return -static_cast<s32>(AltitudeLimitFeet);
    return static_cast<s32>(feet);
}

/// The altitude filter: a step of more than 25 ft is taken at once, smaller steps through 1/8.
s32 FilterAltitude(s32 &state, s32 feet)
{
    const s32 filtered = state >> 3;
    if (feet > filtered + AltitudeJumpFeet || feet < filtered - AltitudeJumpFeet) {
        state = 8 * feet;
        return feet;
    }
    state = (7 * state + 8 * feet) >> 3;
    return state >> 3;
}

/// Static pressure in thousandths of a millibar from the corrected sensor reading.
u32 PressureFromReading(u32 reading)
{
    const float sensorVolts = static_cast<float>(reading * 5.0 / 4096.0);
    const float kiloPascal = static_cast<float>((0.2 * sensorVolts + 0.095) * 1000.0 / 9.0);
    return static_cast<u32>(10000.0 * kiloPascal);
}

/// VSI scale for a pressure reading: the factor of the 1000 ft band it falls in.
u32 LookUpVsiScale(u32 reading)
{
    for (u8 i = 1; i < 40; ++i) {
        if (PressureTableA[i] <= reading) {
            return PressureTableA[i - 1] >= reading ? PressureTableB[i - 1] : PressureTableB[0];
        }
    }
    return PressureTableB[39];
}

/// The unsigned airspeed filter selected by AsiFilter.
u32 FilterAirspeed(u32 a)
{
    switch (AsiFilter) {
    case 1:
        AirspeedFilterState = (2 * a + AirspeedFilterState) >> 1;
        return AirspeedFilterState >> 1;
    case 2:
        AirspeedFilterState = (3 * AirspeedFilterState + 4 * a) >> 2;
        return AirspeedFilterState >> 2;
    default: return a;
    }
}

/// The airspeed reading above the zero offset.
u32 AboveAsiZero(u32 adc)
{
    const u32 a = AsiZero > adc ? 0 : adc - AsiZero;
    return a > 32768 ? 0 : a;
}

/// Indicated mph for a filtered reading above the zero: root, calibration, 250 at most,
/// under 16 as 0.
u32 MphForFilteredReading(u32 a)
{
    u32 mph = AsiCal * IntSqrt(15 * a) / 100;
    if (mph > 250) mph = 250;
    return mph < 16 ? 0 : mph;
}

/// Indicated airspeed in mph from the raw reading: zero offset, filter, root, calibration.
u32 IndicatedMph()
{
    AdcAirspeed = ReadAdc(2);
    return MphForFilteredReading(FilterAirspeed(AboveAsiZero(AdcAirspeed)));
}

/// The static-pressure reading with the ALT calibration offset; a negative sum at the very
/// bottom of the range reads as the lowest pressure.
u32 CorrectedPressureReading(u32 adc)
{
    const s32 sum = static_cast<s32>(adc) + AltCal;
    return sum < 0 ? 0 : static_cast<u32>(sum);
}

/// The VSI reading after the drift correction, before the filter.
u32 DriftCorrectedVsi(s32 adc)
{
    const s32 r = VsiDrift / 10 + adc;
    return r < 0 ? 0 : static_cast<u32>(r);
}

/// Climb or sink in ft/min, without sign, for the distance of the filtered reading from the
/// zero: scaled by the band's factor and VSI CAL, at most 9999.
s32 VsiMagnitude(u32 distance, u32 scale)
{
    // 64-bit so that a zero far outside the input range still gives a number.
    const u64 scaled = static_cast<u64>(distance) * scale / 66;
    const u64 calibrated = VsiCal * scaled / 100;
    return calibrated > 9999 ? 9999 : static_cast<s32>(calibrated);
}

/// True airspeed: 1.75 % more per 1000 ft, less below the QNH reference, never below 0.
u32 TrueFromIndicated(u32 mph)
{
    const s32 increment = (AltitudeFeet / 100) * static_cast<s32>(mph * 175) / 100000;
    const s32 tas = static_cast<s32>(mph) + increment;
    return tas < 0 ? 0 : static_cast<u32>(tas);
}

void UpdateGlideRatio()
{
    const u32 g = TrueAirspeed * 5280 / 60;
    const u32 sink = static_cast<u32>(VsiFeetPerMin < 0 ? -VsiFeetPerMin : VsiFeetPerMin);
    if (sink > 0) GlideRatio = g * 10 / sink;
    if (GlideRatio > 999) GlideRatio = 999;
}

} // namespace

u32 InAirspeedUnit(u32 mph) { return MphIn(AsiUnit, mph); }

u32 IntSqrt(u32 x)
{
    u32 root = 0;
    for (u32 bit = 1u << 28; bit != 0; bit /= 4) {
        const u32 t = root + bit;
        root /= 2;
        if (t <= x) {
            x -= t;
            root += bit;
        }
    }
    return root;
}


void UpdateAltitude()
{
    AdcAltitude = ReadAdc(0);
    const u32 reading = CorrectedPressureReading(AdcAltitude);
    StaticPressure = PressureFromReading(reading);
    VsiScale = LookUpVsiScale(reading);

    PressureAltitude = FilterAltitude(PressureAltitudeFilterState,
                                      FeetForPressureRatio(StaticPressure * StandardPressureInverse));
    AltitudeFeet = FilterAltitude(QnhAltitudeFilterState,
                                  FeetForPressureRatio(static_cast<double>(StaticPressure) / Qnh));
    Altitude = FeetInAltUnit(AltitudeFeet);

    if (Altitude > CurrentFlight.MaxAltitude) CurrentFlight.MaxAltitude = Altitude;
    if (Altitude > MaxAltitude) MaxAltitude = Altitude;
}

void UpdateVsi()
{
    AdcVsi = static_cast<s32>(ReadAdc(1));
    VsiFilterState = (3 * VsiFilterState + 4 * DriftCorrectedVsi(AdcVsi)) >> 2;
    const u32 f = VsiFilterState >> 2;

    u32 d;
    if (f >= VsiZero) {
        VsiClimbing = 0;
        d = f - VsiZero;
    } else {
        VsiClimbing = 1;
        d = VsiZero - f;
    }
    s32 v = VsiMagnitude(d, VsiScale);

    // While the altitude stands still a reading off zero is sensor drift: walk it back.
    if (AltitudeFeet == PrevAltitudeFeet && v > 0) {
        if (VsiClimbing == 1 && VsiDrift < 100) ++VsiDrift;
        if (VsiClimbing == 0 && VsiDrift > -100) --VsiDrift;
    }
    if (v < 20) v = 0;
    if (VsiClimbing == 0) v = -v;

    VsiFeetPerMin = v;
    PrevAltitudeFeet = AltitudeFeet;
    Vsi = VsiUnit == 1 ? static_cast<s32>(v * 0.508) : v;
}

void UpdateAirspeed()
{
    const u32 mph = IndicatedMph();
    Airspeed = mph;
    TrueAirspeed = TrueFromIndicated(mph);
    UpdateGlideRatio();
    AirDistance += TrueAirspeed;
    AirspeedMph = mph;
    Airspeed = InAirspeedUnit(mph);

    if (Airspeed > CurrentFlight.MaxAirspeed) CurrentFlight.MaxAirspeed = Airspeed;
    if (Airspeed > MaxAirspeed) MaxAirspeed = Airspeed;
    SetAlarm(AlarmAirspeed, AirspeedAlarmCondition());
}

void UpdateVolts()
{
    AdcVolts = ReadAdc(4);
    Volts = VoltsForAdc(AdcVolts);
    SetAlarm(AlarmVolts, VoltsAlarmCondition());
    if (Volts > MaxVolts) MaxVolts = Volts;
}

void UpdateOat()
{
    AdcOat = static_cast<s32>(ReadAdc(6));
    OatCelsius = OatCelsiusForAdc(static_cast<u32>(AdcOat));
    Oat = TempUnit == 1 ? ToFahrenheit(OatCelsius) : OatCelsius;
    if (Oat < MinOat) MinOat = Oat;
    if (Oat > MaxOat) MaxOat = Oat;
}

s32 PressureAltitudeForAdc(u32 adc)
{
    const u32 pressure = PressureFromReading(CorrectedPressureReading(adc));
    return FeetForPressureRatio(pressure * StandardPressureInverse);
}

u32 VsiScaleForAdc(u32 altitudeAdc) { return LookUpVsiScale(CorrectedPressureReading(altitudeAdc)); }

s32 VsiFeetPerMinForAdc(u32 adc, u32 scale)
{
    const u32 f = DriftCorrectedVsi(static_cast<s32>(adc));
    // A reading above the zero is a descent, as in UpdateVsi.
    const bool aboveZero = f >= VsiZero;
    const s32 v = VsiMagnitude(aboveZero ? f - VsiZero : VsiZero - f, scale);
    if (v < 20) return 0;
    return aboveZero ? -v : v;
}

u32 IndicatedMphForAdc(u32 adc) { return MphForFilteredReading(AboveAsiZero(adc)); }

u32 VoltsForAdc(u32 adc) { return adc * 800 * VoltsCal / 1000000; }

s32 OatCelsiusForAdc(u32 adc) { return static_cast<s32>(adc) * 1221 / 10000 - 273 + OatCal; }

void ResetMaxValues()
{
    MaxAirspeed = Airspeed;
    MaxAltitude = Altitude;
    MaxRpm = Rpm;
    MaxVolts = Volts;
    MinOat = Oat;
    MaxOat = Oat;
    SaveMaxValues();
}

static const StateVar AirDataVars[] = {
    STATE_VAR(AdcAltitude, U32),      STATE_VAR(AdcVsi, S32),
    STATE_VAR(AdcAirspeed, U32),      STATE_VAR(AdcVolts, U32),
    STATE_VAR(AdcOat, S32),           STATE_VAR(StaticPressure, U32),
    STATE_VAR(VsiScale, U32),         STATE_VAR(PressureAltitude, S32),
    STATE_VAR(AltitudeFeet, S32),     STATE_VAR(Altitude, S32),
    STATE_VAR(Vsi, S32),              STATE_VAR(VsiFeetPerMin, S32),
    STATE_VAR(VsiClimbing, U8),       STATE_VAR(VsiDrift, S32),
    STATE_VAR(AirspeedMph, U32),      STATE_VAR(Airspeed, U32),
    STATE_VAR(TrueAirspeed, U32),     STATE_VAR(GlideRatio, U32),
    STATE_VAR(AirDistance, U32),      STATE_VAR(Volts, U32),
    STATE_VAR(OatCelsius, S32),       STATE_VAR(Oat, S32),
    STATE_VAR(AirspeedFilterState, U32), STATE_VAR(VsiFilterState, U32),
    STATE_VAR(PressureAltitudeFilterState, S32), STATE_VAR(QnhAltitudeFilterState, S32),
    STATE_VAR(PrevAltitudeFeet, S32), STATE_VAR(MaxAltitude, S32),
    STATE_VAR(MaxAirspeed, U32),      STATE_VAR(MaxVolts, U32),
    STATE_VAR(MinOat, S32),           STATE_VAR(MaxOat, S32),
    STATE_VAR(AlarmFlags, U8),        STATE_VAR(AlarmAcknowledged, U8),
};
const StateTable AirDataState = STATE_TABLE(AirDataVars);
