#pragma once
// The main menu: one entry at a time, picture, two-line caption and a position bar.
#include "../lcd/types.h"

#include "navigation.h"

/// Entries of the main menu with the Calibrate input set (the last two, ADC VALUES and
/// CALIBRATE, are shown only then).
extern const u8 MainMenuEntriesCalibrate;

/// The main-menu entry that opens `screen`; 0 (EXIT MENU) for a screen no entry opens.
u8 MainMenuEntryOf(ScreenFn screen);

/// Position bar at the right edge: a line at x 125 from y 8 down, and a box x 123..127 from
/// y (index x s + 80) / 10 to that plus s / 10, where s = 560 / count.
void DrawScrollBar(u8 index, u8 count);
