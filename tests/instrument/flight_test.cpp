// Flight detection, flight time and log entries, the Hobbs meter, the maintenance countdown,
// the clock and the flight-log store.
#include <gtest/gtest.h>

#include "instrument/host_time.h"
#include "instrument/measure_state.h"

namespace {

class FlightTest : public ::testing::Test {
protected:
    void SetUp() override { ResetMeasurementState(); }

    static void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) RunSlowTick();
    }

    // A detected flight that has opened its entry, airspeed still up.
    static void DetectedFlightWithEntry()
    {
        FlightDetect = 1;
        Airspeed = 60;
        Ticks(60);
        ASSERT_EQ(FlightLogged, 1);
    }
};

TEST_F(FlightTest, DetectionStartsAtTheTakeoffAirspeed)
{
    FlightDetect = 1;
    Airspeed = 29;
    Ticks(5);
    EXPECT_EQ(InFlight, 0);
    Airspeed = 30;
    Ticks(1);
    EXPECT_EQ(InFlight, 1);
    EXPECT_EQ(LandingHold, 30);
    EXPECT_EQ(FlightTicks, 1);  // the take-off tick already counts
}

TEST_F(FlightTest, LandingNeedsThirtyTicksInARow)
{
    FlightDetect = 1;
    Airspeed = 40;
    Ticks(1);
    Airspeed = 10;
    Ticks(29);
    EXPECT_EQ(InFlight, 1);
    Airspeed = 30;  // one tick at the threshold restarts the count
    Ticks(1);
    Airspeed = 0;
    Ticks(29);
    EXPECT_EQ(InFlight, 1);
    EXPECT_EQ(LandingHold, 1);
    Ticks(1);
    EXPECT_EQ(InFlight, 0);
}

TEST_F(FlightTest, EntryOpensWhenTheFirstFractionCompletes)
{
    HourFractDec = 1;  // fractions of 36 ticks
    FlightDetect = 1;
    FlightLogIndex = 7;
    Airspeed = 50;
    Ticks(35);
    EXPECT_EQ(FlightLogged, 0);
    EXPECT_EQ(FlightLogIndex, 7);
    Ticks(1);
    EXPECT_EQ(FlightLogged, 1);
    EXPECT_EQ(FlightLogIndex, 8);
    EXPECT_EQ(FlightFraction, 1);
    Ticks(36);  // later fractions open nothing new
    EXPECT_EQ(FlightLogIndex, 8);
    EXPECT_EQ(FlightFraction, 2);
}

TEST_F(FlightTest, MinuteModeFractionIsSixtyTicks)
{
    FlightDetect = 1;
    Airspeed = 50;
    Ticks(59);
    EXPECT_EQ(FlightLogged, 0);
    EXPECT_EQ(FlightLogIndex, 0);
    Ticks(1);
    EXPECT_EQ(FlightLogIndex, 1);
    EXPECT_EQ(FractionTickLimit, 59);
    EXPECT_EQ(FractionLimit, 59);
}

TEST_F(FlightTest, ShortFlightLeavesNoEntryAndKeepsThePreviousOne)
{
    FlightLogEntry previous{};
    previous.FlightHours = 3;
    previous.MaxRpm = 4321;
    WriteFlightLogSlot(5, previous);
    FlightLogIndex = 5;
    FlightDetect = 1;
    Airspeed = 50;
    Ticks(10);
    Airspeed = 0;
    Ticks(30);  // 40 flight ticks in all, under one minute fraction
    EXPECT_EQ(InFlight, 0);
    EXPECT_EQ(FlightLogIndex, 5);
    FlightLogEntry read{};
    EXPECT_TRUE(ReadFlightLogSlot(5, read));
    EXPECT_EQ(read.FlightHours, 3);
    EXPECT_EQ(read.MaxRpm, 4321u);
    EXPECT_FALSE(ReadFlightLogSlot(6, read));
}

