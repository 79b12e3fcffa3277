#include "flight_files.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

/// Where one column of a file goes: the time, an input (through its unit), or nowhere.
struct ColumnBinding {
    enum Kind { Ignored, Time, Input } What = Ignored;
    u8 Target = 0;
    const FlightUnit *Unit = nullptr;
    double Scale = 1;   ///< applied to the file's number before the unit
    double Offset = 0;

    double ToBase(double number) const
    {
        const double v = number * Scale + Offset;
        return What == Input ? v * Unit->Scale + Unit->Offset : v;
    }
};

/// A failure at one line of one file.
struct FileError {
    std::string Text;
};

std::string At(const std::string &path, size_t line, const std::string &message)
{
    return path + ":" + std::to_string(line) + ": " + message;
}

void SplitLines(std::istream &in, std::vector<std::string> &lines)
{
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
}

bool ReadLines(const std::string &path, std::vector<std::string> &lines, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = At(path, 0, std::string("cannot open: ") + std::strerror(errno));
        return false;
    }
    SplitLines(in, lines);
    if (in.bad()) {
        error = At(path, lines.size(), "cannot read the file");
        return false;
    }
    return true;
}

bool Skipped(const std::string &line)
{
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

std::string Trim(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    std::string cell = text.substr(first, last - first + 1);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') cell = cell.substr(1, cell.size() - 2);
    return cell;
}

std::vector<std::string> SplitCells(const std::string &line)
{
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        cells.push_back(Trim(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos) return cells;
        start = comma + 1;
    }
}

/// A whole cell as a finite number; false for text, blanks or overflow.
bool ParseNumber(const std::string &cell, double &value)
{
    if (cell.empty()) return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtod(cell.c_str(), &end);
    return *end == 0 && errno == 0 && std::isfinite(value);
}

/// One row of cells through the bindings into `row`; false with a message.
bool BindRow(const std::vector<std::string> &cells, const std::vector<ColumnBinding> &bindings,
             FlightRow &row, std::string &message)
{
    if (cells.size() != bindings.size()) {
        message = std::to_string(cells.size()) + " values where " + std::to_string(bindings.size()) +
                  " are expected";
        return false;
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        const ColumnBinding &b = bindings[i];
        if (b.What == ColumnBinding::Ignored) continue;
        double number = 0;
        if (!ParseNumber(cells[i], number)) {
            message = "not a number in column " + std::to_string(i + 1) + ": \"" + cells[i] + "\"";
            return false;
        }
        if (b.What == ColumnBinding::Time) row.Time = b.ToBase(number);
        else row.Value[b.Target] = b.ToBase(number);
    }
    return true;
}

/// The data rows from line index `first` on, each through the bindings; time never decreases.
bool ReadRows(const std::string &path, const std::vector<std::string> &lines, size_t first,
              const std::vector<ColumnBinding> &bindings, FlightTrack &track, std::string &error)
{
    for (size_t n = first; n < lines.size(); ++n) {
        if (Skipped(lines[n])) continue;
        FlightRow row;
        std::string message;
        if (!BindRow(SplitCells(lines[n]), bindings, row, message)) {
            error = At(path, n + 1, message);
            return false;
        }
        if (!track.Rows.empty() && row.Time < track.Rows.back().Time) {
            error = At(path, n + 1, "time goes backwards");
            return false;
        }
        track.Rows.push_back(row);
    }
    if (track.Rows.empty()) {
        error = At(path, lines.size(), "no data rows");
        return false;
    }
    for (const ColumnBinding &b : bindings)
        if (b.What == ColumnBinding::Input) track.Driven[b.Target] = true;
    return true;
}

/// Index of the first line that is neither blank nor a comment, or lines.size().
size_t FirstDataLine(const std::vector<std::string> &lines)
{
    size_t n = 0;
    while (n < lines.size() && Skipped(lines[n])) ++n;
    return n;
}

// Our CSV's columns: name, input, unit.
struct CsvColumn {
    const char *Name;
    u8 Input;
    const char *Unit;
};
const CsvColumn CsvColumns[] = {
    {"altitude_ft", InputAltitudeFt, "ft"},  {"altitude_m", InputAltitudeFt, "m"},
    {"ias_kt", InputAirspeedMph, "kt"},      {"ias_mph", InputAirspeedMph, "mph"},
    {"ias_kmh", InputAirspeedMph, "kmh"},    {"rpm", InputRpm, "rpm"},
    {"volts", InputVoltsV, "V"},             {"fuel_l", InputFuelLitres, "l"},
    {"fuel_usgal", InputFuelLitres, "usgal"}, {"fuel_flow_lph", InputFlowLph, "lph"},
    {"fuel_flow_gph", InputFlowLph, "gph"},  {"oat_c", InputOatC, "c"},
    {"oat_f", InputOatC, "f"},               {"vsi_fpm", InputVsiFpm, "fpm"},
    {"vsi_mps", InputVsiFpm, "mps"},         {"gps_speed_kt", InputGpsKnots, "kt"},
};

/// Binds a column to an input; false if another column already drives it.
bool BindInput(std::vector<ColumnBinding> &bindings, ColumnBinding binding, std::string &message)
{
    for (const ColumnBinding &b : bindings) {
        if (b.What == binding.What && (b.What == ColumnBinding::Time || b.Target == binding.Target)) {
            message = std::string("two columns for ") +
                      (b.What == ColumnBinding::Time ? "the time" : FlightInputName(binding.Target));
            return false;
        }
    }
    bindings.push_back(binding);
    return true;
}

bool ReadOurCsv(const std::string &path, const std::vector<std::string> &lines, size_t header,
                FlightTrack &track, std::string &error)
{
    const std::vector<std::string> names = SplitCells(lines[header]);
    std::vector<ColumnBinding> bindings;
    bindings.push_back({ColumnBinding::Time, 0, nullptr, 1, 0});
    for (size_t i = 1; i < names.size(); ++i) {
        const CsvColumn *column = nullptr;
        for (const CsvColumn &c : CsvColumns)
            if (names[i] == c.Name) column = &c;
        if (column == nullptr) {
            error = At(path, header + 1, "unknown column \"" + names[i] + "\"");
            return false;
        }
        std::string message;
        ColumnBinding b{ColumnBinding::Input, column->Input, FindFlightUnit(column->Input, column->Unit), 1, 0};
        if (!BindInput(bindings, b, message)) {
            error = At(path, header + 1, message);
            return false;
        }
    }
    return ReadRows(path, lines, header + 1, bindings, track, error);
}

/// One line of a mapping file: COLUMN,INPUT,UNIT[,SCALE[,OFFSET]].
struct MappedColumn {
    std::string Column;
    ColumnBinding Binding;
    size_t Line;
};

bool ParseMappingLine(const std::string &line, MappedColumn &mapped, std::string &message)
{
    const std::vector<std::string> cells = SplitCells(line);
    if (cells.size() < 3 || cells.size() > 5) {
        message = "a mapping line is COLUMN,INPUT,UNIT[,SCALE[,OFFSET]]";
        return false;
    }
    mapped.Column = cells[0];
    ColumnBinding &b = mapped.Binding;
    if (cells[1] == "time") {
        b.What = ColumnBinding::Time;
        if (cells[2] != "s") {
            message = "the time's unit is s (use SCALE for others)";
            return false;
        }
    } else {
        b.What = ColumnBinding::Input;
        if (!FindFlightInput(cells[1].c_str(), b.Target)) {
            message = "unknown input \"" + cells[1] + "\"";
            return false;
        }
        b.Unit = FindFlightUnit(b.Target, cells[2].c_str());
        if (b.Unit == nullptr) {
            message = "unknown unit \"" + cells[2] + "\" for " + cells[1] + " (" + FlightUnitNames(b.Target) + ")";
            return false;
        }
    }
    if ((cells.size() > 3 && !ParseNumber(cells[3], b.Scale)) || (cells.size() > 4 && !ParseNumber(cells[4], b.Offset))) {
        message = "SCALE and OFFSET must be numbers";
        return false;
    }
    return true;
}

bool ReadMapping(const std::string &path, std::vector<MappedColumn> &mapping, std::string &error)
{
    std::vector<std::string> lines;
    if (!ReadLines(path, lines, error)) return false;
    bool hasTime = false;
    std::vector<ColumnBinding> seen;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (Skipped(lines[n])) continue;
        MappedColumn mapped;
        mapped.Line = n + 1;
        std::string message;
        if (!ParseMappingLine(lines[n], mapped, message) || !BindInput(seen, mapped.Binding, message)) {
            error = At(path, n + 1, message);
            return false;
        }
        hasTime = hasTime || mapped.Binding.What == ColumnBinding::Time;
        mapping.push_back(mapped);
    }
    if (!hasTime) {
        error = At(path, lines.size(), "no column is mapped to time");
        return false;
    }
    return true;
}

