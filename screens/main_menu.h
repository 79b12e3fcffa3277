#pragma once
// The main menu: one entry at a time, picture, two-line caption and a position bar.
#include "../lcd/types.h"

/// Entries of the main menu without and with the Calibrate box ticked.
constexpr u8 MainMenuEntries = 12;
constexpr u8 MainMenuEntriesCalibrate = 14;

/// Position bar at the right edge: a line at x 125 from y 8 down, and a box x 123..127 from
/// y (index x s + 80) / 10 to that plus s / 10, where s = 560 / count.
void DrawScrollBar(u8 index, u8 count);
