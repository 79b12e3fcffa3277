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

/// One line per screen: its function and its name.
struct ScreenEntry {
    ScreenFn Screen;
    const char *Name;
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
