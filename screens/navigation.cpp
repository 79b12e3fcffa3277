#include "navigation.h"

#include <cstring>

#include "../instrument/state_table.h"

ScreenFn CurrentScreen;
ScreenFn ReturnScreen;
u8 Cursor;
u8 EditMode;
u8 ListTop;

void OpenScreen(ScreenFn screen, u8 cursor)
{
    Cursor = cursor;
    EditMode = 0;
    CurrentScreen = screen;
}

const char *ScreenName(ScreenFn screen)
{
    for (u8 i = 0; i < ScreenRegistryCount; ++i)
        if (ScreenRegistry[i].Screen == screen) return ScreenRegistry[i].Name;
    return nullptr;
}

ScreenFn ScreenByName(const char *name)
{
    for (u8 i = 0; i < ScreenRegistryCount; ++i)
        if (std::strcmp(ScreenRegistry[i].Name, name) == 0) return ScreenRegistry[i].Screen;
    return nullptr;
}

static const StateVar NavigationVars[] = {
    STATE_VAR(CurrentScreen, Screen), STATE_VAR(ReturnScreen, Screen), STATE_VAR(Cursor, U8),
    STATE_VAR(EditMode, U8),          STATE_VAR(ListTop, U8),
};
const StateTable NavigationState = STATE_TABLE(NavigationVars);
