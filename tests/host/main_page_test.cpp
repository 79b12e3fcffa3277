// The main display page: every text format and marker, the flashing rules, the VSI bar and
// the keys, driven by setting the live values directly (no main loop).
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "host/main_loop.h"
#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/flight.h"
#include "instrument/settings.h"
#include "lcd/framebuffer.h"
#include "lcd/text.h"
#include "screens/main_page.h"
#include "screens/navigation.h"
#include "screens/screens.h"

namespace {

// The text shown at (x, y), or "<none>".
std::string At(u8 x, u8 y)
{
    char text[32];
    memset(text, 0x55, sizeof text);
    if (!ComposeMainPageText(x, y, text)) return "<none>";
    return text;
}

class MainPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadFactoryDefaults();
        Altitude = AltitudeFeet = 0;
        Airspeed = TrueAirspeed = AirDistance = GlideRatio = 0;
        Rpm = 0;
        Volts = 125;
        Vsi = VsiFeetPerMin = 0;
        VsiClimbing = 0;
        Oat = OatCelsius = 15;
        StaticPressure = 1013250;
        FuelLevel = 20;
        FuelFlow = 0;
        FuelRange = FuelEndurance = 0xFFFF;
        FuelSenderError = 0;
        GpsSpeedMph = GpsSpeedKnots = GpsSpeedKmh = 0;
        GpsDataValid = 1;
        AlarmFlags = AlarmAcknowledged = 0;
        InFlight = 0;
        CurrentFlight = FlightLogEntry{};
        RealTimeClock = RealTimeClockRecord{};
        HobbsHours = 0;
        HobbsFraction = 0;
        MaintHours = 0;
        InfoPage = 0;
        StopwatchRunning = 0;
        StopwatchTicks = 0;
        BlinkFlag = 1;
        Cursor = 3;
        EditMode = 1;
        KeySlot = 0;
        CurrentScreen = MainPageScreen;
        ClearFrameBuffer();
    }

    // One cycle of the screen with a key pending.
    void Press(u8 key)
    {
        KeySlot = key;
        ClearFrameBuffer();
        MainPageScreen();
    }

    // Lit pixels of column x between rows y0 and y1.
    static int LitInColumn(u8 x, u8 y0, u8 y1)
    {
        int n = 0;
        for (u8 y = y0; y <= y1; ++y) n += GetPixel(x, y) ? 1 : 0;
        return n;
    }

    static int LitTotal()
    {
        int n = 0;
        for (u8 y = 0; y < 64; ++y)
            for (u8 x = 0; x < 128; ++x) n += GetPixel(x, y) ? 1 : 0;
        return n;
    }

    // Number of chevrons in the VSI bar for a vertical speed (each chevron's left end sits
    // alone in column 113).
    static int Chevrons(s32 feetPerMin)
    {
        VsiFeetPerMin = feetPerMin;
        ClearFrameBuffer();
        DrawVsiBar();
        return LitInColumn(113, 0, 63);
    }
};

// ---- QNH ----

TEST_F(MainPageTest, QnhKnobStaysInsideTheOpenRangeInMillibars)
{
    Qnh = 1079250;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1079250u);  // 1080250 is not below the ceiling
    Qnh = 1079249;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1080249u);
    Qnh = 941250;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 941250u);  // 940250 is not above the floor
    Qnh = 941251;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 940251u);
}

TEST_F(MainPageTest, QnhKnobStepsInInchesAndIgnoresTheFastStep)
{
    QnhUnit = 1;
    KeyStep = 10;
    Qnh = 1013250;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1013588u);
    Press(KeyAntiClockwise);
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 1012912u);
    Qnh = 1079912;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1079912u);
    Qnh = 1079911;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1080249u);
    Qnh = 940588;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 940588u);
    Qnh = 940589;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 940251u);
}

