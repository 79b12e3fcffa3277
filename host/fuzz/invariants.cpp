#include "invariants.h"

#include <cstdio>
#include <cstring>

#include "../../instrument/airdata.h"
#include "../../instrument/settings.h"
#include "../../lcd/framebuffer.h"
#include "../../screens/main_menu.h"
#include "../../screens/screens.h"
#include "../main_loop.h"
#include "../state_lookup.h"

namespace {

// ---------------------------------------------------------------------------------------
// Ranges of single variables
// ---------------------------------------------------------------------------------------

struct RangeRule {
    const char *Name;  ///< state name, "Name[i]" for one element of an array
    long long Low;
    long long High;
    u8 Flags;          ///< OnlyEven, OrZero
};
constexpr u8 OnlyEven = 1;  ///< only even values
constexpr u8 OrZero = 2;    ///< 0 as well (not loaded yet)

template <size_t N, size_t W>
constexpr long long LastIndex(const char (&)[N][W]) { return static_cast<long long>(N) - 1; }

// Enumerated settings: the value must index a field of the table its screen shows.
const RangeRule EnumRules[] = {
    {"Backlight", 0, LastIndex(OffOnNames), 0},
    {"TempUnit", 0, 1, 0},
    {"AltUnit", 0, LastIndex(AltUnitNames), 0},
    {"QnhUnit", 0, LastIndex(QnhUnitNames), 0},
    {"VsiUnit", 0, LastIndex(VsiUnitNames), 0},
    {"AsiLowAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"AsiHighAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"AsiFilter", 0, LastIndex(AsiFilterNames), 0},
    {"AsiUnit", 0, LastIndex(AsiUnitNames), 0},
    {"DistZeroAuto", 0, 1, 0},
    {"HourFractDec", 0, 1, 0},
    {"FlightDetect", 0, 1, 0},
    {"RpmDisplayOn", 0, LastIndex(OffOnNames), 0},
    {"RpmLowAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"RpmHighAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"RpmPulseMode", 0, LastIndex(RpmPulseModeNames), 0},
    {"RpmFilter", 0, LastIndex(RpmFilterNames), 0},
    {"VoltsLowAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"VoltsHighAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"FuelUnit", 0, LastIndex(FuelUnitNames), 0},
    {"FuelSpeedSource", 0, LastIndex(FuelSpeedSourceNames), 0},
    {"FuelFlowOn", 0, LastIndex(OffOnNames), 0},
    {"FuelLevelMode", 0, LastIndex(FuelLevelModeNames), 0},
    {"FuelAlarmOn", 0, LastIndex(OffOnNames), 0},
    {"TankFilter", 0, LastIndex(TankFilterNames), 0},
    {"GpsBaud", 0, LastIndex(GpsBaudNames), 0},
    {"TankCalManual", 0, 1, 0},
};

// Numeric settings and counters: the bounds their screens and counters keep them in.
const RangeRule NumberRules[] = {
    {"Contrast", 0, 62, OnlyEven},
    {"Qnh", 940251, 1080249, 0},  // the knob never takes it to the open range's ends
    {"HobbsRpm", 100, 9500, 0},
    {"RpmLowAlarm", 100, 20000, 0},
    {"RpmHighAlarm", 100, 20000, 0},
    {"PulsesPerRev", 1, 5000, 0},
    {"VoltsLowAlarm", 80, 300, 0},
    {"VoltsHighAlarm", 80, 300, 0},
    {"KFactor", 10, 60000, 0},
    {"TankSize", 0, 999, 0},
    {"FuelAlarmLevel", 0, 999, 0},
    {"TankCal[0]", 0, 4096, 0},
    {"TankCal[1]", 0, 4096, 0},
    {"TankCal[2]", 0, 4096, 0},
    {"TankCal[3]", 0, 4096, 0},
    {"TankCal[4]", 0, 4096, 0},
    {"TankCal[5]", 0, 4096, 0},
    {"AsiCal", 50, 150, 0},
    {"VoltsCal", 80, 120, 0},
    {"AltCal", -125, 125, 0},
    {"VsiCal", 50, 150, 0},
    {"OatCal", -20, 20, 0},
    {"AsiZero", 0, 4096, 0},
    {"VsiZero", 0, 4096, 0},
    {"HobbsCode", 0, 9999, 0},
    {"PendingCode", 0, 9999, 0},
    {"HobbsHours", 0, 10000, 0},
    {"HobbsFraction", 0, 99, 0},
    {"MaintHours", 0, 999, 0},
    {"MaintFraction", 0, 99, 0},
    {"StartingLevel", 0, 999, 0},
    {"SelectedLogSlot", 0, 31, 0},
    {"FlightLogIndex", 0, 31, 0},
    {"EditDigits[0]", 0, 9, 0},
    {"EditDigits[1]", 0, 9, 0},
    {"EditDigits[2]", 0, 9, 0},
    {"EditDigits[3]", 0, 9, 0},
    {"EditDigits[4]", 0, 9, 0},
    {"EditDigits[5]", 0, 9, 0},
    {"EditYear", 1900, 2155, OrZero},  // 0 until SET DATE&TIME first loads it
    {"EditMonth", 0, 12, 0},
    {"EditDay", 0, 31, 0},
    {"EditHour", 0, 23, 0},
    {"EditMinute", 0, 59, 0},
    {"EditSecond", 0, 59, 0},
    // The clock: from the host (any date 1900..2155) or from SET DATE&TIME (1970..2100, day
    // not checked against the month); all zero until the first slow tick reads it.
    {"RealTimeClock.Year", 0, 255, 0},
    {"RealTimeClock.Month", 0, 12, 0},
    {"RealTimeClock.Day", 0, 31, 0},
    {"RealTimeClock.Hour", 0, 23, 0},
    {"RealTimeClock.Minute", 0, 59, 0},
    {"RealTimeClock.Second", 0, 59, 0},
    {"RealTimeClock.Weekday", 0, 6, 0},
    // Navigation and the main loop.
    {"EditMode", 0, 1, 0},
    {"InfoPage", 0, 3, 0},
    {"CalibrateMode", 0, 1, 0},
    {"BlinkFlag", 0, 1, 0},
    {"SlowTick", 0, 1, 0},
    {"FuelTick", 0, 1, 0},
    {"InFlight", 0, 1, 0},
    {"FlightLogged", 0, 1, 0},
    {"StopwatchRunning", 0, 1, 0},
    {"AlarmFlags", 0, 15, 0},
    {"AlarmAcknowledged", 0, 15, 0},
    {"RunDepth", 0, MaxRunDepth, 0},
    {"BlinkDivider", 0, 10, 0},
    {"SlowDivider", 0, 19, 0},
    {"FuelTickDivider", 0, 3, 0},
};

struct ResolvedRule {
    const RangeRule *Rule;
    StateRef Ref;
};

std::vector<ResolvedRule> Resolved;
std::vector<std::string> Warnings;
bool ResolvedOnce = false;

void Resolve()
{
    if (ResolvedOnce) return;
    ResolvedOnce = true;
    auto add = [](const RangeRule &rule) {
        StateRef ref;
        if (FindState(rule.Name, ref)) Resolved.push_back({&rule, ref});
        else Warnings.push_back(std::string("variable ") + rule.Name + " does not exist: its range is not checked");
    };
    for (const RangeRule &rule : EnumRules) add(rule);
    for (const RangeRule &rule : NumberRules) add(rule);
}

bool Fail(char *message, unsigned size, const char *format, long long a, long long b = 0, long long c = 0)
{
    std::snprintf(message, size, format, a, b, c);
    return false;
}

bool Read(const char *name, long long &value)
{
    StateRef ref;
    if (!FindState(name, ref)) return false;
    value = ReadStateNumber(ref);
    return true;
}

// ---------------------------------------------------------------------------------------
// Rules that depend on other settings or on what happened before
// ---------------------------------------------------------------------------------------

// A screen that can only be left after it has put things right (ASI SETUP clamping the
// airspeed settings, TANK CAL validating the table) is also left when its run is switched off
// while an outer run, started before it, was still in its splash: that run then cycles on with
// whatever the inner run left. Such a leftover stands until it is put right or the next power-on.
u8 LastRunDepth = 0;
ScreenFn LastScreen = nullptr;
bool AsiLeftByStop = false;
bool TankLeftByStop = false;

// Airspeed settings stay inside the range of the current unit. Right after the unit changes
// they keep their numbers until ASI SETUP's next cycle pulls them into the new range, so
// until then they only have to lie inside the widest range of all units.
u8 LastAsiUnit = 0;
bool AsiClampPending = false;

// A fuel alarm level or starting level above the tank size is only possible because the
// tank size was reduced after it was set: it may then stay or go down, never go up.
long long LastFuelAlarmLevel = -1;
long long LastStartingLevel = -1;

bool CheckAirspeedSettings(char *message, unsigned size)
{
    if (AsiUnit != LastAsiUnit) AsiClampPending = true;
    LastAsiUnit = AsiUnit;
    if (AsiUnit > 2) return true;  // reported by the enumeration rule
    const u32 values[3] = {AsiLowAlarm, AsiHighAlarm, TakeoffAirspeed};
    const char *const names[3] = {"AsiLowAlarm", "AsiHighAlarm", "TakeoffAirspeed"};
    const AirspeedBounds &range = AirspeedRange[AsiUnit];
    bool inRange = true;
    for (int i = 0; i < 3; ++i) {
        if (values[i] < 14 || values[i] > 402) {
            std::snprintf(message, size, "%s = %u outside every airspeed unit's range 14..402", names[i], values[i]);
            return false;
        }
        if (values[i] < range.Low || values[i] > range.High) inRange = false;
    }
    if (inRange) {
        AsiClampPending = false;
        AsiLeftByStop = false;
        return true;
    }
    if (AsiClampPending && CurrentScreen == AsiSetupScreen) return true;  // clamped next cycle
    if (AsiClampPending && RunDepth < LastRunDepth && LastScreen == AsiSetupScreen) AsiLeftByStop = true;
    if (AsiLeftByStop) return true;
    if (AsiClampPending && CurrentScreen != AsiSetupScreen) {
        // The unit changes only on ASI SETUP, and that screen cannot be left before a cycle
        // of it has clamped the values.
        std::snprintf(message, size, "airspeed settings %u/%u/%u outside %u..%u after leaving ASI SETUP",
                      values[0], values[1], values[2], range.Low, range.High);
        return false;
    }
    std::snprintf(message, size, "airspeed settings %u/%u/%u outside %u..%u of AsiUnit %u", values[0], values[1],
                  values[2], range.Low, range.High, AsiUnit);
    return false;
}

bool CheckBelowTank(const char *name, long long ceiling, long long &last, char *message, unsigned size)
{
    long long value = 0;
    if (!Read(name, value)) return true;
    const bool ok = value <= ceiling || (last >= 0 && value <= last);
    last = value;
    if (ok) return true;
    std::snprintf(message, size, "%s = %lld rose above TankSize %d", name, value, TankSize);
    return false;
}

bool CheckAlarmWords(char *message, unsigned size)
{
    if ((AlarmAcknowledged & ~AlarmFlags) != 0)
        return Fail(message, size, "AlarmAcknowledged %lld holds a bit that AlarmFlags %lld does not", AlarmAcknowledged,
                    AlarmFlags);
    return true;
}

// The tank calibration table rises or falls strictly whenever TANK CAL is not on the display:
// the screen can only be left through a valid table, and power-on loads a valid one.
bool CheckTankTable(char *message, unsigned size)
{
    if (CurrentScreen == TankCalScreen || CurrentScreen == SlopeErrorScreen) return true;
    const bool rising = TankCal[0] <= TankCal[5];
    for (int i = 0; i < 5; ++i) {
        if (rising ? TankCal[i] < TankCal[i + 1] : TankCal[i] > TankCal[i + 1]) continue;
        if (TankLeftByStop) return true;
        std::snprintf(message, size, "tank table %d %d %d %d %d %d not monotonic outside TANK CAL", TankCal[0],
                      TankCal[1], TankCal[2], TankCal[3], TankCal[4], TankCal[5]);
        return false;
    }
    TankLeftByStop = false;
    return true;
}

// ---------------------------------------------------------------------------------------
// The cursor of each screen
// ---------------------------------------------------------------------------------------

// The last cursor position of each screen comes with its line in screens/screen_list.h. The
// screens whose rows come and go (CursorByRows) are counted here from the settings, apart
// from the screens' own row tables.
int MainMenuLastEntry() { return MainMenuEntriesCalibrate - 1; }  // stays reachable after Calibrate is unticked
int FlightLogLastRow() { return FlightDetect == 1 ? 5 : 4; }
int RpmSetupLastRow() { return RpmDisplayOn == 1 ? 8 : 1; }
int FuelSetupLastRow()
{
    int n = 2;                                   // UNIT, SPEED
    if (FuelSpeedSource == 1) ++n;               // BAUD
    ++n;                                         // FLOW
    if (FuelFlowOn == 1) ++n;                    // K-FACTOR
    ++n;                                         // LEVEL
    if (FuelLevelMode < 2) ++n;                  // TANK SIZE
    if (FuelLevelMode == 0) n += 2;              // TANK CALIBRATE, TANK FILTER
    if (FuelLevelMode < 2) n += 2;               // ALARM, ALARM VALUE
    return n;
}

struct RowsRule {
    ScreenFn Screen;
    int (*LastRow)();
};
const RowsRule RowsRules[] = {
    {MainMenuScreen, MainMenuLastEntry},
    {FlightLogScreen, FlightLogLastRow},
    {RpmSetupScreen, RpmSetupLastRow},
    {FuelSetupScreen, FuelSetupLastRow},
};

const RowsRule *RowsRuleOf(ScreenFn screen)
{
    for (const RowsRule &rule : RowsRules)
        if (rule.Screen == screen) return &rule;
    return nullptr;
}

const ScreenEntry *EntryOf(ScreenFn screen)
{
    for (u8 i = 0; i < ScreenRegistryCount; ++i)
        if (ScreenRegistry[i].Screen == screen) return &ScreenRegistry[i];
    return nullptr;
}

int BoundOf(const ScreenEntry *entry, int depth)
{
    if (entry == nullptr) return -1;
    if (entry->LastCursor == CursorByRows) {
        const RowsRule *rule = RowsRuleOf(entry->Screen);
        return rule != nullptr ? rule->LastRow() : -1;
    }
    if (entry->LastCursor != CursorOfOpener) return entry->LastCursor;
    if (depth > 0 || ReturnScreen == nullptr) return -1;
    return BoundOf(EntryOf(ReturnScreen), depth + 1);
}

std::vector<std::string> UnknownScreens;

void NoteUnregisteredScreen()
{
    if (UnknownScreens.empty()) UnknownScreens.push_back("an unregistered screen function");
}

bool CheckCursor(char *message, unsigned size)
{
    const ScreenEntry *entry = EntryOf(CurrentScreen);
    if (entry == nullptr) {
        NoteUnregisteredScreen();
        return true;
    }
    const char *name = entry->Name;
    if (EditMode != 0 && entry->Edits == 0) {
        std::snprintf(message, size, "EditMode 1 on %s, which has no value to edit", name);
        return false;
    }
    if (EditMode != 0 && Cursor == 0) {
        std::snprintf(message, size, "EditMode 1 on the \"*** DONE ***\" row of %s", name);
        return false;
    }
    const int largest = BoundOf(entry, 0);
    if (largest < 0) return true;
    if (Cursor <= largest) return true;
    std::snprintf(message, size, "Cursor %u beyond the last row %d of %s", Cursor, largest, name);
    return false;
}

bool CheckAll(bool cycleRan, char *message, unsigned size)
{
    if (RunDepth < LastRunDepth && (LastScreen == TankCalScreen || LastScreen == SlopeErrorScreen))
        TankLeftByStop = true;
    for (const ResolvedRule &r : Resolved) {
        const long long value = ReadStateNumber(r.Ref);
        if ((r.Rule->Flags & OrZero) != 0 && value == 0) continue;
        if (value < r.Rule->Low || value > r.Rule->High || ((r.Rule->Flags & OnlyEven) != 0 && value % 2 != 0)) {
            std::snprintf(message, size, "%s = %lld outside %lld..%lld%s", r.Rule->Name, value, r.Rule->Low,
                          r.Rule->High, (r.Rule->Flags & OnlyEven) != 0 ? " (even)" : "");
            return false;
        }
    }
    if (!CheckAirspeedSettings(message, size)) return false;
    if (!CheckBelowTank("FuelAlarmLevel", TankSize, LastFuelAlarmLevel, message, size)) return false;
    // The starting-level prompt wraps to 1 past the tank size, so 1 stands even over a tank of 0.
    if (!CheckBelowTank("StartingLevel", TankSize > 1 ? TankSize : 1, LastStartingLevel, message, size)) return false;
    if (!CheckAlarmWords(message, size)) return false;
    if (!cycleRan) return true;
    if (CurrentScreen == nullptr) return Fail(message, size, "no current screen after a cycle", 0);
    if (!CheckTankTable(message, size)) return false;
    // After a screen has run: its key is consumed and the cursor is on one of its rows.
    // KeyStep is set by every cycle before its screen (0 until the first one).
    if (KeyStep != 1 && KeyStep != 10) return Fail(message, size, "KeyStep = %lld, neither 1 nor 10", KeyStep);
    if (KeySlot != 0) return Fail(message, size, "KeySlot %lld left unconsumed by the screen", KeySlot);
    return CheckCursor(message, size);
}

} // namespace

