#pragma once
// A flight played against a wall clock by a front panel whose message pump runs while the
// instrument does (the desktop window, the web page): at most one step of simulated time a
// pump, so that every step is followed by a cycle and no SlowTick or FuelTick of the recorded
// time is lost, however far behind the wall clock the steps are.
#include "flight_track.h"

/// Highest speed, in simulated seconds per wall-clock second.
constexpr unsigned MaxFlightSpeed = 600;

class FlightPacer {
public:
    /// Puts the first row of `track` on the inputs and starts the clock at `nowMs`.
    void Start(FlightTrack track, InputSink &sink, double nowMs);
    /// Simulated seconds per wall-clock second, limited to 1..MaxFlightSpeed.
    void SetSpeed(unsigned speed, double nowMs);
    unsigned Speed() const { return Rate; }
    /// Holds the playback; false if nothing plays or it is held already.
    bool Pause();
    /// Carries on from where it was held; false if nothing is held.
    bool Resume(double nowMs);
    bool Playing() const { return Player.Playing(); }
    bool Paused() const { return Halted; }
    /// True while the playback delivers the timer ticks itself (playing and not held).
    bool TakesTime() const { return Player.Playing() && !Halted; }
    /// The steps played since Start.
    unsigned StepsPlayed() const { return Delivered; }
    /// Values beyond the sensors' range clamped since Start.
    unsigned ClampedValues() const { return Player.ClampedValues(); }
    /// The player's end-of-playback report of the clamped values (empty when none).
    std::string ClampedReport() const { return Player.ClampedReport(); }
    /// Runs in every pump: steps the time base once if a step is due at `nowMs` and puts the
    /// next values on the inputs. True when that step was the flight's last.
    bool Pump(double nowMs, InputSink &sink);

private:
    void RestartClock(double nowMs);

    FlightPlayer Player;
    unsigned Rate = 1;
    bool Halted = false;
    unsigned Delivered = 0;   ///< steps since Start
    unsigned ClockBase = 0;   ///< steps delivered when the clock was restarted
    double ClockStartMs = 0;
};
