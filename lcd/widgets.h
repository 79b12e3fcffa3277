#pragma once
// Menu widgets: the title bar, label-and-value rows in the seven-row window below it,
// the 32 x 32 pictures and bounded appends to the widgets' texts.
//
// Grid: the title covers rows 0..7; item row r (0..6) lies at y = 8 + 8r. Texts handed to
// the Append and Format routines are 32-byte buffers; they never grow past 31 characters.
#include "icons.h"
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

/// How much of a label-and-value row is inverted.
enum RowHighlight : u8 {
    HighlightNone,   ///< a row away from the cursor
    HighlightRow,    ///< the cursor's row while browsing: label and value
    HighlightValue,  ///< the cursor's row while its value is edited: the value only
};

/// Label-and-value item on window row `row` (item index minus ListTop, may be negative):
/// label at x 0, value right after it plus valueGap, inverted as `highlight` says.
void DrawMenuRow(u8 valueGap, s8 row, char *label, char *value, RowHighlight highlight);
/// Twin with a constant label.
void DrawMenuRow(u8 valueGap, s8 row, const char *label, char *value, RowHighlight highlight);
/// Twin with a constant label and value.
void DrawMenuRow(u8 valueGap, s8 row, const char *label, const char *value, RowHighlight highlight);

/// Copies picture `icon` opaquely to its fixed place: IconQuestion at x 8, rows 8..39;
/// IconMessage at x 8, rows 16..47; every other at x 10, rows 16..47. A number past the
/// last picture draws nothing.
void DrawIcon(IconName icon);

/// Appends `tail` to a WidgetTextSize buffer, cut so that the text stays within 31 characters.
void AppendText(char *text, const char *tail);
