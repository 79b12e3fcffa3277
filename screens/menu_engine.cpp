#include "menu_engine.h"

#include <climits>
#include <cstdio>

#include "../instrument/settings.h"
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "main_menu.h"
#include "screens.h"

// ---- Values and steps ----

s32 ReadValue(ValueRef ref)
{
    switch (ref.Type) {
    case ValueType::U8: return *static_cast<u8 *>(ref.Address);
    case ValueType::S8: return *static_cast<s8 *>(ref.Address);
    case ValueType::U32: {
        const u32 v = *static_cast<u32 *>(ref.Address);
        return v > static_cast<u32>(INT32_MAX) ? INT32_MAX : static_cast<s32>(v);
    }
    case ValueType::S32: return *static_cast<s32 *>(ref.Address);
    }
    return 0;
}

void WriteValue(ValueRef ref, s32 value)
{
    switch (ref.Type) {
    case ValueType::U8: *static_cast<u8 *>(ref.Address) = static_cast<u8>(value); break;
    case ValueType::S8: *static_cast<s8 *>(ref.Address) = static_cast<s8>(value); break;
    case ValueType::U32: *static_cast<u32 *>(ref.Address) = static_cast<u32>(value); break;
    case ValueType::S32: *static_cast<s32 *>(ref.Address) = value; break;
    }
}

void RuleBounds(const NumberRule &rule, s32 &low, s32 &high)
{
    low = rule.Low;
    high = rule.High;
    if (rule.Bounds != nullptr) rule.Bounds(low, high);
}

s32 RuleStep(const NumberRule &rule)
{
    if (rule.Step != 0) return rule.Step;
    return static_cast<s32>(KeyStep) * (rule.Factor == 0 ? 1 : rule.Factor);
}

s32 SteppedValue(s32 value, s8 direction, const NumberRule &rule)
{
    if (direction == 0) return value;
    s32 low, high;
    RuleBounds(rule, low, high);
    // Worked in 64 bits so that no step near the ends of the s32 range can overflow.
    const int64_t step = RuleStep(rule);
    const int64_t n = direction > 0 ? static_cast<int64_t>(value) + step : static_cast<int64_t>(value) - step;
    switch (rule.Rule) {
    case StepWrap:
        if (direction > 0) return n > high ? low : static_cast<s32>(n);
        return n < low ? high : static_cast<s32>(n);
    case StepWrapOnReach:
        if (direction > 0) return n < high ? static_cast<s32>(n) : low;
        return n > low ? static_cast<s32>(n) : high;
    case StepStop:
        if (direction > 0) return n > high ? value : static_cast<s32>(n);
        return n < low ? value : static_cast<s32>(n);
    }
    return value;
}

void StepValue(ValueRef ref, s8 direction, const NumberRule &rule)
{
    WriteValue(ref, SteppedValue(ReadValue(ref), direction, rule));
}

u8 NextChoice(u8 value, s8 direction, u8 count)
{
    if (count == 0) return 0;
    if (direction > 0) return value + 1 >= count ? 0 : static_cast<u8>(value + 1);
    if (direction < 0) return value == 0 || value >= count ? static_cast<u8>(count - 1) : static_cast<u8>(value - 1);
    return value;
}

u8 TakeKey()
{
    const u8 key = KeySlot;
    KeySlot = KeyNone;
    return key;
}

s8 EditDirection(u8 key)
{
    if (key == KeyClockwise || key == KeyLeft) return 1;
    if (key == KeyAntiClockwise || key == KeyRight) return -1;
    return 0;
}

// ---- List screens ----

void FormatRowValue(const MenuRow &row, char *text)
{
    text[0] = 0;
    if (row.Text != nullptr) {
        row.Text(text);
        return;
    }
    switch (row.Kind) {
    case RowChoice: {
        const s32 v = ReadValue(row.Value);
        // A value outside its table shows as "?" rather than a text from beyond the table.
        if (v < 0 || v >= row.Count) std::snprintf(text, WidgetTextSize, "?");
        else std::snprintf(text, WidgetTextSize, "%s", row.Names + row.Slot * v);
        break;
    }
    case RowNumber: {
        const s32 v = ReadValue(row.Value);
        const bool tenths = row.Show == ShowTenths || (row.Show == ShowFuel && FuelInGallons());
        const char *fmt = row.Show == ShowFuel ? (tenths ? "%.1f" : "%d") : row.Fmt;
        if (tenths) std::snprintf(text, WidgetTextSize, fmt, v * 0.1);
        else std::snprintf(text, WidgetTextSize, fmt, static_cast<int>(v));
        break;
    }
    case RowAction:
    case RowCustom: break;
    }
}

