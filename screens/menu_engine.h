#pragma once
// The one engine behind every menu screen: list screens declared as tables of rows, value
// steps with their bound rules, digit editors, confirmation dialogs and message boxes.
//
// A list screen is a MenuList: a title and its rows below "*** DONE ***" (row 0), which
// returns to the main-menu entry that opens the screen. RunMenuList draws it and handles its key:
//   - browse mode (EditMode 0): keys 2 and 5 move the cursor down, 3 and 4 up, never
//     wrapping; the middle button leaves on row 0, performs an action row, and switches a
//     value row into edit mode;
//   - edit mode (EditMode 1): keys 2 and 4 increase the value, 3 and 5 decrease it, the
//     middle button leaves edit mode; the cursor never moves.
// More than seven rows scroll through ListTop; rows whose Shown predicate is false take no
// row number, so rows that come and go renumber the rows after them.
//
// Example, a complete screen:
//
//   static const MenuRow VsiRows[] = {
//       ActionRow("ZERO VSI", OpenZeroVsi),
//       ChoiceRow("VSI UNIT: ", VsiUnit, VsiUnitNames),
//       NumberRow("VSI CAL: ", VsiCal, FixedStep(50, 150, StepStop, 1)).Format("%d%%"),
//   };
//   static const MenuList VsiSetup = MenuList(" VSI SETUP ", VsiRows);
//   void VsiSetupScreen() { RunMenuList(VsiSetup); }
//
// Rows that depend on settings: ChoiceRow(...).ShownWhen(RpmDisplayIsOn). Hooks on rows:
// .OnChange(fn) runs after every value change (ResetMaxValues), .TextBy(fn) writes the value
// text itself, .OnSelect(fn) takes the middle button (capture instead of edit),
// .Scaled(ShowTenths) prints value x 0.1. Hooks on lists: .EachCycle(fn) runs
// after the title and before the rows (clamping), .DrawAfter(fn) draws fixed lines after the
// rows, .OnLeave(fn) runs before "*** DONE ***" returns to the main menu, .OnDone(fn)
// replaces that return (a screen that may stay or go elsewhere), .TitleBy(fn) makes the title,
// .RowKeysBy(fn) hands the row keys to a handler called right after each row is drawn.
#include "../lcd/framebuffer.h"
#include "../lcd/icons.h"
#include "../lcd/types.h"
#include "navigation.h"

// ---------------------------------------------------------------------------------------
// Values of any width and their steps
// ---------------------------------------------------------------------------------------

/// Width and signedness of a value reached through a ValueRef.
enum class ValueType : u8 { U8, S8, U32, S32 };

/// A setting or editor cell of any integer width, read and written as s32.
struct ValueRef {
    void *Address;
    ValueType Type;
};
/// ValueRef of a u8, s8, u32 or s32 variable.
constexpr ValueRef RefTo(u8 &v) { return ValueRef{&v, ValueType::U8}; }
constexpr ValueRef RefTo(s8 &v) { return ValueRef{&v, ValueType::S8}; }
constexpr ValueRef RefTo(u32 &v) { return ValueRef{&v, ValueType::U32}; }
constexpr ValueRef RefTo(s32 &v) { return ValueRef{&v, ValueType::S32}; }

/// Reads a value (a u32 above the s32 range reads as the largest s32).
s32 ReadValue(ValueRef ref);
/// Writes a value, cut to the variable's width.
void WriteValue(ValueRef ref, s32 value);

/// What a step does at the bounds of a numeric value.
enum StepRule : u8 {
    StepWrap,         ///< a result past a bound becomes the opposite bound; both bounds reachable
    StepWrapOnReach,  ///< a result that reaches or passes a bound becomes the opposite bound
    StepStop,         ///< a step whose result would pass a bound is not made
};

/// Bounds and step size of a numeric value.
struct NumberRule {
    s32 Low;
    s32 High;
    void (*Bounds)(s32 &low, s32 &high);  ///< bounds that follow other settings; replaces Low/High
    u8 Step;                              ///< fixed step per key; 0 means KeyStep x Factor
    u8 Factor;                            ///< multiplier of KeyStep when Step is 0
    StepRule Rule;
};
/// Rule stepping by KeyStep x factor (HOBBS RPM and the RPM alarms use factor 10).
constexpr NumberRule KeyStepRule(s32 low, s32 high, StepRule rule, u8 factor = 1)
{
    return NumberRule{low, high, nullptr, 0, factor, rule};
}
/// Rule stepping by a fixed amount whatever KeyStep is (VSI CAL, the calibration trims).
constexpr NumberRule FixedStep(s32 low, s32 high, StepRule rule, u8 step)
{
    return NumberRule{low, high, nullptr, step, 1, rule};
}
/// Rule whose bounds are asked of a function at every step (airspeed ranges, tank size).
constexpr NumberRule VariableBounds(void (*bounds)(s32 &, s32 &), StepRule rule, u8 fixedStep = 0)
{
    return NumberRule{0, 0, bounds, fixedStep, 1, rule};
}

