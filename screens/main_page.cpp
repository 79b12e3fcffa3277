#include "main_page.h"

#include <cstdint>
#include <cstdio>

#include "../instrument/airdata.h"
#include "../instrument/engine_fuel.h"
#include "../instrument/flight.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../instrument/time_base.h"
#include "../lcd/framebuffer.h"
#include "../lcd/legends.h"
#include "../lcd/text.h"
#include "../lcd/widgets.h"
#include "navigation.h"
#include "screens.h"

u8 InfoPage;

const u8 VsiBarSteps[32] = {0,  4,  8,  12, 16, 20, 24,  28,  32,  36,  40,  44,  48,  52,  56,  60,
                            63, 71, 79, 87, 95, 103, 111, 118, 125, 140, 156, 171, 187, 202, 218, 250};

namespace {

constexpr u8 TextSize = WidgetTextSize;  // every text is composed into a buffer of this size

// QNH steps of the knob and the open range it keeps QNH inside.
constexpr u32 QnhStepMillibar = 1000;
constexpr u32 QnhStepInch = 338;
constexpr u32 QnhFloor = 940250;
constexpr u32 QnhCeiling = 1080250;

enum TextStyle : u8 { StyleNormal = 0, StyleTall = 1, StyleSmall = 2 };

/// One text of the page. A fixed text is always shown; a composed one is written by its
/// composer, which returns false when the text is not shown in the present state.
struct PageText {
    u8 X;
    u8 Y;
    u8 Style;
    const char *Fixed;
    bool (*Compose)(char *text);
};

struct InfoPageTexts {
    const PageText *Texts;
    u8 Count;
};

// ---- Helpers ----

// A setting used as a table index, with out-of-range values taken as the first entry.
u8 TableIndex(u8 value, u8 count) { return value < count ? value : 0; }

u8 ShownInfoPage() { return TableIndex(InfoPage, 4); }

// 0 statute miles (L/sm, G/sm), 1 nautical miles (L/nm, G/nm), 2 kilometres (L/km, G/km).
u8 FuelDistanceUnit() { return TableIndex(static_cast<u8>(FuelUnit / 2), 3); }

// A value in its alarm state is drawn only in the lit half of the blink period.
bool Steady(bool alarmState) { return !alarmState || BlinkFlag == 1; }

// Truncates toward zero, holding values beyond the s32 range at its ends.
s32 TruncateToS32(float value)
{
    if (value >= 2147483520.0f) return INT32_MAX;
    if (value <= -2147483648.0f) return INT32_MIN;
    return static_cast<s32>(value);
}

// ---- Permanent part ----

bool FlightIndicator(char *text)
{
    if (InFlight != 1 || BlinkFlag != 1) return false;
    snprintf(text, TextSize, "F");
    return true;
}

bool AltitudeValue(char *text)
{
    snprintf(text, TextSize, "%5ld", static_cast<long>(Altitude));
    return true;
}

bool AltitudeUnitText(char *text)
{
    snprintf(text, TextSize, AltUnit == 0 ? GLYPH_FEET : GLYPH_METRES);
    return true;
}

bool AirspeedValue(char *text)
{
    if (!Steady(AirspeedAlarmCondition())) return false;
    snprintf(text, TextSize, "%3u", static_cast<unsigned>(Airspeed));
    return true;
}

// Airspeed unit cells by AsiUnit: mph, km/h, knots; upper cell above lower cell.
const char AirspeedUnitCells[3][2][2] = {
    {GLYPH_MPH_UPPER, GLYPH_MPH_LOWER}, {GLYPH_KMH_UPPER, GLYPH_KMH_LOWER}, {GLYPH_KNOTS_UPPER, GLYPH_KNOTS_LOWER}};

bool AirspeedUnitUpper(char *text)
{
    snprintf(text, TextSize, "%s", AirspeedUnitCells[TableIndex(AsiUnit, 3)][0]);
    return true;
}

bool AirspeedUnitLower(char *text)
{
    snprintf(text, TextSize, "%s", AirspeedUnitCells[TableIndex(AsiUnit, 3)][1]);
    return true;
}

bool QnhValue(char *text)
{
    if (QnhUnit == 1) snprintf(text, TextSize, "%4.2f" GLYPH_INCH_HG, Qnh / PressurePerInchHg);
    else snprintf(text, TextSize, "%u" GLYPH_MILLIBAR, static_cast<unsigned>(Qnh / 1000));
    return true;
}

bool RpmLegend(char *text)
{
    if (RpmDisplayOn != 1) return false;
    snprintf(text, TextSize, LEGEND_RPM);
    return true;
}

bool RpmValue(char *text)
{
    if (RpmDisplayOn != 1 || !Steady(RpmAlarmCondition())) return false;
    snprintf(text, TextSize, "%5d", static_cast<int>(Rpm));
    return true;
}

bool VoltsValue(char *text)
{
    if (!Steady(VoltsAlarmCondition())) return false;
    snprintf(text, TextSize, "%4.1fV", Volts * 0.1);
    return true;
}

bool VsiUnitText(char *text)
{
    snprintf(text, TextSize, VsiUnit == 0 ? GLYPH_FEET GLYPH_PER_MINUTE : GLYPH_METRES GLYPH_PER_SECOND);
    return true;
}

// ft/min as a whole number; m/s (hundredths) with two decimals below 10 m/s, one above.
bool VsiValue(char *text)
{
    if (VsiUnit == 0) snprintf(text, TextSize, "%+5d", static_cast<int>(Vsi));
    else if (Vsi > -1000 && Vsi < 1000) snprintf(text, TextSize, "%+5.2f", Vsi * 0.01);
    else snprintf(text, TextSize, "%+5.1f", Vsi * 0.01);
    return true;
}

const PageText PermanentTexts[] = {
    {0, 0, StyleNormal, nullptr, FlightIndicator},
    {27, 0, StyleNormal, LEGEND_ALT, nullptr},
    {2, 8, StyleTall, nullptr, AltitudeValue},
    {41, 8, StyleNormal, nullptr, AltitudeUnitText},
    {65, 0, StyleNormal, LEGEND_ASI, nullptr},
    {53, 8, StyleTall, nullptr, AirspeedValue},
    {77, 8, StyleNormal, nullptr, AirspeedUnitUpper},
    {77, 15, StyleNormal, nullptr, AirspeedUnitLower},
    {0, 24, StyleNormal, nullptr, QnhValue},
    {100, 0, StyleNormal, nullptr, RpmLegend},
    {88, 8, StyleTall, nullptr, RpmValue},
    {69, 24, StyleNormal, nullptr, VoltsValue},
    {91, 32, StyleNormal, LEGEND_VSI, nullptr},
    {91, 40, StyleNormal, nullptr, VsiUnitText},
    {69, 50, StyleTall, nullptr, VsiValue},
};

// ---- Information page 0: times ----

bool ClockLine(char *text)
{
    snprintf(text, TextSize, LEGEND_CLOCK "  %02d:%02d", RealTimeClock.Hour, RealTimeClock.Minute);
    return true;
}

bool FlightTimeLine(char *text)
{
    snprintf(text, TextSize, HourFractDec == 1 ? LEGEND_FLIGHT_TIME "  %02d.%02d" : LEGEND_FLIGHT_TIME "  %02d:%02d",
             CurrentFlight.FlightHours,
             CurrentFlight.FlightFraction);
    return true;
}

// The stopwatch legend flashes while the stopwatch runs.
bool StopwatchLegend(char *text)
{
    if (StopwatchRunning == 1 && BlinkFlag != 1) return false;
    snprintf(text, TextSize, LEGEND_STOPWATCH);
    return true;
}

// Minutes and seconds in the first hour, hours and minutes after it.
bool StopwatchTime(char *text)
{
    const u32 t = StopwatchTicks;
    const u8 h = static_cast<u8>(t / 3600);
    const u8 m = static_cast<u8>(t % 3600 / 60);
    const u8 s = static_cast<u8>(t % 60);
    if (h == 0) snprintf(text, TextSize, "%02d:%02d", m, s);
    else snprintf(text, TextSize, "%02d:%02d", h, m);
    return true;
}

bool GroundSpeedLegend(char *text)
{
    if (FuelSpeedSource != 1) return false;
    snprintf(text, TextSize, GpsDataValid == 0 ? "COMMS ERROR" : "GS");
    return true;
}

bool GroundSpeedValue(char *text)
{
    if (FuelSpeedSource != 1 || GpsDataValid == 0) return false;
    switch (FuelDistanceUnit()) {
    case 0: snprintf(text, TextSize, "%3u" GLYPH_MPH, static_cast<unsigned>(GpsSpeedMph)); break;
    case 1: snprintf(text, TextSize, "%3u" GLYPH_KNOTS, static_cast<unsigned>(GpsSpeedKnots)); break;
    default: snprintf(text, TextSize, "%3d" GLYPH_KMH, static_cast<int>(GpsSpeedKmh)); break;
    }
    return true;
}

const PageText TimesPage[] = {
    {0, 32, StyleNormal, nullptr, ClockLine},         {0, 40, StyleNormal, nullptr, FlightTimeLine},
    {0, 48, StyleNormal, nullptr, StopwatchLegend},   {24, 48, StyleNormal, nullptr, StopwatchTime},
    {0, 56, StyleSmall, nullptr, GroundSpeedLegend},  {24, 56, StyleNormal, nullptr, GroundSpeedValue},
};

// ---- Information page 1: engine and outside air ----

bool HobbsLine(char *text)
{
    snprintf(text, TextSize, HourFractDec == 1 ? LEGEND_HOBBS " %04u.%02d" : LEGEND_HOBBS " %04u:%02d",
             static_cast<unsigned>(HobbsHours), HobbsFraction);
    return true;
}

bool MaintenanceLine(char *text)
{
    snprintf(text, TextSize, LEGEND_MAINTENANCE " %u", static_cast<unsigned>(MaintHours));
    return true;
}

// Readings at or above 151 C (301 F) are sensor faults and show dashes.
bool OatLine(char *text)
{
    if (TempUnit == 0) {
        if (Oat < 151) snprintf(text, TextSize, LEGEND_TEMPERATURE "  %d" GLYPH_DEGREES_C, static_cast<int>(Oat));
        else snprintf(text, TextSize, LEGEND_TEMPERATURE "  ---" GLYPH_DEGREES_C);
    } else {
        if (Oat < 301) snprintf(text, TextSize, LEGEND_TEMPERATURE "  %d" GLYPH_DEGREES_F, static_cast<int>(Oat));
        else snprintf(text, TextSize, LEGEND_TEMPERATURE "  ---" GLYPH_DEGREES_F);
    }
    return true;
}

bool GlideRatioLine(char *text)
{
    snprintf(text, TextSize, VsiClimbing == 1 ? GLYPH_ARROW_UP "  %.1f" : GLYPH_ARROW_DOWN "  %.1f", GlideRatio * 0.1);
    return true;
}

const PageText EnginePage[] = {
    {0, 32, StyleNormal, nullptr, HobbsLine},
    {0, 40, StyleNormal, nullptr, MaintenanceLine},
    {0, 48, StyleNormal, nullptr, OatLine},
    {0, 56, StyleNormal, nullptr, GlideRatioLine},
};

// ---- Information page 2: air data ----

// Tenths of a statute mile in kilometres or nautical miles.
double TenthsOfMiles(u32 tenths, SpeedUnit unit) { return static_cast<double>(tenths) * MphFactors[unit].Multiplier * 0.0001; }

// The air distance in tenths of a statute mile; 65535 marks a distance not known.
bool AirDistanceLine(char *text)
{
    const u32 d = AirDistance / 720;
    if (d == 65535) snprintf(text, TextSize, GLYPH_DISTANCE_ARROW "???.?");
    else if (AsiUnit == 1) snprintf(text, TextSize, GLYPH_DISTANCE_ARROW "%6.1f" GLYPH_KM, TenthsOfMiles(d, SpeedKmh));
    else if (AsiUnit == 2) snprintf(text, TextSize, GLYPH_DISTANCE_ARROW "%6.1f" GLYPH_NM, TenthsOfMiles(d, SpeedKnots));
    else snprintf(text, TextSize, GLYPH_DISTANCE_ARROW "%6.1f" GLYPH_MILES " ", d * 0.1);
    return true;
}

// True airspeed formats by AsiUnit.
const char *const TasFormats[3] = {
    LEGEND_TAS "  %3d" GLYPH_MPH,
    LEGEND_TAS "  %3d" GLYPH_KMH,
    LEGEND_TAS "  %3d" GLYPH_KNOTS,
};

bool TrueAirspeedLine(char *text)
{
    const u8 unit = TableIndex(AsiUnit, 3);
    snprintf(text, TextSize, TasFormats[unit], static_cast<int>(MphIn(unit, TrueAirspeed)));
    return true;
}

// Density altitude from the QNH altitude and the deviation of the OAT from the standard
// atmosphere (15 C at sea level, falling 1.98 C per 1000 ft), 118.6 ft per degree. The
// products are double precision; isa and da are held in single precision, so the
// temperature difference is taken in single precision.
bool DensityAltitudeLine(char *text)
{
    if (OatCelsius < -99 || OatCelsius > 99) {
        snprintf(text, TextSize, LEGEND_DENSITY_ALT "-----");
    } else {
        const float isa = static_cast<float>(15.0 - AltitudeFeet * 0.0019812);
        const float da = static_cast<float>(AltitudeFeet + (OatCelsius - isa) * 118.6);
        s32 shown = TruncateToS32(da);
        shown = FeetInAltUnit(shown);
        snprintf(text, TextSize, LEGEND_DENSITY_ALT "%5d", static_cast<int>(shown));
    }
    AppendText(text, AltUnit == 0 ? GLYPH_FEET : GLYPH_METRES);
    return true;
}

bool BarometerLine(char *text)
{
    if (QnhUnit == 1) snprintf(text, TextSize, LEGEND_BAROMETER " %4.1f" GLYPH_INCH_HG, StaticPressure / PressurePerInchHg);
    else snprintf(text, TextSize, LEGEND_BAROMETER " %4u" GLYPH_MILLIBAR, static_cast<unsigned>(StaticPressure / 1000));
    return true;
}

const PageText AirDataPage[] = {
    {0, 32, StyleNormal, nullptr, AirDistanceLine},
    {0, 40, StyleNormal, nullptr, TrueAirspeedLine},
    {0, 48, StyleNormal, nullptr, DensityAltitudeLine},
    {0, 56, StyleNormal, nullptr, BarometerLine},
};

// ---- Information page 3: fuel ----

bool FuelLevelShown() { return FuelLevelMode == FuelLevelSender || FuelLevelMode == FuelLevelCalculate; }

// The level alternates with FAIL during a sender fault, or with LOW in a low-fuel alarm.
bool FuelLevelLine(char *text)
{
    if (!FuelLevelShown()) return false;
    if (FuelInGallons()) snprintf(text, TextSize, LEGEND_FUEL_LEVEL "  %4.1f", FuelLevel * 0.1);
    else snprintf(text, TextSize, LEGEND_FUEL_LEVEL "  %4d", static_cast<int>(FuelLevel));
    if (FuelSenderError == 1 && BlinkFlag == 1) snprintf(text, TextSize, LEGEND_FUEL_LEVEL "  FAIL");
    else if ((AlarmFlags & AlarmFuel) != 0 && BlinkFlag == 1) snprintf(text, TextSize, LEGEND_FUEL_LEVEL "   LOW");
    AppendText(text, FuelInGallons() ? GLYPH_GALLONS : GLYPH_LITRES);
    return true;
}

bool FuelFlowLine(char *text)
{
    if (FuelFlowOn != 1) return false;
    snprintf(text, TextSize,
             FuelInGallons() ? LEGEND_FUEL_FLOW "  %4.1f" GLYPH_GALLONS_PER_HOUR : LEGEND_FUEL_FLOW "  %4.1f" GLYPH_LITRES_PER_HOUR,
             FuelFlow * 0.1);
    return true;
}

// Range distance units by FuelDistanceUnit: mi, nm, km.
const char *const FuelRangeUnits[3] = {GLYPH_MILES " ", GLYPH_NM, GLYPH_KM};

bool FuelRangeLine(char *text)
{
    if (FuelFlowOn != 1 || !FuelLevelShown()) return false;
    if (FuelRange == 65535) snprintf(text, TextSize, LEGEND_FUEL_RANGE "  ----");
    else snprintf(text, TextSize, LEGEND_FUEL_RANGE " %5u", static_cast<unsigned>(FuelRange));
    AppendText(text, FuelRangeUnits[FuelDistanceUnit()]);
    return true;
}

bool FuelEnduranceLine(char *text)
{
    if (FuelFlowOn != 1 || !FuelLevelShown()) return false;
    if (FuelEndurance == 65535) snprintf(text, TextSize, LEGEND_FUEL_ENDURANCE " --:--");
    else
        snprintf(text, TextSize, LEGEND_FUEL_ENDURANCE "%3u:%02u", static_cast<unsigned>(FuelEndurance / 60),
                 static_cast<unsigned>(FuelEndurance % 60));
    return true;
}

const PageText FuelPage[] = {
    {0, 32, StyleNormal, nullptr, FuelLevelLine},
    {0, 40, StyleNormal, nullptr, FuelFlowLine},
    {0, 48, StyleNormal, nullptr, FuelRangeLine},
    {0, 56, StyleNormal, nullptr, FuelEnduranceLine},
};

#define PAGE_TEXTS(table) InfoPageTexts{table, static_cast<u8>(sizeof(table) / sizeof((table)[0]))}
const InfoPageTexts InfoPages[4] = {PAGE_TEXTS(TimesPage), PAGE_TEXTS(EnginePage), PAGE_TEXTS(AirDataPage),
                                    PAGE_TEXTS(FuelPage)};
const InfoPageTexts Permanent = PAGE_TEXTS(PermanentTexts);

// ---- Drawing ----

bool ComposeText(const PageText &item, char *text)
{
    if (item.Compose != nullptr) return item.Compose(text);
    snprintf(text, TextSize, "%s", item.Fixed);
    return true;
}

void DrawPageTexts(const InfoPageTexts &texts)
{
    char text[TextSize];
    for (u8 i = 0; i < texts.Count; ++i) {
        const PageText &item = texts.Texts[i];
        if (!ComposeText(item, text)) continue;
        if (item.Style == StyleSmall) DrawSmallText(item.X, item.Y, text, 100);
        else DrawText(item.X, item.Y, text, item.Style == StyleTall ? 1 : 0, 0);
    }
}

bool ComposeAt(const InfoPageTexts &texts, u8 x, u8 y, char *text)
{
    for (u8 i = 0; i < texts.Count; ++i) {
        const PageText &item = texts.Texts[i];
        if (item.X == x && item.Y == y && ComposeText(item, text)) return true;
    }
    return false;
}

// VSI bar geometry: the axis, the scale ticks for climb and descent, the chevrons.
constexpr u8 BarAxisX = 109;
constexpr u8 BarTop = 28;
constexpr u8 BarBottom = 61;
const u8 ClimbTicks[4] = {28, 35, 43, 61};
const u8 DescentTicks[4] = {28, 46, 54, 61};

// ---- Keys ----

// Sets every new alarm bit in AlarmAcknowledged; true if there was one.
bool AcknowledgeAlarms()
{
    bool acknowledged = false;
    for (u8 bit = 1; bit <= AlarmAirspeed; bit = static_cast<u8>(bit << 1)) {
        if ((AlarmFlags & bit) != 0 && (AlarmAcknowledged & bit) == 0) {
            AlarmAcknowledged = static_cast<u8>(AlarmAcknowledged | bit);
            acknowledged = true;
        }
    }
    return acknowledged;
}

// One knob step, always one step per event; QNH stays inside the open range.
void StepQnh(bool up)
{
    const u32 step = QnhUnit == 1 ? QnhStepInch : QnhStepMillibar;
    if (up) {
        if (Qnh < QnhCeiling - step) Qnh += step;
    } else {
        if (Qnh > QnhFloor + step) Qnh -= step;
    }
    SaveSettings();
}

// The right button acts on what the information page shows.
void InfoPageAction()
{
    Cursor = 0;
    switch (ShownInfoPage()) {
    case 0: StopwatchRunning = static_cast<u8>(StopwatchRunning == 1 ? 0 : 1); break;
    case 1:
        if (FlightDetect == 0) OpenScreen(FlightStartStopScreen);
        break;
    case 2: OpenScreen(ResetAirDistanceScreen); break;
    default:
        if (FuelLevelMode == FuelLevelCalculate) OpenScreen(StartingLevelScreen);
        break;
    }
}

void HandleKey(u8 key)
{
    switch (key) {
    case KeyCentre: OpenScreen(MainMenuScreen); break;
    case KeyClockwise: StepQnh(true); break;
    case KeyAntiClockwise: StepQnh(false); break;
    case KeyLeft: InfoPage = static_cast<u8>((ShownInfoPage() + 1) % 4); break;
    case KeyRight: InfoPageAction(); break;
    default: break;
    }
}

} // namespace