void StepRow(const MenuRow &row, s8 direction)
{
    if (direction == 0) return;
    switch (row.Kind) {
    case RowChoice:
        WriteValue(row.Value, NextChoice(static_cast<u8>(ReadValue(row.Value)), direction, row.Count));
        break;
    case RowNumber: StepValue(row.Value, direction, row.Rule); break;
    case RowCustom:
        if (row.Step != nullptr) row.Step(direction);
        break;
    case RowAction: return;
    }
    if (row.Action != nullptr) row.Action();
}

u8 UpdateListTop()
{
    ListTop = ListTopFor(Cursor);
    return ListTop;
}

void DrawDoneRow()
{
    if (Cursor < 7) DrawTextCentred(64, 8, "*** DONE ***", 0, Cursor == 0 ? 1 : 0);
}

bool MoveListCursor(u8 key, u8 lastRow)
{
    if (key == KeyClockwise || key == KeyRight) {
        if (Cursor < lastRow) ++Cursor;
        return true;
    }
    if (key == KeyAntiClockwise || key == KeyLeft) {
        if (Cursor > 0) --Cursor;
        return true;
    }
    return false;
}

void LeaveToMainMenu() { OpenScreen(MainMenuScreen, MainMenuEntryOf(CurrentScreen)); }

static bool RowPresent(const MenuRow &row) { return row.Shown == nullptr || row.Shown(); }

u8 MenuLastRow(const MenuList &list)
{
    u8 last = 0;
    for (u8 i = 0; i < list.RowCount; ++i)
        if (RowPresent(list.Rows[i])) ++last;
    return last;
}

const MenuRow *MenuRowAt(const MenuList &list, u8 number)
{
    u8 n = 0;
    for (u8 i = 0; i < list.RowCount; ++i) {
        if (!RowPresent(list.Rows[i])) continue;
        if (++n == number) return &list.Rows[i];
    }
    return nullptr;
}

// Draws one present row on its window line.
static void DrawListRow(const MenuRow &row, u8 number, u8 top)
{
    const s8 line = static_cast<s8>(number - top);
    if (row.Kind == RowAction) {
        DrawRowText(0, static_cast<u8>(8 + 8 * line), row.Label, Cursor == number ? 1 : 0);
        return;
    }
    char value[WidgetTextSize];
    FormatRowValue(row, value);
    const RowHighlight highlight = Cursor != number ? HighlightNone : EditMode == 0 ? HighlightRow : HighlightValue;
    DrawMenuRow(0, line, row.Label, value, highlight);
}

// The key of a list once everything is drawn. `cursorRow` is the row under the cursor
// (nullptr on "*** DONE ***"), `lastRow` the number of the last present row.
static void HandleListKey(const MenuList &list, const MenuRow *cursorRow, u8 lastRow, bool valueKeyDone)
{
    const u8 key = TakeKey();
    if (EditMode == 1) {
        if (key == KeyCentre) EditMode = 0;
        else if (!valueKeyDone && cursorRow != nullptr) StepRow(*cursorRow, EditDirection(key));
        return;
    }
    if (MoveListCursor(key, lastRow) || key != KeyCentre) return;
    if (Cursor == 0) {
        if (list.Done != nullptr) {
            list.Done();
        } else {
            if (list.Leave != nullptr) list.Leave();
            LeaveToMainMenu();
        }
    } else if (cursorRow == nullptr) {
        // The cursor stands past the last row (rows went away under it): nothing to select.
    } else if (cursorRow->Kind == RowAction) {
        if (cursorRow->Action != nullptr) cursorRow->Action();
    } else if (cursorRow->Select == nullptr || cursorRow->Select()) {
        EditMode = 1;
    }
}

