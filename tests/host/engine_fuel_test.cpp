// Engine RPM (pulse and time modes, averaging band, alarm) and the fuel computations
// (tank calibration and filters, flow, calculated level, fuel used, range and endurance).
#include <gtest/gtest.h>

#include "host/main_loop.h"
#include "screens/main_page.h"
#include "host/host_measure_state.h"

namespace {

class RpmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetMeasurementStateWithoutPanel();
        RpmFilter = 10;  // no averaging unless a test picks a band
    }
    void TearDown() override { Panel = nullptr; }

    // With 120.0 pulses per revolution a pulse count reads as the same number of rpm.
    static u32 RpmFor(u32 reading)
    {
        PulsesPerRev = 1200;
        RpmPulseLatch = reading;
        UpdateRpm();
        return Rpm;
    }
};

TEST_F(RpmTest, PulseModeScaleAndLimit)
{
    RpmPulseLatch = 100;
    UpdateRpm();
    EXPECT_EQ(Rpm, 2000u);
    RpmPulseLatch = 4096;
    UpdateRpm();
    EXPECT_EQ(Rpm, 19999u);
    PulsesPerRev = 5000;
    RpmPulseLatch = 4096;
    UpdateRpm();
    EXPECT_EQ(Rpm, 983u);
    PulsesPerRev = 0;  // outside its range: read as the lowest setting, never a division by 0
    RpmPulseLatch = 1;
    UpdateRpm();
    EXPECT_EQ(Rpm, 1200u);
}

TEST_F(RpmTest, TimeModeNeedsTheScaleFromRpmSetup)
{
    RpmSliderPanel panel;
    Panel = &panel;
    panel.Position = 100;
    RpmPulseMode = 1;
    UpdateRpm();
    EXPECT_EQ(RpmPulsePeriod, 2000u);
    EXPECT_EQ(Rpm, 0u);
    ComputeRpmScale();
    EXPECT_EQ(RpmScale, 625000u);
    UpdateRpm();
    EXPECT_EQ(Rpm, 312u);
    PulsesPerRev = 25;
    ComputeRpmScale();
    EXPECT_EQ(RpmScale, 1500000u);
    UpdateRpm();
    EXPECT_EQ(Rpm, 750u);
    panel.Position = 0;  // no period: no RPM
    UpdateRpm();
    EXPECT_EQ(Rpm, 0u);
    PulsesPerRev = 0;
    ComputeRpmScale();
    EXPECT_EQ(RpmScale, 37500000u);
}

TEST_F(RpmTest, AveragingWithinTheBandAndRestartOutsideIt)
{
    RpmFilter = 0;  // band 10
    EXPECT_EQ(RpmFor(2000), 2000u);
    EXPECT_EQ(RpmFor(2005), 2002u);
    EXPECT_EQ(RpmFor(2009), 2004u);
    EXPECT_EQ(RpmRingCount, 3);
    EXPECT_EQ(RpmFor(2100), 2100u);
    EXPECT_EQ(RpmRingCount, 1);
    EXPECT_EQ(RpmFor(2090), 2095u);  // exactly 10 below the average: still inside
    EXPECT_EQ(RpmFor(2105), 2098u);  // exactly 10 above the average: still inside
}

TEST_F(RpmTest, RingKeepsTheLast32Readings)
{
    RpmFilter = 9;  // band 100
    for (int i = 0; i < 32; ++i) RpmFor(1000);
    EXPECT_EQ(RpmRingCount, 32);
    for (int i = 0; i < 8; ++i) RpmFor(1064);
    EXPECT_EQ(RpmRingCount, 32);
    EXPECT_EQ(RpmRingIndex, 8);
    EXPECT_EQ(Rpm, (24u * 1000 + 8u * 1064) / 32);
    // A position and a fill from outside the ring (written by anyone) are brought inside it
    // before the ring is touched.
    RpmRingIndex = 40;  // 40 mod 32: slot 8
    RpmRingCount = 200;
    RpmFor(1064);
    EXPECT_EQ(RpmRingIndex, 9);
    EXPECT_EQ(RpmRingCount, 32);
    EXPECT_EQ(Rpm, (23u * 1000 + 9u * 1064) / 32);
}

TEST_F(RpmTest, LowReadingsAndLowAveragesAlwaysRestart)
{
    RpmFilter = 9;  // band 100
    RpmFor(50);     // at or under the band: a fresh start every time
    RpmFor(60);
    EXPECT_EQ(RpmRingCount, 1);
    EXPECT_EQ(Rpm, 60u);
    // Average 60 is below the band, so 60 - 100 wraps and the next reading restarts too.
    EXPECT_EQ(RpmFor(120), 120u);
    EXPECT_EQ(RpmRingCount, 1);
    EXPECT_EQ(RpmFor(150), 135u);
}

