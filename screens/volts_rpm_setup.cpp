// VOLTS SETUP and RPM SETUP: the supply-voltage alarms and the engine-RPM settings.
#include "../instrument/engine_fuel.h"
#include "../instrument/settings.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

// Volts in tenths: 8.0 V to 30.0 V, 0.1 V or 1.0 V per key.
constexpr NumberRule VoltsAlarmRule = KeyStepRule(80, 300, StepWrap);
// RPM alarms: 100 to 20000 rpm, 10 or 100 rpm per key.
constexpr NumberRule RpmAlarmRule = KeyStepRule(100, 20000, StepWrap, 10);
// Pulses per revolution in tenths: 0.1 to 500.0, never 0.
constexpr NumberRule PulsesPerRevRule = KeyStepRule(1, 5000, StepWrap);

// "HIGH ALARM:" has no trailing blank so that a value such as 15.0V ends on the last
// pixel column.
const MenuRow VoltsRows[] = {
    ChoiceRow("LOW ALARM: ", VoltsLowAlarmOn, OffOnNames),
    NumberRow("LOW ALARM: ", VoltsLowAlarm, VoltsAlarmRule).Format("%.1fV").Scaled(ShowTenths),
    ChoiceRow("HIGH ALARM: ", VoltsHighAlarmOn, OffOnNames),
    NumberRow("HIGH ALARM:", VoltsHighAlarm, VoltsAlarmRule).Format("%.1fV").Scaled(ShowTenths),
};
const MenuList VoltsSetup = MenuList(" VOLTS SETUP ", VoltsRows);

bool RpmDisplayIsOn() { return RpmDisplayOn == 1; }

// With the RPM display off only the display switch is listed; the other settings keep
// their values and come back with it.
const MenuRow RpmRows[] = {
    ChoiceRow("RPM DISPLAY: ", RpmDisplayOn, OffOnNames),
    ChoiceRow("LOW ALARM: ", RpmLowAlarmOn, OffOnNames).ShownWhen(RpmDisplayIsOn),
    NumberRow("LOW ALARM: ", RpmLowAlarm, RpmAlarmRule).ShownWhen(RpmDisplayIsOn),
    ChoiceRow("HIGH ALARM: ", RpmHighAlarmOn, OffOnNames).ShownWhen(RpmDisplayIsOn),
    NumberRow("HIGH ALARM:", RpmHighAlarm, RpmAlarmRule).ShownWhen(RpmDisplayIsOn),
    NumberRow("PULSE/REV: ", PulsesPerRev, PulsesPerRevRule).Format("%.1f").Scaled(ShowTenths).ShownWhen(RpmDisplayIsOn),
    ChoiceRow("PULSE: ", RpmPulseMode, RpmPulseModeNames).ShownWhen(RpmDisplayIsOn),
    ChoiceRow("FILTER: ", RpmFilter, RpmFilterNames).ShownWhen(RpmDisplayIsOn),
};

// The TIME-mode conversion takes a new PULSE/REV only when the screen is left.
const MenuList RpmSetup = MenuList(" RPM SETUP ", RpmRows).OnLeave(ComputeRpmScale);

} // namespace

void VoltsSetupScreen() { RunMenuList(VoltsSetup); }

void RpmSetupScreen() { RunMenuList(RpmSetup); }
