#pragma once
// Navigation state shared by every screen.
#include "../lcd/types.h"

/// A screen: called once per cycle, draws its whole picture, then handles at most one key.
typedef void (*ScreenFn)();

extern ScreenFn CurrentScreen;  ///< the screen the main loop calls
extern ScreenFn ReturnScreen;   ///< where a message box goes back to
extern u8 Cursor;               ///< highlighted row, digit, field or page
extern u8 EditMode;             ///< 1 while the highlighted value is being changed
extern u8 ListTop;              ///< first list item in the seven-row window

/// Makes `screen` current with the cursor on `cursor`, browsing (EditMode 0): every switch
/// to a screen that sets its cursor goes through here.
void OpenScreen(ScreenFn screen, u8 cursor = 0);

/// Last cursor positions of screens whose bound is not a fixed number (see screen_list.h).
constexpr s8 CursorOfOpener = -2;  ///< a message box keeps the cursor of the screen it returns to
constexpr s8 CursorByRows = -3;    ///< rows come and go with the settings

/// One line per screen (from screen_list.h): its function, its name and its cursor.
struct ScreenEntry {
    ScreenFn Screen;
    const char *Name;
    s8 LastCursor;  ///< largest Cursor, or CursorOfOpener / CursorByRows
    u8 Edits;       ///< 1: a list with value rows, the only kind of screen in edit mode
};
extern const ScreenEntry ScreenRegistry[];
extern const u8 ScreenRegistryCount;

/// Name of a screen function, or nullptr if it is not registered.
const char *ScreenName(ScreenFn screen);
/// Screen function of a name, or nullptr.
ScreenFn ScreenByName(const char *name);

struct StateTable;
/// The navigation state by name.
extern const StateTable NavigationState;
