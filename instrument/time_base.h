#pragma once
// The instrument's time base: the flags its timers raise and the screens and measurements
// read. The host's timer ticks and main loop write them (host/main_loop.cpp).
#include "../lcd/types.h"

extern u8 BlinkFlag;         ///< flips about twice a second: flashing values and legends
extern u8 SlowTick;          ///< 1 once a second until the measurement block takes it
extern u8 FuelTick;          ///< 1 every fourth slow tick until the fuel flow takes it
extern u8 CalibrateMode;     ///< 1 while the "Calibrate" input is set (and during start-up)
extern u8 StopwatchRunning;  ///< 1 while the stopwatch counts
extern u32 StopwatchTicks;   ///< stopwatch seconds
extern u8 GpsDataValid;      ///< 0 while the GPS link delivers nothing usable

struct StateTable;
/// The time-base flags by name.
extern const StateTable TimeBaseState;