TEST_F(MainPageTest, QnhFarOutsideTheRangeNeverWraps)
{
    Qnh = 500;
    Press(KeyAntiClockwise);
    EXPECT_EQ(Qnh, 500u);
    Qnh = UINT32_MAX - 10;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, UINT32_MAX - 10);
    Press(KeyAntiClockwise);  // back towards the range
    EXPECT_EQ(Qnh, UINT32_MAX - 1010);
}

TEST_F(MainPageTest, QnhShowsMillibarsOrInchesOfMercury)
{
    Qnh = 1013250;
    EXPECT_EQ(At(0, 24), "1013\xc0\xc1");
    Qnh = 1013999;
    EXPECT_EQ(At(0, 24), "1013\xc0\xc1");  // whole millibars, truncated
    Qnh = 1013250;
    QnhUnit = 1;
    EXPECT_EQ(At(0, 24), "29.92\xc2\xc3");
    Qnh = 940251;
    EXPECT_EQ(At(0, 24), "27.77\xc2\xc3");
}

// ---- Permanent values ----

TEST_F(MainPageTest, PermanentLegendsUnitsAndNumbers)
{
    Altitude = -120;
    Airspeed = 95;
    Rpm = 2450;
    Volts = 138;
    EXPECT_EQ(At(27, 0), "\xa2\xa3");
    EXPECT_EQ(At(2, 8), " -120");
    EXPECT_EQ(At(41, 8), "\x94");
    EXPECT_EQ(At(65, 0), "\xa4\xa5");
    EXPECT_EQ(At(53, 8), " 95");
    EXPECT_EQ(At(77, 8), "\x98");
    EXPECT_EQ(At(77, 15), "\x99");
    EXPECT_EQ(At(100, 0), "\xa6\xa7");
    EXPECT_EQ(At(88, 8), " 2450");
    EXPECT_EQ(At(69, 24), "13.8V");
    EXPECT_EQ(At(91, 32), "\xa8\xa9");
    EXPECT_EQ(At(91, 40), "\x94\x96");
    EXPECT_EQ(At(69, 50), "   +0");
    AltUnit = 1;
    EXPECT_EQ(At(41, 8), "\x95");
    AsiUnit = 1;
    EXPECT_EQ(At(77, 8) + At(77, 15), "\x9c\x9d");
    AsiUnit = 2;
    EXPECT_EQ(At(77, 8) + At(77, 15), "\x9a\x9b");
    Volts = 5;
    EXPECT_EQ(At(69, 24), " 0.5V");  // below the low alarm, BlinkFlag 1: shown
    RpmDisplayOn = 0;
    EXPECT_EQ(At(100, 0), "<none>");
    EXPECT_EQ(At(88, 8), "<none>");
}

TEST_F(MainPageTest, VsiNumberInFeetPerMinuteAndMetresPerSecond)
{
    Vsi = 500;
    EXPECT_EQ(At(69, 50), " +500");
    Vsi = -1250;
    EXPECT_EQ(At(69, 50), "-1250");
    VsiUnit = 1;
    EXPECT_EQ(At(91, 40), "\x95\x97");
    Vsi = 999;
    EXPECT_EQ(At(69, 50), "+9.99");
    Vsi = 1000;
    EXPECT_EQ(At(69, 50), "+10.0");
    Vsi = -999;
    EXPECT_EQ(At(69, 50), "-9.99");
    Vsi = -1000;
    EXPECT_EQ(At(69, 50), "-10.0");
    Vsi = 0;
    EXPECT_EQ(At(69, 50), "+0.00");
}

TEST_F(MainPageTest, OutOfRangeUnitSettingsDoNotReadPastTheirTables)
{
    AsiUnit = 9;
    FuelUnit = 200;
    InfoPage = 7;
    EXPECT_EQ(At(77, 8), "\x98");
    InfoPage = 2;
    EXPECT_EQ(At(0, 40), "\xc5\xc6    0\xcb\xcc\xcd");
    InfoPage = 3;
    EXPECT_EQ(At(0, 48), "\xac  ----\xb3 ");
    InfoPage = 9;
    DrawMainPage();  // shown as page 0
    EXPECT_EQ(At(24, 48), "00:00");
}

