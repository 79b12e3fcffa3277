#include "flight_pacer.h"

#include <cmath>

#include "../main_loop.h"

void FlightPacer::Start(FlightTrack track, InputSink &sink, double nowMs)
{
    Halted = false;
    Delivered = 0;
    Player.Start(std::move(track), 1000 / TimeStepMs, sink);
    RestartClock(nowMs);
}

void FlightPacer::SetSpeed(unsigned speed, double nowMs)
{
    Rate = speed < 1 ? 1 : (speed > MaxFlightSpeed ? MaxFlightSpeed : speed);
    RestartClock(nowMs);
}

bool FlightPacer::Pause()
{
    if (!Player.Playing() || Halted) return false;
    Halted = true;
    return true;
}

bool FlightPacer::Resume(double nowMs)
{
    if (!Player.Playing() || !Halted) return false;
    Halted = false;
    RestartClock(nowMs);
    return true;
}

void FlightPacer::RestartClock(double nowMs)
{
    ClockStartMs = nowMs;
    ClockBase = Delivered;
}

bool FlightPacer::Pump(double nowMs, InputSink &sink)
{
    if (!TakesTime()) return false;
    const double due = std::floor((nowMs - ClockStartMs) * Rate / TimeStepMs);
    if (Delivered - ClockBase >= due) return false;
    TimeBaseStep();
    ++Delivered;
    Player.ApplyStep(sink);
    return !Player.Playing();
}
