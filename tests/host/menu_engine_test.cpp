// The list engine driven through KeySlot: cursor limits, edit mode, choice and number steps
// with their bound rules, rows that come and go, scrolling, digit editors, dialogs and
// message boxes.
#include <gtest/gtest.h>

#include "host/main_loop.h"
#include "lcd/framebuffer.h"
#include "lcd/widgets.h"
#include "screens/menu_engine.h"
#include "screens/navigation.h"
#include "screens/screens.h"

namespace {

u8 Switch;           // two-state
u8 Mode;             // three-state
s32 Level;           // 0..20, wrap, KeyStep
u32 Speed;           // wrap on reaching 16..250
u8 Trim;             // 50..150, stop, fixed step 1
s32 Rpm;             // 100..9500 wrap, 10 x KeyStep
int Actions;
int Changes;
int DoneCalls;
int ExtraTexts;      // value texts of the row that appears with Switch

const char SwitchNames[2][4] = {"OFF", "ON"};
const char ModeNames[3][5] = {"NONE", "FAST", "SLOW"};

void CountAction() { ++Actions; }
void CountChange() { ++Changes; }
bool SwitchOn() { return Switch == 1; }
void ExtraText(char *text)
{
    ++ExtraTexts;
    text[0] = 'x';
    text[1] = 0;
}
void SpeedBounds(s32 &low, s32 &high)
{
    low = 16;
    high = 250;
}

const MenuRow TestRows[] = {
    ActionRow("DO IT", CountAction),                                   // 1
    ChoiceRow("SWITCH: ", Switch, SwitchNames),                        // 2
    CustomRow("EXTRA: ", ExtraText, nullptr).ShownWhen(SwitchOn),      // 3 while Switch is 1
    ChoiceRow("MODE: ", Mode, ModeNames).OnChange(CountChange),        // 3 or 4
    NumberRow("LEVEL: ", Level, KeyStepRule(0, 20, StepWrap)),
    NumberRow("SPEED: ", Speed, VariableBounds(SpeedBounds, StepWrapOnReach)),
    NumberRow("TRIM: ", Trim, FixedStep(50, 150, StepStop, 1)).Format("%d%%"),
    NumberRow("RPM: ", Rpm, KeyStepRule(100, 9500, StepWrap, 10)),
};
const MenuList TestList = MenuList(" TEST ", TestRows);
const MenuList InlineList = MenuList(" TEST ", TestRows).ValueKeysWhileDrawing();
const MenuList DoneHookList = MenuList(" TEST ", TestRows).OnDone([] { ++DoneCalls; });
const MenuList LeaveHookList = MenuList(" TEST ", TestRows).OnLeave([] { ++DoneCalls; });

void TestListScreen() { RunMenuList(TestList); }

class MenuEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Switch = 0;
        Mode = 0;
        Level = 10;
        Speed = 100;
        Trim = 100;
        Rpm = 1000;
        Actions = Changes = DoneCalls = ExtraTexts = 0;
        Cursor = 0;
        EditMode = 0;
        KeyStep = 1;
        KeySlot = 0;
        CurrentScreen = TestListScreen;
    }
    // One cycle of the list with a key pending.
    static void Press(u8 key, const MenuList &list = TestList)
    {
        ClearFrameBuffer();
        KeySlot = key;
        RunMenuList(list);
        EXPECT_EQ(KeySlot, 0) << "every key is consumed";
    }
    // Moves the cursor to row `row` and enters edit mode.
    static void Edit(u8 row)
    {
        while (Cursor < row) Press(KeyClockwise);
        ASSERT_EQ(Cursor, row);
        Press(KeyCentre);
        ASSERT_EQ(EditMode, 1);
    }
};

