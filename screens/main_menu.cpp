// The main menu and the shared DONE message.
#include "main_menu.h"

#include "../instrument/settings.h"
#include "../instrument/time_base.h"
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "navigation.h"
#include "screens.h"

namespace {

struct MainMenuEntry {
    const char *Line1;
    const char *Line2;  ///< nullptr: the caption is one line at y 26
    IconName Icon;
    ScreenFn Opens;
};

// One row per entry, in menu order; the entries after the first MainMenuEntries are shown
// only while the Calibrate input is set.
const MainMenuEntry Entries[] = {
    {"EXIT", "MENU", IconExit, MainPageScreen},
    {"MAXIMUM", "VALUES", IconMaxValues, MaxValuesScreen},
    {"FLIGHT", "LOG", IconFlightLog, FlightLogScreen},
    {"FUEL", "TOTAL", IconFuelTotal, FuelTotalScreen},
    {"DISPLAY", "SETUP", IconDisplaySetup, DisplaySetupScreen},
    {"HOBBS", "METER", IconHobbsMeter, HobbsMeterScreen},
    {"ALTITUDE", "SETUP", IconAltSetup, AltSetupScreen},
    {"AIRSPEED", "SETUP", IconAsiSetup, AsiSetupScreen},
    {"VSI", "SETUP", IconVsiSetup, VsiSetupScreen},
    {"RPM", "SETUP", IconRpmSetup, RpmSetupScreen},
    {"FUEL", "SETUP", IconFuelSetup, FuelSetupScreen},
    {"VOLTS", "SETUP", IconVoltsSetup, VoltsSetupScreen},
    {"ADC", "VALUES", IconAdcValues, AdcValuesScreen},
    {"CALIBRATE", nullptr, IconCalibrate, CalibrateScreen},
};
constexpr u8 EntryCount = sizeof Entries / sizeof Entries[0];
constexpr u8 CalibrateOnlyEntries = 2;
constexpr u8 MainMenuEntries = EntryCount - CalibrateOnlyEntries;

void DrawEntry(const MainMenuEntry &entry)
{
    DrawIcon(entry.Icon);
    if (entry.Line2 == nullptr) {
        DrawTextCentred(84, 26, entry.Line1, 1, 0);
    } else {
        DrawTextCentred(84, 18, entry.Line1, 1, 0);
        DrawTextCentred(84, 36, entry.Line2, 1, 0);
    }
}

void OpenEntry(const MainMenuEntry &entry)
{
    if (entry.Opens == MainPageScreen) SaveSettings();
    OpenScreen(entry.Opens);
}

} // namespace

const u8 MainMenuEntriesCalibrate = EntryCount;

u8 MainMenuEntryOf(ScreenFn screen)
{
    for (u8 i = 0; i < EntryCount; ++i)
        if (Entries[i].Opens == screen) return i;
    return 0;
}

void DrawScrollBar(u8 index, u8 count)
{
    if (count == 0) return;
    const u16 s = 560 / count;
    const u16 top = (index * s + 80) / 10;
    const u16 bottom = top + s / 10;
    DrawLine(125, 8, 125, 63, PixelSet);
    if (top < 64) FillBox(123, static_cast<u8>(top), 127, static_cast<u8>(bottom > 63 ? 63 : bottom), PixelSet);
}

void MainMenuScreen()
{
    const u8 count = CalibrateMode == 1 ? EntryCount : MainMenuEntries;
    // An entry beyond the table (only reachable by writing Cursor directly) shows the last one.
    if (Cursor >= EntryCount) Cursor = EntryCount - 1;
    DrawTitle(" MAIN MENU ");
    DrawScrollBar(Cursor, count);
    // The Calibrate entries stay shown and can be opened when Calibrate is unticked while the
    // cursor is on them; the cursor just cannot move further down.
    DrawEntry(Entries[Cursor]);
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    if (key == KeyCentre) OpenEntry(Entries[Cursor]);
    else MoveListCursor(key, static_cast<u8>(count - 1));
}

void DoneMessageScreen() { RunMessageBox("DONE"); }
