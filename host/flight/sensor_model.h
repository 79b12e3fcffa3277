#pragma once
// The sensor model: for each of the instrument's inputs, the raw reading that makes the
// instrument show a physical value with its current settings (calibration trims, zero
// offsets, tank table, pulses per revolution, K-factor, units). It searches the instrument's
// own conversions over the input range, so it follows every setting.
#include "../../lcd/types.h"

/// The inputs a flight drives: the eight sliders in the slider table's order, then the GPS
/// ground speed (no slider: it goes straight to the instrument's GPS speed values).
enum FlightInput : u8 {
    InputAltitudeFt,   ///< pressure altitude, feet
    InputAirspeedMph,  ///< indicated airspeed, mph
    InputRpm,          ///< engine rpm
    InputVoltsV,       ///< bus volts
    InputFuelLitres,   ///< fuel in the tank, litres
    InputFlowLph,      ///< fuel flow, litres per hour
    InputOatC,         ///< outside air temperature, degrees C
    InputVsiFpm,       ///< vertical speed, ft/min
    InputGpsKnots,     ///< GPS ground speed, knots
    FlightInputCount
};

/// A physical unit of one input: value in the input's base unit = value x Scale + Offset.
struct FlightUnit {
    const char *Name;
    u8 Input;
    double Scale;
    double Offset;
};

/// The receiver of raw readings: moves one slider (input 0..7) to a raw position.
class InputSink {
public:
    virtual ~InputSink() = default;
    /// Puts the raw reading `raw` on input `input` (0..7, the slider table's order).
    virtual void MoveInput(u8 input, s32 raw) = 0;
};

/// What putting a physical value on an input gave.
struct SensorReading {
    s32 Raw = 0;          ///< the raw reading applied (GPS: whole knots)
    bool Clamped = false; ///< the value lay beyond what the sensor can represent
    double Shown = 0;     ///< what the instrument shows for Raw, in the input's base unit
};

/// Script name of an input: the slider names, and "gps-speed".
const char *FlightInputName(u8 input);
/// Finds an input by its script name; false if unknown.
bool FindFlightInput(const char *name, u8 &input);
/// The unit `name` of `input`, or nullptr.
const FlightUnit *FindFlightUnit(u8 input, const char *name);
/// The accepted unit names of an input, blank-separated (for messages).
const char *FlightUnitNames(u8 input);

/// The raw reading nearest to `value` (base unit) with the current settings; a value beyond
/// the sensor's range gives the nearest end of it and Clamped.
SensorReading RawForValue(u8 input, double value);
/// Puts `value` (base unit) on `input`: a slider through `sink`, the GPS speed directly.
SensorReading ApplyInputValue(u8 input, double value, InputSink &sink);
/// Turns a value from the input's base unit into `unit` (for messages).
double InUnit(const FlightUnit &unit, double value);

/// The raw VSI reading of a sensor at rest (mid-scale).
constexpr s32 VsiRestReading = 2048;
/// The ground routine before a flight: the VSI sensor at rest, taken as VSI ZERO (as the
/// ALT/VSI SETUP screen's ZERO does), so climbs show as climbs and descents as descents.
void ZeroVsiOnGround(InputSink &sink);