void RunMenuList(const MenuList &list)
{
    if (list.MakeTitle != nullptr) {
        char title[WidgetTextSize] = "";
        list.MakeTitle(title);
        DrawTitle(title);
    } else {
        DrawTitle(list.Title);
    }
    if (list.Cycle != nullptr) list.Cycle();
    const u8 top = UpdateListTop();
    DrawDoneRow();
    const MenuRow *cursorRow = nullptr;
    bool valueKeyDone = false;
    u8 number = 0;
    for (u8 i = 0; i < list.RowCount; ++i) {
        const MenuRow &row = list.Rows[i];
        if (!RowPresent(row)) continue;
        ++number;
        DrawListRow(row, number, top);
        if (list.RowKeys != nullptr) list.RowKeys(i, number);
        if (number != Cursor) continue;
        cursorRow = &row;
        if (list.RowKeys == nullptr && list.KeysWhileDrawing == 1 && EditMode == 1 && EditDirection(KeySlot) != 0) {
            StepRow(row, EditDirection(KeySlot));
            valueKeyDone = true;
        }
    }
    if (list.After != nullptr) list.After();
    if (KeySlot != 0) HandleListKey(list, cursorRow, number, valueKeyDone || list.RowKeys != nullptr);
}

// ---- Digit editors ----

void RunDigitEditor(const DigitEditor &editor)
{
    for (u8 i = 0; i < editor.Count; ++i) {
        const EditorField &field = editor.Fields[i];
        char text[WidgetTextSize];
        std::snprintf(text, sizeof text, field.Fmt, static_cast<int>(ReadValue(field.Value)));
        DrawText(field.X, field.Y, text, 1, Cursor == i ? 1 : 0);
    }
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    if (Cursor >= editor.Count) {
        // A cursor beyond the fields starts the editor again from its first field.
        Cursor = 0;
        return;
    }
    if (key == KeyCentre) {
        if (Cursor + 1 < editor.Count) ++Cursor;
        else if (editor.Commit != nullptr) editor.Commit();
        return;
    }
    const s8 direction = EditDirection(key);
    if (direction == 0) return;
    StepValue(editor.Fields[Cursor].Value, direction, editor.Fields[Cursor].Rule);
    if (editor.Changed != nullptr) editor.Changed();
}

// ---- Dialogs and message boxes ----

void DrawTextLines(const TextLine *lines, u8 count)
{
    for (u8 i = 0; i < count; ++i) DrawTextCentred(lines[i].XCentre, lines[i].Y, lines[i].Text, lines[i].Tall, 0);
}

void DrawSoftKey(const char *label) { DrawText(0, 56, label, 0, 1); }

void ShowDoneMessage(ScreenFn back)
{
    ReturnScreen = back;
    CurrentScreen = DoneMessageScreen;
}

void RunConfirmDialog(const ConfirmDialog &dialog)
{
    if (dialog.Icon != NoIcon) DrawIcon(dialog.Icon);
    DrawTextLines(dialog.Lines, dialog.LineCount);
    DrawSoftKey(dialog.SoftKey);
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    if (key > KeyRight) return;
    if ((dialog.PerformKeys & KeyBit(key)) != 0) {
        if (dialog.Perform != nullptr) dialog.Perform();
    } else if ((dialog.IgnoredKeys & KeyBit(key)) == 0) {
        CurrentScreen = dialog.Back;
    }
}

void DrawMessageFrame()
{
    DrawTitle(" MESSAGE ");
    DrawIcon(IconMessage);
}

void CloseOnAnyKey(ScreenFn back)
{
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    // A message opened without a screen to go back to returns to the main page rather
    // than holding the instrument on the message.
    if (key >= KeyCentre && key <= KeyRight) CurrentScreen = back != nullptr ? back : MainPageScreen;
}

void RunMessageBox(const char *line1, const char *line2)
{
    DrawMessageFrame();
    if (line2 == nullptr) {
        DrawTextCentred(84, 26, line1, 1, 0);
    } else {
        DrawTextCentred(84, 16, line1, 1, 0);
        DrawTextCentred(84, 38, line2, 1, 0);
    }
    CloseOnAnyKey(ReturnScreen);
}
