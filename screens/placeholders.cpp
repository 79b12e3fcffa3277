// Screens still to be built: each shows its name and returns to the main menu on any key.
// A line is removed here when the real screen exists.
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "navigation.h"
#include "screens.h"

static void PlaceholderScreen(const char *name)
{
    DrawTextCentred(64, 20, name, 0, 0);
    DrawTextCentred(64, 36, "NOT BUILT YET", 0, 0);
    if (KeySlot == 0) return;
    KeySlot = 0;
    Cursor = 0;
    EditMode = 0;
    CurrentScreen = MainMenuScreen;
}

#define PLACEHOLDER(fn, name) \
    void fn() { PlaceholderScreen(name); }

PLACEHOLDER(FuelSetupScreen, "FUEL SETUP")
PLACEHOLDER(TankCalScreen, "TANK CAL")
PLACEHOLDER(SlopeErrorScreen, "SLOPE ERROR")
PLACEHOLDER(FuelTotalScreen, "FUEL TOTAL")
PLACEHOLDER(StartingLevelScreen, "STARTING LEVEL")