TEST_F(MenuEngineTest, CursorStopsAtBothEndsWithoutWrapping)
{
    Press(KeyAntiClockwise);
    EXPECT_EQ(Cursor, 0);
    Press(KeyLeft);
    EXPECT_EQ(Cursor, 0);
    for (int i = 0; i < 20; ++i) Press(i % 2 ? KeyRight : KeyClockwise);
    EXPECT_EQ(Cursor, 7);  // Switch OFF: seven rows besides DONE
    Press(KeyLeft);
    EXPECT_EQ(Cursor, 6);
    Press(KeyAntiClockwise);
    EXPECT_EQ(Cursor, 5);
    Press(KeyCentre + 10);  // an unknown code is consumed without effect
    EXPECT_EQ(Cursor, 5);
}

TEST_F(MenuEngineTest, DoneReturnsToTheMainMenuOnTheScreensEntry)
{
    // The list runs as HOBBS METER, the sixth main-menu entry.
    CurrentScreen = HobbsMeterScreen;
    Press(KeyCentre);
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
    EXPECT_EQ(Cursor, 5);
    EXPECT_EQ(EditMode, 0);
    // A screen no entry opens goes back to EXIT MENU.
    CurrentScreen = TestListScreen;
    Cursor = 0;
    Press(KeyCentre);
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
    EXPECT_EQ(Cursor, 0);
    // The leave hook runs on the way back; the done hook replaces the way back.
    CurrentScreen = VoltsSetupScreen;
    Cursor = 0;
    Press(KeyCentre, LeaveHookList);
    EXPECT_EQ(DoneCalls, 1);
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
    EXPECT_EQ(Cursor, 11);
    Cursor = 0;
    CurrentScreen = TestListScreen;
    Press(KeyCentre, DoneHookList);
    EXPECT_EQ(DoneCalls, 2);
    EXPECT_EQ(CurrentScreen, TestListScreen);
}

TEST_F(MenuEngineTest, ActionRowPerformsAndStays)
{
    Press(KeyClockwise);
    Press(KeyCentre);
    EXPECT_EQ(Actions, 1);
    EXPECT_EQ(Cursor, 1);
    EXPECT_EQ(EditMode, 0);
}

TEST_F(MenuEngineTest, EditModeKeysChangeTheValueNeverTheCursor)
{
    Edit(4);  // LEVEL (EXTRA hidden while Switch is 0)
    Press(KeyClockwise);
    Press(KeyLeft);
    EXPECT_EQ(Level, 12);
    Press(KeyAntiClockwise);
    Press(KeyRight);
    Press(KeyRight);
    EXPECT_EQ(Level, 9);
    EXPECT_EQ(Cursor, 4);
    Press(KeyCentre);
    EXPECT_EQ(EditMode, 0);
    Press(KeyClockwise);
    EXPECT_EQ(Cursor, 5);
    EXPECT_EQ(Level, 9);
}

TEST_F(MenuEngineTest, TwoStateFlipsOnEveryKeyThreeStateCyclesBothWays)
{
    Edit(2);
    for (u8 key = KeyClockwise; key <= KeyRight; ++key) {
        const u8 before = Switch;
        Press(key);
        EXPECT_NE(Switch, before) << int(key);
    }
    Press(KeyCentre);
    Switch = 0;
    Edit(3);  // MODE (EXTRA hidden while Switch is 0)
    Press(KeyClockwise);
    EXPECT_EQ(Mode, 1);
    Press(KeyLeft);
    EXPECT_EQ(Mode, 2);
    Press(KeyClockwise);
    EXPECT_EQ(Mode, 0);  // after the last comes the first
    Press(KeyAntiClockwise);
    EXPECT_EQ(Mode, 2);  // before the first comes the last
    Press(KeyRight);
    EXPECT_EQ(Mode, 1);
    EXPECT_EQ(Changes, 5);
    Mode = 7;  // out of its table: the next step brings it back
    Press(KeyClockwise);
    EXPECT_EQ(Mode, 0);
}