/// The bounds of a rule at this moment.
void RuleBounds(const NumberRule &rule, s32 &low, s32 &high);
/// The step of a rule at this moment (the fixed step, or KeyStep x Factor).
s32 RuleStep(const NumberRule &rule);
/// Value after one step up (direction > 0) or down (direction < 0) under the rule.
s32 SteppedValue(s32 value, s8 direction, const NumberRule &rule);
/// Steps a variable in place under the rule.
void StepValue(ValueRef ref, s8 direction, const NumberRule &rule);
/// Next (direction > 0) or previous choice of a table of `count` texts; after the last comes
/// the first and before the first the last. A value outside the table comes back into it.
u8 NextChoice(u8 value, s8 direction, u8 count);
/// The pending key, cleared from KeySlot (KeyNone if there is none): a screen takes its one
/// key per cycle through this.
u8 TakeKey();
/// Edit direction of a key: +1 for keys 2 and 4, -1 for keys 3 and 5, 0 for the others.
s8 EditDirection(u8 key);

// ---------------------------------------------------------------------------------------
// List screens
// ---------------------------------------------------------------------------------------

/// What a list row is.
enum RowKind : u8 {
    RowAction,  ///< plain text; the middle button calls Action
    RowChoice,  ///< a u8 setting shown from a table of texts; steps cycle through the table
    RowNumber,  ///< a numeric setting with a NumberRule and a printf format
    RowCustom,  ///< value text from Text, edit steps by Step
};

/// How a number row prints its value with its format.
enum NumberShow : u8 {
    ShowPlain,   ///< the value as an int ("%d", "%4d", "%d%%")
    ShowTenths,  ///< value x 0.1 as a double ("%.1fV", "%.1f")
    ShowFuel,    ///< "%.1f" of value x 0.1 for the gallon fuel units, "%d" for the litre units
};

/// One row of a list screen. Make rows with ActionRow, ChoiceRow, NumberRow or CustomRow and
/// refine them with the chained modifiers.
struct MenuRow {
    const char *Label = nullptr;   ///< action text, or the label ending in ": " of a value row
    RowKind Kind = RowAction;
    ValueRef Value = {nullptr, ValueType::U8};  ///< choice and number rows: the setting
    const char *Names = nullptr;   ///< choice rows: first of Count texts, Slot bytes apart
    u8 Slot = 0;
    u8 Count = 0;
    NumberRule Rule = {0, 0, nullptr, 0, 1, StepWrap};  ///< number rows
    const char *Fmt = nullptr;     ///< number rows: printf format
    NumberShow Show = ShowPlain;   ///< number rows: how the format gets the value
    void (*Text)(char *text) = nullptr;    ///< writes the value text (replaces the built-in text)
    void (*Step)(s8 direction) = nullptr;  ///< custom rows: one edit step
    void (*Action)() = nullptr;    ///< action rows: the middle button; value rows: after a change
    bool (*Shown)() = nullptr;     ///< nullptr: always present
    bool (*Select)() = nullptr;    ///< value rows: middle button in browse mode; true enters edit mode

    /// The row is present only while `shown` returns true.
    constexpr MenuRow ShownWhen(bool (*shown)()) const { MenuRow r = *this; r.Shown = shown; return r; }
    /// `changed` runs after every change of the value.
    constexpr MenuRow OnChange(void (*changed)()) const { MenuRow r = *this; r.Action = changed; return r; }
    /// The value text is written by `text` (for texts that hold more than the value).
    constexpr MenuRow TextBy(void (*text)(char *)) const { MenuRow r = *this; r.Text = text; return r; }
    /// `select` decides the middle button in browse mode: it may act itself (a capture) and
    /// returns true when the row should enter edit mode as usual.
    constexpr MenuRow OnSelect(bool (*select)()) const { MenuRow r = *this; r.Select = select; return r; }
    /// Number rows: the printf format of the value (give it an int: "%d", not "%u").
    constexpr MenuRow Format(const char *fmt) const { MenuRow r = *this; r.Fmt = fmt; return r; }
    /// Number rows: how the value reaches the format.
    constexpr MenuRow Scaled(NumberShow show) const { MenuRow r = *this; r.Show = show; return r; }
};

