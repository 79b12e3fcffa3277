// Air data: pressure and altitude, VSI, airspeeds, glide ratio, volts, OAT, maxima, alarms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "instrument/measure_state.h"

namespace {

class AirDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetMeasurementState();
        AsiFilter = 0;  // readings straight through unless a test picks a filter
    }

    static void SettleAltitude(s32 reading)
    {
        InputAltitude = reading;
        for (int i = 0; i < 64; ++i) UpdateAltitude();
    }

    // The VSI filter holds four times its reading; start it on `reading` so it stays there.
    static void HoldVsiReading(s32 reading)
    {
        InputVsi = reading;
        VsiFilterState = 4 * static_cast<u32>(reading);
    }
};

TEST_F(AirDataTest, AllInputsAtZero)
{
    OatCal = -5;
    UpdateAltitude();
    UpdateVsi();
    UpdateAirspeed();
    UpdateVolts();
    UpdateOat();
    EXPECT_EQ(StaticPressure, 105555u);
    EXPECT_EQ(VsiScale, 2941u);
    EXPECT_GT(AltitudeFeet, 45000);
    EXPECT_LT(AltitudeFeet, 60000);
    EXPECT_EQ(PressureAltitude, AltitudeFeet);
    EXPECT_EQ(Airspeed, 0u);
    EXPECT_EQ(TrueAirspeed, 0u);
    EXPECT_EQ(Volts, 0u);
    EXPECT_EQ(OatCelsius, -278);
}

TEST_F(AirDataTest, PressureTableReadingsGiveTheirThousandsOfFeet)
{
    for (u8 i = 0; i < 41; ++i) {
        SettleAltitude(static_cast<s32>(PressureTableA[i]));
        const s32 want = 1000 * i;
        const s32 tolerance = std::max(30, want / 200);
        EXPECT_LE(std::abs(AltitudeFeet - want), tolerance) << "reading " << PressureTableA[i];
        EXPECT_LE(std::abs(PressureAltitude - want), tolerance) << "reading " << PressureTableA[i];
    }
}

TEST_F(AirDataTest, AltitudeFilterFollowsSmallStepsAndJumpsLargeOnes)
{
    SettleAltitude(3346);
    ASSERT_EQ(AltitudeFeet, 0);
    // The computed altitude is 0; the filter believes 25 ft: followed through 1/8.
    QnhAltitudeFilterState = 8 * 25;
    UpdateAltitude();
    EXPECT_EQ(QnhAltitudeFilterState, 175);
    EXPECT_EQ(AltitudeFeet, 21);
    // 26 ft away: taken at once.
    QnhAltitudeFilterState = 8 * 26;
    UpdateAltitude();
    EXPECT_EQ(QnhAltitudeFilterState, 0);
    EXPECT_EQ(AltitudeFeet, 0);
    // Below the computed value the shifts round toward minus infinity.
    QnhAltitudeFilterState = -8 * 25;
    UpdateAltitude();
    EXPECT_EQ(QnhAltitudeFilterState, -175);
    EXPECT_EQ(AltitudeFeet, -22);
    QnhAltitudeFilterState = -8 * 26;
    UpdateAltitude();
    EXPECT_EQ(AltitudeFeet, 0);
}

TEST_F(AirDataTest, VsiScaleIsTheFactorOfTheBandWithoutInterpolation)
{
    const struct {
        s32 Reading;
        u32 Scale;
    } cases[] = {
        {4096, 751},  // above the table: stays at the first factor
        {3346, 751},  {3300, 751}, {3213, 751},  // A[1] <= v <= A[0]
        {3212, 775},  {2604, 869},               // v equal to A[6]: band 5
        {337, 2857},  {336, 2857},               // A[39] is the last one consulted
        {335, 2941},  {0, 2941},                 // below it: the last factor
    };
    for (const auto &c : cases) {
        InputAltitude = c.Reading;
        UpdateAltitude();
        EXPECT_EQ(VsiScale, c.Scale) << "reading " << c.Reading;
    }
}

TEST_F(AirDataTest, NegativeCorrectedReadingReadsAsTheLowestPressure)
{
    AltCal = -125;
    InputAltitude = 100;
    UpdateAltitude();
    EXPECT_EQ(StaticPressure, 105555u);
    EXPECT_EQ(VsiScale, 2941u);
    const s32 bottom = AltitudeFeet;
    AltCal = 0;
    InputAltitude = 0;
    UpdateAltitude();
    EXPECT_EQ(AltitudeFeet, bottom);
    // The offset applies across the range: 3471 - 125 is the sea-level reading.
    AltCal = -125;
    SettleAltitude(3471);
    EXPECT_EQ(StaticPressure, 1013216u);
    EXPECT_EQ(AltitudeFeet, 0);
}