TEST_F(RpmTest, MaximaAndAlarm)
{
    RpmLowAlarmOn = 1;
    RpmFor(0);  // an enabled low alarm sounds with the engine stopped
    EXPECT_EQ(AlarmFlags & AlarmRpm, AlarmRpm);
    RpmFor(600);
    EXPECT_EQ(AlarmFlags & AlarmRpm, 0);
    RpmFor(5000);
    EXPECT_EQ(AlarmFlags & AlarmRpm, 0);
    AlarmAcknowledged = AlarmRpm;
    RpmFor(5001);
    EXPECT_EQ(AlarmFlags & AlarmRpm, AlarmRpm);
    EXPECT_EQ(AlarmAcknowledged, AlarmRpm);
    RpmFor(4000);
    EXPECT_EQ(AlarmFlags & AlarmRpm, 0);
    EXPECT_EQ(AlarmAcknowledged, 0);
    EXPECT_EQ(MaxRpm, 5001u);
    EXPECT_EQ(CurrentFlight.MaxRpm, 5001u);
    RpmHighAlarmOn = 0;
    RpmFor(19999);
    EXPECT_EQ(AlarmFlags & AlarmRpm, 0);
}

// Limits below zero can only come from a script. The alarm word compares the unsigned RPM
// with them as unsigned numbers, like the Hobbs threshold and the main page's flashing, so
// the lamp and the flashing RPM always agree.
TEST_F(RpmTest, AlarmLimitsCompareUnsignedLikeTheFlashing)
{
    char text[32];
    BlinkFlag = 0;  // a value in its alarm state is hidden now
    RpmHighAlarm = -1;  // 0xFFFFFFFF: nothing is above it
    RpmFor(3000);
    EXPECT_EQ(AlarmFlags & AlarmRpm, 0);
    EXPECT_TRUE(ComposeMainPageText(88, 8, text));
    RpmHighAlarmOn = 0;
    RpmLowAlarm = -1;  // everything is below it
    RpmLowAlarmOn = 1;
    RpmFor(3000);
    EXPECT_EQ(AlarmFlags & AlarmRpm, AlarmRpm);
    EXPECT_FALSE(ComposeMainPageText(88, 8, text));
    BlinkFlag = 1;
}

class FuelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetMeasurementStateWithoutPanel();
        TankFilter = 0;  // readings straight through unless a test picks a filter
    }

    static u32 LevelFor(s32 reading)
    {
        InputFuelLevel = reading;
        UpdateFuelLevel();
        return FuelLevel;
    }

    static void Flow(s32 pulses)
    {
        InputFuelFlow = pulses;
        UpdateFuelFlow();
    }

    // A cycle with a FuelTick, as the main loop runs it: flow, the pulses into the totals,
    // flow again.
    static void FuelTickFlow(s32 pulses)
    {
        Flow(pulses);
        TakeFuelPulses();
        UpdateFuelFlow();
    }
};

TEST_F(FuelTest, LevelByTheSixPointsFallingAndRising)
{
    // Readings at, inside and beyond both ends of the table, for the factory points (a falling
    // sender) and a rising one; the 45 L tank's segments are 9 L.
    s32 falling[6];
    for (int i = 0; i < 6; ++i) falling[i] = TankCal[i];
    const s32 rising[6] = {251, 356, 427, 520, 680, 809};
    struct Case {
        const s32 *Points;
        s32 Reading;
        u32 Litres;
    };
    const Case cases[] = {
        {falling, 809, 0},  {falling, 3000, 0}, {falling, 808, 0}, {falling, 680, 9},
        {falling, 600, 13}, {falling, 300, 40}, {falling, 251, 45}, {falling, 0, 45},
        {rising, 251, 0},   {rising, 100, 0},   {rising, 600, 31}, {rising, 356, 9},
        {rising, 809, 45},  {rising, 4096, 45},
    };
    for (const Case &c : cases) {
        for (int i = 0; i < 6; ++i) TankCal[i] = c.Points[i];
        EXPECT_EQ(LevelFor(c.Reading), c.Litres) << (c.Points == falling ? "falling " : "rising ") << c.Reading;
    }
}

