// FUEL TOTAL: the fuel used since the last reset, and RESET TOTAL. The starting-level
// prompt: the fuel on board after refuelling, from which the calculated level counts down.
#include "fuel_total.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "../instrument/engine_fuel.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "unit_text.h"
#include "screens.h"

s32 StartingLevel;

namespace {

/// Flow pulses per fuel unit of the K-factor; never 0, so it can always divide.
u32 PulsesPerUnitNow()
{
    const u32 perUnit = PulsesPerFuelUnit(KFactor);
    return perUnit == 0 ? 1 : perUnit;
}

// ---- FUEL TOTAL ----

void ResetTotal()
{
    FuelUsedPulses = 0;
    FuelUsed = 0;
    SaveFuelTotal();
}

void DrawTotal()
{
    const u32 used = FuelUsedPulses / PulsesPerUnitNow();
    char text[WidgetTextSize];
    if (FuelInGallons()) std::snprintf(text, sizeof text, "%.1f", used * 0.1);
    else std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(used));
    AppendFuelUnit(text);
    DrawTextCentred(64, 34, text, 1, 0);
}

const MenuRow TotalRows[] = {
    ActionRow("RESET TOTAL", ResetTotal),
};
const MenuList FuelTotal = MenuList(" FUEL TOTAL ", TotalRows).DrawAfter(DrawTotal);

// ---- Starting-level prompt ----

// 1..TankSize, wrapping at both ends; a tank size of 0 leaves only 0.
void StartingLevelBounds(s32 &low, s32 &high)
{
    high = TankSize < 0 ? 0 : TankSize;
    low = high < 1 ? 0 : 1;
}
constexpr NumberRule StartingLevelRule = VariableBounds(StartingLevelBounds, StepWrap);

const TextLine PromptLines[] = {{"ENTER FUEL TANK", 64, 0, 1}, {"STARTING LEVEL", 64, 16, 1}};

void DrawStartingLevel()
{
    char text[WidgetTextSize] = "";
    FormatFuelAmount(text, StartingLevel);
    AppendText(text, " ");
    AppendFuelUnit(text);
    DrawTextCentred(64, 37, text, 1, 0);
    DrawText(82, 56, " FULL ", 0, 1);
}

// One knob step; a level left above a tank that has since been made smaller comes down to
// the tank size on its first step down.
void StepStartingLevel(s8 direction)
{
    StartingLevel = SteppedValue(StartingLevel, direction, StartingLevelRule);
    s32 low, high;
    StartingLevelBounds(low, high);
    if (StartingLevel > high) StartingLevel = high;
}

// The level shown becomes the fuel on board, counted in flow pulses; it is held within the
// tank so that the calculated level starts from a level the tank can hold.
void AcceptStartingLevel()
{
    s32 low, high;
    StartingLevelBounds(low, high);
    if (StartingLevel > high) StartingLevel = high;
    if (StartingLevel < 0) StartingLevel = 0;
    s64 pulses = static_cast<s64>(PulsesPerUnitNow()) * StartingLevel;
    if (FuelInGallons()) pulses /= 10;
    FuelRemainingPulses = pulses > INT32_MAX ? INT32_MAX : static_cast<s32>(pulses);
    CurrentScreen = MainPageScreen;
    SaveStartingLevel();
}

void HandlePromptKey(u8 key)
{
    switch (key) {
    case KeyClockwise: StepStartingLevel(1); break;
    case KeyAntiClockwise: StepStartingLevel(-1); break;
    case KeyCentre: AcceptStartingLevel(); break;
    case KeyRight:
        StartingLevel = TankSize;
        AcceptStartingLevel();
        break;
    default: break;  // the left button has nothing to do here
    }
}

} // namespace

void FuelTotalScreen() { RunMenuList(FuelTotal); }

void StartingLevelScreen()
{
    DrawTextLines(PromptLines, 2);
    DrawStartingLevel();
    const u8 key = TakeKey();
    if (key == KeyNone) return;
    HandlePromptKey(key);
}

static const StateVar FuelTotalVars[] = {
    STATE_VAR(StartingLevel, S32),
};
const StateTable FuelTotalState = STATE_TABLE(FuelTotalVars);