// ---- Flashing ----

TEST_F(MainPageTest, AirspeedFlashesAboveHighAlarmAndBelowLowAlarmOnlyInFlight)
{
    Airspeed = 81;  // high alarm 80
    BlinkFlag = 0;
    EXPECT_EQ(At(53, 8), "<none>");
    BlinkFlag = 1;
    EXPECT_EQ(At(53, 8), " 81");
    BlinkFlag = 0;
    Airspeed = 80;
    EXPECT_EQ(At(53, 8), " 80");
    Airspeed = 29;  // below the low alarm 30, on the ground
    EXPECT_EQ(At(53, 8), " 29");
    InFlight = 1;
    EXPECT_EQ(At(53, 8), "<none>");
    AsiLowAlarmOn = 0;
    EXPECT_EQ(At(53, 8), " 29");
    Airspeed = 200;
    AsiHighAlarmOn = 0;
    EXPECT_EQ(At(53, 8), "200");
}

TEST_F(MainPageTest, RpmAndVoltsFlashOutsideTheirLimitsEvenWhenAcknowledged)
{
    AlarmFlags = AlarmAcknowledged = AlarmRpm | AlarmVolts;
    BlinkFlag = 0;
    Rpm = 5001;
    EXPECT_EQ(At(88, 8), "<none>");
    Rpm = 5000;
    EXPECT_EQ(At(88, 8), " 5000");
    RpmLowAlarmOn = 1;
    Rpm = 599;
    EXPECT_EQ(At(88, 8), "<none>");
    Rpm = 600;
    EXPECT_EQ(At(88, 8), "  600");
    Volts = 99;
    EXPECT_EQ(At(69, 24), "<none>");
    Volts = 100;
    EXPECT_EQ(At(69, 24), "10.0V");
    Volts = 151;
    EXPECT_EQ(At(69, 24), "<none>");
    VoltsHighAlarmOn = 0;
    EXPECT_EQ(At(69, 24), "15.1V");
    BlinkFlag = 1;
    Volts = 20;
    Rpm = 0;
    EXPECT_EQ(At(69, 24), " 2.0V");
    EXPECT_EQ(At(88, 8), "    0");
}

TEST_F(MainPageTest, FlightIndicatorFlashesDuringAFlight)
{
    EXPECT_EQ(At(0, 0), "<none>");
    InFlight = 1;
    EXPECT_EQ(At(0, 0), "F");
    BlinkFlag = 0;
    EXPECT_EQ(At(0, 0), "<none>");
}

// ---- VSI bar ----

TEST_F(MainPageTest, VsiBarAtRestIsTheAxisAlone)
{
    VsiFeetPerMin = 0;
    DrawVsiBar();
    EXPECT_EQ(LitInColumn(109, 28, 61), 34);
    EXPECT_EQ(LitTotal(), 34);
}

TEST_F(MainPageTest, VsiBarTicksWithoutChevronsForTheSmallestClimb)
{
    VsiFeetPerMin = 1;
    DrawVsiBar();
    for (u8 y : {28, 35, 43, 61}) {
        EXPECT_TRUE(GetPixel(110, y) && GetPixel(111, y)) << "tick at " << int(y);
    }
    EXPECT_FALSE(GetPixel(110, 46));
    EXPECT_EQ(LitTotal(), 34 + 8);
}

TEST_F(MainPageTest, VsiBarOneChevronAtEightFeetPerMinute)
{
    VsiFeetPerMin = 8;
    DrawVsiBar();
    EXPECT_TRUE(GetPixel(113, 61));
    EXPECT_TRUE(GetPixel(120, 58));
    EXPECT_TRUE(GetPixel(127, 61));
    EXPECT_FALSE(GetPixel(120, 57));
    EXPECT_FALSE(GetPixel(113, 60));
    EXPECT_EQ(Chevrons(7), 0);
    EXPECT_EQ(Chevrons(8), 1);
    EXPECT_EQ(Chevrons(-8), 1);
}

