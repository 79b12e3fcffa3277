#include "sensor_model.h"

#include <cmath>
#include <cstring>

#include "../../instrument/airdata.h"
#include "../../instrument/engine_fuel.h"
#include "../../instrument/inputs.h"
#include "../../instrument/settings.h"
#include "../panel_actions.h"

namespace {

constexpr double LitresPerGallon = 3.785411784;

bool GallonUnits() { return (FuelUnit & 1) != 0; }

double AltitudeForRaw(s32 raw) { return PressureAltitudeForAdc(static_cast<u32>(raw)); }
double AirspeedForRaw(s32 raw) { return IndicatedMphForAdc(static_cast<u32>(raw)); }
double RpmForRaw(s32 raw) { return RpmForPulses(static_cast<u32>(raw)); }
double VoltsForRaw(s32 raw) { return VoltsForAdc(static_cast<u32>(raw)) / 10.0; }
double OatForRaw(s32 raw) { return OatCelsiusForAdc(static_cast<u32>(raw)); }

// Gallon units count the level in tenths of a gallon.
double FuelForRaw(s32 raw)
{
    const double level = FuelLevelForAdc(static_cast<u32>(raw));
    return GallonUnits() ? level * 0.1 * LitresPerGallon : level;
}

double FlowForRaw(s32 raw)
{
    const double flow = FuelFlowForPulses(static_cast<u32>(raw)) / 10.0;
    return GallonUnits() ? flow * LitresPerGallon : flow;
}

// The VSI factor follows the altitude reading, so the altitude is applied first.
double VsiForRaw(s32 raw)
{
    return VsiFeetPerMinForAdc(static_cast<u32>(raw), VsiScaleForAdc(ReadInputLatch(InputAltitude)));
}

/// One slider input: its conversion, the raw range searched and how far beyond the shown
/// range a value may lie before it counts as clamped (about one display step).
struct SensorDef {
    double (*Shows)(s32 raw);
    s32 Low;
    s32 High;
    double Slack;
};

// The fuel sender reads as an error above 3900, so the search stops there.
const SensorDef SensorDefs[InputGpsKnots] = {
    {AltitudeForRaw, 0, AdcFullScale, 40.0}, {AirspeedForRaw, 0, AdcFullScale, 1.0},
    {RpmForRaw, 0, AdcFullScale, 10.0},      {VoltsForRaw, 0, AdcFullScale, 0.1},
    {FuelForRaw, 0, 3900, 0.5},              {FlowForRaw, 0, AdcFullScale, 0.5},
    {OatForRaw, 0, AdcFullScale, 1.0},       {VsiForRaw, 0, AdcFullScale, 20.0},
};

constexpr double GpsMaxKnots = 999;

const FlightUnit Units[] = {
    {"ft", InputAltitudeFt, 1, 0},          {"m", InputAltitudeFt, 3.280839895, 0},
    {"kt", InputAirspeedMph, 1.150779448, 0}, {"mph", InputAirspeedMph, 1, 0},
    {"kmh", InputAirspeedMph, 0.621371192, 0}, {"rpm", InputRpm, 1, 0},
    {"V", InputVoltsV, 1, 0},               {"l", InputFuelLitres, 1, 0},
    {"usgal", InputFuelLitres, LitresPerGallon, 0}, {"lph", InputFlowLph, 1, 0},
    {"gph", InputFlowLph, LitresPerGallon, 0}, {"c", InputOatC, 1, 0},
    {"f", InputOatC, 5.0 / 9.0, -160.0 / 9.0}, {"fpm", InputVsiFpm, 1, 0},
    {"mps", InputVsiFpm, 196.8503937, 0},   {"kt", InputGpsKnots, 1, 0},
};

const char *const UnitNameLists[FlightInputCount] = {
    "ft m", "kt mph kmh", "rpm", "V", "l usgal", "lph gph", "c f", "fpm mps", "kt",
};

/// The first raw reading in low..high for which `reaches` holds (high + 1 if none); the
/// readings that reach form one run up to high, as the conversions are monotonic.
template <typename Predicate>
s32 FirstReaching(s32 low, s32 high, Predicate reaches)
{
    ++high;
    while (low < high) {
        const s32 middle = low + (high - low) / 2;
        if (reaches(middle)) high = middle;
        else low = middle + 1;
    }
    return low;
}

/// The raw reading for `value`, by bisection over the monotonic conversion (rising or
/// falling): a reading that shows the largest value not above it, as the instrument's
/// truncating arithmetic shows a physical value. Of the readings that show it the middle one
/// is taken, so a filter settling a count short still shows it.
SensorReading SearchRaw(const SensorDef &def, double value)
{
    const double atLow = def.Shows(def.Low);
    const double atHigh = def.Shows(def.High);
    const double sign = atHigh >= atLow ? 1 : -1;
    auto shows = [&](s32 raw) { return sign * def.Shows(raw); };  // rising in raw
    s32 raw = sign > 0 ? FirstReaching(def.Low, def.High, [&](s32 r) { return shows(r) > value; }) - 1
                       : FirstReaching(def.Low, def.High, [&](s32 r) { return shows(r) >= -value; });
    raw = raw < def.Low ? def.Low : (raw > def.High ? def.High : raw);
    const double best = shows(raw);
    const s32 first = FirstReaching(def.Low, def.High, [&](s32 r) { return shows(r) >= best; });
    const s32 beyond = FirstReaching(def.Low, def.High, [&](s32 r) { return shows(r) > best; });
    SensorReading reading;
    reading.Raw = first + (beyond - 1 - first) / 2;
    reading.Shown = def.Shows(reading.Raw);
    const double least = sign > 0 ? atLow : atHigh, most = sign > 0 ? atHigh : atLow;
    reading.Clamped = value < least - def.Slack || value > most + def.Slack;
    return reading;
}

} // namespace

