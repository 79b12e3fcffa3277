// Reading and writing state variables by name, and what `set` may store: every value a
// write accepts must keep every screen safe (the sanitizer build stops on the first fault).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/main_loop.h"
#include "host/state_lookup.h"
#include "lcd/framebuffer.h"
#include "host/host_measure_state.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "test_panel.h"

namespace {

struct Element {
    std::string Name;
    StateRef Ref;
};

std::vector<Element> AllElements()
{
    std::vector<Element> all;
    ForEachStateElement(
        [](const char *name, const StateRef &ref, void *context) {
            static_cast<std::vector<Element> *>(context)->push_back({name, ref});
        },
        &all);
    return all;
}

// Large arrays are swept at their first and last elements only (their elements are alike).
bool SweptElement(const std::string &name)
{
    for (const std::string big : {"FrameBuffer[", "CommBuffer[", "RpmRing["})
        if (name.compare(0, big.size(), big) == 0)
            return name == big + "0]" || name == "FrameBuffer[1023]" || name == "CommBuffer[49]" ||
                   name == "RpmRing[31]";
    return true;
}

} // namespace

TEST(StateLookupTest, RangesAndReadOnlyVariablesRefuseWrites)
{
    struct Case {
        const char *Name;
        const char *Value;
        StoreResult Want;
    };
    const Case cases[] = {
        {"RpmRingIndex", "31", StoreResult::Stored},    {"RpmRingIndex", "32", StoreResult::OutOfRange},
        {"RpmRingCount", "32", StoreResult::Stored},    {"RpmRingCount", "33", StoreResult::OutOfRange},
        {"RunDepth", "0", StoreResult::ReadOnly},       {"Qnh", "4294967296", StoreResult::OutOfRange},
        {"AltCal", "-128", StoreResult::Stored},        {"AltCal", "128", StoreResult::OutOfRange},
        {"Qnh", "12x", StoreResult::NotANumber},        {"Qnh", "0x10", StoreResult::Stored},
        {"CurrentScreen", "NoSuchScreen", StoreResult::UnknownScreen},
    };
    for (const Case &c : cases) {
        StateRef ref;
        ASSERT_TRUE(FindState(c.Name, ref)) << c.Name;
        const long long before = ReadStateNumber(ref);
        const StoreResult got = StoreState(ref, c.Value);
        EXPECT_EQ(static_cast<int>(got), static_cast<int>(c.Want)) << c.Name << " " << c.Value;
        if (got != StoreResult::Stored) {
            EXPECT_EQ(ReadStateNumber(ref), before) << c.Name;
        }
    }
    StateRef frame;
    ASSERT_TRUE(FindState("FrameBuffer[1023]", frame));
    EXPECT_EQ(frame.Address, &FrameBuffer[1023]);
    EXPECT_FALSE(FindState("FrameBuffer[1024]", frame));
}

// Every variable at the lowest and the highest value a write accepts, then every screen with
// every key (and no key), the measurements running their slow-tick and fuel-tick paths. In
// the sanitizer build a fault stops the test at the variable, value and screen.
TEST(StateLookupTest, EveryAcceptedExtremeIsSafeOnEveryScreen)
{
    // Cruise: every input moving, so the averaging, the filters and the fuel counting run.
    TestPanel panel;
    ResetMeasurementStateWithoutPanel();
    Panel = &panel;
    panel.RpmSlider = 120;
    InputAltitude = 2900, InputAirspeed = 602, InputVolts = 1725, InputOat = 2334;
    InputFuelLevel = 400, InputFuelFlow = 140, InputVsi = 2008;
    for (int cycle = 0; cycle < 40; ++cycle) {
        Timer2Tick();
        RunMeasurements();
    }
    CurrentScreen = MainPageScreen;
    const std::vector<Element> all = AllElements();
    const StateSnapshot cruise = TakeStateSnapshot();
    unsigned swept = 0;
    for (const Element &e : all) {
        if (e.Ref.Access == StateAccess::ReadOnly || e.Ref.Type == StateType::Screen || !SweptElement(e.Name))
            continue;
        for (const long long value : {static_cast<long long>(e.Ref.Low), static_cast<long long>(e.Ref.High)}) {
            for (u8 s = 0; s < ScreenRegistryCount; ++s) {
                for (u8 key = KeyNone; key <= KeyRight; ++key) {
                    RestoreStateSnapshot(cruise);
                    ASSERT_EQ(StoreState(e.Ref, std::to_string(value).c_str()), StoreResult::Stored) << e.Name;
                    SlowTick = FuelTick = 1;
                    RunMeasurements();
                    KeySlot = key;
                    CurrentScreen = ScreenRegistry[s].Screen;
                    ClearFrameBuffer();
                    SCOPED_TRACE(e.Name + "=" + std::to_string(value) + " on " + ScreenRegistry[s].Name);
                    CurrentScreen();
                    if (::testing::Test::HasFatalFailure()) return;
                }
            }
            ++swept;
        }
    }
    RestoreStateSnapshot(cruise);
    EXPECT_GT(swept, 300u);
}