TEST_F(MenuEngineTest, WrapReachesBothBoundsAndPassesToTheOther)
{
    const NumberRule rule = KeyStepRule(80, 300, StepWrap);
    KeyStep = 10;
    EXPECT_EQ(SteppedValue(295, 1, rule), 80);   // 29.5 V + 1.0 V gives 8.0 V
    EXPECT_EQ(SteppedValue(290, 1, rule), 300);  // the top itself is reachable
    EXPECT_EQ(SteppedValue(85, -1, rule), 300);  // 8.5 V - 1.0 V gives 30.0 V
    EXPECT_EQ(SteppedValue(90, -1, rule), 80);
    KeyStep = 1;
    EXPECT_EQ(SteppedValue(300, 1, rule), 80);
    EXPECT_EQ(SteppedValue(80, -1, rule), 300);
    const NumberRule rpm = KeyStepRule(100, 9500, StepWrap, 10);
    EXPECT_EQ(SteppedValue(9500, 1, rpm), 100);
    EXPECT_EQ(SteppedValue(100, -1, rpm), 9500);
    KeyStep = 10;
    EXPECT_EQ(SteppedValue(9450, 1, rpm), 100);  // 9550 is past the top
    EXPECT_EQ(SteppedValue(9400, 1, rpm), 9500);
    KeyStep = 1;
}

TEST_F(MenuEngineTest, WrapOnReachingNeverStopsOnABound)
{
    Edit(5);  // SPEED 16..250
    Speed = 248;
    Press(KeyClockwise);
    EXPECT_EQ(Speed, 249u);
    Press(KeyClockwise);
    EXPECT_EQ(Speed, 16u);
    Press(KeyLeft);
    EXPECT_EQ(Speed, 17u);
    Speed = 18;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Speed, 17u);
    Press(KeyRight);
    EXPECT_EQ(Speed, 250u);
    Press(KeyRight);
    EXPECT_EQ(Speed, 249u);
    KeyStep = 10;
    Speed = 245;
    Press(KeyClockwise);
    EXPECT_EQ(Speed, 16u);
}

TEST_F(MenuEngineTest, StopLeavesTheValueAtItsBoundAndIgnoresKeyStep)
{
    Edit(6);  // TRIM 50..150 by 1
    KeyStep = 10;
    Trim = 149;
    Press(KeyClockwise);
    EXPECT_EQ(Trim, 150);
    Press(KeyLeft);
    EXPECT_EQ(Trim, 150);
    Trim = 51;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Trim, 50);
    Press(KeyRight);
    EXPECT_EQ(Trim, 50);
    const NumberRule contrast = FixedStep(0, 63, StepStop, 2);
    EXPECT_EQ(SteppedValue(62, 1, contrast), 62);
    EXPECT_EQ(SteppedValue(60, 1, contrast), 62);
    EXPECT_EQ(SteppedValue(0, -1, contrast), 0);
    const NumberRule cal = FixedStep(-125, 125, StepStop, 1);
    EXPECT_EQ(SteppedValue(125, 1, cal), 125);
    EXPECT_EQ(SteppedValue(-125, -1, cal), -125);
}

TEST_F(MenuEngineTest, NarrowValuesKeepTheirSign)
{
    s8 offset = -125;
    const NumberRule cal = FixedStep(-125, 125, StepStop, 1);
    StepValue(RefTo(offset), 1, cal);
    EXPECT_EQ(offset, -124);
    u32 big = 4294967295u;  // far beyond any rule: reads as the largest s32
    EXPECT_EQ(ReadValue(RefTo(big)), INT32_MAX);
}

TEST_F(MenuEngineTest, RowsThatComeAndGoRenumberTheRowsAfterThem)
{
    EXPECT_EQ(MenuLastRow(TestList), 7);
    Edit(2);
    Press(KeyClockwise);  // Switch ON: EXTRA appears as row 3
    EXPECT_EQ(Switch, 1);
    EXPECT_EQ(Cursor, 2);
    EXPECT_EQ(MenuLastRow(TestList), 8);
    EXPECT_STREQ(MenuRowAt(TestList, 3)->Label, "EXTRA: ");
    EXPECT_STREQ(MenuRowAt(TestList, 4)->Label, "MODE: ");
    Press(KeyCentre);
    for (int i = 0; i < 10; ++i) Press(KeyClockwise);
    EXPECT_EQ(Cursor, 8);
    // Going away while the cursor sits past the new last row: the cursor stays and
    // nothing is selected there.
    Switch = 0;
    Press(KeyCentre);
    EXPECT_EQ(EditMode, 0);
    Press(KeyClockwise);
    EXPECT_EQ(Cursor, 8);
    Press(KeyAntiClockwise);
    EXPECT_EQ(Cursor, 7);
}

