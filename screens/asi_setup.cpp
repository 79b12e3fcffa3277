// ASI SETUP, a scrolling list of nine items, and the confirmation that zeroes the airspeed
// sensor.
#include "asi_setup.h"

#include "../instrument/airdata.h"
#include "../instrument/settings.h"
#include "menu_engine.h"
#include "screens.h"

void AsiSettingBounds(s32 &low, s32 &high)
{
    const AirspeedBounds &range = AirspeedRange[AsiUnit < 3 ? AsiUnit : 0];
    low = static_cast<s32>(range.Low);
    high = static_cast<s32>(range.High);
}

void ClampAsiSettings()
{
    s32 low, high;
    AsiSettingBounds(low, high);
    u32 *const settings[] = {&AsiHighAlarm, &AsiLowAlarm, &TakeoffAirspeed};
    for (u32 *value : settings)
        if (*value > static_cast<u32>(high)) *value = static_cast<u32>(high);
    for (u32 *value : settings)
        if (*value < static_cast<u32>(low)) *value = static_cast<u32>(low);
}

namespace {

const char DistZeroNames[2][5] = {"MAN", "AUTO"};

void OpenZeroAsi() { CurrentScreen = ZeroAsiScreen; }

// The airspeed is put into the new unit before the maxima start again from it, so the
// maximum airspeed is never a number of the old unit shown with the new one.
void AsiUnitChanged()
{
    Airspeed = InAirspeedUnit(AirspeedMph);
    ResetMaxValues();
}

constexpr NumberRule AirspeedRule = VariableBounds(AsiSettingBounds, StepWrap);

const MenuRow AsiRows[] = {
    ActionRow("ZERO ASI SENSOR", OpenZeroAsi),
    ChoiceRow("LOW ALARM: ", AsiLowAlarmOn, OffOnNames),
    NumberRow("LOW ALARM: ", AsiLowAlarm, AirspeedRule),
    ChoiceRow("HIGH ALARM: ", AsiHighAlarmOn, OffOnNames),
    NumberRow("HIGH ALARM: ", AsiHighAlarm, AirspeedRule),
    ChoiceRow("ASI UNIT: ", AsiUnit, AsiUnitNames).OnChange(AsiUnitChanged),
    ChoiceRow("ASI FILTER: ", AsiFilter, AsiFilterNames),
    ChoiceRow("DIST ZERO: ", DistZeroAuto, DistZeroNames),
};
const MenuList AsiSetup = MenuList(" ASI SETUP ", AsiRows).EachCycle(ClampAsiSettings);

// ---- ZERO ASI ----

void ZeroAsi()
{
    AsiZero = AdcAirspeed;
    SaveSettings();
    ShowDoneMessage(AsiSetupScreen);
}

const TextLine ZeroAsiLines[] = {
    {"ARE YOU SURE", 64, 5, 0},
    {"YOU WANT TO", 64, 15, 0},
    {"ZERO THE AIR", 64, 25, 0},
    {"SPEED SENSOR?", 64, 35, 0},
};
const ConfirmDialog ZeroAsiDialog =
    ConfirmDialog(NoIcon, ZeroAsiLines, " ZERO ", ZeroAsi, AsiSetupScreen).AlsoPerformOn(KeyBit(KeyClockwise));

} // namespace

void AsiSetupScreen() { RunMenuList(AsiSetup); }

void ZeroAsiScreen() { RunConfirmDialog(ZeroAsiDialog); }
