// One line per screen, so that names and screens can be looked up both ways.
#include "navigation.h"
#include "screens.h"

#define SCREEN(fn) ScreenEntry{fn, #fn}

const ScreenEntry ScreenRegistry[] = {
    SCREEN(MainPageScreen),
};
const u8 ScreenRegistryCount = sizeof(ScreenRegistry) / sizeof(ScreenRegistry[0]);