TEST_F(MainPageTest, VsiBarFullDescent)
{
    VsiFeetPerMin = -2500;
    DrawVsiBar();
    EXPECT_EQ(LitInColumn(113, 0, 63), 31);
    EXPECT_TRUE(GetPixel(113, 28));
    EXPECT_TRUE(GetPixel(113, 58));
    EXPECT_FALSE(GetPixel(113, 59));
    EXPECT_TRUE(GetPixel(120, 61));  // tip of the last chevron
    EXPECT_FALSE(GetPixel(120, 62));
    for (u8 y : {28, 46, 54, 61}) EXPECT_TRUE(GetPixel(110, y) && GetPixel(111, y)) << "tick at " << int(y);
    EXPECT_FALSE(GetPixel(110, 35));
    EXPECT_FALSE(GetPixel(110, 43));
}

TEST_F(MainPageTest, VsiBarChevronCountAtTheStepBounds)
{
    EXPECT_EQ(Chevrons(487), 15);
    EXPECT_EQ(Chevrons(488), 16);
    EXPECT_EQ(Chevrons(511), 16);
    EXPECT_EQ(Chevrons(512), 17);
    EXPECT_EQ(Chevrons(-1007), 24);
    EXPECT_EQ(Chevrons(-1008), 25);
    EXPECT_EQ(Chevrons(1751), 30);
    EXPECT_EQ(Chevrons(1752), 31);
    EXPECT_EQ(Chevrons(2000), 31);
    EXPECT_EQ(Chevrons(INT32_MAX), 31);
    EXPECT_EQ(Chevrons(INT32_MIN), 31);
    // The 16th climb chevron's tip reaches the 500 ft/min tick.
    VsiFeetPerMin = 500;
    ClearFrameBuffer();
    DrawVsiBar();
    EXPECT_TRUE(GetPixel(120, 43));
    EXPECT_FALSE(GetPixel(120, 42));
}

// ---- Information page 0: times ----

TEST_F(MainPageTest, TimesPageClockFlightTimeAndStopwatch)
{
    RealTimeClock.Hour = 7;
    RealTimeClock.Minute = 5;
    CurrentFlight.FlightHours = 1;
    CurrentFlight.FlightFraction = 9;
    EXPECT_EQ(At(0, 32), "\xae  07:05");
    EXPECT_EQ(At(0, 40), "\xaf  01:09");
    HourFractDec = 1;
    EXPECT_EQ(At(0, 40), "\xaf  01.09");
    StopwatchTicks = 59;
    EXPECT_EQ(At(24, 48), "00:59");
    StopwatchTicks = 3599;
    EXPECT_EQ(At(24, 48), "59:59");
    StopwatchTicks = 3600;
    EXPECT_EQ(At(24, 48), "01:00");
    StopwatchTicks = 3600 * 25 + 61;
    EXPECT_EQ(At(24, 48), "25:01");
    EXPECT_EQ(At(0, 56), "<none>");  // ground speed only with the GPS source
    EXPECT_EQ(At(24, 56), "<none>");
}

TEST_F(MainPageTest, StopwatchLegendFlashesOnlyWhileRunning)
{
    BlinkFlag = 0;
    EXPECT_EQ(At(0, 48), "\xc4");
    StopwatchRunning = 1;
    EXPECT_EQ(At(0, 48), "<none>");
    BlinkFlag = 1;
    EXPECT_EQ(At(0, 48), "\xc4");
}

TEST_F(MainPageTest, GroundSpeedLineByFuelUnitAndCommsError)
{
    FuelSpeedSource = 1;
    GpsSpeedMph = 120;
    GpsSpeedKnots = 104;
    GpsSpeedKmh = 193;
    EXPECT_EQ(At(0, 56), "GS");
    EXPECT_EQ(At(24, 56), "120\xcb\xcc\xcd");
    FuelUnit = 3;
    EXPECT_EQ(At(24, 56), "104\xce\xcf\xd0");
    FuelUnit = 4;
    EXPECT_EQ(At(24, 56), "193\xc8\xc9\xca");
    GpsDataValid = 0;
    EXPECT_EQ(At(0, 56), "COMMS ERROR");
    EXPECT_EQ(At(24, 56), "<none>");
}

