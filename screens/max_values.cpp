// MAX VALUES: the maxima since power-on or the last reset, and their reset.
#include <cstdio>
#include <cstring>

#include "../instrument/airdata.h"
#include "../instrument/engine_fuel.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "unit_text.h"
#include "screens.h"

namespace {

void DrawMaxLines()
{
    char text[WidgetTextSize];
    std::snprintf(text, sizeof text, "ALT: %d ", static_cast<int>(MaxAltitude));
    AppendAltUnit(text);
    DrawText(0, 24, text, 0, 0);
    std::snprintf(text, sizeof text, "ASI: %u ", static_cast<unsigned>(MaxAirspeed));
    AppendSpeedUnit(text);
    DrawText(0, 32, text, 0, 0);
    std::snprintf(text, sizeof text, "RPM: %u", static_cast<unsigned>(MaxRpm));
    DrawText(0, 40, text, 0, 0);
    std::snprintf(text, sizeof text, "VOLTS: %.1fV", MaxVolts / 10.0);
    DrawText(0, 48, text, 0, 0);
    std::snprintf(text, sizeof text, "OAT: %d", static_cast<int>(MinOat));
    AppendTempUnit(text);
    char high[WidgetTextSize];
    std::snprintf(high, sizeof high, " %d", static_cast<int>(MaxOat));
    AppendTempUnit(high);
    AppendText(text, high);
    DrawText(0, 56, text, 0, 0);
}

const MenuRow MaxRows[] = {
    ActionRow("RESET VALUES", ResetMaxValues),
};
const MenuList MaxValues = MenuList(" MAX VALUES ", MaxRows).DrawAfter(DrawMaxLines);

} // namespace

void MaxValuesScreen() { RunMenuList(MaxValues); }