TEST_F(AirDataTest, QnhMovesOnlyTheQnhAltitude)
{
    SettleAltitude(3346);
    Qnh = 1023250;  // 10 mB higher: about 280 ft more
    for (int i = 0; i < 64; ++i) UpdateAltitude();
    EXPECT_EQ(PressureAltitude, 0);
    EXPECT_GT(AltitudeFeet, 250);
    EXPECT_LT(AltitudeFeet, 300);
    // Nonsense references still give a bounded number.
    Qnh = 0;
    UpdateAltitude();
    EXPECT_EQ(AltitudeFeet, -1000000);
    Qnh = 1;
    UpdateAltitude();
    EXPECT_EQ(AltitudeFeet, -1000000);
    AltUnit = 1;
    UpdateAltitude();
    EXPECT_EQ(Altitude, -1000000 * 1000 / 3281);
}

TEST_F(AirDataTest, MetresChangeOnlyTheShownAltitude)
{
    SettleAltitude(2958);
    const s32 feet = AltitudeFeet;
    AltUnit = 1;
    UpdateAltitude();
    EXPECT_EQ(AltitudeFeet, feet);
    EXPECT_EQ(Altitude, feet * 1000 / 3281);
    EXPECT_EQ(MaxAltitude, feet);  // the maxima were reached in feet before the change
}

TEST_F(AirDataTest, AltitudeMaximaAreSigned)
{
    MaxAltitude = 0;
    CurrentFlight.MaxAltitude = 0;
    Qnh = 1003250;  // sea-level reading now lies below the reference
    SettleAltitude(3346);
    EXPECT_LT(Altitude, 0);
    EXPECT_EQ(MaxAltitude, 0);
    EXPECT_EQ(CurrentFlight.MaxAltitude, 0);
    SettleAltitude(2837);
    EXPECT_EQ(MaxAltitude, Altitude);
    EXPECT_EQ(CurrentFlight.MaxAltitude, Altitude);
    SettleAltitude(3213);
    EXPECT_GT(MaxAltitude, Altitude);
}

TEST_F(AirDataTest, IntSqrtIsTheIntegerPartOfTheRoot)
{
    EXPECT_EQ(IntSqrt(0), 0u);
    EXPECT_EQ(IntSqrt(1), 1u);
    EXPECT_EQ(IntSqrt(3), 1u);
    EXPECT_EQ(IntSqrt(4), 2u);
    EXPECT_EQ(IntSqrt(61440), 247u);
    EXPECT_EQ(IntSqrt(61504), 248u);
    EXPECT_EQ(IntSqrt(61503), 247u);
    EXPECT_EQ(IntSqrt((1u << 30) - 1), 32767u);
    for (u32 n = 1; n < 800; ++n) {
        EXPECT_EQ(IntSqrt(n * n), n);
        EXPECT_EQ(IntSqrt(n * n - 1), n - 1);
    }
}

TEST_F(AirDataTest, AirspeedRootCalibrationAndClamps)
{
    InputAirspeed = 4096;
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 247u);
    AsiCal = 150;
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 250u);
    AsiCal = 100;
    InputAirspeed = 17;  // root 15: below the lowest shown speed
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 0u);
    InputAirspeed = 18;  // root 16
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 16u);
    AsiZero = 1000;
    InputAirspeed = 999;
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 0u);
    InputAirspeed = 1000 + 2667;  // 15 x 2667 = 40005, root 200
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 200u);
}

TEST_F(AirDataTest, AirspeedFilters)
{
    InputAirspeed = 4096;
    AsiFilter = 1;  // FAST: state twice the reading
    UpdateAirspeed();
    EXPECT_EQ(AirspeedFilterState, 4096u);
    EXPECT_EQ(Airspeed, IntSqrt(15 * 2048));
    UpdateAirspeed();
    EXPECT_EQ(AirspeedFilterState, 6144u);
    AirspeedFilterState = 0;
    AsiFilter = 2;  // SLOW: state four times the reading
    UpdateAirspeed();
    EXPECT_EQ(AirspeedFilterState, 4096u);
    EXPECT_EQ(Airspeed, IntSqrt(15 * 1024));
    UpdateAirspeed();
    EXPECT_EQ(AirspeedFilterState, 7168u);
}

TEST_F(AirDataTest, UnitsConvertTheShownSpeedAndItsMaxima)
{
    InputAirspeed = 4096;
    AsiUnit = 1;
    UpdateAirspeed();
    EXPECT_EQ(AirspeedMph, 247u);
    EXPECT_EQ(Airspeed, 397u);
    EXPECT_EQ(MaxAirspeed, 397u);
    EXPECT_EQ(CurrentFlight.MaxAirspeed, 397u);
    EXPECT_EQ(TrueAirspeed, 247u);  // true airspeed stays in mph
    AsiUnit = 2;
    UpdateAirspeed();
    EXPECT_EQ(Airspeed, 214u);
    EXPECT_EQ(MaxAirspeed, 397u);
}