// ---- Information page 1: engine and outside air ----

TEST_F(MainPageTest, EnginePageHobbsMaintenanceOatAndGlide)
{
    InfoPage = 1;
    HobbsHours = 123;
    HobbsFraction = 7;
    MaintHours = 45;
    EXPECT_EQ(At(0, 32), "\xb8\xb9 0123:07");
    HourFractDec = 1;
    EXPECT_EQ(At(0, 32), "\xb8\xb9 0123.07");
    EXPECT_EQ(At(0, 40), "\xba\xbb 45");
    Oat = -12;
    EXPECT_EQ(At(0, 48), "\xb0  -12\xa0");
    GlideRatio = 125;
    EXPECT_EQ(At(0, 56), "\xb1  12.5");
    VsiClimbing = 1;
    EXPECT_EQ(At(0, 56), "\xb2  12.5");
}

TEST_F(MainPageTest, OatMarkersAtTheirBounds)
{
    InfoPage = 1;
    Oat = 150;
    EXPECT_EQ(At(0, 48), "\xb0  150\xa0");
    Oat = 151;
    EXPECT_EQ(At(0, 48), "\xb0  ---\xa0");
    TempUnit = 1;
    Oat = 300;
    EXPECT_EQ(At(0, 48), "\xb0  300\xa1");
    Oat = 301;
    EXPECT_EQ(At(0, 48), "\xb0  ---\xa1");
}

// ---- Information page 2: air data ----

TEST_F(MainPageTest, AirDistanceInTheAirspeedUnitAndItsMarker)
{
    InfoPage = 2;
    AirDistance = 1234 * 720 + 719;  // 123.4 miles
    EXPECT_EQ(At(0, 32), "\xc7 123.4\xb3 ");
    AsiUnit = 1;
    EXPECT_EQ(At(0, 32), "\xc7 198.6\xb4\xb5");
    AsiUnit = 2;
    EXPECT_EQ(At(0, 32), "\xc7 107.2\xb6\xb7");
    AirDistance = 65535u * 720;
    EXPECT_EQ(At(0, 32), "\xc7???.?");
    AirDistance = 65535u * 720 + 719;
    EXPECT_EQ(At(0, 32), "\xc7???.?");
    AirDistance = 65534u * 720;
    AsiUnit = 0;
    EXPECT_EQ(At(0, 32), "\xc7" "6553.4\xb3 ");
    AirDistance = UINT32_MAX;  // far beyond the marker: still a number, never garbage
    AsiUnit = 1;
    EXPECT_EQ(At(0, 32), "\xc7" "959805.8\xb4\xb5");
}

TEST_F(MainPageTest, TrueAirspeedByAirspeedUnit)
{
    InfoPage = 2;
    TrueAirspeed = 100;
    EXPECT_EQ(At(0, 40), "\xc5\xc6  100\xcb\xcc\xcd");
    AsiUnit = 1;
    EXPECT_EQ(At(0, 40), "\xc5\xc6  160\xc8\xc9\xca");
    AsiUnit = 2;
    EXPECT_EQ(At(0, 40), "\xc5\xc6   86\xce\xcf\xd0");
}