TEST_F(FlightTest, DetectedFlightIsRecordedWithStartTimeAndMaxima)
{
    RealTimeClock.Year = 124;
    RealTimeClock.Month = 5;
    RealTimeClock.Day = 6;
    RealTimeClock.Hour = 7;
    RealTimeClock.Minute = 8;
    HobbsHours = 1234;
    HobbsFraction = 5;
    CurrentFlight.MaxAltitude = 9999;  // left over from an earlier flight
    CurrentFlight.MaxAirspeed = 999;
    CurrentFlight.MaxRpm = 9999;
    CurrentFlight.FlightHours = 12;
    HourFractDec = 1;
    FlightDetect = 1;
    Rpm = 2500;
    Airspeed = 90;
    Ticks(1);
    EXPECT_EQ(CurrentFlight.Year, 124);
    EXPECT_EQ(CurrentFlight.Hour, 7);
    EXPECT_EQ(CurrentFlight.MaxAltitude, 0);
    EXPECT_EQ(CurrentFlight.MaxAirspeed, 0u);
    EXPECT_EQ(CurrentFlight.MaxRpm, 0u);
    EXPECT_EQ(CurrentFlight.FlightHours, 0);
    EXPECT_EQ(CurrentFlight.HobbsHours, 1234);
    CurrentFlight.MaxAltitude = 4500;  // what the measurement units record in flight
    CurrentFlight.MaxAirspeed = 95;
    CurrentFlight.MaxRpm = 2500;
    RealTimeClock.Minute = 40;  // the clock moves on; the start time stays
    Ticks(71);
    Airspeed = 0;
    Ticks(30);  // 102 ticks: two fractions
    ASSERT_EQ(InFlight, 0);
    ASSERT_EQ(FlightLogIndex, 1);

    FlightLogEntry entry{};
    ASSERT_TRUE(ReadFlightLogSlot(1, entry));
    EXPECT_EQ(entry.Year, 124);
    EXPECT_EQ(entry.Month, 5);
    EXPECT_EQ(entry.Day, 6);
    EXPECT_EQ(entry.Hour, 7);
    EXPECT_EQ(entry.Minute, 8);
    EXPECT_EQ(entry.FlightHours, 0);
    EXPECT_EQ(entry.FlightFraction, 2);
    EXPECT_EQ(entry.HobbsHours, 1234);
    EXPECT_EQ(entry.HobbsFraction, 7);  // the Hobbs reading when the entry was last stored
    EXPECT_EQ(entry.MaxAltitude, 4500);
    EXPECT_EQ(entry.MaxAirspeed, 95u);
    EXPECT_EQ(entry.MaxRpm, 2500u);
    for (u8 slot = 0; slot < FlightLogSlots; ++slot) {
        if (slot == 1) continue;
        EXPECT_FALSE(ReadFlightLogSlot(slot, entry)) << "slot " << int(slot);
    }
}

TEST_F(FlightTest, HoursAreCarriedBeforeTheEntryIsStored)
{
    InFlight = 1;
    FlightLogged = 1;
    FlightLogIndex = 4;
    FlightTicks = 59;
    FlightFraction = 59;
    Ticks(1);
    EXPECT_EQ(FlightHours, 1);
    EXPECT_EQ(FlightFraction, 0);
    EXPECT_EQ(CurrentFlight.FlightHours, 1);
    EXPECT_EQ(CurrentFlight.FlightFraction, 0);
    FlightLogEntry entry{};
    ASSERT_TRUE(ReadFlightLogSlot(4, entry));
    EXPECT_EQ(entry.FlightHours, 1);
    EXPECT_EQ(entry.FlightFraction, 0);
    // After 99 hours the flight hours start again at 0.
    FlightHours = 99;
    FlightFraction = 59;
    FlightTicks = 59;
    Ticks(1);
    EXPECT_EQ(FlightHours, 0);
    EXPECT_EQ(FlightFraction, 0);
}

TEST_F(FlightTest, LogIndexWrapsAfterSlot31)
{
    FlightLogIndex = 31;
    FlightDetect = 1;
    Airspeed = 50;
    Ticks(60);
    EXPECT_EQ(FlightLogIndex, 0);
    FlightLogEntry entry{};
    EXPECT_TRUE(ReadFlightLogSlot(0, entry));
    EXPECT_FALSE(ReadFlightLogSlot(31, entry));
}

TEST_F(FlightTest, ManualModeIgnoresTheAirspeed)
{
    Airspeed = 100;
    AirDistance = 500;
    Ticks(3);
    EXPECT_EQ(InFlight, 0);
    EXPECT_EQ(AirDistance, 500u);
    DistZeroAuto = 1;  // on the ground and fast: cleared on every tick
    Ticks(1);
    EXPECT_EQ(AirDistance, 0u);
    AirDistance = 70;
    Ticks(1);
    EXPECT_EQ(AirDistance, 0u);
    StartFlight();
    AirDistance = 70;
    Ticks(1);
    EXPECT_EQ(AirDistance, 70u);  // in flight: no longer cleared
    Airspeed = 0;
    Ticks(100);
    EXPECT_EQ(InFlight, 1);  // only STOP FLIGHT ends a manual flight
    StopFlight();
    EXPECT_EQ(InFlight, 0);
    EXPECT_EQ(FlightLogIndex, 1);
}

TEST_F(FlightTest, DetectedTakeoffClearsTheAirDistanceOnlyInAutoMode)
{
    FlightDetect = 1;
    Airspeed = 50;
    AirDistance = 800;
    Ticks(1);
    EXPECT_EQ(AirDistance, 800u);
    InFlight = 0;
    DistZeroAuto = 1;
    Ticks(1);
    EXPECT_EQ(AirDistance, 0u);
}

