#pragma once
// The unit texts that follow a value, by the unit settings, and fuel quantities in the
// fuel unit. Texts are WidgetTextSize buffers; nothing is written past their 31 characters.
#include "../lcd/types.h"

/// Appends "|C" or "|F" by TempUnit (the bar is the degree-sign glyph).
void AppendTempUnit(char *text);
/// Appends "ft" or "m" by AltUnit.
void AppendAltUnit(char *text);
/// Appends "mph", "km/h" or "knots" by AsiUnit.
void AppendSpeedUnit(char *text);
/// Appends "L" for the litre fuel units, "G" for the gallon units; nothing for others.
void AppendFuelUnit(char *text);
/// Writes a fuel quantity: "%4d" for the litre units, "%4.1f" of value x 0.1 for the gallon
/// units; an unknown FuelUnit leaves the text unchanged.
void FormatFuelAmount(char *text, s32 value);
