// HOBBS METER: the Hobbs RPM, the Hobbs and maintenance time editors, the fraction format
// and the four-digit access code that guards the Hobbs time.
#include <cstdio>

#include "../instrument/flight.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

constexpr s32 MasterCode = 7302;  ///< accepted by ENTER CURRENT CODE in place of the stored code
constexpr u8 SetHobbsRow = 2;
constexpr u8 SetMaintRow = 3;
constexpr u8 HobbsCodeRow = 5;

u8 EditDigits[6];  ///< the cells of every digit editor here, 0..9 each
s32 PendingCode;   ///< the new code waiting for its confirmation

// Cells from `first` on from `count` characters of a printed number, each 0..9 (a stray
// character gives 0).
void LoadCells(u8 first, const char *text, u8 count)
{
    for (u8 i = 0; i < count; ++i) {
        const char c = text[i];
        EditDigits[first + i] = c >= '0' && c <= '9' ? static_cast<u8>(c - '0') : 0;
    }
}

void ClearCodeCells()
{
    for (u8 i = 0; i < 4; ++i) EditDigits[i] = 0;
}

s32 CellsValue(u8 first, u8 count)
{
    s32 value = 0;
    for (u8 i = first; i < first + count; ++i) value = value * 10 + EditDigits[i];
    return value;
}

s32 TypedCode() { return CellsValue(0, 4); }

// The hours the editor showed when it was loaded, and the counter they came from.
s32 HoursShownAtLoad;
u32 HoursAtLoad;

// Hours from the first four characters of "%04u", the fraction from the two of "%02d".
void LoadHobbsCells()
{
    char text[WidgetTextSize];
    std::snprintf(text, sizeof text, "%04u", static_cast<unsigned>(HobbsHours));
    LoadCells(0, text, 4);
    HoursShownAtLoad = CellsValue(0, 4);
    HoursAtLoad = HobbsHours;
    std::snprintf(text, sizeof text, "%02d", HobbsFraction);
    LoadCells(4, text, 2);
}

void ShowIncorrectCode(u8 row)
{
    Cursor = row;
    ReturnScreen = HobbsMeterScreen;
    CurrentScreen = IncorrectCodeScreen;
}

// ---- HOBBS METER menu ----

void OpenSetHobbs()
{
    if (HobbsCode != 0) {
        ClearCodeCells();
        OpenScreen(EnterHobbsCodeScreen);
        return;
    }
    LoadHobbsCells();
    OpenScreen(SetHobbsTimeScreen);
}

void OpenSetMaint()
{
    char text[WidgetTextSize];
    std::snprintf(text, sizeof text, "%03u", static_cast<unsigned>(MaintHours));
    LoadCells(0, text, 3);
    OpenScreen(SetMaintTimeScreen);
}

void OpenHobbsCode()
{
    ClearCodeCells();
    OpenScreen(EnterCurrentCodeScreen);
}

const MenuRow HobbsRows[] = {
    NumberRow("HOBBS RPM: ", HobbsRpm, KeyStepRule(100, 9500, StepWrap, 10)).Format("%4d"),
    ActionRow("SET HOBBS TIME", OpenSetHobbs),
    ActionRow("SET MAINT TIME", OpenSetMaint),
    ChoiceRow("HOUR FRACT: ", HourFractDec, HourFractNames),
    ActionRow("HOBBS CODE", OpenHobbsCode),
};
const MenuList HobbsMenu = MenuList(" HOBBS METER ", HobbsRows);

// ---- Time editors ----

const TextLine HobbsTimeLines[] = {
    {"USE { } OR ~", 64, 0, 0}, {"TO ADJUST THE", 64, 10, 0}, {"HOBBS TIME", 64, 20, 0},
};
const TextLine MaintTimeLines[] = {
    {"USE { } OR ~", 64, 0, 0}, {"TO ADJUST THE", 64, 10, 0}, {"MAINTENANCE", 64, 20, 0}, {"TIME", 64, 30, 0},
};

// Tens of the fraction: 0..5 in minutes, 0..9 in hundredths.
void FractionTensBounds(s32 &low, s32 &high)
{
    low = 0;
    high = HourFractDec == 1 ? 9 : 5;
}

void CommitHobbsTime()
{
    // A counter at 10000 hours shows only its first four figures (1000); confirming them
    // unchanged keeps the counter instead of cutting it to a tenth.
    const s32 typed = CellsValue(0, 4);
    const bool cutShort = HoursAtLoad > 9999 && typed == HoursShownAtLoad;
    HobbsHours = cutShort ? HoursAtLoad : static_cast<u32>(typed);
    HobbsFraction = static_cast<u8>(CellsValue(4, 2));
    SaveHobbs();
    OpenScreen(HobbsMeterScreen, SetHobbsRow);
}

