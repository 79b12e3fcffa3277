// The runner's flight-data commands: physical inputs, flight files, live links, real-time waits.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "../../instrument/host_time.h"
#include "../command_line.h"
#include "../flight/flight_files.h"
#include "script_panel.h"

namespace {

constexpr long MaxSleepMs = 60000;
constexpr long MaxUntilSeconds = 864000;  // ten days of file time

std::string Format(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

} // namespace

void ScriptPanel::CommandInput(unsigned args, char **argv)
{
    if (args != 3) Fail("input: wrong number of arguments (input NAME VALUE UNIT)");
    u8 input = 0;
    if (!FindFlightInput(argv[0], input))
        Fail("unknown input (altitude, airspeed, rpm, volts, fuel-level, fuel-flow, oat, vsi, gps-speed)");
    char *end = nullptr;
    const double value = std::strtod(argv[1], &end);
    if (*end != 0 || end == argv[1] || !std::isfinite(value)) Fail("input value must be a number");
    const FlightUnit *unit = FindFlightUnit(input, argv[2]);
    if (unit == nullptr) {
        const std::string message = std::string("unknown unit for ") + argv[0] + " (" + FlightUnitNames(input) + ")";
        Fail(message.c_str());
    }
    const SensorReading reading = ApplyInputValue(input, value * unit->Scale + unit->Offset, *this);
    if (reading.Clamped)
        Warn(LineNumber, Format(value) + " " + unit->Name + " is beyond the " + argv[0] + " sensor; clamped to " +
                             Format(InUnit(*unit, reading.Shown)) + " " + unit->Name);
}

bool ScriptPanel::CommandPlay(unsigned args, char **argv, bool insidePump)
{
    if (args < 1 || args > 6) Fail("play: wrong number of arguments (play FILE [map MAPFILE] [ias-from-gs] [until S])");
    FlightFileOptions options;
    long until = -1;
    for (unsigned i = 1; i < args; ++i) {
        if (std::strcmp(argv[i], "map") == 0 && i + 1 < args) {
            options.MapFile = argv[++i];
        } else if (std::strcmp(argv[i], "until") == 0 && i + 1 < args) {
            if (!ParseBoundedLong(argv[++i], 0, MaxUntilSeconds, until))
                Fail("play: until wants whole seconds of the file");
        } else if (std::strcmp(argv[i], "ias-from-gs") == 0) {
            options.AirspeedFromGround = true;
        } else {
            Fail("play: after FILE only \"map MAPFILE\", \"ias-from-gs\" and \"until S\"");
        }
    }
    FlightTrack track;
    std::string error;
    if (!ReadFlightFile(argv[0], options, track, error)) Fail(error.c_str());
    PlayFile = argv[0];
    PlayLine = LineNumber;
    Player.Start(std::move(track), StepsPerSecond, *this, static_cast<double>(until));
    if (Player.Steps() == 0) ReportClampedValues();
    return RunTimeSteps(CapRepeat(Player.Steps()), insidePump);
}

void ScriptPanel::CommandListen(unsigned args, char **argv)
{
    if (args != 2) Fail("listen: wrong number of arguments (listen udp|nmea PORT)");
    long port = 0;
    if (!ParseBoundedLong(argv[1], 1, 65535, port)) Fail("listen: port must be 1..65535");
    const bool flightGear = std::strcmp(argv[0], "udp") == 0;
    if (!flightGear && std::strcmp(argv[0], "nmea") != 0) Fail("listen: udp (FlightGear lines) or nmea (NMEA sentences)");
    if (!Options.RealTime) return;
    std::string error;
    bool bound;
    if (flightGear) bound = Links.ListenFlightGear(static_cast<unsigned>(port), error);
    else bound = Links.ListenNmea(static_cast<unsigned>(port), error);
    if (!bound) Fail(error.c_str());
}

void ScriptPanel::CommandSleep(unsigned args, char **argv)
{
    if (args != 1) Fail("sleep: wrong number of arguments (sleep MS)");
    long ms = 0;
    if (!ParseBoundedLong(argv[0], 0, MaxSleepMs, ms)) Fail("sleep: milliseconds must be 0..60000");
    if (!Options.RealTime) return;
    timespec wait{ms / 1000, (ms % 1000) * 1000000};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {}
}

void ScriptPanel::PollLinks()
{
    if (!Links.Listening()) return;
    const std::string problem = Links.Poll(*this);
    if (!problem.empty()) Warn(LineNumber, problem);
}
