// One line per screen, so that names and screens can be looked up both ways.
#include "navigation.h"
#include "screens.h"

#define SCREEN(fn) ScreenEntry{fn, #fn}

const ScreenEntry ScreenRegistry[] = {
    SCREEN(MainPageScreen),
    SCREEN(MainMenuScreen),
    SCREEN(DoneMessageScreen),
    SCREEN(MaxValuesScreen),
    SCREEN(FlightLogScreen),
    SCREEN(LogEntryScreen),
    SCREEN(LogInFlightScreen),
    SCREEN(EraseLogScreen),
    SCREEN(HobbsMeterScreen),
    SCREEN(SetHobbsTimeScreen),
    SCREEN(SetMaintTimeScreen),
    SCREEN(EnterHobbsCodeScreen),
    SCREEN(EnterCurrentCodeScreen),
    SCREEN(EnterNewCodeScreen),
    SCREEN(ConfirmNewCodeScreen),
    SCREEN(IncorrectCodeScreen),
    SCREEN(CodeChangedScreen),
    SCREEN(DisplaySetupScreen),
    SCREEN(ContrastScreen),
    SCREEN(DateTimeScreen),
    SCREEN(AltSetupScreen),
    SCREEN(VsiSetupScreen),
    SCREEN(ZeroVsiScreen),
    SCREEN(AsiSetupScreen),
    SCREEN(ZeroAsiScreen),
    SCREEN(VoltsSetupScreen),
    SCREEN(RpmSetupScreen),
    SCREEN(FuelSetupScreen),
    SCREEN(TankCalScreen),
    SCREEN(SlopeErrorScreen),
    SCREEN(FuelTotalScreen),
    SCREEN(StartingLevelScreen),
    SCREEN(AdcValuesScreen),
    SCREEN(CalibrateScreen),
    SCREEN(FlightStartStopScreen),
    SCREEN(ResetAirDistanceScreen),
};
const u8 ScreenRegistryCount = sizeof(ScreenRegistry) / sizeof(ScreenRegistry[0]);