bool ReadMappedCsv(const std::string &path, const std::vector<std::string> &lines, size_t header,
                   const std::string &mapPath, FlightTrack &track, std::string &error)
{
    std::vector<MappedColumn> mapping;
    if (!ReadMapping(mapPath, mapping, error)) return false;
    const std::vector<std::string> names = SplitCells(lines[header]);
    std::vector<ColumnBinding> bindings(names.size());
    for (const MappedColumn &mapped : mapping) {
        size_t i = 0;
        while (i < names.size() && names[i] != mapped.Column) ++i;
        if (i == names.size()) {
            error = At(path, header + 1, "no column \"" + mapped.Column + "\" (named in " + mapPath + ":" +
                                             std::to_string(mapped.Line) + ")");
            return false;
        }
        bindings[i] = mapped.Binding;
    }
    return ReadRows(path, lines, header + 1, bindings, track, error);
}

// The FlightGear protocol, in line order (assets/flightgear/vantro2.xml lists the same).
struct FlightGearField {
    const char *Property;
    ColumnBinding::Kind What;
    u8 Input;
    const char *Unit;
};
const FlightGearField FlightGearTable[] = {
    {"/sim/time/elapsed-sec", ColumnBinding::Time, 0, nullptr},
    {"/instrumentation/altimeter/pressure-alt-ft", ColumnBinding::Input, InputAltitudeFt, "ft"},
    {"/instrumentation/airspeed-indicator/indicated-speed-kt", ColumnBinding::Input, InputAirspeedMph, "kt"},
    {"/instrumentation/vertical-speed-indicator/indicated-speed-fpm", ColumnBinding::Input, InputVsiFpm, "fpm"},
    {"/engines/engine[0]/rpm", ColumnBinding::Input, InputRpm, "rpm"},
    {"/engines/engine[0]/fuel-flow-gph", ColumnBinding::Input, InputFlowLph, "gph"},
    {"/consumables/fuel/total-fuel-gal_us", ColumnBinding::Input, InputFuelLitres, "usgal"},
    {"/systems/electrical/volts", ColumnBinding::Input, InputVoltsV, "V"},
    {"/environment/temperature-degc", ColumnBinding::Input, InputOatC, "c"},
    {"/velocities/groundspeed-kt", ColumnBinding::Input, InputGpsKnots, "kt"},
};

