// The main loop: power-on, splash, cycle order effects, timers, lamp, stop and nested runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/flight.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"
#include "lcd/framebuffer.h"
#include "screens/main_page.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "host/host_measure_state.h"
#include "test_panel.h"

namespace {

constexpr unsigned SplashPumps = 80;

class MainLoopTest : public ::testing::Test {
protected:
    TestPanel panel;
    void SetUp() override
    {
        Panel = &panel;
        BlinkDivider = BlinkFlag = SlowDivider = SlowTick = FuelTickDivider = FuelTick = 0;
        StopwatchRunning = 0;
        StopwatchTicks = 0;
        StopRequest = 0;
    }
    // Runs the instrument until `cycles` cycles have pumped, then presses "OFF".
    void RunCycles(unsigned cycles, std::function<void(unsigned)> hook = nullptr)
    {
        panel.Pumps = 0;
        panel.OnPump = [this, cycles, hook](unsigned pump) {
            if (hook) hook(pump);
            if (pump == SplashPumps + cycles) RequestStop();
        };
        InstrumentMainLoop();
    }
};

TEST_F(MainLoopTest, BlinkFlagFlipsOnEveryEleventhTick)
{
    for (int tick = 1; tick <= 10; ++tick) {
        Timer1Tick();
        EXPECT_EQ(BlinkFlag, 0) << tick;
    }
    Timer1Tick();
    EXPECT_EQ(BlinkFlag, 1);
    for (int tick = 0; tick < 10; ++tick) Timer1Tick();
    EXPECT_EQ(BlinkFlag, 1);
    Timer1Tick();
    EXPECT_EQ(BlinkFlag, 0);
}

TEST_F(MainLoopTest, SlowTickEveryTwentiethAndFuelTickEveryFourthSlowTick)
{
    for (int tick = 1; tick <= 19; ++tick) Timer1Tick();
    EXPECT_EQ(SlowTick, 0);
    Timer1Tick();
    EXPECT_EQ(SlowTick, 1);
    EXPECT_EQ(FuelTick, 0);
    // A raised flag stays raised: several due slow ticks never queue more than one.
    for (int tick = 0; tick < 40; ++tick) Timer1Tick();
    EXPECT_EQ(SlowTick, 1);
    EXPECT_EQ(FuelTick, 0);
    for (int tick = 0; tick < 20; ++tick) Timer1Tick();
    EXPECT_EQ(FuelTick, 1);  // the 80th tick
}

TEST_F(MainLoopTest, StopwatchCountsSlowTicksOnlyWhileRunning)
{
    for (int tick = 0; tick < 40; ++tick) Timer1Tick();
    EXPECT_EQ(StopwatchTicks, 0u);
    StopwatchRunning = 1;
    for (int tick = 0; tick < 39; ++tick) Timer1Tick();
    EXPECT_EQ(StopwatchTicks, 1u);
    Timer1Tick();
    EXPECT_EQ(StopwatchTicks, 2u);
}

// An hour of host time at 20 L/h (156 pulses per computation at the factory K-factor of
// 7000) adds 20 L to the total and takes 20 L from a calculated tank, however many cycles
// run between the ticks: pulses count only on the 900 FuelTicks of the hour.
TEST_F(MainLoopTest, AnHourAtTwentyLitresPerHourUsesTwentyLitres)
{
    for (unsigned cyclesPerStep : {1u, 3u}) {
        ResetMeasurementStateWithoutPanel();
        Panel = &panel;
        FuelLevelMode = FuelLevelCalculate;
        TankSize = 45;
        FuelRemainingPulses = 40 * 7000;
        InputFuelFlow = 156;
        for (unsigned step = 1; step <= 3600 * 20; ++step) {  // 50 ms steps
            Timer1Tick();
            if (step % 2 == 0) Timer2Tick();
            for (unsigned c = 0; c < cyclesPerStep; ++c) RunMeasurements();
        }
        EXPECT_EQ(FuelFlow, 200) << cyclesPerStep;  // 20.0 L/h
        EXPECT_EQ(FuelUsed, 20) << cyclesPerStep;
        EXPECT_EQ(FuelUsedPulses, 900u * 156u) << cyclesPerStep;
        EXPECT_EQ(FuelLevel, 20u) << cyclesPerStep;  // 40 L less 20.06 L
    }
}

TEST_F(MainLoopTest, Timer2LatchesThePulseCount)
{
    RpmPulseCount = 345;
    Timer2Tick();
    EXPECT_EQ(RpmPulseLatch, 345u);
    EXPECT_EQ(RpmPulseCount, 0);
    Timer2Tick();  // a second tick with no cycle between
    EXPECT_EQ(RpmPulseLatch, 0u);
}

TEST_F(MainLoopTest, OffBeforeOnOrDuringSplashIsLost)
{
    RequestStop();
    unsigned cyclesRun = 0;
    panel.OnPump = [&](unsigned pump) {
        if (pump == 10) RequestStop();  // during the splash
        if (pump > SplashPumps) ++cyclesRun;
        if (pump == SplashPumps + 5) RequestStop();
    };
    InstrumentMainLoop();
    EXPECT_EQ(cyclesRun, 5u);
    EXPECT_EQ(RunDepth, 0);
}

TEST_F(MainLoopTest, PowerOnLoadsDefaultsAndKeepsTheValuesOutsideThem)
{
    HobbsHours = 321;
    MaintHours = 12;
    VsiZero = 2040;
    HobbsCode = 4711;
    RunCycles(2, [](unsigned pump) {
        if (pump == SplashPumps + 1) {
            Qnh = 990000;
            TankSize = 80;
            AsiCal = 120;
            Contrast = 10;
            Backlight = 0;
        }
    });
    EXPECT_EQ(Qnh, 990000u);
    RunCycles(1);
    EXPECT_EQ(Qnh, 1013250u);
    EXPECT_EQ(TankSize, 45);
    EXPECT_EQ(AsiCal, 100);
    EXPECT_EQ(Contrast, 32);
    EXPECT_EQ(Backlight, 1);
    EXPECT_EQ(HobbsHours, 321u);
    EXPECT_EQ(MaintHours, 12);
    EXPECT_EQ(VsiZero, 2040u);
    EXPECT_EQ(HobbsCode, 4711);
}

TEST_F(MainLoopTest, PowerOnResetsFlightStateAndTheAirspeedInput)
{
    InputAirspeed = 2000;
    InFlight = 1;
    FlightLogged = 1;
    FlightLogIndex = 7;
    InfoPage = 2;
    AlarmFlags = 8;
    AlarmAcknowledged = 8;
    panel.OnPump = [](unsigned pump) {
        if (pump == 1) {
            EXPECT_EQ(InputAirspeed, 0);
            EXPECT_EQ(InFlight, 0);
            EXPECT_EQ(FlightLogged, 0);
            EXPECT_EQ(FlightLogIndex, 0);
            EXPECT_EQ(InfoPage, 0);
            EXPECT_EQ(AlarmAcknowledged, 0);
            EXPECT_EQ(GpsDataValid, 1);
            EXPECT_EQ(CalibrateMode, 0);
        }
        if (pump == SplashPumps + 1) {
            EXPECT_EQ(CurrentScreen, MainPageScreen);
            RequestStop();
        }
    };
    InstrumentMainLoop();
}

TEST_F(MainLoopTest, EveryCycleAppendsOneLineAndRedrawsHidden)
{
    RunCycles(7);
    EXPECT_EQ(panel.CommLines, 7u);
    EXPECT_EQ(panel.Blits, SplashPumps + 7);
    EXPECT_TRUE(panel.HiddenDuringBlit);
    EXPECT_FALSE(panel.Hidden);
}

// The communication text goes out up to its first NUL; a text that fills the whole buffer
// (it can be written from outside the instrument) is cut at its last byte, never read past it.
TEST_F(MainLoopTest, CommunicationLineStopsInsideItsBuffer)
{
    RunCycles(2, [](unsigned pump) {
        if (pump == SplashPumps + 1) std::fill(std::begin(CommBuffer), std::end(CommBuffer), 'A');
    });
    EXPECT_EQ(panel.LastCommLine, std::string(sizeof CommBuffer - 1, 'A'));
    std::fill(std::begin(CommBuffer), std::end(CommBuffer), 0);
    RunCycles(1);
    EXPECT_EQ(panel.LastCommLine, "");
}

TEST_F(MainLoopTest, CheckBoxesTakeEffectAtTheNextCycle)
{
    RunCycles(3, [this](unsigned pump) {
        if (pump == SplashPumps + 1) {
            EXPECT_EQ(KeyStep, 1);
            EXPECT_EQ(CalibrateMode, 0);
            panel.KeyFast = true;
            panel.Calibrate = true;
            EXPECT_EQ(KeyStep, 1);
        }
        if (pump == SplashPumps + 2) {
            EXPECT_EQ(KeyStep, 10);
            EXPECT_EQ(CalibrateMode, 1);
        }
    });
    panel.KeyFast = panel.Calibrate = false;
}

TEST_F(MainLoopTest, LampBlinksWithAnUnacknowledgedAlarmOnly)
{
    // An enabled low-RPM alarm sounds with the engine stopped.
    std::vector<u32> colours;
    RunCycles(60, [this, &colours](unsigned pump) {
        if (pump <= SplashPumps) return;
        if (pump == SplashPumps + 1) RpmLowAlarmOn = 1;
        AlarmFlags |= AlarmRpm;
        colours.push_back(panel.Lamp);
        Timer1Tick();
    });
    // The lamp follows BlinkFlag: runs of 11 cycles bright, 11 dark.
    int changes = 0;
    for (size_t i = 1; i < colours.size(); ++i)
        if (colours[i] != colours[i - 1]) ++changes;
    EXPECT_GE(changes, 4);
    for (u32 c : colours) EXPECT_TRUE(c == 255 || c == 128);

    AlarmAcknowledged = AlarmRpm;
    RunCycles(30, [this](unsigned pump) {
        if (pump <= SplashPumps) return;
        RpmLowAlarmOn = 1;
        AlarmFlags = AlarmRpm | AlarmVolts;
        AlarmAcknowledged = AlarmRpm;  // one bit acknowledged darkens the lamp
        if (pump > SplashPumps + 1) {
            EXPECT_EQ(panel.Lamp, 128u);
        }
        Timer1Tick();
    });
}

TEST_F(MainLoopTest, SecondOnRestartsAndOneOffEndsBoth)
{
    unsigned outerCycles = 0;
    bool nestedDone = false;
    panel.OnPump = [&](unsigned pump) {
        if (pump == SplashPumps + 2 && !nestedDone) {
            Qnh = 999000;
            nestedDone = true;
            InstrumentMainLoop();  // "ON" clicked while running
            EXPECT_EQ(RunDepth, 1);
            return;
        }
        if (RunDepth == 2) {
            EXPECT_EQ(Qnh, 1013250u);  // defaults reloaded by the nested power-on
            if (pump == SplashPumps + 2 + SplashPumps + 3) RequestStop();
            return;
        }
        ++outerCycles;
    };
    InstrumentMainLoop();
    EXPECT_EQ(RunDepth, 0);
    EXPECT_EQ(outerCycles, SplashPumps + 1);  // the outer run ended with the nested one
}

TEST_F(MainLoopTest, SecondOnDuringTheSplashLeavesTheFirstRunAlive)
{
    bool nested = false;
    unsigned outerCyclesAfter = 0;
    panel.OnPump = [&](unsigned pump) {
        if (pump == 5 && !nested) {
            nested = true;
            InstrumentMainLoop();
            return;
        }
        if (RunDepth == 2) {
            if (pump == 5 + SplashPumps + 2) RequestStop();
            return;
        }
        // The outer run finishes its own splash (frames 6..80) before it cycles again.
        if (nested && pump > 5 + SplashPumps + 2 + (SplashPumps - 5)) {
            if (++outerCyclesAfter == 3) RequestStop();
        }
    };
    InstrumentMainLoop();
    EXPECT_EQ(outerCyclesAfter, 3u);
}

TEST_F(MainLoopTest, RunsNestOnlyUpToTheCap)
{
    // "ON" clicked at the first pump of every run, more times than the cap allows; each run
    // stops itself once it has passed its own splash.
    unsigned deepest = 0;
    bool clicked[MaxRunDepth + 1] = {};
    unsigned pumpsAtDepth[MaxRunDepth + 1] = {};
    panel.OnPump = [&](unsigned) {
        const u8 depth = RunDepth;
        if (depth > deepest) deepest = depth;
        ++pumpsAtDepth[depth];
        if (!clicked[depth]) {
            clicked[depth] = true;
            InstrumentMainLoop();
            InstrumentMainLoop();
            EXPECT_EQ(RunDepth, depth);
            return;
        }
        if (pumpsAtDepth[depth] > SplashPumps) RequestStop();
    };
    InstrumentMainLoop();
    EXPECT_EQ(deepest, MaxRunDepth);
    EXPECT_EQ(RunDepth, 0);
}

TEST_F(MainLoopTest, MaximaAfterASecondPowerOnStartFromTheLastLiveValues)
{
    RunCycles(1);
    Volts = 137;
    Airspeed = 55;
    RunCycles(1, [](unsigned pump) {
        if (pump == 1) {
            EXPECT_EQ(MaxVolts, 137u);
            EXPECT_EQ(MaxAirspeed, 55u);
        }
    });
}

TEST_F(MainLoopTest, RpmLabelFollowsTheSliderOnlyWhileRunning)
{
    panel.RpmSlider = 250;
    EXPECT_EQ(panel.LabelValues[8], 0);
    RunCycles(1);
    EXPECT_EQ(panel.LabelValues[8], 250);
    panel.RpmSlider = 300;
    EXPECT_EQ(panel.LabelValues[8], 250);
}

TEST_F(MainLoopTest, KeyClicksFillOnlyAnEmptySlot)
{
    KeySlot = 0;
    KeyClick(KeyLeft);
    KeyClick(KeyRight);
    EXPECT_EQ(KeySlot, KeyLeft);
    KeySlot = 0;
}

TEST_F(MainLoopTest, SliderChangeWritesItsLatch)
{
    EXPECT_EQ(SliderChange(2, 3346), 3);
    EXPECT_EQ(InputAltitude, 3346);
    EXPECT_EQ(SliderChange(6, 77), 11);
    EXPECT_EQ(InputFuelFlow, 77);
    EXPECT_EQ(SliderChange(3, 500), 0);  // the RPM slider is read by the cycle
    EXPECT_EQ(SliderChange(9, 500), 0);
}

} // namespace

