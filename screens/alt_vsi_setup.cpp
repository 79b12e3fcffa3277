// ALT SETUP and VSI SETUP, with the confirmation that zeroes the VSI sensor.
#include "../instrument/airdata.h"
#include "../instrument/settings.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

// ---- ALT SETUP ----

// The altitude is computed again at once and the maxima start again from the present
// values, so MAX VALUES never shows an altitude counted in the other unit.
void AltitudeUnitChanged()
{
    UpdateAltitude();
    ResetMaxValues();
}

const MenuRow AltRows[] = {
    ChoiceRow("ALT UNIT: ", AltUnit, AltUnitNames).OnChange(AltitudeUnitChanged),
    ChoiceRow("QNH UNIT: ", QnhUnit, QnhUnitNames).OnChange(AltitudeUnitChanged),
};
const MenuList AltSetup = MenuList(" ALT SETUP ", AltRows);

// ---- VSI SETUP ----

void OpenZeroVsi() { CurrentScreen = ZeroVsiScreen; }

const MenuRow VsiRows[] = {
    ActionRow("ZERO VSI", OpenZeroVsi),
    ChoiceRow("VSI UNIT: ", VsiUnit, VsiUnitNames),
    NumberRow("VSI CAL: ", VsiCal, FixedStep(50, 150, StepStop, 1)).Format("%d%%"),
};
const MenuList VsiSetup = MenuList(" VSI SETUP ", VsiRows);

// ---- ZERO VSI ----

// The raw reading of this moment becomes zero climb, and the drift correction starts anew.
void ZeroVsi()
{
    VsiZero = static_cast<u32>(AdcVsi);
    VsiDrift = 0;
    SaveSettings();
    ShowDoneMessage(VsiSetupScreen);
}

const TextLine ZeroVsiLines[] = {
    {"ARE YOU SURE", 64, 5, 0},
    {"YOU WANT TO", 64, 15, 0},
    {"ZERO THE VSI", 64, 25, 0},
    {"SENSOR?", 64, 35, 0},
};
const ConfirmDialog ZeroVsiDialog(NoIcon, ZeroVsiLines, " ZERO ", ZeroVsi, VsiSetupScreen);

} // namespace

void AltSetupScreen() { RunMenuList(AltSetup); }

void VsiSetupScreen() { RunMenuList(VsiSetup); }

void ZeroVsiScreen() { RunConfirmDialog(ZeroVsiDialog); }
