#pragma once
// Menu widgets: the title bar, label-and-value rows in the seven-row window below it,
// the 32 x 32 pictures and the unit texts appended to values.
//
// Grid: the title covers rows 0..7; item row r (0..6) lies at y = 8 + 8r. Texts handed to
// the Append and Format routines are 32-byte buffers; they never grow past 31 characters.
#include "types.h"

/// Size of the text buffers the widgets work on (31 characters and the terminating NUL).
constexpr u8 WidgetTextSize = 32;

/// Title bar: the text centred on x 64 at y 0 with a line at y 4 on each side of it.
void DrawTitle(char *text);
/// Constant-text twin of DrawTitle.
void DrawTitle(const char *text);

/// One line of large single-height text; nothing is drawn when y (as a byte) is 7 or less,
/// so a row scrolled onto the title line disappears.
void DrawRowText(u8 x, u8 y, char *text, u8 inverse);
/// Constant-text twin of DrawRowText.
void DrawRowText(u8 x, u8 y, const char *text, u8 inverse);

/// First item shown in the seven-row window for a cursor: 0 up to 6, else cursor - 6.
u8 ListTopFor(u8 cursor);

/// Label-and-value item on window row `row` (item index minus ListTop, may be negative):
/// label at x 0, value right after it plus valueGap. The cursor's row is inverted whole
/// while EditMode is 0 and only in its value while EditMode is 1.
void DrawMenuRow(u8 valueGap, s8 row, char *label, char *value);
/// Twin with a constant label.
void DrawMenuRow(u8 valueGap, s8 row, const char *label, char *value);
/// Twin with a constant label and value.
void DrawMenuRow(u8 valueGap, s8 row, const char *label, const char *value);

/// Copies picture `index` (0..15) opaquely to its fixed place: index 3 at x 8, rows 8..39;
/// index 5 at x 8, rows 16..47; every other at x 10, rows 16..47. Other indices draw nothing.
void DrawIcon(u8 index);

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