namespace {

// Columns holding lit pixels within rows top..bottom, as [first, last]; {-1, -1} if none.
std::pair<int, int> LitColumns(int top, int bottom)
{
    int first = -1, last = -1;
    for (int x = 0; x < 128; ++x)
        for (int y = top; y <= bottom; ++y)
            if (GetPixel(x, y)) {
                if (first < 0) first = x;
                last = x;
            }
    return {first, last};
}

TEST_F(MainLoopTest, SplashSlidesBothLinesInAndComesToRest)
{
    // The product line's letters span rows 28..41; the version text begins at row 40.
    const int makerTop = 5, makerBottom = 20, productTop = 28, productBottom = 39;
    u8 still[1024] = {};
    panel.OnPump = [&](unsigned pump) {
        const auto maker = LitColumns(makerTop, makerBottom);
        const auto product = LitColumns(productTop, productBottom);
        if (pump == 1) {
            // Only the first column of the maker line shows; the product line is hidden.
            EXPECT_EQ(maker.first, 127);
            EXPECT_EQ(maker.second, 127);
            EXPECT_EQ(product.first, -1);
        }
        if (pump == 20) {
            // The product line slides in from the left edge, tail first.
            EXPECT_LE(product.first, 2);
            EXPECT_LT(product.second, 32);
        }
        if (pump == 55) {
            EXPECT_GE(maker.first, 19);
            EXPECT_LE(maker.first, 20);
            EXPECT_GE(product.first, 33);  // "VANTRO-2" centred on 65 starts at 33
            EXPECT_LE(product.second, 33 + 64 - 1);
            std::copy(FrameBuffer, FrameBuffer + 1024, still);
        }
        if (pump > 55 && pump <= SplashPumps) {
            EXPECT_TRUE(std::equal(still, still + 1024, FrameBuffer)) << pump;
        }
        if (pump == SplashPumps + 1) RequestStop();
    };
    InstrumentMainLoop();
}

} // namespace
