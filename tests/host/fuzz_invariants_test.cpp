// The invariants the randomized runner checks after every cycle: they accept the instrument
// as it stands after power-on, catch each kind of fault, and their table of last rows agrees
// with what the screens themselves let the cursor reach.
#include <gtest/gtest.h>

#include <string>

#include "host/fuzz/invariants.h"
#include "host/main_loop.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "lcd/framebuffer.h"
#include "screens/navigation.h"
#include "screens/screens.h"

namespace {

class Invariants : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadFactoryDefaults();
        LoadCalibrationDefaults();
        CurrentScreen = MainPageScreen;
        ReturnScreen = nullptr;
        Cursor = 0;
        EditMode = 0;
        KeySlot = 0;
        KeyStep = 1;
        AlarmFlags = 0;
        AlarmAcknowledged = 0;
        CalibrateMode = 0;
        RunDepth = 0;
        ResetInvariantTracking();
    }
    bool Check(bool cycleRan = true)
    {
        Message[0] = 0;
        return CheckInvariants(cycleRan, Message, sizeof Message);
    }
    std::string Text() const { return Message; }
    char Message[400];
};

TEST_F(Invariants, HoldAfterPowerOn)
{
    EXPECT_TRUE(Check()) << Text();
    EXPECT_TRUE(Check(false)) << Text();
}

TEST_F(Invariants, EnumeratedSettingsStayInsideTheirTables)
{
    AsiUnit = 3;
    EXPECT_FALSE(Check());
    EXPECT_NE(Text().find("AsiUnit"), std::string::npos) << Text();
    AsiUnit = 0;
    RpmFilter = 10;
    EXPECT_TRUE(Check()) << Text();
    RpmFilter = 11;
    EXPECT_FALSE(Check());
    RpmFilter = 0;
    FuelUnit = 6;
    EXPECT_FALSE(Check());
}

TEST_F(Invariants, NumbersStayInsideTheirScreensBounds)
{
    Contrast = 62;
    EXPECT_TRUE(Check()) << Text();
    Contrast = 63;
    EXPECT_FALSE(Check());
    Contrast = 31;  // odd: the contrast moves in steps of 2 from 32
    EXPECT_FALSE(Check());
    Contrast = 32;
    AltCal = -126;
    EXPECT_FALSE(Check());
    AltCal = -125;
    KFactor = 9;
    EXPECT_FALSE(Check());
    KFactor = 60000;
    EXPECT_TRUE(Check()) << Text();
}

TEST_F(Invariants, AirspeedSettingsMayLagOneCycleBehindAUnitChangeOnAsiSetup)
{
    AsiUnit = 1;  // km/h
    AsiHighAlarm = 300;
    CurrentScreen = AsiSetupScreen;
    Cursor = 6;
    EXPECT_TRUE(Check()) << Text();
    AsiUnit = 0;  // mph: 300 is above 250 until the next ASI SETUP cycle clamps it
    EXPECT_TRUE(Check()) << Text();
    CurrentScreen = MainMenuScreen;  // left without the clamp
    EXPECT_FALSE(Check());
}

TEST_F(Invariants, AirspeedSettingOutsideItsUnitWithoutAUnitChangeIsAFault)
{
    TakeoffAirspeed = 251;  // mph
    EXPECT_FALSE(Check());
    EXPECT_NE(Text().find("251"), std::string::npos) << Text();
    TakeoffAirspeed = 403;
    AsiUnit = 1;
    EXPECT_FALSE(Check());
}

TEST_F(Invariants, FuelAlarmAboveAReducedTankMayOnlyStayOrGoDown)
{
    EXPECT_TRUE(Check()) << Text();  // 10 below 45
    TankSize = 5;
    EXPECT_TRUE(Check()) << Text();  // left above the smaller tank
    FuelAlarmLevel = 9;
    EXPECT_TRUE(Check()) << Text();
    FuelAlarmLevel = 20;
    EXPECT_FALSE(Check());
}

TEST_F(Invariants, CursorStaysOnTheRowsOfTheCurrentScreen)
{
    CurrentScreen = MaxValuesScreen;
    Cursor = 1;
    EXPECT_TRUE(Check()) << Text();
    Cursor = 2;
    EXPECT_FALSE(Check());
    EXPECT_NE(Text().find("MaxValuesScreen"), std::string::npos) << Text();

    CurrentScreen = FlightLogScreen;
    Cursor = 5;
    FlightDetect = 0;
    EXPECT_FALSE(Check());
    FlightDetect = 1;
    EXPECT_TRUE(Check()) << Text();

    // A message box keeps the cursor its opener left.
    CurrentScreen = DoneMessageScreen;
    ReturnScreen = EraseLogScreen;
    Cursor = 2;
    EXPECT_TRUE(Check()) << Text();
    Cursor = 3;
    EXPECT_FALSE(Check());
}

TEST_F(Invariants, TankTableIsMonotonicOutsideTankCal)
{
    TankCal[4] = TankCal[5];  // equal neighbours
    CurrentScreen = TankCalScreen;
    EXPECT_TRUE(Check()) << Text();
    CurrentScreen = SlopeErrorScreen;
    EXPECT_TRUE(Check()) << Text();
    CurrentScreen = FuelSetupScreen;
    Cursor = 7;
    EXPECT_FALSE(Check());
    EXPECT_NE(Text().find("tank table"), std::string::npos) << Text();
    const s32 rising[6] = {100, 200, 300, 400, 500, 600};
    for (int i = 0; i < 6; ++i) TankCal[i] = rising[i];
    EXPECT_TRUE(Check()) << Text();
}

