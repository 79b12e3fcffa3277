// FLIGHT LOG: the log pages of the last 30 flights, their erase, and the settings that
// govern flight timing (fraction format, flight detection, take-off airspeed).
#include <cstdio>

#include "../instrument/flight.h"
#include "../instrument/flight_log_store.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "asi_setup.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

u8 SelectedLogSlot;  ///< the slot whose entry the log page shows

constexpr u8 LogPages = 30;
constexpr u8 ViewLogRow = 1;
constexpr u8 EraseLogRow = 2;

// ---- FLIGHT LOG menu ----

// Bounds of the take-off airspeed in the current airspeed unit (an unknown unit uses mph's).
bool DetectIsOn() { return FlightDetect == 1; }

// Page `Cursor` shows the slot that many entries older than the newest one.
void LoadSelectedEntry()
{
    // Worked in 8 bits: 256 is a whole number of turns of 32 slots, so a page past the
    // oldest slot wraps round to slot 31.
    SelectedLogSlot = static_cast<u8>(static_cast<u8>(FlightLogIndex - Cursor) % FlightLogSlots);
    ReadFlightLogSlot(SelectedLogSlot, LogEntryBuffer);
}

void OpenLog()
{
    if (InFlight == 1) {
        ReturnScreen = FlightLogScreen;
        CurrentScreen = LogInFlightScreen;
        return;
    }
    OpenScreen(LogEntryScreen);
    LoadSelectedEntry();
}

void OpenErase() { CurrentScreen = EraseLogScreen; }

const MenuRow FlightLogRows[] = {
    ActionRow("VIEW LOG", OpenLog),
    ActionRow("ERASE LOG", OpenErase),
    ChoiceRow("HOUR FRACT: ", HourFractDec, HourFractNames),
    ChoiceRow("FLIGHT: ", FlightDetect, FlightDetectNames),
    NumberRow("T/O AIRSPD: ", TakeoffAirspeed, VariableBounds(AsiSettingBounds, StepWrapOnReach))
        .ShownWhen(DetectIsOn),
};
const MenuList FlightLogMenu = MenuList(" FLIGHT LOG ", FlightLogRows);

// ---- Log pages ----

void DrawEntryLines(const FlightLogEntry &entry)
{
    const char separator = HourFractDec == 1 ? '.' : ':';
    char text[WidgetTextSize];
    std::snprintf(text, sizeof text, "%04u/%02d/%02d %02d:%02d", static_cast<unsigned>(entry.Year) + 1900u,
                  entry.Month, entry.Day, entry.Hour, entry.Minute);
    DrawText(0, 16, text, 0, 0);
    std::snprintf(text, sizeof text, "FT: %02d%c%02d", entry.FlightHours, separator, entry.FlightFraction);
    DrawText(0, 24, text, 0, 0);
    std::snprintf(text, sizeof text, "HOBBS: %04u%c%02d", static_cast<unsigned>(entry.HobbsHours), separator,
                  entry.HobbsFraction);
    DrawText(0, 32, text, 0, 0);
    std::snprintf(text, sizeof text, "MAX ALT: %d", static_cast<int>(entry.MaxAltitude));
    DrawText(0, 40, text, 0, 0);
    std::snprintf(text, sizeof text, "MAX ASI: %u", static_cast<unsigned>(entry.MaxAirspeed));
    DrawText(0, 48, text, 0, 0);
    std::snprintf(text, sizeof text, "MAX RPM: %u", static_cast<unsigned>(entry.MaxRpm));
    DrawText(0, 56, text, 0, 0);
}

void HandlePageKey(u8 key)
{
    if (key == KeyCentre) {
        OpenScreen(FlightLogScreen, ViewLogRow);
        return;
    }
    const s8 direction = EditDirection(key);
    if (direction == 0) return;
    if (direction > 0 && Cursor < LogPages - 1) ++Cursor;
    if (direction < 0 && Cursor > 0) --Cursor;
    LoadSelectedEntry();
}

// ---- Notice and erase dialog ----

const TextLine InFlightLines[] = {
    {"FLIGHT", 84, 8, 0}, {"LOG CANT", 84, 18, 0}, {"BE VIEWED", 84, 28, 0},
    {"WHILE IN", 84, 38, 0}, {"FLIGHT", 84, 48, 0},
};

void EraseLog()
{
    EraseFlightLog();
    Cursor = EraseLogRow;
    ShowDoneMessage(FlightLogScreen);
}

const TextLine EraseLines[] = {{"ERASE", 84, 3, 1}, {"FLIGHT", 84, 20, 1}, {"LOG", 84, 37, 1}};
const ConfirmDialog EraseDialog =
    ConfirmDialog(IconQuestion, EraseLines, " ERASE ", EraseLog, FlightLogScreen).Ignoring(KeyBit(KeyClockwise) | KeyBit(KeyAntiClockwise));

const StateVar FlightLogVars[] = {
    STATE_VAR(SelectedLogSlot, U8),
};

} // namespace

const StateTable FlightLogScreenState = STATE_TABLE(FlightLogVars);

void FlightLogScreen() { RunMenuList(FlightLogMenu); }

void LogEntryScreen()
{
    // A page beyond the last one (only reachable by writing Cursor directly) shows the last.
    if (Cursor >= LogPages) {
        Cursor = LogPages - 1;
        LoadSelectedEntry();
    }
    char title[WidgetTextSize];
    std::snprintf(title, sizeof title, " LOG: %d OF %d ", Cursor + 1, LogPages);
    DrawTitle(title);
    DrawTextCentred(64, 8, "*** DONE ***", 0, 1);
    if (LogEntryBuffer.FlightHours >= FlightLogEmptyHours) DrawTextCentred(64, 30, "EMPTY", 1, 0);
    else DrawEntryLines(LogEntryBuffer);
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    HandlePageKey(key);
}

void LogInFlightScreen()
{
    DrawIcon(IconMessage);
    DrawTextLines(InFlightLines, sizeof InFlightLines / sizeof InFlightLines[0]);
    CloseOnAnyKey(ReturnScreen);
}

void EraseLogScreen() { RunConfirmDialog(EraseDialog); }