TEST_F(FlightTest, SwitchingToManualKeepsADetectedFlightUntilStop)
{
    DetectedFlightWithEntry();
    const u8 slot = FlightLogIndex;
    FlightDetect = 0;
    Airspeed = 0;
    Ticks(40);
    EXPECT_EQ(InFlight, 1);
    HobbsFraction = 33;
    StopFlight();
    EXPECT_EQ(InFlight, 0);
    FlightLogEntry entry{};
    ASSERT_TRUE(ReadFlightLogSlot(slot, entry));
    EXPECT_EQ(entry.HobbsFraction, 33);
    EXPECT_EQ(entry.FlightFraction, 1);
}

TEST_F(FlightTest, StartFlightBeginsAFreshCount)
{
    FlightHours = 2;
    FlightFraction = 30;
    FlightTicks = 17;
    FlightLogged = 1;
    RealTimeClock.Month = 3;
    RealTimeClock.Day = 21;
    AirDistance = 40;
    StartFlight();
    EXPECT_EQ(InFlight, 1);
    EXPECT_EQ(FlightLogged, 0);
    EXPECT_EQ(FlightTicks, 0);
    EXPECT_EQ(FlightHours, 0);
    EXPECT_EQ(FlightFraction, 0);
    EXPECT_EQ(CurrentFlight.Day, 21);
    EXPECT_EQ(AirDistance, 40u);
    InFlight = 0;
    DistZeroAuto = 1;
    StartFlight();
    EXPECT_EQ(AirDistance, 0u);
}

TEST_F(FlightTest, HobbsCountsFromTheHobbsRpm)
{
    Rpm = 999;
    Ticks(120);
    EXPECT_EQ(HobbsTicks, 0);
    EXPECT_EQ(HobbsFraction, 0);
    Rpm = 1000;
    Ticks(59);
    EXPECT_EQ(HobbsFraction, 0);
    Ticks(1);
    EXPECT_EQ(HobbsFraction, 1);
    HourFractDec = 1;
    Ticks(36);
    EXPECT_EQ(HobbsFraction, 2);
}

TEST_F(FlightTest, HobbsHoursStopAt10000)
{
    Rpm = 3000;
    HobbsHours = 9999;
    HobbsFraction = 59;
    HobbsTicks = 59;
    Ticks(1);
    EXPECT_EQ(HobbsHours, 10000u);
    EXPECT_EQ(HobbsFraction, 0);
    HobbsFraction = 59;
    HobbsTicks = 59;
    Ticks(1);
    EXPECT_EQ(HobbsHours, 10000u);
    EXPECT_EQ(HobbsFraction, 0);
}

TEST_F(FlightTest, MaintenanceCountdown)
{
    Rpm = 3000;
    MaintHours = 0;
    MaintFraction = 1;
    Ticks(60);
    EXPECT_EQ(MaintHours, 0);
    EXPECT_EQ(MaintFraction, 0);
    Ticks(120);
    EXPECT_EQ(MaintHours, 0);
    EXPECT_EQ(MaintFraction, 0);
    HourFractDec = 1;
    MaintHours = 5;
    Ticks(36);
    EXPECT_EQ(MaintHours, 4);
    EXPECT_EQ(MaintFraction, 99);
    Ticks(36);
    EXPECT_EQ(MaintFraction, 98);
}

TEST_F(FlightTest, FractionModeChangeTakesEffectAtTheNextTick)
{
    FlightDetect = 1;
    Airspeed = 50;
    Ticks(40);
    EXPECT_EQ(FlightLogged, 0);
    HourFractDec = 1;
    Ticks(1);  // 41 ticks exceed the decimal limit at once
    EXPECT_EQ(FlightLogged, 1);
    EXPECT_EQ(FlightTicks, 0);
}

TEST_F(FlightTest, ClockFollowsTheHostTime)
{
    FreezeHostTime(HostDateTime{125, 2, 28, WeekdayOf(2025, 2, 28), 23, 59, 58});
    ReadClock();
    EXPECT_EQ(RealTimeClock.Year, 125);
    EXPECT_EQ(RealTimeClock.Month, 2);
    EXPECT_EQ(RealTimeClock.Day, 28);
    EXPECT_EQ(RealTimeClock.Weekday, 5);
    EXPECT_EQ(RealTimeClock.Hour, 23);
    EXPECT_EQ(RealTimeClock.Minute, 59);
    EXPECT_EQ(RealTimeClock.Second, 58);
}