TEST_F(MainPageTest, DensityAltitudeInFeetAndMetres)
{
    InfoPage = 2;
    AltitudeFeet = 0;
    OatCelsius = 15;
    EXPECT_EQ(At(0, 48), "\xbc\xbd    0\x94");
    OatCelsius = 7;  // 8 C colder than standard: -948.8 ft, truncated toward zero
    EXPECT_EQ(At(0, 48), "\xbc\xbd -948\x94");
    AltUnit = 1;  // -948 x 1000 / 3281 = -288.9, truncated toward zero
    EXPECT_EQ(At(0, 48), "\xbc\xbd -288\x95");
    AltUnit = 0;
    AltitudeFeet = 5000;
    OatCelsius = 25;  // isa 5.094, da = 5000 + 19.906 x 118.6
    EXPECT_EQ(At(0, 48), "\xbc\xbd 7360\x94");
}

// The products are taken at full precision and only isa and da are held in single
// precision: working in single precision throughout lands on the other side of a whole foot
// in these cases.
TEST_F(MainPageTest, DensityAltitudeRoundsOnlyWhereItIsStored)
{
    InfoPage = 2;
    AltitudeFeet = 509;
    OatCelsius = 29;  // da 2288.9998
    EXPECT_EQ(At(0, 48), "\xbc\xbd 2288\x94");
    AltitudeFeet = 1527;
    OatCelsius = 82;  // da 9832.0000
    EXPECT_EQ(At(0, 48), "\xbc\xbd 9832\x94");
    AltitudeFeet = 326;
    OatCelsius = -46;  // da -6832.0000
    EXPECT_EQ(At(0, 48), "\xbc\xbd-6832\x94");
}

TEST_F(MainPageTest, DensityAltitudeNeedsAPlausibleOat)
{
    InfoPage = 2;
    OatCelsius = 99;
    EXPECT_EQ(At(0, 48), "\xbc\xbd 9962\x94");
    OatCelsius = -99;
    EXPECT_EQ(At(0, 48), "\xbc\xbd-13520\x94");
    OatCelsius = 100;
    EXPECT_EQ(At(0, 48), "\xbc\xbd-----\x94");
    OatCelsius = -100;
    AltUnit = 1;
    EXPECT_EQ(At(0, 48), "\xbc\xbd-----\x95");
    OatCelsius = 0;
    AltitudeFeet = INT32_MAX;  // no overflow at the extremes
    EXPECT_EQ(At(0, 48).substr(0, 2), "\xbc\xbd");
}

TEST_F(MainPageTest, BarometricPressure)
{
    InfoPage = 2;
    StaticPressure = 850999;
    EXPECT_EQ(At(0, 56), "\xbe\xbf  850\xc0\xc1");
    QnhUnit = 1;
    EXPECT_EQ(At(0, 56), "\xbe\xbf 25.1\xc2\xc3");
}

// ---- Information page 3: fuel ----

TEST_F(MainPageTest, FuelPageInLitresAndGallons)
{
    InfoPage = 3;
    FuelLevel = 20;
    FuelFlow = 185;
    FuelRange = 412;
    FuelEndurance = 125;
    EXPECT_EQ(At(0, 32), "\xaa    20\x90");
    EXPECT_EQ(At(0, 40), "\xab  18.5\x92");
    EXPECT_EQ(At(0, 48), "\xac   412\xb3 ");
    EXPECT_EQ(At(0, 56), "\xad  2:05");
    FuelUnit = 3;  // G/nm: tenths of a gallon
    FuelLevel = 45;
    FuelFlow = 52;
    EXPECT_EQ(At(0, 32), "\xaa   4.5\x91");
    EXPECT_EQ(At(0, 40), "\xab   5.2\x93");
    EXPECT_EQ(At(0, 48), "\xac   412\xb6\xb7");
    FuelUnit = 4;
    EXPECT_EQ(At(0, 48), "\xac   412\xb4\xb5");
}

TEST_F(MainPageTest, FuelRangeAndEnduranceMarkers)
{
    InfoPage = 3;
    FuelRange = 0xFFFF;
    FuelEndurance = 0xFFFF;
    EXPECT_EQ(At(0, 48), "\xac  ----\xb3 ");
    EXPECT_EQ(At(0, 56), "\xad --:--");
    FuelRange = 0xFFFE;
    FuelEndurance = 0xFFFE;
    EXPECT_EQ(At(0, 48), "\xac 65534\xb3 ");
    EXPECT_EQ(At(0, 56), "\xad" "1092:14");
}

