#include "flight_track.h"

#include <cmath>

double FlightTrack::Duration() const { return Rows.empty() ? 0 : Rows.back().Time - Rows.front().Time; }

FlightRow FlightTrack::At(double time) const
{
    if (Rows.empty()) return FlightRow{};
    const double t = Rows.front().Time + time;
    if (t <= Rows.front().Time) return Rows.front();
    if (t >= Rows.back().Time) return Rows.back();
    // The last row at or before t, then the next one: equal times make a step change.
    size_t low = 0, high = Rows.size() - 1;
    while (high - low > 1) {
        const size_t middle = (low + high) / 2;
        if (Rows[middle].Time <= t) low = middle;
        else high = middle;
    }
    const FlightRow &a = Rows[low];
    const FlightRow &b = Rows[high];
    const double span = b.Time - a.Time;
    const double f = span > 0 ? (t - a.Time) / span : 1.0;
    FlightRow row;
    row.Time = t;
    for (unsigned i = 0; i < FlightInputCount; ++i) row.Value[i] = a.Value[i] + (b.Value[i] - a.Value[i]) * f;
    return row;
}

void FlightPlayer::Start(FlightTrack track, unsigned stepsPerSecond, InputSink &sink, double untilSeconds)
{
    Track = std::move(track);
    PerSecond = stepsPerSecond;
    StepIndex = 0;
    const double seconds = untilSeconds >= 0 && untilSeconds < Track.Duration() ? untilSeconds : Track.Duration();
    StepCount = static_cast<unsigned>(std::lround(seconds * PerSecond));
    Clamped = 0;
    if (Track.Driven[InputVsiFpm]) ZeroVsiOnGround(sink);
    if (!Track.Rows.empty()) Apply(Track.Rows.front(), sink);
}

void FlightPlayer::ApplyStep(InputSink &sink)
{
    if (!Playing()) return;
    ++StepIndex;
    Apply(Track.At(Elapsed()), sink);
}

double FlightPlayer::Elapsed() const { return static_cast<double>(StepIndex) / PerSecond; }

void FlightPlayer::Apply(const FlightRow &row, InputSink &sink)
{
    for (u8 i = 0; i < FlightInputCount; ++i)
        if (Track.Driven[i] && ApplyInputValue(i, row.Value[i], sink).Clamped) ++Clamped;
}

std::string FlightPlayer::ClampedReport() const
{
    if (Clamped == 0) return {};
    return ": values beyond the sensors' range were clamped " + std::to_string(Clamped) + " times";
}