// "ON" twice during the splash, then "OFF" on TANK CAL: the outer run cycles on with the
// table the inner run left, until it is made valid or the next power-on loads the defaults.
TEST_F(Invariants, AnInvalidTableMayOutliveARunStoppedOnTankCal)
{
    RunDepth = 2;
    CurrentScreen = TankCalScreen;
    TankCal[4] = TankCal[5];
    EXPECT_TRUE(Check()) << Text();
    RunDepth = 1;
    CurrentScreen = MainPageScreen;
    Cursor = 0;
    EXPECT_TRUE(Check(false)) << Text();
    EXPECT_TRUE(Check()) << Text();
    TankCal[4] = 356;  // valid again: from now on it must stay valid
    EXPECT_TRUE(Check()) << Text();
    TankCal[4] = TankCal[5];
    EXPECT_FALSE(Check());
    RunDepth = 0;
}

TEST_F(Invariants, EditModeOnlyOnAValueRowOfAList)
{
    CurrentScreen = VsiSetupScreen;
    Cursor = 3;
    EditMode = 1;
    EXPECT_TRUE(Check()) << Text();
    Cursor = 0;
    EXPECT_FALSE(Check());
    CurrentScreen = MainMenuScreen;
    Cursor = 3;
    EXPECT_FALSE(Check());
    EXPECT_NE(Text().find("EditMode"), std::string::npos) << Text();
}

TEST_F(Invariants, AKeyLeftAfterAScreenRanIsAFaultButNotDuringTheSplash)
{
    KeySlot = KeyCentre;
    EXPECT_TRUE(Check(false)) << Text();
    EXPECT_FALSE(Check(true));
    KeySlot = 0;
    KeyStep = 0;
    EXPECT_TRUE(Check(false)) << Text();
    EXPECT_FALSE(Check(true));
}

TEST_F(Invariants, FuelSetupLastRowFollowsTheLinesPresent)
{
    EXPECT_EQ(LargestCursorByName("FuelSetupScreen"), 10);
    FuelSpeedSource = 1;  // GPS-NMEA adds BAUD
    EXPECT_EQ(LargestCursorByName("FuelSetupScreen"), 11);
    FuelSpeedSource = 0;
    FuelFlowOn = 0;
    FuelLevelMode = FuelLevelOff;
    EXPECT_EQ(LargestCursorByName("FuelSetupScreen"), 4);
}

// Pressing "down" many times on a list screen takes the cursor to its last row: the table the
// runner checks against must say the same, for every arrangement of the rows.
int CursorAfterManyDownKeys(ScreenFn screen)
{
    CurrentScreen = screen;
    Cursor = 0;
    EditMode = 0;
    for (int i = 0; i < 40; ++i) {
        ClearFrameBuffer();
        KeySlot = KeyClockwise;
        screen();
        if (CurrentScreen != screen) return -1;
    }
    return Cursor;
}

TEST_F(Invariants, LastRowsAgreeWithTheScreens)
{
    CalibrateMode = 1;
    struct Case {
        ScreenFn Screen;
        const char *Name;
    };
    const Case cases[] = {
        {MainMenuScreen, "MainMenuScreen"},     {MaxValuesScreen, "MaxValuesScreen"},
        {FlightLogScreen, "FlightLogScreen"},   {LogEntryScreen, "LogEntryScreen"},
        {HobbsMeterScreen, "HobbsMeterScreen"}, {DisplaySetupScreen, "DisplaySetupScreen"},
        {AltSetupScreen, "AltSetupScreen"},     {VsiSetupScreen, "VsiSetupScreen"},
        {AsiSetupScreen, "AsiSetupScreen"},     {VoltsSetupScreen, "VoltsSetupScreen"},
        {RpmSetupScreen, "RpmSetupScreen"},     {FuelSetupScreen, "FuelSetupScreen"},
        {TankCalScreen, "TankCalScreen"},       {FuelTotalScreen, "FuelTotalScreen"},
        {CalibrateScreen, "CalibrateScreen"},   {AdcValuesScreen, "AdcValuesScreen"},
    };
    for (u8 arrangement = 0; arrangement < 4; ++arrangement) {
        LoadFactoryDefaults();
        FlightDetect = arrangement & 1;
        RpmDisplayOn = arrangement & 1;
        FuelSpeedSource = arrangement == 1 ? 1 : 0;
        FuelFlowOn = arrangement >= 2 ? 0 : 1;
        FuelLevelMode = arrangement;  // SENDER, CALCULATE, OFF, then SENDER again via the wrap below
        if (FuelLevelMode > 2) FuelLevelMode = 0;
        for (const Case &c : cases) {
            const int expected = LargestCursorByName(c.Name);
            EXPECT_EQ(CursorAfterManyDownKeys(c.Screen), expected) << c.Name << " arrangement " << int(arrangement);
        }
    }
}

TEST_F(Invariants, EveryRegisteredScreenHasACursorRule)
{
    for (const std::string &warning : InvariantWarnings()) ADD_FAILURE() << warning;
}

} // namespace