TEST_F(MainPageTest, FuelLevelAlternatesWithFailAndLow)
{
    InfoPage = 3;
    FuelSenderError = 1;
    AlarmFlags = AlarmFuel;
    EXPECT_EQ(At(0, 32), "\xaa  FAIL\x90");  // the sender fault wins over the alarm
    BlinkFlag = 0;
    EXPECT_EQ(At(0, 32), "\xaa    20\x90");
    FuelSenderError = 0;
    EXPECT_EQ(At(0, 32), "\xaa    20\x90");
    BlinkFlag = 1;
    FuelUnit = 1;
    EXPECT_EQ(At(0, 32), "\xaa   LOW\x91");
}

TEST_F(MainPageTest, FuelLinesFollowLevelModeAndFlowSender)
{
    InfoPage = 3;
    FuelLevelMode = FuelLevelOff;
    FuelFlowOn = 1;
    EXPECT_EQ(At(0, 32), "<none>");
    EXPECT_EQ(At(0, 40), "\xab   0.0\x92");
    EXPECT_EQ(At(0, 48), "<none>");
    EXPECT_EQ(At(0, 56), "<none>");
    FuelLevelMode = FuelLevelCalculate;
    FuelFlowOn = 0;
    EXPECT_NE(At(0, 32), "<none>");
    EXPECT_EQ(At(0, 40), "<none>");
    EXPECT_EQ(At(0, 48), "<none>");
    EXPECT_EQ(At(0, 56), "<none>");
}

// ---- Keys ----

TEST_F(MainPageTest, FirstKeyOnlyAcknowledgesEveryNewAlarm)
{
    AlarmFlags = AlarmRpm | AlarmAirspeed;
    Press(KeyCentre);
    EXPECT_EQ(AlarmAcknowledged, AlarmRpm | AlarmAirspeed);
    EXPECT_EQ(CurrentScreen, MainPageScreen);
    EXPECT_EQ(KeySlot, 0);
    // A new alarm beside an acknowledged one takes the next key.
    AlarmFlags |= AlarmVolts;
    Press(KeyLeft);
    EXPECT_EQ(InfoPage, 0);
    EXPECT_EQ(AlarmAcknowledged, AlarmVolts | AlarmRpm | AlarmAirspeed);
    // All acknowledged: keys act again.
    Press(KeyLeft);
    EXPECT_EQ(InfoPage, 1);
    Press(KeyCentre);
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
}

TEST_F(MainPageTest, AcknowledgementSwallowsKnobAndRightButton)
{
    AlarmFlags = AlarmFuel;
    Qnh = 1013250;
    Press(KeyClockwise);
    EXPECT_EQ(Qnh, 1013250u);
    AlarmAcknowledged = 0;
    Press(KeyRight);
    EXPECT_EQ(StopwatchRunning, 0);
    Press(KeyRight);
    EXPECT_EQ(StopwatchRunning, 1);
}

TEST_F(MainPageTest, CentreOpensTheMainMenuAtItsFirstEntry)
{
    Press(KeyCentre);
    EXPECT_EQ(CurrentScreen, MainMenuScreen);
    EXPECT_EQ(Cursor, 0);
    EXPECT_EQ(EditMode, 0);
    EXPECT_EQ(KeySlot, 0);
}

TEST_F(MainPageTest, LeftCyclesTheInformationPages)
{
    for (u8 expected : {1, 2, 3, 0, 1}) {
        Press(KeyLeft);
        EXPECT_EQ(InfoPage, expected);
    }
    EXPECT_EQ(CurrentScreen, MainPageScreen);
}

