// Reading and writing state variables by name, and what `set` may store: every value a
// write accepts must keep every screen safe (the sanitizer build stops on the first fault).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/main_loop.h"
#include "host/state_lookup.h"
#include "lcd/framebuffer.h"
#include "measure_state.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "test_panel.h"

namespace {

size_t ElementBytes(StateType type)
{
    switch (type) {
    case StateType::U8:
    case StateType::S8: return 1;
    case StateType::U16:
    case StateType::S16: return 2;
    case StateType::U32:
    case StateType::S32: return 4;
    case StateType::Screen: return sizeof(ScreenFn);
    }
    return 1;
}

struct Element {
    std::string Name;
    StateRef Ref;
    std::vector<unsigned char> Saved;  ///< its bytes as the sweep found them
};

std::vector<Element> AllElements()
{
    std::vector<Element> all;
    ForEachStateElement(
        [](const char *name, const StateRef &ref, void *context) {
            const auto *bytes = static_cast<const unsigned char *>(ref.Address);
            static_cast<std::vector<Element> *>(context)->push_back(
                {name, ref, std::vector<unsigned char>(bytes, bytes + ElementBytes(ref.Type))});
        },
        &all);
    return all;
}

void Restore(const std::vector<Element> &all)
{
    for (const Element &e : all) std::memcpy(e.Ref.Address, e.Saved.data(), e.Saved.size());
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
// every key (and no key), the measurements running their slow-tick and fuel-tick paths.
TEST(StateLookupTest, EveryAcceptedExtremeIsSafeOnEveryScreen)
{
    TestPanel panel;
    ResetMeasurementState();
    Panel = &panel;
    CurrentScreen = MainPageScreen;
    const std::vector<Element> all = AllElements();
    unsigned swept = 0;
    for (const Element &e : all) {
        if (e.Ref.Access == StateAccess::ReadOnly || e.Ref.Type == StateType::Screen || !SweptElement(e.Name))
            continue;
        for (const long long value : {static_cast<long long>(e.Ref.Low), static_cast<long long>(e.Ref.High)}) {
            for (u8 s = 0; s < ScreenRegistryCount; ++s) {
                for (u8 key = KeyNone; key <= KeyRight; ++key) {
                    Restore(all);
                    ASSERT_EQ(StoreState(e.Ref, std::to_string(value).c_str()), StoreResult::Stored) << e.Name;
                    SlowTick = FuelTick = 1;
                    RunMeasurements();
                    KeySlot = key;
                    CurrentScreen = ScreenRegistry[s].Screen;
                    ClearFrameBuffer();
                    CurrentScreen();
                    if (::testing::Test::HasFatalFailure()) return;
                }
            }
            ++swept;
        }
    }
    Restore(all);
    EXPECT_GT(swept, 300u);
}
