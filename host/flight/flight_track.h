#pragma once
// A recorded flight in the inputs' base units, and its playback in simulated time.
#include <string>
#include <vector>

#include "sensor_model.h"

/// One row of a flight: its time and the value of every input it drives (base units).
struct FlightRow {
    double Time = 0;  ///< seconds
    double Value[FlightInputCount] = {};
};

/// A whole flight, time never decreasing; inputs not Driven keep their current values.
struct FlightTrack {
    std::vector<FlightRow> Rows;
    bool Driven[FlightInputCount] = {};

    /// Seconds from the first row to the last.
    double Duration() const;
    /// The values at `time` seconds after the first row, interpolated linearly.
    FlightRow At(double time) const;
};

/// Plays a track onto the inputs, one step of simulated time at a time.
class FlightPlayer {
public:
    /// Takes `track` and puts its first row on the inputs at once (after the ground routine
    /// when the track drives the VSI); `stepsPerSecond` is the time base's step rate. With
    /// `untilSeconds` at 0 or above only that much of the track is played.
    void Start(FlightTrack track, unsigned stepsPerSecond, InputSink &sink, double untilSeconds = -1);
    /// True while steps are left.
    bool Playing() const { return StepIndex < StepCount; }
    /// Steps of the whole track.
    unsigned Steps() const { return StepCount; }
    /// Called after each step: puts the values of the next step on the inputs, after the
    /// last step those of the end (the last row, or the time played up to).
    void ApplyStep(InputSink &sink);
    /// Stops at once; the inputs keep their values.
    void Stop() { StepIndex = StepCount; }
    /// Values that lay beyond a sensor's range and were clamped, since Start.
    unsigned ClampedValues() const { return Clamped; }
    /// The end-of-playback report of the clamped values: empty when none was clamped, else
    /// ": values beyond the sensors' range were clamped N times".
    std::string ClampedReport() const;
    /// Seconds of the track played.
    double Elapsed() const;

private:
    void Apply(const FlightRow &row, InputSink &sink);

    FlightTrack Track;
    unsigned PerSecond = 20;
    unsigned StepIndex = 0;
    unsigned StepCount = 0;
    unsigned Clamped = 0;
};