TEST_F(MainPageTest, RightButtonActsOnTheShownPage)
{
    Press(KeyRight);
    EXPECT_EQ(StopwatchRunning, 1);
    EXPECT_EQ(Cursor, 0);
    Press(KeyRight);
    EXPECT_EQ(StopwatchRunning, 0);
    EXPECT_EQ(CurrentScreen, MainPageScreen);

    InfoPage = 1;
    FlightDetect = 1;
    Cursor = 2;
    Press(KeyRight);
    EXPECT_EQ(CurrentScreen, MainPageScreen);
    EXPECT_EQ(Cursor, 0);
    FlightDetect = 0;
    Press(KeyRight);
    EXPECT_EQ(CurrentScreen, FlightStartStopScreen);

    CurrentScreen = MainPageScreen;
    InfoPage = 2;
    Press(KeyRight);
    EXPECT_EQ(CurrentScreen, ResetAirDistanceScreen);

    CurrentScreen = MainPageScreen;
    InfoPage = 3;
    FuelLevelMode = FuelLevelSender;
    Press(KeyRight);
    EXPECT_EQ(CurrentScreen, MainPageScreen);
    FuelLevelMode = FuelLevelCalculate;
    Press(KeyRight);
    EXPECT_EQ(CurrentScreen, StartingLevelScreen);
    EXPECT_EQ(InfoPage, 3);
}

// ---- The drawn page ----

// The whole page as the pilot sees it: every text at its place and size, the VSI bar.
TEST_F(MainPageTest, DrawnPageMatchesItsTextsAtTheirPlaces)
{
    Altitude = 2350;
    Airspeed = 92;
    Rpm = 2400;
    Volts = 138;
    Vsi = VsiFeetPerMin = 650;
    Qnh = 1021250;
    RealTimeClock.Hour = 14;
    RealTimeClock.Minute = 32;
    StopwatchTicks = 754;
    InFlight = 1;
    FuelSpeedSource = 1;
    GpsSpeedMph = 101;
    DrawMainPage();
    u8 drawn[1024];
    memcpy(drawn, FrameBuffer, sizeof drawn);

    ClearFrameBuffer();
    DrawText(0, 0, "F", 0, 0);
    DrawText(27, 0, "\xa2\xa3", 0, 0);
    DrawText(2, 8, " 2350", 1, 0);
    DrawText(41, 8, "\x94", 0, 0);
    DrawText(65, 0, "\xa4\xa5", 0, 0);
    DrawText(53, 8, " 92", 1, 0);
    DrawText(77, 8, "\x98", 0, 0);
    DrawText(77, 15, "\x99", 0, 0);
    DrawText(0, 24, "1021\xc0\xc1", 0, 0);
    DrawText(100, 0, "\xa6\xa7", 0, 0);
    DrawText(88, 8, " 2400", 1, 0);
    DrawText(69, 24, "13.8V", 0, 0);
    DrawText(91, 32, "\xa8\xa9", 0, 0);
    DrawText(91, 40, "\x94\x96", 0, 0);
    DrawText(69, 50, " +650", 1, 0);
    DrawVsiBar();
    DrawText(0, 32, "\xae  14:32", 0, 0);
    DrawText(0, 40, "\xaf  00:00", 0, 0);
    DrawText(0, 48, "\xc4", 0, 0);
    DrawText(24, 48, "12:34", 0, 0);
    DrawSmallText(0, 56, "GS", 100);
    DrawText(24, 56, "101\xcb\xcc\xcd", 0, 0);
    EXPECT_EQ(memcmp(drawn, FrameBuffer, sizeof drawn), 0);
    EXPECT_GT(LitInColumn(113, 28, 61), 0);  // the bar is part of the page
}

TEST_F(MainPageTest, PageIsDrawnBeforeTheKeyTakesEffect)
{
    InfoPage = 0;
    DrawMainPage();
    u8 timesPage[1024];
    memcpy(timesPage, FrameBuffer, sizeof timesPage);
    Press(KeyLeft);
    EXPECT_EQ(memcmp(timesPage, FrameBuffer, sizeof timesPage), 0);
    EXPECT_EQ(InfoPage, 1);
}

} // namespace