TEST_F(FuelTest, SegmentsAreTruncatedAndTheSizeIsNotConverted)
{
    TankSize = 47;  // segments of 9
    EXPECT_EQ(LevelFor(300), 37u + 9u * 56 / 105);
    FuelUnit = 1;  // 4.5 gallons: same numbers
    TankSize = 45;
    EXPECT_EQ(LevelFor(600), 13u);
    EXPECT_EQ(TankSize, 45);
    TankSize = -5;  // outside its range: an empty tank, never a wrapped number
    EXPECT_EQ(LevelFor(600), 0u);
}

TEST_F(FuelTest, TankFilters)
{
    TankFilter = 1;
    EXPECT_EQ(LevelFor(600), 40u);  // first step reads 300
    EXPECT_EQ(TankFilterState, 600u);
    TankFilterState = 0;
    TankFilter = 2;
    LevelFor(600);
    EXPECT_EQ(TankFilterState, 600u);
    TankFilterState = 0;
    TankFilter = 3;
    LevelFor(600);
    EXPECT_EQ(TankFilterState, 600u);
    EXPECT_EQ(FuelLevel, 45u);  // filtered reading 18
    for (int i = 0; i < 2000; ++i) LevelFor(600);
    EXPECT_EQ(FuelLevel, 13u);
}

TEST_F(FuelTest, SenderErrorOnlyInSenderMode)
{
    LevelFor(3901);
    EXPECT_EQ(FuelSenderError, 1);
    EXPECT_EQ(FuelLevel, 0u);  // computed all the same
    LevelFor(3900);
    EXPECT_EQ(FuelSenderError, 0);
    FuelLevelMode = FuelLevelCalculate;
    FuelLevel = 20;
    LevelFor(3901);
    EXPECT_EQ(FuelSenderError, 0);
    EXPECT_EQ(FuelLevel, 20u);  // the calculated level is left alone
    EXPECT_EQ(AdcFuelLevel, 3901u);
}

TEST_F(FuelTest, FuelAlarm)
{
    LevelFor(750);  // 4 L, under the 10 L alarm level
    EXPECT_EQ(FuelLevel, 4u);
    EXPECT_EQ(AlarmFlags & AlarmFuel, AlarmFuel);
    LevelFor(600);
    EXPECT_EQ(AlarmFlags & AlarmFuel, 0);
    FuelAlarmLevel = 13;  // at the level: no alarm
    LevelFor(600);
    EXPECT_EQ(AlarmFlags & AlarmFuel, 0);
    FuelAlarmLevel = 14;
    LevelFor(600);
    EXPECT_EQ(AlarmFlags & AlarmFuel, AlarmFuel);
    FuelAlarmOn = 0;
    LevelFor(600);
    EXPECT_EQ(AlarmFlags & AlarmFuel, 0);
    FuelAlarmOn = 1;
    FuelLevelMode = FuelLevelCalculate;
    FuelLevel = 5;
    LevelFor(0);
    EXPECT_EQ(AlarmFlags & AlarmFuel, AlarmFuel);
    AlarmAcknowledged = AlarmFuel;
    FuelLevelMode = FuelLevelOff;
    LevelFor(0);
    EXPECT_EQ(AlarmFlags & AlarmFuel, 0);
    EXPECT_EQ(AlarmAcknowledged & AlarmFuel, 0);
}

TEST_F(FuelTest, FlowInTenthsPerHour)
{
    EXPECT_EQ(PulsesPerFuelUnit(7000), 7000u);
    Flow(70);
    EXPECT_EQ(FuelFlowPulses, 70u);
    EXPECT_EQ(FuelFlow, 90);
    FuelUnit = 3;
    EXPECT_EQ(PulsesPerFuelUnit(7000), 26497u);
    EXPECT_EQ(PulsesPerFuelUnit(60000), 227124u);
    Flow(70);
    EXPECT_EQ(FuelFlow, 23);
    KFactor = 0;  // outside its range: read as the lowest setting
    FuelUnit = 0;
    Flow(1);
    EXPECT_EQ(FuelFlow, 900);
    Flow(-20);  // a negative input is no flow
    EXPECT_EQ(FuelFlowPulses, 0u);
    EXPECT_EQ(FuelFlow, 0);
}