std::vector<ColumnBinding> FlightGearBindings()
{
    std::vector<ColumnBinding> bindings;
    for (const FlightGearField &f : FlightGearTable)
        bindings.push_back({f.What, f.Input, f.Unit != nullptr ? FindFlightUnit(f.Input, f.Unit) : nullptr, 1, 0});
    return bindings;
}

// IGC: B records "B HHMMSS DDMMmmm N DDDMMmmm E V PPPPP GGGGG" (35 characters at least).
constexpr size_t IgcFixLength = 35;
constexpr double EarthRadiusNm = 3440.065;
constexpr double Pi = 3.14159265358979323846;

/// Digits of `line` from `at`, `count` of them (a leading '-' allowed where `sign`).
bool IgcNumber(const std::string &line, size_t at, size_t count, bool sign, long &value)
{
    const std::string part = line.substr(at, count);
    size_t i = sign && part[0] == '-' ? 1 : 0;
    if (i == part.size()) return false;
    for (; i < part.size(); ++i)
        if (part[i] < '0' || part[i] > '9') return false;
    value = std::strtol(part.c_str(), nullptr, 10);
    return true;
}

struct IgcFix {
    double Seconds, Latitude, Longitude, PressureMetres;
};

bool ParseIgcFix(const std::string &line, IgcFix &fix, std::string &message)
{
    if (line.size() < IgcFixLength) {
        message = "truncated B record (" + std::to_string(line.size()) + " characters, " +
                  std::to_string(IgcFixLength) + " at least)";
        return false;
    }
    long h, m, s, latD, latM, lonD, lonM, alt;
    const bool digits = IgcNumber(line, 1, 2, false, h) && IgcNumber(line, 3, 2, false, m) &&
                        IgcNumber(line, 5, 2, false, s) && IgcNumber(line, 7, 2, false, latD) &&
                        IgcNumber(line, 9, 5, false, latM) && IgcNumber(line, 15, 3, false, lonD) &&
                        IgcNumber(line, 18, 5, false, lonM) && IgcNumber(line, 25, 5, true, alt);
    const char ns = line[14], ew = line[23], valid = line[24];
    if (!digits || (ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || (valid != 'A' && valid != 'V') ||
        h > 23 || m > 59 || s > 59 || latD > 90 || lonD > 180 || latM >= 60000 || lonM >= 60000) {
        message = "bad B record";
        return false;
    }
    fix.Seconds = h * 3600.0 + m * 60.0 + s;
    fix.Latitude = (latD + latM / 60000.0) * (ns == 'S' ? -1 : 1);
    fix.Longitude = (lonD + lonM / 60000.0) * (ew == 'W' ? -1 : 1);
    fix.PressureMetres = static_cast<double>(alt);
    return true;
}

/// Great-circle distance between two fixes in nautical miles.
double DistanceNm(const IgcFix &a, const IgcFix &b)
{
    const double toRad = Pi / 180;
    const double dLat = (b.Latitude - a.Latitude) * toRad, dLon = (b.Longitude - a.Longitude) * toRad;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(a.Latitude * toRad) * std::cos(b.Latitude * toRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * EarthRadiusNm * std::asin(std::sqrt(h < 1 ? h : 1));
}

bool ReadIgc(const std::string &path, const std::vector<std::string> &lines, bool airspeedFromGround,
             FlightTrack &track, std::string &error)
{
    const double feetPerMetre = FindFlightUnit(InputAltitudeFt, "m")->Scale;
    const double mphPerKnot = FindFlightUnit(InputAirspeedMph, "kt")->Scale;
    IgcFix previous{};
    double dayOffset = 0, knots = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].empty() || lines[n][0] != 'B') continue;
        IgcFix fix;
        std::string message;
        if (!ParseIgcFix(lines[n], fix, message)) {
            error = At(path, n + 1, message);
            return false;
        }
        // Records pass midnight UTC: the clock starts again at 00:00:00.
        if (!track.Rows.empty() && fix.Seconds + dayOffset < track.Rows.back().Time) dayOffset += 86400;
        fix.Seconds += dayOffset;
        if (!track.Rows.empty() && fix.Seconds > previous.Seconds)
            knots = DistanceNm(previous, fix) * 3600 / (fix.Seconds - previous.Seconds);
        FlightRow row;
        row.Time = fix.Seconds;
        row.Value[InputAltitudeFt] = fix.PressureMetres * feetPerMetre;
        row.Value[InputGpsKnots] = knots;
        row.Value[InputAirspeedMph] = knots * mphPerKnot;
        track.Rows.push_back(row);
        previous = fix;
    }
    if (track.Rows.empty()) {
        error = At(path, lines.size(), "no B records");
        return false;
    }
    // The first fix has no speed of its own: it takes the second's.
    if (track.Rows.size() > 1) {
        track.Rows[0].Value[InputGpsKnots] = track.Rows[1].Value[InputGpsKnots];
        track.Rows[0].Value[InputAirspeedMph] = track.Rows[1].Value[InputAirspeedMph];
    }
    track.Driven[InputAltitudeFt] = true;
    track.Driven[InputGpsKnots] = true;
    track.Driven[InputAirspeedMph] = airspeedFromGround;
    return true;
}