TEST_F(MenuEngineTest, KeysWhileDrawingShowLaterRowsChangedInTheSamePicture)
{
    Edit(2);
    ExtraTexts = 0;
    Press(KeyClockwise, InlineList);  // SWITCH becomes ON while the list is drawn
    EXPECT_EQ(Switch, 1);
    EXPECT_EQ(ExtraTexts, 1) << "EXTRA already drawn in the cycle of the key";
    ExtraTexts = 0;
    Press(KeyClockwise, TestList);  // handled after drawing: EXTRA was not drawn yet
    EXPECT_EQ(Switch, 0);
    EXPECT_EQ(ExtraTexts, 1);
    ExtraTexts = 0;
    Press(KeyClockwise, TestList);
    EXPECT_EQ(ExtraTexts, 0);
    EXPECT_EQ(Switch, 1);
}

// A row key handler that records each call and steps the cursor row itself; the middle
// button on the action row is taken by the handler.
int RowKeyCalls;
int RowKeyLastNumber;
void TestRowKeys(u8 index, u8 number)
{
    ++RowKeyCalls;
    RowKeyLastNumber = number;
    if (KeySlot == 0 || Cursor != number) return;
    const MenuRow &row = TestRows[index];
    if (row.Kind == RowAction) {
        if (KeySlot == KeyCentre) {
            Actions += 10;
            KeySlot = 0;
        }
        return;
    }
    if (EditMode == 1) StepRow(row, EditDirection(KeySlot));
}
const MenuList RowKeysList = MenuList(" TEST ", TestRows).RowKeysBy(TestRowKeys);

TEST_F(MenuEngineTest, RowKeyHandlerOwnsTheValueKeysOfEveryDrawnRow)
{
    RowKeyCalls = 0;
    Press(0, RowKeysList);
    EXPECT_EQ(RowKeyCalls, 7) << "called once per present row";
    EXPECT_EQ(RowKeyLastNumber, 7);
    Edit(2);
    RowKeyCalls = 0;
    Press(KeyClockwise, RowKeysList);  // SWITCH ON by the handler: EXTRA drawn in the same picture
    EXPECT_EQ(Switch, 1) << "stepped once, not once more by the list";
    EXPECT_EQ(RowKeyCalls, 8);
    EXPECT_EQ(ExtraTexts, 1);
    EXPECT_EQ(Cursor, 2);
    Press(KeyCentre, RowKeysList);  // the list still leaves edit mode
    EXPECT_EQ(EditMode, 0);
    Press(KeyAntiClockwise, RowKeysList);  // and moves the cursor
    EXPECT_EQ(Cursor, 1);
    Press(KeyCentre, RowKeysList);  // taken by the handler: the row's own action is not run
    EXPECT_EQ(Actions, 10);
    EXPECT_EQ(EditMode, 0);
}

int LitIn(int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += GetPixel(x, y) ? 1 : 0;
    return n;
}

TEST_F(MenuEngineTest, LongListScrollsAndHidesDoneAndRowsAboveTheWindow)
{
    Switch = 1;  // nine rows with DONE
    for (int i = 0; i < 6; ++i) Press(KeyClockwise);
    ClearFrameBuffer();
    RunMenuList(TestList);
    EXPECT_EQ(ListTop, 0);
    EXPECT_GT(LitIn(0, 56, 47, 63), 48 * 8 / 2) << "cursor row 6 on the last line";
    Press(KeyClockwise);
    Press(KeyClockwise);
    EXPECT_EQ(Cursor, 8);
    ClearFrameBuffer();
    RunMenuList(TestList);
    EXPECT_EQ(ListTop, 2);
    // Row 8 highlighted on line 6; line 0 holds row 2 (not inverted), DONE is gone.
    EXPECT_GT(LitIn(0, 56, 39, 63), 40 * 8 / 2);
    EXPECT_LT(LitIn(0, 8, 127, 15), 128 * 8 / 2);
    // Back up to 6: the first seven rows again, DONE included.
    Press(KeyAntiClockwise);
    Press(KeyAntiClockwise);
    ClearFrameBuffer();
    RunMenuList(TestList);
    EXPECT_EQ(ListTop, 0);
    Cursor = 0;
    ClearFrameBuffer();
    RunMenuList(TestList);
    EXPECT_GT(LitIn(16, 8, 111, 15), 96 * 8 / 2) << "DONE inverted on row 0";
}