/// Action row: the text at x 0, inverted under the cursor; the middle button calls `action`.
constexpr MenuRow ActionRow(const char *text, void (*action)())
{
    MenuRow row;
    row.Label = text;
    row.Action = action;
    return row;
}
/// Choice row over a table of texts: two entries flip on every edit key, more entries
/// advance on keys 2 and 4 and go back on 3 and 5, wrapping around the table.
template <u8 N, u8 W>
constexpr MenuRow ChoiceRow(const char *label, u8 &setting, const char (&names)[N][W])
{
    MenuRow row;
    row.Label = label;
    row.Kind = RowChoice;
    row.Value = RefTo(setting);
    row.Names = &names[0][0];
    row.Slot = W;
    row.Count = N;
    return row;
}
/// Number row: steps under `rule`, printed with "%d" unless .Format / .Scaled say otherwise.
template <typename T>
constexpr MenuRow NumberRow(const char *label, T &setting, NumberRule rule)
{
    MenuRow row;
    row.Label = label;
    row.Kind = RowNumber;
    row.Value = RefTo(setting);
    row.Rule = rule;
    row.Fmt = "%d";
    return row;
}
/// Custom row: `text` writes the value text, `step` performs one edit step.
constexpr MenuRow CustomRow(const char *label, void (*text)(char *), void (*step)(s8 direction))
{
    MenuRow row;
    row.Label = label;
    row.Kind = RowCustom;
    row.Text = text;
    row.Step = step;
    return row;
}

/// A list screen: title, rows and hooks.
struct MenuList {
    const char *Title = nullptr;
    const MenuRow *Rows = nullptr;           ///< rows 1, 2, ... ("*** DONE ***" is row 0 and implicit)
    u8 RowCount = 0;
    void (*MakeTitle)(char *text) = nullptr; ///< writes a title that changes (replaces Title)
    void (*Cycle)() = nullptr;               ///< each cycle after the title, before the rows
    void (*After)() = nullptr;               ///< each cycle after the rows: fixed lines of the screen
    void (*Leave)() = nullptr;               ///< before "*** DONE ***" returns to the main menu
    void (*Done)() = nullptr;                ///< middle button on row 0 (replaces the return)
    u8 KeysWhileDrawing = 0;                 ///< 1: edit keys act right after the cursor row is drawn
    void (*RowKeys)(u8 index, u8 number) = nullptr;  ///< row key handler (see RowKeysBy), or nullptr

    /// A list with rows.
    template <u8 N>
    constexpr MenuList(const char *title, const MenuRow (&rows)[N]) : Title(title), Rows(rows), RowCount(N)
    {
    }
    /// A list whose only row is "*** DONE ***".
    explicit constexpr MenuList(const char *title) : Title(title) {}
    constexpr MenuList TitleBy(void (*make)(char *)) const { MenuList l = *this; l.MakeTitle = make; return l; }
    constexpr MenuList EachCycle(void (*cycle)()) const { MenuList l = *this; l.Cycle = cycle; return l; }
    constexpr MenuList DrawAfter(void (*after)()) const { MenuList l = *this; l.After = after; return l; }
    /// `leave` runs when "*** DONE ***" is selected, before the return to the main menu.
    constexpr MenuList OnLeave(void (*leave)()) const { MenuList l = *this; l.Leave = leave; return l; }
    constexpr MenuList OnDone(void (*done)()) const { MenuList l = *this; l.Done = done; return l; }
    /// Edit keys change the cursor row's value right after it is drawn, so rows drawn after it
    /// (and rows that come or go with it) already follow the change in the same picture.
    constexpr MenuList ValueKeysWhileDrawing() const { MenuList l = *this; l.KeysWhileDrawing = 1; return l; }
    /// `keys(index, number)` runs right after each present row is drawn, with the row's index
    /// in the table and its row number. It owns the value keys of the cursor row: it steps the
    /// value in edit mode (leaving the key for the list to consume) and may take the middle
    /// button itself by clearing KeySlot. The list then only moves the cursor, switches the
    /// edit mode and leaves on "*** DONE ***"; rows drawn later follow the change at once.
    constexpr MenuList RowKeysBy(void (*keys)(u8, u8)) const { MenuList l = *this; l.RowKeys = keys; return l; }
};

/// Draws a list screen and handles its pending key: the whole screen function of a list.
void RunMenuList(const MenuList &list);
/// Number of the last row of a list as it stands (rows present now; 0 for DONE only).
u8 MenuLastRow(const MenuList &list);
/// The row with row number `number` (1 = first present row), or nullptr.
const MenuRow *MenuRowAt(const MenuList &list, u8 number);
/// Writes the value text of a value row into a 32-byte buffer ("" for action rows).
void FormatRowValue(const MenuRow &row, char *text);
/// One edit step of a value row, then its change hook.
void StepRow(const MenuRow &row, s8 direction);

// Pieces of a list screen, for screens that RunMenuList does not cover.