const EditorField HobbsFields[] = {
    {35, 40, RefTo(EditDigits[0]), DigitRule, "%d"},
    {44, 40, RefTo(EditDigits[1]), DigitRule, "%d"},
    {53, 40, RefTo(EditDigits[2]), DigitRule, "%d"},
    {62, 40, RefTo(EditDigits[3]), DigitRule, "%d"},
    {76, 40, RefTo(EditDigits[4]), VariableBounds(FractionTensBounds, StepWrap, 1), "%d"},
    {85, 40, RefTo(EditDigits[5]), DigitRule, "%d"},
};
const DigitEditor HobbsEditor(HobbsFields, CommitHobbsTime);

// A changed maintenance time starts its countdown at the full hour.
void MaintCellChanged() { MaintFraction = 0; }

void CommitMaintTime()
{
    MaintHours = CellsValue(0, 3);
    SaveHobbs();
    OpenScreen(HobbsMeterScreen, SetMaintRow);
}

const EditorField MaintFields[] = {
    {25, 44, RefTo(EditDigits[0]), DigitRule, "%d"},
    {34, 44, RefTo(EditDigits[1]), DigitRule, "%d"},
    {43, 44, RefTo(EditDigits[2]), DigitRule, "%d"},
};
const DigitEditor MaintEditor(MaintFields, CommitMaintTime, MaintCellChanged);

// ---- Code entry ----

const EditorField CodeFields[] = {
    {45, 48, RefTo(EditDigits[0]), DigitRule, "%d"},
    {55, 48, RefTo(EditDigits[1]), DigitRule, "%d"},
    {65, 48, RefTo(EditDigits[2]), DigitRule, "%d"},
    {75, 48, RefTo(EditDigits[3]), DigitRule, "%d"},
};

void CheckHobbsCode()
{
    if (TypedCode() != HobbsCode) {
        ShowIncorrectCode(SetHobbsRow);
        return;
    }
    LoadHobbsCells();
    OpenScreen(SetHobbsTimeScreen);
}

void CheckCurrentCode()
{
    const s32 code = TypedCode();
    if (code != HobbsCode && code != MasterCode) {
        ShowIncorrectCode(HobbsCodeRow);
        return;
    }
    ClearCodeCells();
    OpenScreen(EnterNewCodeScreen);
}

void TakeNewCode()
{
    PendingCode = TypedCode();
    ClearCodeCells();
    OpenScreen(ConfirmNewCodeScreen);
}

void ConfirmNewCode()
{
    const bool match = TypedCode() == PendingCode;
    if (match) HobbsCode = PendingCode;
    Cursor = HobbsCodeRow;
    ReturnScreen = HobbsMeterScreen;
    CurrentScreen = match ? CodeChangedScreen : IncorrectCodeScreen;
}

const DigitEditor HobbsCodeEditor(CodeFields, CheckHobbsCode);
const DigitEditor CurrentCodeEditor(CodeFields, CheckCurrentCode);
const DigitEditor NewCodeEditor(CodeFields, TakeNewCode);
const DigitEditor ConfirmCodeEditor(CodeFields, ConfirmNewCode);

void RunCodeScreen(const char *line1, const DigitEditor &editor)
{
    DrawTextCentred(64, 5, line1, 1, 0);
    DrawTextCentred(64, 25, "CODE", 1, 0);
    RunDigitEditor(editor);
}

const StateVar HobbsCodeVars[] = {
    STATE_ARRAY(EditDigits, U8),
    STATE_VAR(PendingCode, S32),
};

} // namespace

const StateTable HobbsCodeState = STATE_TABLE(HobbsCodeVars);

void HobbsMeterScreen() { RunMenuList(HobbsMenu); }

void SetHobbsTimeScreen()
{
    DrawTextLines(HobbsTimeLines, sizeof HobbsTimeLines / sizeof HobbsTimeLines[0]);
    DrawText(69, 40, HourFractDec == 1 ? "." : ":", 1, 0);
    RunDigitEditor(HobbsEditor);
}

void SetMaintTimeScreen()
{
    DrawTextLines(MaintTimeLines, sizeof MaintTimeLines / sizeof MaintTimeLines[0]);
    DrawText(65, 44, "Hours", 1, 0);
    RunDigitEditor(MaintEditor);
}

void EnterHobbsCodeScreen() { RunCodeScreen("ENTER HOBBS", HobbsCodeEditor); }
void EnterCurrentCodeScreen() { RunCodeScreen("ENTER CURRENT", CurrentCodeEditor); }
void EnterNewCodeScreen() { RunCodeScreen("ENTER NEW", NewCodeEditor); }
void ConfirmNewCodeScreen() { RunCodeScreen("CONFIRM NEW", ConfirmCodeEditor); }

void IncorrectCodeScreen() { RunMessageBox("INCORRECT", "CODE"); }
void CodeChangedScreen() { RunMessageBox("CODE", "CHANGED"); }
