#include "time_base.h"

#include "state_table.h"

u8 BlinkFlag;
u8 SlowTick;
u8 FuelTick;
u8 CalibrateMode;
u8 StopwatchRunning;
u32 StopwatchTicks;
u8 GpsDataValid;

static const StateVar TimeBaseVars[] = {
    STATE_VAR(CalibrateMode, U8),    STATE_VAR(BlinkFlag, U8),       STATE_VAR(SlowTick, U8),
    STATE_VAR(FuelTick, U8),         STATE_VAR(StopwatchRunning, U8), STATE_VAR(StopwatchTicks, U32),
    STATE_VAR(GpsDataValid, U8),
};
const StateTable TimeBaseState = STATE_TABLE(TimeBaseVars);
