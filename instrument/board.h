#pragma once
// What the board around the instrument's processor provides: the RPM pulse input, the
// alarm and backlight outputs, the display contrast and the non-volatile store. The firmware
// calls these; the board behind them is supplied from outside the firmware. On the desktop the
// store and the outputs are kept in memory (settings.cpp), and the RPM input comes from the
// front panel (host/panel_board.cpp).
#include "../lcd/types.h"

// ---- Inputs ----
/// Pulses the RPM input counted in the present Timer2 window.
s32 ReadRpmPulseInput();

// ---- Outputs ----
void BacklightOn();   ///< Backlight = 1
void BacklightOff();  ///< Backlight = 0
void AlarmOutputOn();
void AlarmOutputOff();
/// Display contrast hook; counts its calls like SaveSettings.
void ApplyContrast();
/// Calls of ApplyContrast since the program started.
extern u16 ContrastApplyCount;

// ---- Non-volatile store (nothing is kept beyond what each states) ----
/// Settings store hook; counts its calls so that the places that save can be checked.
void SaveSettings();
/// Calls of SaveSettings since the program started.
extern u16 SettingsSaveCount;
void SaveMaxValues();
void SaveHobbs();
void SaveFuelLevel(u32 level);
void SaveStartingLevel();
void SaveFuelUsed();
void SaveFuelTotal();
