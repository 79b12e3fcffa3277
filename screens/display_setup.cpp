// DISPLAY SETUP with its two sub-screens: the contrast bar and the date and time editor.
#include "../instrument/airdata.h"
#include "../instrument/flight.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "unit_text.h"
#include "screens.h"

// The clock fields while SET DATE&TIME edits them (the year in full).
u32 EditYear;
u8 EditMonth;
u8 EditDay;
u8 EditHour;
u8 EditMinute;
u8 EditSecond;

namespace {

// ---- DISPLAY SETUP ----

constexpr u8 AdjustContrastRow = 1;
constexpr u8 SetDateTimeRow = 3;

void OpenContrast() { OpenScreen(ContrastScreen); }

// The editor works on its own copy, so the running clock does not disturb the edit. A clock
// that has not been read since the program started is read first, so the editor starts
// from today rather than from an empty date.
void OpenDateTime()
{
    if (RealTimeClock.Month == 0) ReadClock();
    EditYear = static_cast<u32>(RealTimeClock.Year) + 1900u;
    EditMonth = RealTimeClock.Month;
    EditDay = RealTimeClock.Day;
    EditHour = RealTimeClock.Hour;
    EditMinute = RealTimeClock.Minute;
    EditSecond = RealTimeClock.Second;
    OpenScreen(DateTimeScreen);
}

void ApplyBacklight()
{
    if (Backlight == 1) BacklightOn();
    else BacklightOff();
}

void FlipTempUnit(s8) { TempUnit = TempUnit == 0 ? 1 : 0; }

// The temperature and its extremes follow the new unit at once: the extremes start again
// from the present temperature, so MAX VALUES never shows numbers of the other unit.
void TempUnitChanged()
{
    UpdateOat();
    ResetMaxValues();
}

const MenuRow DisplayRows[] = {
    ActionRow("ADJUST CONTRAST", OpenContrast),
    ChoiceRow("BACKLIGHT: ", Backlight, OffOnNames).OnChange(ApplyBacklight),
    ActionRow("SET DATE&TIME", OpenDateTime),
    CustomRow("TEMP UNIT: ", AppendTempUnit, FlipTempUnit).OnChange(TempUnitChanged),
};
const MenuList DisplaySetup = MenuList(" DISPLAY SETUP ", DisplayRows);

// ---- CONTRAST ----

// Steps of 2 that stop at the ends; from the power-on value 32 the even values 0..62.
constexpr NumberRule ContrastRule = FixedStep(0, 63, StepStop, 2);
// The bar never reaches past the frame, whatever value the setting holds.
constexpr u8 ContrastBarEnd = 126;

const TextLine ContrastLines[] = {
    {"USE { } OR ~", 64, 40, 0},
    {"TO ADJUST THE", 64, 48, 0},
    {"CONTRAST", 64, 56, 0},
};

void DrawContrastBar()
{
    const u16 end = 2 * Contrast + 1;
    FillBox(1, 15, static_cast<u8>(end > ContrastBarEnd ? ContrastBarEnd : end), 25, PixelSet);
    DrawFrame(1, 15, ContrastBarEnd, 25, PixelSet);
}

// ---- SET DATE&TIME ----

// Full year 1970..2100; a year loaded below 1970 still counts up from where it is.
constexpr NumberRule YearRule = KeyStepRule(1970, 2100, StepWrap);

const EditorField DateTimeFields[] = {
    {20, 20, RefTo(EditYear), YearRule, "%04d"},
    {62, 20, RefTo(EditMonth), FixedStep(1, 12, StepWrap, 1), "%02d"},
    {89, 20, RefTo(EditDay), FixedStep(1, 31, StepWrap, 1), "%02d"},
    {31, 40, RefTo(EditHour), FixedStep(0, 23, StepWrap, 1), "%02d"},
    {55, 40, RefTo(EditMinute), KeyStepRule(0, 59, StepWrap), "%02d"},
    {79, 40, RefTo(EditSecond), KeyStepRule(0, 59, StepWrap), "%02d"},
};

// Separators, double height and never inverted: the date's two "/" and the time's two ":".
struct Separator {
    u8 X;
    u8 Y;
    const char *Text;
};
const Separator DateTimeSeparators[] = {{53, 20, "/"}, {80, 20, "/"}, {47, 40, ":"}, {71, 40, ":"}};

// Middle button on the seconds: the clock takes the edited fields (the day is not checked
// against the month) and the cursor goes back to SET DATE&TIME.
void SetClock()
{
    RealTimeClock.Hour = EditHour;
    RealTimeClock.Minute = EditMinute;
    RealTimeClock.Second = EditSecond;
    RealTimeClock.Day = EditDay;
    RealTimeClock.Month = EditMonth;
    RealTimeClock.Year = static_cast<s32>(EditYear - 1900u);
    OpenScreen(DisplaySetupScreen, SetDateTimeRow);
}

const DigitEditor DateTimeEditor(DateTimeFields, SetClock);

const StateVar DisplaySetupVars[] = {
    STATE_VAR(EditYear, U32),   STATE_VAR(EditMonth, U8),  STATE_VAR(EditDay, U8),
    STATE_VAR(EditHour, U8),    STATE_VAR(EditMinute, U8), STATE_VAR(EditSecond, U8),
};

} // namespace

const StateTable DisplaySetupState = STATE_TABLE(DisplaySetupVars);

void DisplaySetupScreen() { RunMenuList(DisplaySetup); }

void ContrastScreen()
{
    DrawTitle(" CONTRAST ");
    DrawContrastBar();
    DrawTextLines(ContrastLines, 3);
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    if (key == KeyCentre) {
        OpenScreen(DisplaySetupScreen, AdjustContrastRow);
        SaveSettings();
        return;
    }
    const s8 direction = EditDirection(key);
    if (direction == 0) return;
    StepValue(RefTo(Contrast), direction, ContrastRule);
    ApplyContrast();
}

void DateTimeScreen()
{
    DrawTitle(" SET DATE&TIME ");
    for (const Separator &s : DateTimeSeparators) DrawText(s.X, s.Y, s.Text, 1, 0);
    RunDigitEditor(DateTimeEditor);
}
