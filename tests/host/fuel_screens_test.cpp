// FuelSetupRowKeys on its own, as FUEL SETUP calls it after each line: it acts only on the
// cursor's line with a key pending, opens TANK CAL from TANK CALIBRATE, and in edit mode
// steps the line's value while leaving the key for the screen.
#include <gtest/gtest.h>

#include "host/main_loop.h"
#include "instrument/settings.h"
#include "lcd/framebuffer.h"
#include "screens/fuel_setup.h"
#include "screens/navigation.h"
#include "screens/screens.h"

namespace {

class FuelSetupRowKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadFactoryDefaults();
        KeyStep = 1;
        KeySlot = 0;
        Cursor = 5;
        EditMode = 1;
        CurrentScreen = FuelSetupScreen;
    }
};

TEST_F(FuelSetupRowKeysTest, NothingWithoutAKeyOrOffTheCursorRow)
{
    FuelSetupRowKeys(FuelLineTankSize, 5);
    EXPECT_EQ(TankSize, 45);
    KeySlot = KeyClockwise;
    FuelSetupRowKeys(FuelLineTankSize, 6);
    EXPECT_EQ(TankSize, 45);
    EXPECT_EQ(KeySlot, KeyClockwise);
    FuelSetupRowKeys(99, 5);  // no line of that kind
    EXPECT_EQ(KeySlot, KeyClockwise);
}

TEST_F(FuelSetupRowKeysTest, EditKeysStepTheLineAndStayPending)
{
    KeySlot = KeyClockwise;
    FuelSetupRowKeys(FuelLineTankSize, 5);
    EXPECT_EQ(TankSize, 46);
    EXPECT_EQ(KeySlot, KeyClockwise) << "the screen clears the key";
    KeySlot = KeyRight;
    FuelSetupRowKeys(FuelLineKFactor, 5);
    EXPECT_EQ(KFactor, 6999u);
    KeySlot = KeyLeft;
    FuelSetupRowKeys(FuelLineBaud, 5);
    EXPECT_EQ(GpsBaud, 3);
    KeySlot = KeyAntiClockwise;
    FuelSetupRowKeys(FuelLineLevel, 5);
    EXPECT_EQ(FuelLevelMode, FuelLevelOff);
    // Not in edit mode, and the middle button on a value line: nothing here.
    EditMode = 0;
    KeySlot = KeyClockwise;
    FuelSetupRowKeys(FuelLineTankSize, 5);
    EditMode = 1;
    KeySlot = KeyCentre;
    FuelSetupRowKeys(FuelLineTankSize, 5);
    EXPECT_EQ(TankSize, 46);
    EXPECT_EQ(KeySlot, KeyCentre);
}

TEST_F(FuelSetupRowKeysTest, MiddleButtonOnTankCalibrateOpensTankCal)
{
    EditMode = 0;
    TankCalManual = 1;
    Cursor = 7;
    KeySlot = KeyClockwise;  // other keys on the action line do nothing
    FuelSetupRowKeys(FuelLineTankCalibrate, 7);
    EXPECT_EQ(CurrentScreen, FuelSetupScreen);
    EXPECT_EQ(KeySlot, KeyClockwise);
    KeySlot = KeyCentre;
    FuelSetupRowKeys(FuelLineTankCalibrate, 7);
    EXPECT_EQ(CurrentScreen, TankCalScreen);
    EXPECT_EQ(KeySlot, 0) << "consumed";
    EXPECT_EQ(TankCalReturnRow, 7);
    EXPECT_EQ(TankCalManual, 0);
    EXPECT_EQ(Cursor, 0);
}

} // namespace
