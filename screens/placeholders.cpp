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

PLACEHOLDER(FlightLogScreen, "FLIGHT LOG")
PLACEHOLDER(LogEntryScreen, "LOG ENTRY")
PLACEHOLDER(LogInFlightScreen, "LOG IN FLIGHT")
PLACEHOLDER(EraseLogScreen, "ERASE LOG")
PLACEHOLDER(HobbsMeterScreen, "HOBBS METER")
PLACEHOLDER(SetHobbsTimeScreen, "SET HOBBS")
PLACEHOLDER(SetMaintTimeScreen, "SET MAINT")
PLACEHOLDER(EnterHobbsCodeScreen, "HOBBS CODE")
PLACEHOLDER(EnterCurrentCodeScreen, "CURRENT CODE")
PLACEHOLDER(EnterNewCodeScreen, "NEW CODE")
PLACEHOLDER(ConfirmNewCodeScreen, "CONFIRM CODE")
PLACEHOLDER(IncorrectCodeScreen, "INCORRECT CODE")
PLACEHOLDER(CodeChangedScreen, "CODE CHANGED")
PLACEHOLDER(DisplaySetupScreen, "DISPLAY SETUP")
PLACEHOLDER(ContrastScreen, "CONTRAST")
PLACEHOLDER(DateTimeScreen, "DATE&TIME")
PLACEHOLDER(AltSetupScreen, "ALT SETUP")
PLACEHOLDER(VsiSetupScreen, "VSI SETUP")
PLACEHOLDER(ZeroVsiScreen, "ZERO VSI")
PLACEHOLDER(AsiSetupScreen, "ASI SETUP")
PLACEHOLDER(ZeroAsiScreen, "ZERO ASI")
PLACEHOLDER(VoltsSetupScreen, "VOLTS SETUP")
PLACEHOLDER(RpmSetupScreen, "RPM SETUP")
PLACEHOLDER(AdcValuesScreen, "ADC VALUES")
PLACEHOLDER(CalibrateScreen, "CALIBRATE")