bool EndsWithIgnoringCase(const std::string &text, const char *tail)
{
    const size_t n = std::strlen(tail);
    if (text.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - n + i])) != tail[i]) return false;
    return true;
}

} // namespace

const char FlightGearMarker[] = "#vantro2-flightgear";
const unsigned FlightGearFields = sizeof FlightGearTable / sizeof FlightGearTable[0];
const char *FlightGearProperty(unsigned field) { return field < FlightGearFields ? FlightGearTable[field].Property : ""; }

bool ParseFlightGearLine(const std::string &line, FlightRow &row, bool driven[FlightInputCount], std::string &error)
{
    const std::vector<ColumnBinding> bindings = FlightGearBindings();
    if (!BindRow(SplitCells(line), bindings, row, error)) return false;
    for (const ColumnBinding &b : bindings)
        if (b.What == ColumnBinding::Input) driven[b.Target] = true;
    return true;
}

namespace {

bool ReadFlightLines(const std::string &path, const std::vector<std::string> &lines, const FlightFileOptions &options,
                     FlightTrack &track, std::string &error)
{
    FlightTrack read;
    bool ok;
    if (EndsWithIgnoringCase(path, ".igc")) {
        ok = ReadIgc(path, lines, options.AirspeedFromGround, read, error);
    } else if (!lines.empty() && lines[0] == FlightGearMarker) {
        ok = ReadRows(path, lines, 1, FlightGearBindings(), read, error);
    } else {
        const size_t header = FirstDataLine(lines);
        if (header == lines.size()) {
            error = At(path, lines.size() == 0 ? 1 : lines.size(), "empty file: no column header");
            return false;
        }
        if (!options.MapFile.empty()) {
            ok = ReadMappedCsv(path, lines, header, options.MapFile, read, error);
        } else if (SplitCells(lines[header])[0] == "time_s") {
            ok = ReadOurCsv(path, lines, header, read, error);
        } else {
            error = At(path, header + 1, "missing column header: the first line names the columns, time_s first");
            return false;
        }
    }
    if (ok) track = std::move(read);
    return ok;
}

} // namespace

bool ReadFlightFile(const std::string &path, const FlightFileOptions &options, FlightTrack &track, std::string &error)
{
    std::vector<std::string> lines;
    return ReadLines(path, lines, error) && ReadFlightLines(path, lines, options, track, error);
}

bool ReadFlightText(const std::string &name, const std::string &text, const FlightFileOptions &options,
                    FlightTrack &track, std::string &error)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    SplitLines(in, lines);
    return ReadFlightLines(name, lines, options, track, error);
}
