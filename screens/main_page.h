#pragma once
// The main display page: altitude, airspeed, RPM, QNH, volts and VSI with its bar, and one
// of four information pages in the lower left quarter.
#include "../lcd/types.h"

/// Information page shown in the lower left quarter, 0..3.
extern u8 InfoPage;

/// The VSI bar's thresholds in units of 8 ft/min, one per chevron.
extern const u8 VsiBarSteps[32];

/// The screen function: draws the page, then handles the pending key.
void MainPageScreen();
/// Draws the whole page for the present values into the frame buffer.
void DrawMainPage();
/// Draws the VSI axis, its ticks and the chevron band from VsiFeetPerMin.
void DrawVsiBar();

/// Composes the text that the page shows at (x, y) in the present state (flashing rules
/// included) into `text` (32 bytes); false when nothing is shown there now.
bool ComposeMainPageText(u8 x, u8 y, char *text);

struct StateTable;
/// The main page's own variables by name.
extern const StateTable MainPageState;