TEST_F(FuelTest, CalculatedLevelCountsDownAndRounds)
{
    FuelLevelMode = FuelLevelCalculate;
    FuelRemainingPulses = 20 * 7000;
    Flow(700);  // a cycle without a FuelTick takes nothing
    EXPECT_EQ(FuelRemainingPulses, 140000);
    EXPECT_EQ(FuelLevel, 20u);
    FuelTickFlow(700);  // 19.9 L
    EXPECT_EQ(FuelRemainingPulses, 139300);
    EXPECT_EQ(FuelLevel, 20u);
    for (int i = 0; i < 4; ++i) FuelTickFlow(700);  // 19.5 L rounds up
    EXPECT_EQ(FuelLevel, 20u);
    FuelTickFlow(700);  // 19.4 L
    EXPECT_EQ(FuelLevel, 19u);
    FuelRemainingPulses = 100 * 7000;  // more than the tank holds
    Flow(0);
    EXPECT_EQ(FuelLevel, 45u);
    FuelRemainingPulses = 100;
    FuelTickFlow(700);
    EXPECT_EQ(FuelRemainingPulses, 0);
    EXPECT_EQ(FuelLevel, 0u);
    FuelUnit = 1;  // tenths of a gallon
    FuelRemainingPulses = 2 * 26497;
    Flow(0);
    EXPECT_EQ(FuelLevel, 20u);
    FuelUnit = 5;
    KFactor = 60000;  // a full 99.9 gallons counted without overflow
    TankSize = 999;
    FuelRemainingPulses = 999 * 227124 / 10;
    Flow(0);
    EXPECT_EQ(FuelLevel, 999u);
}

TEST_F(FuelTest, FuelUsedAccumulatesAndIsNotConverted)
{
    for (int i = 0; i < 10; ++i) Flow(3500);  // cycles without a FuelTick
    EXPECT_EQ(FuelUsedPulses, 0u);
    for (int i = 0; i < 4; ++i) FuelTickFlow(3500);
    EXPECT_EQ(FuelUsedPulses, 14000u);
    EXPECT_EQ(FuelUsed, 2);
    FuelUnit = 1;
    EXPECT_EQ(FuelUsedPulses, 14000u);
    FuelTickFlow(3000);  // gallon units count pulses x 10
    EXPECT_EQ(FuelUsedPulses, 44000u);
    EXPECT_EQ(FuelUsed, 1);  // 44000 / 26497: one tenth of a gallon
}

TEST_F(FuelTest, RangeAndEnduranceMarkers)
{
    TrueAirspeed = 100;
    FuelLevel = 13;
    Flow(0);
    EXPECT_EQ(FuelRange, 0xFFFFu);
    EXPECT_EQ(FuelEndurance, 0xFFFFu);
    FuelLevel = 0;
    Flow(0);
    EXPECT_EQ(FuelRange, 0u);
    EXPECT_EQ(FuelEndurance, 0u);
    Flow(70);
    EXPECT_EQ(FuelRange, 0u);
    EXPECT_EQ(FuelEndurance, 0u);
}

TEST_F(FuelTest, RangeBySpeedSourceAndDistanceUnit)
{
    TrueAirspeed = 100;
    AirspeedMph = 80;
    FuelLevel = 13;
    Flow(70);  // 9.0 L/h
    EXPECT_EQ(FuelRange, 144u);
    EXPECT_EQ(FuelEndurance, 86u);
    FuelSpeedSource = 2;  // IAS
    Flow(70);
    EXPECT_EQ(FuelRange, 115u);
    FuelSpeedSource = 0;
    FuelUnit = 2;  // nautical miles
    Flow(70);
    EXPECT_EQ(FuelRange, 86u * 130 / 90);
    FuelUnit = 4;  // kilometres
    Flow(70);
    EXPECT_EQ(FuelRange, 160u * 130 / 90);
    FuelSpeedSource = 1;  // GPS, by the distance unit
    GpsSpeedKmh = 200;
    Flow(70);
    EXPECT_EQ(FuelRange, 200u * 130 / 90);
    FuelUnit = 0;
    GpsSpeedMph = -3;
    Flow(70);
    EXPECT_EQ(FuelRange, 0u);
    FuelSpeedSource = 0;
    FuelUnit = 1;  // 1.3 gallons at 2.3 gal/h
    Flow(70);
    EXPECT_EQ(FuelFlow, 23);
    EXPECT_EQ(FuelRange, 100u * 13 / 23);
    EXPECT_EQ(FuelEndurance, 13u * 60 / 23);
}

TEST(RoundTenthTest, HalvesRoundAwayFromZero)
{
    EXPECT_EQ(RoundTenth(0), 0);
    EXPECT_EQ(RoundTenth(14), 1);
    EXPECT_EQ(RoundTenth(15), 2);
    EXPECT_EQ(RoundTenth(25), 3);
    EXPECT_EQ(RoundTenth(194), 19);
    EXPECT_EQ(RoundTenth(195), 20);
    EXPECT_EQ(RoundTenth(-14), -1);
    EXPECT_EQ(RoundTenth(-15), -2);
    EXPECT_EQ(RoundTenth(-25), -3);
}

} // namespace