TEST_F(FlightTest, TakeoffBeforeTheFirstClockReadingReadsTheClock)
{
    FreezeHostTime(HostDateTime{124, 7, 14, WeekdayOf(2024, 7, 14), 16, 45, 0});
    FlightDetect = 1;
    Airspeed = 50;
    Ticks(1);  // RealTimeClock still all zero, as right after the program starts
    EXPECT_EQ(CurrentFlight.Year, 124);
    EXPECT_EQ(CurrentFlight.Month, 7);
    EXPECT_EQ(CurrentFlight.Hour, 16);
    EXPECT_EQ(CurrentFlight.Minute, 45);
    // A clock that has been read (or set on SET DATE&TIME) is taken as it stands.
    InFlight = 0;
    RealTimeClock.Hour = 3;
    Ticks(1);
    EXPECT_EQ(CurrentFlight.Hour, 3);
}

TEST_F(FlightTest, SaveBeforeTheEntryOpensOverwritesNothing)
{
    DetectedFlightWithEntry();
    const u8 slot = FlightLogIndex;
    CurrentFlight.MaxRpm = 1111;
    SaveFlightLog();
    FlightLogEntry before{};
    ASSERT_TRUE(ReadFlightLogSlot(slot, before));
    StartFlight();
    CurrentFlight.MaxRpm = 7777;
    SaveFlightLog();
    FlightLogEntry after{};
    ASSERT_TRUE(ReadFlightLogSlot(slot, after));
    EXPECT_EQ(before.MaxRpm, 1111u);
    EXPECT_EQ(after.MaxRpm, 1111u);
}

TEST(FlightLogStoreTest, SlotAddressesAndEraseRange)
{
    EraseFlightLog();
    FlightLogEntry entry{};
    entry.FlightHours = 7;
    entry.FlightFraction = 45;
    WriteFlightLogSlot(3, entry);
    EXPECT_EQ(ReadFlightLogStoreByte(1281 + 60), 7);
    EXPECT_EQ(ReadFlightLogStoreByte(1281 + 61), 45);
    EXPECT_EQ(ReadFlightLogStoreByte(1280), 0xFF);
    entry.HobbsHours = 0x1234;
    WriteFlightLogSlot(31, entry);
    EXPECT_EQ(ReadFlightLogStoreByte(1901), 7);
    EXPECT_EQ(ReadFlightLogStoreByte(1920), 0);  // the last byte of slot 31
    EraseFlightLog();
    for (u16 address = 1280; address <= 1919; ++address)
        EXPECT_EQ(ReadFlightLogStoreByte(address), 0xFF) << address;
    EXPECT_EQ(ReadFlightLogStoreByte(1920), 0);  // past the erased range, but the slot reads empty
    FlightLogEntry read{};
    EXPECT_FALSE(ReadFlightLogSlot(31, read));
    EXPECT_GT(read.FlightHours, 99);
    EXPECT_FALSE(ReadFlightLogSlot(3, read));
}

TEST(FlightLogStoreTest, FieldsRoundTripAndSaturate)
{
    EraseFlightLog();
    const FlightLogEntry entry{255, 12, 31, 23, 59, 99, 59, 10000, 59, -1234, 402, 19999};
    WriteFlightLogSlot(9, entry);
    FlightLogEntry read{};
    ASSERT_TRUE(ReadFlightLogSlot(9, read));
    EXPECT_EQ(read.Year, 255);
    EXPECT_EQ(read.Month, 12);
    EXPECT_EQ(read.Day, 31);
    EXPECT_EQ(read.Hour, 23);
    EXPECT_EQ(read.Minute, 59);
    EXPECT_EQ(read.FlightHours, 99);
    EXPECT_EQ(read.FlightFraction, 59);
    EXPECT_EQ(read.HobbsHours, 10000);
    EXPECT_EQ(read.HobbsFraction, 59);
    EXPECT_EQ(read.MaxAltitude, -1234);
    EXPECT_EQ(read.MaxAirspeed, 402u);
    EXPECT_EQ(read.MaxRpm, 19999u);
    const FlightLogEntry wide{300, 1, 1, 0, 0, 1, 0, 70000, 0, 0, 70000, 70000};
    WriteFlightLogSlot(9, wide);
    ASSERT_TRUE(ReadFlightLogSlot(9, read));
    EXPECT_EQ(read.Year, 255);
    EXPECT_EQ(read.HobbsHours, 65535);
    EXPECT_EQ(read.MaxAirspeed, 65535u);
    EXPECT_EQ(read.MaxRpm, 65535u);
    EXPECT_FALSE(ReadFlightLogSlot(32, read));
    WriteFlightLogSlot(40, entry);  // ignored, nothing outside the store is touched
    EXPECT_EQ(ReadFlightLogStoreByte(1281 + 20 * 32), 0xFF);
}

} // namespace
