#include "unit_text.h"

#include <cstdio>

#include "../instrument/settings.h"
#include "../lcd/widgets.h"

void AppendTempUnit(char *text) { AppendText(text, TempUnit == 0 ? "|C" : "|F"); }

void AppendAltUnit(char *text)
{
    if (AltUnit < 2) AppendText(text, AltUnitNames[AltUnit]);
}

void AppendSpeedUnit(char *text)
{
    if (AsiUnit < 3) AppendText(text, AsiUnitNames[AsiUnit]);
}

void AppendFuelUnit(char *text)
{
    if (FuelUnit <= 5) AppendText(text, FuelInGallons() ? "G" : "L");
}

void FormatFuelAmount(char *text, s32 value)
{
    if (FuelUnit > 5) return;
    if (FuelInGallons()) std::snprintf(text, WidgetTextSize, "%4.1f", value * 0.1);
    else std::snprintf(text, WidgetTextSize, "%4d", static_cast<int>(value));
}