TEST_F(AirDataTest, TrueAirspeedAboveAndBelowTheReference)
{
    InputAirspeed = 2667;  // 200 mph
    AltitudeFeet = 10000;
    UpdateAirspeed();
    EXPECT_EQ(TrueAirspeed, 235u);
    AltitudeFeet = 50862;
    InputAirspeed = 4096;
    AsiCal = 150;  // 250 mph
    UpdateAirspeed();
    EXPECT_EQ(TrueAirspeed, 250u + 222u);
    AsiCal = 100;
    InputAirspeed = 2667;
    AltitudeFeet = -1000;  // below the reference: a small reduction, never a wrap
    UpdateAirspeed();
    EXPECT_EQ(TrueAirspeed, 197u);
    AltitudeFeet = -1000000;
    UpdateAirspeed();
    EXPECT_EQ(TrueAirspeed, 0u);
}

TEST_F(AirDataTest, GlideRatioKeepsItsValueInLevelFlightAndStopsAt999)
{
    InputAirspeed = 2667;
    AltitudeFeet = 10000;  // true airspeed 235 mph
    VsiFeetPerMin = -500;
    UpdateAirspeed();
    EXPECT_EQ(GlideRatio, 413u);  // 235 x 5280 / 60 x 10 / 500
    VsiFeetPerMin = 0;
    UpdateAirspeed();
    EXPECT_EQ(GlideRatio, 413u);
    VsiFeetPerMin = 500;  // climbing counts by its size too
    UpdateAirspeed();
    EXPECT_EQ(GlideRatio, 413u);
    VsiFeetPerMin = -50;
    UpdateAirspeed();
    EXPECT_EQ(GlideRatio, 999u);
}

TEST_F(AirDataTest, AirDistanceAddsTheTrueAirspeedEveryCycle)
{
    InputAirspeed = 2667;
    AltitudeFeet = 10000;
    for (int i = 0; i < 10; ++i) UpdateAirspeed();
    EXPECT_EQ(AirDistance, 2350u);
    ClearAirDistance();
    EXPECT_EQ(AirDistance, 0u);
}

TEST_F(AirDataTest, AirspeedAlarmLowOnlyInFlight)
{
    InputAirspeed = 50;  // 27 mph, under the low alarm of 30
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, 0);
    InFlight = 1;
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, AlarmAirspeed);
    AlarmAcknowledged = AlarmAirspeed | AlarmVolts;
    AsiLowAlarmOn = 0;
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, 0);
    EXPECT_EQ(AlarmAcknowledged, AlarmVolts);  // only its own bit is cleared
    InputAirspeed = 4096;  // 247 > 80
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, AlarmAirspeed);
    AsiHighAlarmOn = 0;
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, 0);
    AsiHighAlarmOn = 1;
    AsiHighAlarm = 247;  // at the limit: no alarm
    UpdateAirspeed();
    EXPECT_EQ(AlarmFlags & AlarmAirspeed, 0);
}

TEST_F(AirDataTest, VsiAroundItsZero)
{
    SettleAltitude(3346);  // scale 751
    VsiZero = 2000;
    HoldVsiReading(2000);
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, 0);
    EXPECT_EQ(VsiClimbing, 0);
    EXPECT_EQ(VsiDrift, 0);
    // One count below zero: 751 / 66 = 11 ft/min, shown as 0, but the drift still moves.
    HoldVsiReading(1999);
    UpdateVsi();
    EXPECT_EQ(VsiClimbing, 1);
    EXPECT_EQ(VsiFeetPerMin, 0);
    EXPECT_EQ(VsiDrift, 1);
    // 100 counts above zero: descending.
    VsiDrift = 0;
    HoldVsiReading(2100);
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, -1137);
    EXPECT_EQ(Vsi, -1137);
    VsiUnit = 1;
    UpdateVsi();
    EXPECT_EQ(Vsi, -577);  // hundredths of m/s, truncated toward zero
    VsiCal = 50;
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, -568);
}

TEST_F(AirDataTest, VsiStopsAt9999)
{
    SettleAltitude(0);  // scale 2941
    HoldVsiReading(4096);
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, -9999);
    VsiZero = 4096;
    HoldVsiReading(0);
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, 9999);
    VsiZero = 0xFFFFFFFFu;  // a zero far outside the input range still gives a number
    UpdateVsi();
    EXPECT_EQ(VsiFeetPerMin, 9999);
}

