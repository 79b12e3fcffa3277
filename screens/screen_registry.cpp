// The registry of every screen, by name, expanded from screen_list.h.
#include "navigation.h"
#include "screens.h"

const ScreenEntry ScreenRegistry[] = {
#define SCREEN(function, lastCursor, edits) ScreenEntry{function, #function, lastCursor, edits},
#include "screen_list.h"
#undef SCREEN
};
const u8 ScreenRegistryCount = sizeof(ScreenRegistry) / sizeof(ScreenRegistry[0]);