const char *FlightInputName(u8 input)
{
    if (input < InputGpsKnots) return Sliders[input].Name;
    return input == InputGpsKnots ? "gps-speed" : "?";
}

bool FindFlightInput(const char *name, u8 &input)
{
    for (u8 i = 0; i < FlightInputCount; ++i) {
        if (std::strcmp(name, FlightInputName(i)) == 0) {
            input = i;
            return true;
        }
    }
    return false;
}

const FlightUnit *FindFlightUnit(u8 input, const char *name)
{
    for (const FlightUnit &unit : Units)
        if (unit.Input == input && std::strcmp(unit.Name, name) == 0) return &unit;
    return nullptr;
}

const char *FlightUnitNames(u8 input) { return input < FlightInputCount ? UnitNameLists[input] : ""; }

double InUnit(const FlightUnit &unit, double value) { return (value - unit.Offset) / unit.Scale; }

SensorReading RawForValue(u8 input, double value)
{
    // In TIME mode the RPM input is a pulse period: no pulses (0) read as 0 rpm, and from 1
    // on the rpm falls as the period grows.
    if (input == InputRpm && RpmPulseMode == 1) {
        if (value < 0.5) return SensorReading{};
        SensorDef periods = SensorDefs[InputRpm];
        periods.Low = 1;
        return SearchRaw(periods, value);
    }
    if (input < InputGpsKnots) return SearchRaw(SensorDefs[input], value);
    SensorReading reading;
    const double knots = std::round(value);
    reading.Clamped = knots < 0 || knots > GpsMaxKnots;
    reading.Raw = static_cast<s32>(knots < 0 ? 0 : (knots > GpsMaxKnots ? GpsMaxKnots : knots));
    reading.Shown = reading.Raw;
    return reading;
}

SensorReading ApplyInputValue(u8 input, double value, InputSink &sink)
{
    const SensorReading reading = RawForValue(input, value);
    if (input < InputGpsKnots) {
        sink.MoveInput(input, reading.Raw);
    } else {
        GpsSpeedKnots = reading.Raw;
        GpsSpeedMph = static_cast<s32>(std::lround(reading.Raw * 1.150779448));
        GpsSpeedKmh = static_cast<s32>(std::lround(reading.Raw * 1.852));
    }
    return reading;
}

void ZeroVsiOnGround(InputSink &sink)
{
    sink.MoveInput(InputVsiFpm, VsiRestReading);
    VsiZero = VsiRestReading;
    VsiFilterState = 4 * VsiRestReading;
}
