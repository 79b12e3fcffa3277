#pragma once
// FUEL SETUP, TANK CAL and the SLOPE ERROR message: the fuel system's settings and the
// six-point tank sender calibration.
#include "../lcd/types.h"
#include "navigation.h"

/// The lines of FUEL SETUP, by the number that identifies each to FuelSetupRowKeys.
enum FuelLineKind : u8 {
    FuelLineUnit = 1,
    FuelLineSpeed = 2,
    FuelLineFlow = 3,
    FuelLineKFactor = 4,
    FuelLineLevel = 8,
    FuelLineTankSize = 9,
    FuelLineAlarm = 10,
    FuelLineAlarmValue = 11,
    FuelLineTankCalibrate = 16,
    FuelLineBaud = 20,
    FuelLineTankFilter = 21,
};

extern u8 TankCalManual;          ///< TANK CAL mode: 0 SENDER (capture the live reading), 1 MANUAL
extern u8 TankCalReturnRow;       ///< FUEL SETUP cursor to come back to from TANK CAL
extern ScreenFn ErrorReturnScreen;  ///< where the SLOPE ERROR message goes back to

/// Keys of one FUEL SETUP line, called right after the line is drawn on row `row`. Acts only
/// while a key is pending and the cursor is on the row: the middle button on TANK CALIBRATE
/// opens TANK CAL and consumes the key; in edit mode keys 2 and 4 increase the line's value
/// and 3 and 5 decrease it, leaving the key for the screen to clear.
void FuelSetupRowKeys(u8 kind, u8 row);

struct StateTable;
/// The fuel screens' own variables by name.
extern const StateTable FuelSetupState;
