#include "live_links.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "flight_files.h"

bool LoopbackPort::Bind(unsigned port, std::string &error)
{
    Close();
    if (port == 0 || port > 65535) {
        error = "port must be 1..65535";
        return false;
    }
    Socket = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (Socket < 0 || bind(Socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
        Close();
        return false;
    }
    Number = port;
    return true;
}

void LoopbackPort::Close()
{
    if (Socket >= 0) close(Socket);
    Socket = -1;
}

bool LoopbackPort::NewestLine(std::string &line, bool (*wanted)(const std::string &line))
{
    bool found = false;
    char buffer[2048];
    while (Socket >= 0) {
        const ssize_t n = recv(Socket, buffer, sizeof buffer, 0);
        if (n < 0) break;
        const std::string datagram(buffer, static_cast<size_t>(n));
        size_t start = 0;
        while (start < datagram.size()) {
            size_t end = datagram.find_first_of("\r\n", start);
            if (end == std::string::npos) end = datagram.size();
            const std::string candidate = datagram.substr(start, end - start);
            if (!candidate.empty() && wanted(candidate)) {
                line = candidate;
                found = true;
            }
            start = end + 1;
        }
    }
    return found;
}

namespace {

std::vector<std::string> SplitFields(const std::string &text)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

/// The text between '$' and '*' when the checksum after '*' (if any) matches.
bool NmeaBody(const std::string &sentence, std::string &body)
{
    if (sentence.empty() || sentence[0] != '$') return false;
    const size_t star = sentence.find('*');
    body = sentence.substr(1, star == std::string::npos ? std::string::npos : star - 1);
    if (star == std::string::npos) return true;
    unsigned sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    char *end = nullptr;
    const std::string given = sentence.substr(star + 1);
    const unsigned long expected = std::strtoul(given.c_str(), &end, 16);
    return given.size() == 2 && *end == 0 && expected == sum;
}

bool AnyLine(const std::string &) { return true; }

/// A recommended-minimum sentence of any talker ($GPRMC, $GNRMC ...).
bool RmcSentence(const std::string &line) { return line.size() > 6 && line[0] == '$' && line.compare(3, 4, "RMC,") == 0; }

} // namespace

bool ParseRmcSpeed(const std::string &sentence, double &knots, std::string &error)
{
    error.clear();
    std::string body;
    if (!NmeaBody(sentence, body)) {
        error = "not an NMEA sentence, or its checksum is wrong";
        return false;
    }
    const std::vector<std::string> fields = SplitFields(body);
    if (fields[0].size() != 5 || fields[0].compare(2, 3, "RMC") != 0) return false;
    if (fields.size() < 10) {
        error = "RMC sentence with too few fields";
        return false;
    }
    if (fields[2] != "A") return false;
    char *end = nullptr;
    knots = std::strtod(fields[7].c_str(), &end);
    if (fields[7].empty() || *end != 0 || !(knots >= 0)) {
        error = "RMC speed is not a number";
        return false;
    }
    return true;
}

std::string LiveLinks::Poll(InputSink &sink)
{
    std::string problem, line, error;
    if (FlightGear.NewestLine(line, AnyLine)) {
        FlightRow row;
        bool driven[FlightInputCount] = {};
        if (ParseFlightGearLine(line, row, driven, error)) {
            for (u8 i = 0; i < FlightInputCount; ++i)
                if (driven[i]) ApplyInputValue(i, row.Value[i], sink);
            ++FlightGearLines;
        } else if (line[0] != '#') {
            problem = "udp " + std::to_string(FlightGear.Port()) + ": " + error;
        }
    }
    double knots = 0;
    if (Nmea.NewestLine(line, RmcSentence)) {
        if (ParseRmcSpeed(line, knots, error)) {
            ApplyInputValue(InputGpsKnots, knots, sink);
            ++NmeaSentences;
        } else if (!error.empty() && problem.empty()) {
            problem = "nmea " + std::to_string(Nmea.Port()) + ": " + error;
        }
    }
    return problem;
}

void LiveLinks::Close()
{
    FlightGear.Close();
    Nmea.Close();
}