TEST_F(MenuEngineTest, NumberTextsFollowTheirFormat)
{
    char text[WidgetTextSize];
    FormatRowValue(*MenuRowAt(TestList, 6), text);
    EXPECT_STREQ(text, "100%");
    const MenuRow volts = NumberRow("V: ", Rpm, KeyStepRule(0, 999, StepWrap)).Format("%.1fV").Scaled(ShowTenths);
    Rpm = 142;
    FormatRowValue(volts, text);
    EXPECT_STREQ(text, "14.2V");
    FormatRowValue(*MenuRowAt(TestList, 2), text);
    EXPECT_STREQ(text, "OFF");
}

bool CaptureInsteadOfEdit()
{
    ++Actions;
    return Switch == 1;  // edits only while Switch is ON
}
const MenuRow CaptureRows[] = {NumberRow("P0: ", Level, KeyStepRule(0, 4096, StepWrap)).OnSelect(CaptureInsteadOfEdit)};
const MenuList CaptureList = MenuList(" CAL ", CaptureRows);

TEST_F(MenuEngineTest, SelectHookDecidesBetweenCaptureAndEdit)
{
    Press(KeyClockwise, CaptureList);
    Press(KeyCentre, CaptureList);
    EXPECT_EQ(Actions, 1);
    EXPECT_EQ(EditMode, 0);
    Switch = 1;
    Press(KeyCentre, CaptureList);
    EXPECT_EQ(Actions, 2);
    EXPECT_EQ(EditMode, 1);
    Press(KeyCentre, CaptureList);  // leaving edit mode does not ask the hook
    EXPECT_EQ(Actions, 2);
    EXPECT_EQ(EditMode, 0);
}

// ---- Digit editor ----

u8 Cells[3];
int Commits;
int CellChanges;
const EditorField Fields[] = {
    {25, 44, RefTo(Cells[0]), DigitRule, "%d"},
    {34, 44, RefTo(Cells[1]), FixedStep(0, 5, StepWrap, 1), "%d"},
    {43, 44, RefTo(Cells[2]), DigitRule, "%d"},
};
const DigitEditor Editor(Fields, [] { ++Commits; }, [] { ++CellChanges; });

TEST_F(MenuEngineTest, DigitEditorStepsWrapsAndCommitsOnTheLastField)
{
    Cells[0] = 9;
    Cells[1] = 7;  // above its maximum of 5
    Cells[2] = 0;
    Commits = CellChanges = 0;
    Cursor = 0;
    auto press = [](u8 key) {
        KeySlot = key;
        RunDigitEditor(Editor);
        EXPECT_EQ(KeySlot, 0);
    };
    press(KeyClockwise);
    EXPECT_EQ(Cells[0], 0);
    press(KeyRight);
    EXPECT_EQ(Cells[0], 9);
    press(KeyCentre);
    EXPECT_EQ(Cursor, 1);
    press(KeyLeft);
    EXPECT_EQ(Cells[1], 0);  // from above its maximum straight to 0
    press(KeyAntiClockwise);
    EXPECT_EQ(Cells[1], 5);
    press(KeyCentre);
    press(KeyAntiClockwise);
    EXPECT_EQ(Cells[2], 9);
    EXPECT_EQ(Commits, 0);
    press(KeyCentre);
    EXPECT_EQ(Commits, 1);
    EXPECT_EQ(CellChanges, 5);
    // The field under the cursor is drawn inverted, in double height.
    Cursor = 1;
    ClearFrameBuffer();
    RunDigitEditor(Editor);
    EXPECT_GT(LitIn(34, 44, 41, 59), 8 * 16 / 2);
    EXPECT_LT(LitIn(25, 44, 32, 59), 8 * 16 / 2);
}

