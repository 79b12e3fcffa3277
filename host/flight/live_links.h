#pragma once
// Live links on loopback UDP ports: FlightGear's lines of the project's generic protocol,
// and NMEA 0183 $GPRMC sentences for the GPS ground speed. Each poll applies the newest
// values that have arrived.
#include <string>

#include "flight_track.h"

/// A UDP port on 127.0.0.1 that reads without waiting.
class LoopbackPort {
public:
    LoopbackPort() = default;
    LoopbackPort(const LoopbackPort &) = delete;
    LoopbackPort &operator=(const LoopbackPort &) = delete;
    ~LoopbackPort() { Close(); }
    /// Binds 127.0.0.1:`port` (closing any earlier one); false with `error`.
    bool Bind(unsigned port, std::string &error);
    void Close();
    bool Open() const { return Socket >= 0; }
    unsigned Port() const { return Number; }
    /// The last line that `wanted` accepts in the datagrams waiting (reading them all);
    /// false if none.
    bool NewestLine(std::string &line, bool (*wanted)(const std::string &line));

private:
    int Socket = -1;
    unsigned Number = 0;
};

/// The ground speed in knots of an NMEA $GPRMC (or $GNRMC) sentence with a valid fix;
/// false with `error` for anything else (`error` empty: another sentence, or no fix).
bool ParseRmcSpeed(const std::string &sentence, double &knots, std::string &error);

/// The FlightGear and NMEA ports and the applying of what arrives.
class LiveLinks {
public:
    bool ListenFlightGear(unsigned port, std::string &error) { return FlightGear.Bind(port, error); }
    bool ListenNmea(unsigned port, std::string &error) { return Nmea.Bind(port, error); }
    bool Listening() const { return FlightGear.Open() || Nmea.Open(); }
    /// Applies the newest FlightGear line and RMC speed that have arrived. Returns a message
    /// for a line that could not be used ("udp PORT: ..."), or an empty text.
    std::string Poll(InputSink &sink);
    void Close();
    /// Lines applied so far from each link.
    unsigned FlightGearLines = 0, NmeaSentences = 0;

private:
    LoopbackPort FlightGear;
    LoopbackPort Nmea;
};
