// FUEL SETUP with its lines that come and go with the settings, TANK CAL with its sender
// capture and manual entry, and the SLOPE ERROR message of a table that does not rise or
// fall steadily.
#include "fuel_setup.h"

#include <cstdio>

#include "../instrument/engine_fuel.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/framebuffer.h"
#include "../lcd/widgets.h"
#include "menu_engine.h"
#include "screens.h"

u8 TankCalManual;
u8 TankCalReturnRow;
ScreenFn ErrorReturnScreen;

namespace {

constexpr s32 SenderReadingTop = 4096;  // the top of an analogue input

// ---- FUEL SETUP ----

bool GpsSpeedChosen() { return FuelSpeedSource == 1; }
bool FlowSenderFitted() { return FuelFlowOn == 1; }
bool LevelShown() { return FuelLevelMode < FuelLevelOff; }
bool LevelFromSender() { return FuelLevelMode == FuelLevelSender; }

void AlarmValueBounds(s32 &low, s32 &high)
{
    low = 0;
    high = TankSize < 0 ? 0 : TankSize;
}

// A smaller tank size leaves the alarm value where it was; its next edit brings it back
// within the tank, so a step down from above the tank lands on the tank size.
void HoldAlarmToTank()
{
    s32 low, high;
    AlarmValueBounds(low, high);
    if (FuelAlarmLevel > high) FuelAlarmLevel = high;
}

void OpenTankCal()
{
    TankCalReturnRow = Cursor;
    TankCalManual = 0;
    OpenScreen(TankCalScreen);
}

const MenuRow FuelLines[] = {
    ChoiceRow("UNIT: ", FuelUnit, FuelUnitNames),
    ChoiceRow("SPEED: ", FuelSpeedSource, FuelSpeedSourceNames),
    ChoiceRow("BAUD: ", GpsBaud, GpsBaudNames).ShownWhen(GpsSpeedChosen),
    ChoiceRow("FLOW: ", FuelFlowOn, OffOnNames),
    NumberRow("K-FACTOR: ", KFactor, KeyStepRule(10, 60000, StepWrap)).ShownWhen(FlowSenderFitted),
    ChoiceRow("LEVEL: ", FuelLevelMode, FuelLevelModeNames),
    NumberRow("TANK SIZE: ", TankSize, KeyStepRule(0, 999, StepWrap)).Scaled(ShowFuel).ShownWhen(LevelShown),
    ActionRow("TANK CALIBRATE", OpenTankCal).ShownWhen(LevelFromSender),
    ChoiceRow("TANK FILTER:", TankFilter, TankFilterNames).ShownWhen(LevelFromSender),
    ChoiceRow("ALARM: ", FuelAlarmOn, OffOnNames).ShownWhen(LevelShown),
    NumberRow("ALARM VALUE: ", FuelAlarmLevel, VariableBounds(AlarmValueBounds, StepWrap))
        .Scaled(ShowFuel)
        .OnChange(HoldAlarmToTank)
        .ShownWhen(LevelShown),
};
// The kind of each line above, in the same order.
const u8 FuelLineKinds[] = {
    FuelLineUnit,  FuelLineSpeed,    FuelLineBaud,          FuelLineFlow,       FuelLineKFactor,     FuelLineLevel,
    FuelLineTankSize, FuelLineTankCalibrate, FuelLineTankFilter, FuelLineAlarm, FuelLineAlarmValue,
};
static_assert(sizeof FuelLineKinds == sizeof FuelLines / sizeof FuelLines[0], "one kind per line");

const MenuRow *FuelLineOfKind(u8 kind)
{
    for (u8 i = 0; i < sizeof FuelLineKinds; ++i)
        if (FuelLineKinds[i] == kind) return &FuelLines[i];
    return nullptr;
}

void FuelLineDrawn(u8 index, u8 row) { FuelSetupRowKeys(FuelLineKinds[index], row); }

const MenuList FuelSetup = MenuList(" FUEL SETUP ", FuelLines).RowKeysBy(FuelLineDrawn);

// ---- TANK CAL ----

const char TankCalModeNames[2][7] = {"SENDER", "MANUAL"};

// Labels of the six points: the tank fraction each stands for, in the fuel unit. Written
// every cycle, as they follow TANK SIZE and the unit.
char PointLabels[6][WidgetTextSize];

void WritePointLabels()
{
    for (u8 i = 0; i < 6; ++i) {
        if (FuelInGallons()) {
            const float gallons = static_cast<float>(static_cast<s64>(TankSize) * 20 * i) * 0.001f;
            std::snprintf(PointLabels[i], WidgetTextSize, "%4.1fG: ", static_cast<double>(gallons));
        } else {
            std::snprintf(PointLabels[i], WidgetTextSize, "%4dL: ", static_cast<int>(static_cast<s64>(TankSize) * 20 * i / 100));
        }
    }
}

void MakeTankCalTitle(char *text)
{
    if (TankCalManual == 1) std::snprintf(text, WidgetTextSize, " TANK CAL ");
    else std::snprintf(text, WidgetTextSize, " TANK CAL: %u ", static_cast<unsigned>(AdcFuelLevel));
}

// Middle button on a point: SENDER mode takes the live reading at once, MANUAL mode edits.
template <u8 Point>
bool SelectPoint()
{
    if (TankCalManual == 1) return true;
    TankCal[Point] = AdcFuelLevel > static_cast<u32>(SenderReadingTop) ? SenderReadingTop : static_cast<s32>(AdcFuelLevel);
    return false;
}

constexpr NumberRule PointRule = KeyStepRule(0, SenderReadingTop, StepWrap);

const MenuRow TankCalRows[] = {
    ChoiceRow(" MODE: ", TankCalManual, TankCalModeNames),
    NumberRow(PointLabels[0], TankCal[0], PointRule).OnSelect(SelectPoint<0>),
    NumberRow(PointLabels[1], TankCal[1], PointRule).OnSelect(SelectPoint<1>),
    NumberRow(PointLabels[2], TankCal[2], PointRule).OnSelect(SelectPoint<2>),
    NumberRow(PointLabels[3], TankCal[3], PointRule).OnSelect(SelectPoint<3>),
    NumberRow(PointLabels[4], TankCal[4], PointRule).OnSelect(SelectPoint<4>),
    NumberRow(PointLabels[5], TankCal[5], PointRule).OnSelect(SelectPoint<5>),
};

/// True when the points rise strictly (first <= last) or fall strictly from empty to full.
bool TankTableSteady()
{
    const bool rising = TankCal[0] <= TankCal[5];
    for (u8 i = 0; i < 5; ++i) {
        const s32 a = TankCal[i];
        const s32 b = TankCal[i + 1];
        if (rising ? a >= b : a <= b) return false;
    }
    return true;
}

// "*** DONE ***": a steady table is kept and FUEL SETUP shown on TANK CALIBRATE again;
// any other stays as it is and the SLOPE ERROR message leads back here.
void LeaveTankCal()
{
    if (!TankTableSteady()) {
        ErrorReturnScreen = TankCalScreen;
        CurrentScreen = SlopeErrorScreen;
        return;
    }
    OpenScreen(FuelSetupScreen, TankCalReturnRow);
    SaveSettings();
}

const MenuList TankCalList = MenuList(" TANK CAL ", TankCalRows)
                              .TitleBy(MakeTankCalTitle)
                              .EachCycle(WritePointLabels)
                              .OnDone(LeaveTankCal);

// ---- SLOPE ERROR ----

const TextLine SlopeErrorLines[] = {{"SLOPE", 85, 19, 1}, {"ERROR", 85, 38, 1}};

} // namespace

void FuelSetupRowKeys(u8 kind, u8 row)
{
    if (KeySlot == 0 || Cursor != row) return;
    const MenuRow *line = FuelLineOfKind(kind);
    if (line == nullptr) return;
    if (line->Kind == RowAction) {
        if (KeySlot != KeyCentre || line->Action == nullptr) return;
        line->Action();
        KeySlot = 0;
        return;
    }
    if (EditMode == 1) StepRow(*line, EditDirection(KeySlot));
}

void FuelSetupScreen() { RunMenuList(FuelSetup); }

void TankCalScreen() { RunMenuList(TankCalList); }

void SlopeErrorScreen()
{
    DrawMessageFrame();
    DrawTextLines(SlopeErrorLines, 2);
    CloseOnAnyKey(ErrorReturnScreen);
}

static const StateVar FuelSetupVars[] = {
    STATE_VAR(TankCalManual, U8),
    STATE_VAR(TankCalReturnRow, U8),
    STATE_VAR(ErrorReturnScreen, Screen),
};
const StateTable FuelSetupState = STATE_TABLE(FuelSetupVars);