TEST_F(AirDataTest, DriftCorrectionOnlyWhileTheAltitudeStandsStill)
{
    SettleAltitude(3346);
    VsiZero = 2000;
    HoldVsiReading(2100);  // reads descending, altitude steady
    UpdateVsi();
    EXPECT_EQ(VsiDrift, -1);
    VsiDrift = -100;
    UpdateVsi();
    EXPECT_EQ(VsiDrift, -100);
    VsiDrift = 100;
    HoldVsiReading(1900);  // climbing side; the drift lifts the reading by 10 counts
    UpdateVsi();
    EXPECT_EQ(VsiDrift, 100);
    VsiDrift = 0;
    PrevAltitudeFeet = 40;  // the altitude moved: no correction
    UpdateVsi();
    EXPECT_EQ(VsiDrift, 0);
    EXPECT_EQ(PrevAltitudeFeet, AltitudeFeet);
}

TEST_F(AirDataTest, DriftShiftsTheReadingAndNeverBelowZero)
{
    SettleAltitude(3346);
    VsiZero = 0;
    VsiDrift = -100;  // ten counts down
    HoldVsiReading(5);
    for (int i = 0; i < 20; ++i) UpdateVsi();
    EXPECT_EQ(VsiFilterState, 0u);
    EXPECT_EQ(VsiFeetPerMin, 0);
}

TEST_F(AirDataTest, VoltsScaleAlarmsAndMaximum)
{
    InputVolts = 4096;
    UpdateVolts();
    EXPECT_EQ(Volts, 327u);
    EXPECT_EQ(MaxVolts, 327u);
    EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
    InputVolts = 1876;  // 15.0 V: at the high limit
    UpdateVolts();
    EXPECT_EQ(Volts, 150u);
    EXPECT_EQ(AlarmFlags & AlarmVolts, 0);
    InputVolts = 1250;  // 10.0 V: at the low limit
    UpdateVolts();
    EXPECT_EQ(Volts, 100u);
    EXPECT_EQ(AlarmFlags & AlarmVolts, 0);
    InputVolts = 1249;
    UpdateVolts();
    EXPECT_EQ(AlarmFlags & AlarmVolts, AlarmVolts);
    VoltsLowAlarmOn = 0;
    UpdateVolts();
    EXPECT_EQ(AlarmFlags & AlarmVolts, 0);
    VoltsCal = 120;
    InputVolts = 4096;
    UpdateVolts();
    EXPECT_EQ(Volts, 393u);
    EXPECT_EQ(MaxVolts, 393u);
}

TEST_F(AirDataTest, OatUnitsAndExtremes)
{
    EXPECT_EQ(ToFahrenheit(-40), -40);
    EXPECT_EQ(ToFahrenheit(-17), 2);  // -30.6 truncates to -30
    EXPECT_EQ(ToFahrenheit(-273), -459);
    EXPECT_EQ(ToFahrenheit(37), 98);
    InputOat = 2237;
    UpdateOat();
    EXPECT_EQ(OatCelsius, 0);
    TempUnit = 1;
    UpdateOat();
    EXPECT_EQ(Oat, 32);
    EXPECT_EQ(MaxOat, 32);
    InputOat = 2100;
    OatCal = 3;
    UpdateOat();
    EXPECT_EQ(OatCelsius, 256 - 273 + 3);
    EXPECT_EQ(Oat, 7);
    EXPECT_EQ(MinOat, 0);  // seeded from the 0 C before the first reading
    EXPECT_EQ(MaxOat, 32);
    InputOat = 0;
    UpdateOat();
    EXPECT_EQ(MinOat, ToFahrenheit(-270));
}

TEST_F(AirDataTest, InputsOutsideTheConverterRangeReadAtItsEnds)
{
    InputVolts = 100000;
    InputOat = -5;
    UpdateVolts();
    UpdateOat();
    EXPECT_EQ(AdcVolts, 4096u);
    EXPECT_EQ(AdcOat, 0);
    EXPECT_EQ(ReadAdc(3), 0u);
}

TEST_F(AirDataTest, ResetMaxValuesSeedsFromTheLiveValues)
{
    Airspeed = 100;
    Altitude = -50;
    Rpm = 3000;
    Volts = 140;
    Oat = -5;
    ResetMaxValues();
    EXPECT_EQ(MaxAirspeed, 100u);
    EXPECT_EQ(MaxAltitude, -50);
    EXPECT_EQ(MaxRpm, 3000u);
    EXPECT_EQ(MaxVolts, 140u);
    EXPECT_EQ(MinOat, -5);
    EXPECT_EQ(MaxOat, -5);
}

} // namespace