void ResetInvariantTracking()
{
    LastAsiUnit = AsiUnit;
    AsiClampPending = false;
    LastFuelAlarmLevel = -1;
    LastStartingLevel = -1;
    LastRunDepth = RunDepth;
    LastScreen = CurrentScreen;
    AsiLeftByStop = false;
    TankLeftByStop = false;
}

bool CheckInvariants(bool cycleRan, char *message, unsigned size)
{
    Resolve();
    const bool ok = CheckAll(cycleRan, message, size);
    LastRunDepth = RunDepth;
    LastScreen = CurrentScreen;
    return ok;
}


std::vector<std::string> InvariantWarnings()
{
    Resolve();
    std::vector<std::string> all = Warnings;
    for (u8 i = 0; i < ScreenRegistryCount; ++i)
        if (ScreenRegistry[i].LastCursor == CursorByRows && RowsRuleOf(ScreenRegistry[i].Screen) == nullptr)
            all.push_back(std::string("screen ") + ScreenRegistry[i].Name +
                          " counts its rows but has no rule for them: only the generic checks apply");
    for (const std::string &screen : UnknownScreens) all.push_back(screen + " was current: only the generic checks apply");
    return all;
}

int LargestCursor(ScreenFn screen) { return BoundOf(EntryOf(screen), 0); }

int LargestCursorByName(const char *name) { return BoundOf(EntryOf(ScreenByName(name)), 0); }