// ---- Dialogs and message boxes ----

int Performed;
void Perform() { ++Performed; }
void BackScreen() {}
void DialogScreen() {}
const TextLine DialogLines[] = {{"SURE?", 64, 5, 0}};
const ConfirmDialog Plain(NoIcon, DialogLines, " ZERO ", Perform, BackScreen);
const ConfirmDialog KnobToo = ConfirmDialog(NoIcon, DialogLines, " ZERO ", Perform, BackScreen).AlsoPerformOn(KeyBit(KeyClockwise));
const ConfirmDialog KnobIgnored = ConfirmDialog(IconQuestion, DialogLines, " ERASE ", Perform, BackScreen)
                                      .Ignoring(KeyBit(KeyClockwise) | KeyBit(KeyAntiClockwise));

u8 DialogKey(const ConfirmDialog &dialog, u8 key)
{
    Performed = 0;
    CurrentScreen = DialogScreen;
    KeySlot = key;
    ClearFrameBuffer();
    RunConfirmDialog(dialog);
    EXPECT_EQ(KeySlot, 0);
    return Performed > 0 ? 1 : CurrentScreen == BackScreen ? 2 : 0;  // 1 performed, 2 back, 0 stayed
}

TEST_F(MenuEngineTest, DialogLeftButtonPerformsOtherKeysGoBack)
{
    EXPECT_EQ(DialogKey(Plain, KeyLeft), 1);
    for (u8 key : {KeyCentre, KeyClockwise, KeyAntiClockwise, KeyRight}) EXPECT_EQ(DialogKey(Plain, key), 2) << int(key);
    EXPECT_EQ(DialogKey(KnobToo, KeyClockwise), 1);
    EXPECT_EQ(DialogKey(KnobToo, KeyAntiClockwise), 2);
    EXPECT_EQ(DialogKey(KnobIgnored, KeyClockwise), 0);
    EXPECT_EQ(DialogKey(KnobIgnored, KeyAntiClockwise), 0);
    EXPECT_EQ(DialogKey(KnobIgnored, KeyRight), 2);
    EXPECT_EQ(DialogKey(KnobIgnored, KeyLeft), 1);
    // The soft key is inverted at x 0, y 56.
    DialogKey(Plain, 0);
    EXPECT_GT(LitIn(0, 56, 47, 63), 48 * 8 / 2);
}

TEST_F(MenuEngineTest, MessageBoxGoesBackToReturnScreenOnAnyKey)
{
    for (u8 key = KeyCentre; key <= KeyRight; ++key) {
        ReturnScreen = BackScreen;
        CurrentScreen = DoneMessageScreen;
        Cursor = 3;
        EditMode = 1;
        KeySlot = key;
        DoneMessageScreen();
        EXPECT_EQ(CurrentScreen, BackScreen);
        EXPECT_EQ(KeySlot, 0);
        EXPECT_EQ(Cursor, 3);
        EXPECT_EQ(EditMode, 1);
    }
    // Without a screen to go back to the main page takes over.
    ReturnScreen = nullptr;
    KeySlot = KeyCentre;
    DoneMessageScreen();
    EXPECT_EQ(CurrentScreen, MainPageScreen);
    // No key: the message stays.
    CurrentScreen = DoneMessageScreen;
    ReturnScreen = BackScreen;
    DoneMessageScreen();
    EXPECT_EQ(CurrentScreen, DoneMessageScreen);
    ShowDoneMessage(DialogScreen);
    EXPECT_EQ(ReturnScreen, DialogScreen);
    EXPECT_EQ(CurrentScreen, DoneMessageScreen);
}

} // namespace
