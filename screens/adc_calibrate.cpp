// ADC VALUES and CALIBRATE: the installer's raw readings and the four calibration trims,
// each trim shown beside the reading it corrects.
#include <cstdio>

#include "../instrument/airdata.h"
#include "../instrument/engine_fuel.h"
#include "../instrument/settings.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

// ---- ADC VALUES ----

struct AdcLine {
    const char *Fmt;
    ValueRef Reading;
};

const AdcLine AdcLines[] = {
    {"ALTITUDE: %u", RefTo(AdcAltitude)}, {"VSI: %u", RefTo(AdcVsi)}, {"AIRSPEED: %u", RefTo(AdcAirspeed)},
    {"VOLTS: %u", RefTo(AdcVolts)},       {"OAT: %u", RefTo(AdcOat)}, {"FUEL LEVEL: %u", RefTo(AdcFuelLevel)},
};

// One line per input at y 16 to 56.
void DrawAdcLines()
{
    for (u8 i = 0; i < sizeof AdcLines / sizeof AdcLines[0]; ++i) {
        char text[WidgetTextSize];
        std::snprintf(text, sizeof text, AdcLines[i].Fmt, static_cast<unsigned>(ReadValue(AdcLines[i].Reading)));
        DrawRowText(0, static_cast<u8>(16 + 8 * i), text, 0);
    }
}

// Only "*** DONE ***" is selectable, so the cursor stays on it and it is always inverted.
const MenuList AdcValues = MenuList(" ADC VALUES ").DrawAfter(DrawAdcLines);

// ---- CALIBRATE ----

// Each value text holds the trim and the reading it corrects, so both are inverted while
// the trim is edited.
void AltCalText(char *text)
{
    std::snprintf(text, WidgetTextSize, "%+d %d", static_cast<int>(AltCal), static_cast<int>(PressureAltitude));
}

void AsiCalText(char *text)
{
    std::snprintf(text, WidgetTextSize, "%d%% %u", static_cast<int>(AsiCal), static_cast<unsigned>(Airspeed));
}

void VoltsCalText(char *text)
{
    std::snprintf(text, WidgetTextSize, "%d%% %.1f", static_cast<int>(VoltsCal), Volts * 0.1);
}

void OatCalText(char *text)
{
    std::snprintf(text, WidgetTextSize, "%+d %d|C", static_cast<int>(OatCal), static_cast<int>(OatCelsius));
}

// The trims move by exactly 1 per key whatever KeyStep is.
const MenuRow CalibrateRows[] = {
    NumberRow("ALT: ", AltCal, FixedStep(-125, 125, StepStop, 1)).TextBy(AltCalText),
    NumberRow("ASI: ", AsiCal, FixedStep(50, 150, StepStop, 1)).TextBy(AsiCalText),
    NumberRow("VOLTS: ", VoltsCal, FixedStep(80, 120, StepWrap, 1)).TextBy(VoltsCalText),
    NumberRow("OAT: ", OatCal, FixedStep(-20, 20, StepStop, 1)).TextBy(OatCalText),
};

const MenuList Calibrate = MenuList(" CALIBRATE ", CalibrateRows).OnLeave(SaveSettings);

} // namespace

void AdcValuesScreen() { RunMenuList(AdcValues); }

void CalibrateScreen() { RunMenuList(Calibrate); }