/// Sets ListTop from Cursor (0 up to 6, else Cursor - 6) and returns it.
u8 UpdateListTop();
/// "*** DONE ***" centred on x 64, y 8, inverted while Cursor is 0; drawn only while
/// Cursor is below 7.
void DrawDoneRow();
/// Browse-mode cursor keys: 2 and 5 down to `lastRow`, 3 and 4 up to 0. True if the key
/// was one of them.
bool MoveListCursor(u8 key, u8 lastRow);
/// Back to the main menu with the cursor on the entry that opens the current screen.
void LeaveToMainMenu();

// ---------------------------------------------------------------------------------------
// Digit editors
// ---------------------------------------------------------------------------------------

/// One field of a digit editor: drawn double height with Fmt at (X, Y), inverted under the
/// cursor, stepped under Rule.
struct EditorField {
    u8 X;
    u8 Y;
    ValueRef Value;
    NumberRule Rule;
    const char *Fmt;  ///< printf format of the value as an int ("%d", "%02d", "%04d")
};

/// A digit editor: its fields in cursor order and what the last middle button does.
struct DigitEditor {
    const EditorField *Fields;
    u8 Count;
    void (*Commit)();   ///< middle button on the last field: store the value and leave
    void (*Changed)();  ///< after every change of a field, or nullptr

    template <u8 N>
    constexpr DigitEditor(const EditorField (&fields)[N], void (*commit)(), void (*changed)() = nullptr)
        : Fields(fields), Count(N), Commit(commit), Changed(changed)
    {
    }
};

/// Draws the fields (Cursor selects one) and handles the key: 2 and 4 increase the field,
/// 3 and 5 decrease it, the middle button moves to the next field and on the last one calls
/// Commit. The screen draws its fixed texts and separators itself.
void RunDigitEditor(const DigitEditor &editor);

/// Digit cell 0..9 that wraps (9 up gives 0, 0 down gives 9) at any KeyStep.
constexpr NumberRule DigitRule = FixedStep(0, 9, StepWrap, 1);

// ---------------------------------------------------------------------------------------
// Confirmation dialogs and message boxes
// ---------------------------------------------------------------------------------------

/// Texts drawn centred: one line of a dialog or notice.
struct TextLine {
    const char *Text;
    u8 XCentre;
    u8 Y;
    u8 Tall;  ///< 1 double height
};
/// Draws centred lines.
void DrawTextLines(const TextLine *lines, u8 count);

/// Bit of a key code in a key mask.
constexpr u8 KeyBit(u8 key) { return static_cast<u8>(1u << key); }

/// No picture on a dialog.
constexpr IconName NoIcon = static_cast<IconName>(0xFF);

/// A confirmation dialog: picture, lines, soft key and what each key does.
struct ConfirmDialog {
    IconName Icon;          ///< picture at the left, or NoIcon
    const TextLine *Lines;
    u8 LineCount;
    const char *SoftKey;    ///< " ERASE ", " ZERO " ... inverted at x 0, y 56
    void (*Perform)();      ///< the action; it also switches to the next screen
    ScreenFn Back;          ///< screen for every other key
    u8 PerformKeys;         ///< keys that perform (KeyBit mask); the left button by default
    u8 IgnoredKeys;         ///< keys consumed while the dialog stays

    template <u8 N>
    constexpr ConfirmDialog(IconName icon, const TextLine (&lines)[N], const char *softKey, void (*perform)(), ScreenFn back)
        : Icon(icon), Lines(lines), LineCount(N), SoftKey(softKey), Perform(perform), Back(back),
          PerformKeys(KeyBit(KeyLeft)), IgnoredKeys(0)
    {
    }
    /// Keys that perform the action besides the left button.
    constexpr ConfirmDialog AlsoPerformOn(u8 keys) const { ConfirmDialog d = *this; d.PerformKeys |= keys; return d; }
    /// Keys that are consumed without leaving the dialog.
    constexpr ConfirmDialog Ignoring(u8 keys) const { ConfirmDialog d = *this; d.IgnoredKeys = keys; return d; }
};

/// Draws a dialog and handles its key.
void RunConfirmDialog(const ConfirmDialog &dialog);
/// Soft-key label inverted at x 0, y 56, above the left button.
void DrawSoftKey(const char *label);
/// ReturnScreen = back, then the DONE message becomes current.
void ShowDoneMessage(ScreenFn back);

/// Title " MESSAGE " and the message picture, the frame of every message box.
void DrawMessageFrame();
/// Any key 1 to 5 makes `back` current (the main page when `back` is nullptr); the key is
/// consumed in every case.
void CloseOnAnyKey(ScreenFn back);
/// Message box: one double-height line centred on x 84 at y 26, or two at y 16 and y 38
/// (line2 not nullptr); any key returns to ReturnScreen.
void RunMessageBox(const char *line1, const char *line2 = nullptr);
