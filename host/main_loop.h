#pragma once
// The instrument main loop and the timer tick logic, run behind any FrontPanel.
// The time-base flags it raises are the instrument's own (instrument/time_base.h).
#include "../instrument/time_base.h"
#include "../lcd/types.h"

extern u8 StopRequest;
extern char CommBuffer[50];
extern u8 BlinkDivider;
extern u8 SlowDivider;
extern u8 FuelTickDivider;

/// Runs currently nested inside one another (0 while the instrument is off).
extern u8 RunDepth;
/// Deepest nesting of runs; an "ON" beyond it is ignored so the stack stays bounded.
constexpr u8 MaxRunDepth = 8;

/// True while the panel's pump follows a start-up frame (read inside PumpMessages): a
/// panel may hold each frame on the display for a while, so the animation can be seen.
bool SplashFramePumping();
/// The "ON" action: power-on, the start-up animation, then cycles until a stop is requested.
void InstrumentMainLoop();
/// The measurement part of one cycle: RPM, fuel level and flow (on a FuelTick the flow
/// pulses are counted into the totals and the flow computed again),
/// the slow-tick block with the clock, volts and OAT on a SlowTick, then altitude, VSI,
/// airspeed and the fuel level once more.
void RunMeasurements();
/// Marks every run as ended after the host has left them all by unwinding the stack (the
/// scripted runner's end of script), so that a next "ON" starts from the outermost level.
void ForgetRuns();
/// The "OFF" action.
void RequestStop();
/// Ends every run at once, splash included, and makes further "ON" clicks do nothing
/// (the window is closing).
void RequestShutdown();
/// True once RequestShutdown has been called.
bool ShutdownRequested();
/// Timer1: blink phase, slow tick, fuel tick and stopwatch.
void Timer1Tick();
/// Timer2: latches the RPM pulse count.
void Timer2Tick();

/// The host loop's own variables by name (the dividers, the key slot, the communication text).
extern const StateTable HostLoopState;

/// Milliseconds of one step of simulated time.
constexpr unsigned TimeStepMs = 50;
/// One step of simulated time: a Timer1 tick, and a Timer2 tick every second step (the
/// window's 50 ms and 100 ms timers), for anything that drives the time base itself.
void TimeBaseStep();
