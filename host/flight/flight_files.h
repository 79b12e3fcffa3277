#pragma once
// Flight-data files: our CSV, any CSV through a column-mapping file, IGC flight-recorder
// files and FlightGear records made with the project's generic protocol. Each is read and
// checked completely before anything is applied.
#include <string>
#include <vector>

#include "flight_track.h"

/// How a file is to be read.
struct FlightFileOptions {
    std::string MapFile;              ///< a column-mapping file: the data file is another CSV
    bool AirspeedFromGround = false;  ///< IGC: ground speed also drives the airspeed
};

/// Reads a flight file whole. On failure returns false with `error` as "FILE:LINE: message"
/// and leaves `track` as it was.
bool ReadFlightFile(const std::string &path, const FlightFileOptions &options, FlightTrack &track,
                    std::string &error);

/// The same for a flight held in memory: `text` is the file's content, `name` names it in
/// messages.
bool ReadFlightText(const std::string &name, const std::string &text, const FlightFileOptions &options,
                    FlightTrack &track, std::string &error);

/// The first line of a FlightGear record (the protocol's preamble).
extern const char FlightGearMarker[];
/// Number of values in one FlightGear line.
extern const unsigned FlightGearFields;
/// The property of value `field` of a FlightGear line (the first is the time); "" past the end.
const char *FlightGearProperty(unsigned field);

/// One line of the FlightGear protocol into `row` (base units) and the inputs it drives;
/// false with `error` if it is not such a line.
bool ParseFlightGearLine(const std::string &line, FlightRow &row, bool driven[FlightInputCount],
                         std::string &error);