void DrawVsiBar()
{
    DrawLine(BarAxisX, BarTop, BarAxisX, BarBottom, PixelSet);
    const s32 v = VsiFeetPerMin;
    if (v == 0) return;
    const bool climb = v > 0;
    u32 magnitude = climb ? static_cast<u32>(v) : 0u - static_cast<u32>(v);
    if (magnitude > 2000) magnitude = 2000;
    const u8 m = static_cast<u8>(magnitude / 8);
    u8 n = 0;
    while (n < 32 && VsiBarSteps[n] < m) ++n;

    const u8 *ticks = climb ? ClimbTicks : DescentTicks;
    for (u8 i = 0; i < 4; ++i) DrawLine(110, ticks[i], 111, ticks[i], PixelSet);
    // Chevrons one pixel apart: upward from the bottom for a climb, downward from the top
    // for a descent.
    const int tip = climb ? -3 : 3;
    for (u8 k = 1; k <= n; ++k) {
        const int base = climb ? BarBottom + 1 - k : BarTop - 1 + k;
        DrawLine(113, base, 120, base + tip, PixelSet);
        DrawLine(120, base + tip, 127, base, PixelSet);
    }
}

void DrawMainPage()
{
    DrawPageTexts(Permanent);
    DrawVsiBar();
    DrawPageTexts(InfoPages[ShownInfoPage()]);
}

bool ComposeMainPageText(u8 x, u8 y, char *text)
{
    return ComposeAt(Permanent, x, y, text) || ComposeAt(InfoPages[ShownInfoPage()], x, y, text);
}

void MainPageScreen()
{
    DrawMainPage();
    if (KeySlot == KeyNone) return;
    // Any key first acknowledges every new alarm and does nothing else.
    if (!AcknowledgeAlarms()) HandleKey(KeySlot);
    KeySlot = KeyNone;
}

static const StateVar MainPageVars[] = {
    STATE_VAR(InfoPage, U8),
};
const StateTable MainPageState = STATE_TABLE(MainPageVars);
