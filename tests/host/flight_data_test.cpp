// Flight data: the sensor model's round trips through the instrument, the flight-file
// readers and their messages, playback interpolation and the loopback links.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cmath>
#include <fstream>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "host/flight/flight_files.h"
#include "host/flight/flight_pacer.h"
#include "host/flight/live_links.h"
#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"
#include "host/test_panel.h"

namespace {

/// A test panel whose sliders the sensor model moves.
class SliderPanel : public TestPanel, public InputSink {
public:
    void MoveInput(u8 input, s32 raw) override
    {
        if (input == InputRpm) RpmSlider = raw;
        else SliderChange(Sliders[input].TrackBar, raw);
    }
};

struct RoundTrip {
    const char *Input;
    double Value;
    const char *Unit;
    void (*Settings)();
    s32 (*Shown)();   ///< what the main page shows, in its own unit
    double Expected;  ///< in the main page's unit
    double Tolerance; ///< one step of the sensor or of the display
};

void Factory() {}
s32 ShownAltitude() { return Altitude; }
s32 ShownAirspeed() { return static_cast<s32>(Airspeed); }
s32 ShownRpm() { return static_cast<s32>(Rpm); }
s32 ShownVolts() { return static_cast<s32>(Volts); }
s32 ShownFuel() { return static_cast<s32>(FuelLevel); }
s32 ShownFlow() { return FuelFlow; }
s32 ShownOat() { return Oat; }
s32 ShownVsi() { return Vsi; }
s32 ShownGps() { return GpsSpeedKnots; }

const RoundTrip RoundTrips[] = {
    {"altitude", 2500, "ft", Factory, ShownAltitude, 2500, 35},
    {"altitude", 1000, "m", [] { AltUnit = 1; }, ShownAltitude, 1000, 12},
    {"altitude", 3000, "ft", [] { AltCal = 20; }, ShownAltitude, 3000, 35},
    {"altitude", -1000, "ft", [] { AltCal = -15; }, ShownAltitude, -1000, 35},
    {"airspeed", 65, "kt", Factory, ShownAirspeed, 74.8, 1},
    {"airspeed", 65, "kt", [] { AsiUnit = 2; }, ShownAirspeed, 65, 1},
    {"airspeed", 120, "kmh", [] { AsiUnit = 1; AsiCal = 110; AsiZero = 200; }, ShownAirspeed, 120, 2},
    {"airspeed", 90, "mph", [] { AsiFilter = 2; AsiCal = 90; }, ShownAirspeed, 90, 1},
    {"rpm", 2400, "rpm", Factory, ShownRpm, 2400, 20},
    {"rpm", 2400, "rpm", [] { PulsesPerRev = 20; }, ShownRpm, 2400, 60},
    // TIME mode: 31250 / 13 and / 14 pulse periods are 2403 and 2232 rpm.
    {"rpm", 2400, "rpm", [] { RpmPulseMode = 1; ComputeRpmScale(); }, ShownRpm, 2400, 180},
    {"volts", 13.8, "V", Factory, ShownVolts, 138, 1},
    {"volts", 12.5, "V", [] { VoltsCal = 90; }, ShownVolts, 125, 1},
    {"fuel-level", 30, "l", Factory, ShownFuel, 30, 1},
    {"fuel-level", 5, "usgal",
     [] {
         FuelUnit = 1;
         TankSize = 120;
         const s32 rising[6] = {200, 400, 800, 1200, 1600, 2000};
         for (int i = 0; i < 6; ++i) TankCal[i] = rising[i];
     },
     ShownFuel, 50, 1},
    {"fuel-flow", 16, "lph", Factory, ShownFlow, 160, 2},
    {"fuel-flow", 4, "gph", [] { FuelUnit = 3; KFactor = 12000; }, ShownFlow, 40, 1},
    {"oat", 12, "c", Factory, ShownOat, 12, 1},
    {"oat", 50, "f", [] { TempUnit = 1; OatCal = -3; }, ShownOat, 50, 1},
    {"vsi", 500, "fpm", [] { VsiZero = 2048; }, ShownVsi, 500, 45},
    {"vsi", -2.5, "mps", [] { VsiZero = 2048; VsiUnit = 1; VsiCal = 120; }, ShownVsi, -250, 25},
    {"gps-speed", 95, "kt", Factory, ShownGps, 95, 0},
};

constexpr unsigned SplashPumps = 80;
constexpr unsigned SettlePumps = 400;

/// Runs the instrument, changes the settings after the splash, then puts the value on its
/// input before every cycle (the altitude moving a little, as in flight, so that a VSI
/// reading is not taken for drift) and returns what the main page shows at the end.
s32 ShownAfterSettling(const RoundTrip &trip)
{
    SliderPanel panel;
    Panel = &panel;
    u8 input = 0;
    EXPECT_TRUE(FindFlightInput(trip.Input, input));
    const FlightUnit *unit = FindFlightUnit(input, trip.Unit);
    EXPECT_NE(unit, nullptr);
    s32 shown = 0;
    panel.OnPump = [&](unsigned pump) {
        Timer1Tick();
        Timer2Tick();
        if (pump <= SplashPumps) return;
        if (pump == SplashPumps + 1) trip.Settings();
        if (input == InputVsiFpm) ApplyInputValue(InputAltitudeFt, 2500 + 40.0 * (pump % 2), panel);
        EXPECT_FALSE(ApplyInputValue(input, trip.Value * unit->Scale + unit->Offset, panel).Clamped);
        if (pump == SplashPumps + SettlePumps) {
            shown = trip.Shown();
            RequestStop();
        }
    };
    InstrumentMainLoop();
    Panel = nullptr;
    return shown;
}

TEST(SensorModel, EveryInputAndUnitReadsBackOnTheMainPage)
{
    for (const RoundTrip &trip : RoundTrips) {
        SCOPED_TRACE(std::string(trip.Input) + " " + std::to_string(trip.Value) + " " + trip.Unit);
        EXPECT_NEAR(ShownAfterSettling(trip), trip.Expected, trip.Tolerance);
    }
}

TEST(SensorModel, ValuesBeyondTheSensorAreClampedToTheNearestEnd)
{
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    VsiZero = 0;
    VsiDrift = 0;
    struct Case {
        u8 Input;
        double Value;
        bool Clamped;
        double Shown;
    } const cases[] = {
        {InputAirspeedMph, 400, true, 247},    // the root of 15 x 4096 at 100 % ASI CAL
        {InputAirspeedMph, 247, false, 247},
        {InputAirspeedMph, 7, false, 0},       // under 16 mph the instrument shows 0
        {InputAirspeedMph, 17.9, false, 17},   // the largest value shown not above it
        {InputAirspeedMph, 16, false, 16},
        {InputVsiFpm, 500, true, 0},           // VSI zero at 0: no climb can be shown
        {InputRpm, 30000, true, 19999},
        {InputOatC, -300, true, -273},
        {InputFuelLitres, 60, true, 45},       // more than the 45 l tank
        {InputGpsKnots, -5, true, 0},
        {InputGpsKnots, 2000, true, 999},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(FlightInputName(c.Input)) + " " + std::to_string(c.Value));
        const SensorReading reading = RawForValue(c.Input, c.Value);
        EXPECT_EQ(reading.Clamped, c.Clamped);
        EXPECT_EQ(reading.Shown, c.Shown);
        EXPECT_GE(reading.Raw, 0);
        EXPECT_LE(reading.Raw, AdcFullScale);
    }
}

// ---- flight files ----

std::string WriteFile(const std::string &name, const std::string &text)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(FlightFiles, OurCsvConvertsUnitsSkipsCommentsAndInterpolates)
{
    const std::string path = WriteFile("good.csv",
                                       "# a comment\n"
                                       "time_s,altitude_m,ias_kt,oat_f\r\n"
                                       "10,100,0,32\n"
                                       "# between rows\n"
                                       "20,200,100,212\n"
                                       "20,300,100,212\n");
    FlightTrack track;
    std::string error;
    ASSERT_TRUE(ReadFlightFile(path, {}, track, error)) << error;
    ASSERT_EQ(track.Rows.size(), 3u);
    EXPECT_TRUE(track.Driven[InputAltitudeFt] && track.Driven[InputAirspeedMph] && track.Driven[InputOatC]);
    EXPECT_FALSE(track.Driven[InputRpm]);
    EXPECT_DOUBLE_EQ(track.Duration(), 10);
    const FlightRow middle = track.At(5);
    EXPECT_NEAR(middle.Value[InputAltitudeFt], 150 * 3.280839895, 1e-6);
    EXPECT_NEAR(middle.Value[InputAirspeedMph], 50 * 1.150779448, 1e-6);
    EXPECT_NEAR(middle.Value[InputOatC], 50, 1e-9);
    EXPECT_NEAR(track.At(10).Value[InputAltitudeFt], 300 * 3.280839895, 1e-6);  // the later of two equal times
}

TEST(FlightFiles, BadFilesNameTheFileAndLineAndChangeNothing)
{
    struct Case {
        const char *Name;
        const char *Text;
        const char *Message;
    } const cases[] = {
        {"empty.csv", "", ":1: empty file: no column header"},
        {"comments.csv", "# only\n\n", ":2: empty file: no column header"},
        {"noheader.csv", "0,100,50\n", ":1: missing column header: the first line names the columns, time_s first"},
        {"unknown.csv", "time_s,altitude_ft,speed\n0,1,2\n", ":1: unknown column \"speed\""},
        {"twice.csv", "time_s,ias_kt,ias_mph\n0,1,2\n", ":1: two columns for airspeed"},
        {"text.csv", "time_s,rpm\n0,100\n1,1oo\n", ":3: not a number in column 2: \"1oo\""},
        {"short.csv", "time_s,rpm,volts\n0,100\n", ":2: 2 values where 3 are expected"},
        {"backwards.csv", "time_s,rpm\n0,1\n5,2\n# note\n4,3\n", ":5: time goes backwards"},
        {"norows.csv", "time_s,rpm\n", ":1: no data rows"},
        {"truncated.igc", "AXXX001\nB1200005130000N00010000EA0010000120\nB120005513\n",
         ":3: truncated B record (10 characters, 35 at least)"},
        {"badfix.igc", "B1260005130000N00010000EA0010000120\n", ":1: bad B record"},
        {"nofix.igc", "AXXX001\nHFDTE010626\n", ":2: no B records"},
        {"fg.txt", "#vantro2-flightgear\n1,2,3\n", ":2: 3 values where 10 are expected"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = WriteFile(c.Name, c.Text);
        FlightTrack track;
        track.Rows.resize(1);
        track.Rows[0].Time = 42;
        std::string error;
        EXPECT_FALSE(ReadFlightFile(path, {}, track, error));
        EXPECT_EQ(error, path + c.Message);
        ASSERT_EQ(track.Rows.size(), 1u);
        EXPECT_EQ(track.Rows[0].Time, 42);
    }
    std::string error;
    FlightTrack track;
    EXPECT_FALSE(ReadFlightFile(::testing::TempDir() + "absent.csv", {}, track, error));
    EXPECT_NE(error.find("absent.csv:0: cannot open"), std::string::npos);
}

TEST(FlightFiles, MappedCsvAndItsMappingErrors)
{
    const std::string data = WriteFile("efis.csv",
                                       "\"Time (ms)\",Lat,\"IAS\",Alt (m),EGT\n"
                                       "0,51.5,0,120,300\n"
                                       "2000,51.5,60,130,310\n");
    const std::string map = WriteFile("efis.map",
                                      "# column,input,unit,scale,offset\n"
                                      "Time (ms),time,s,0.001\n"
                                      "IAS,airspeed,kt\n"
                                      "Alt (m),altitude,m,1,-20\n");
    FlightTrack track;
    std::string error;
    FlightFileOptions options;
    options.MapFile = map;
    ASSERT_TRUE(ReadFlightFile(data, options, track, error)) << error;
    EXPECT_DOUBLE_EQ(track.Duration(), 2);
    EXPECT_NEAR(track.Rows[1].Value[InputAltitudeFt], 110 * 3.280839895, 1e-6);
    EXPECT_FALSE(track.Driven[InputRpm]);

    struct Case {
        const char *Map;
        std::string Message;
    } const cases[] = {
        {"IAS,airspeed,kt\n", map + "x:1: no column is mapped to time"},
        {"Time (ms),time,ms\n", map + "x:1: the time's unit is s (use SCALE for others)"},
        {"Time (ms),time,s\nIAS,speed,kt\n", map + "x:2: unknown input \"speed\""},
        {"Time (ms),time,s\nIAS,airspeed,knots\n", map + "x:2: unknown unit \"knots\" for airspeed (kt mph kmh)"},
        {"Time (ms),time,s\nIAS,airspeed,kt,fast\n", map + "x:2: SCALE and OFFSET must be numbers"},
        {"Time (ms),time,s\nTAS,airspeed,kt\n", data + ":1: no column \"TAS\" (named in " + map + "x:2)"},
    };
    for (const Case &c : cases) {
        options.MapFile = WriteFile("efis.mapx", c.Map);
        EXPECT_FALSE(ReadFlightFile(data, options, track, error));
        EXPECT_EQ(error, c.Message);
    }
}

TEST(FlightFiles, IgcPressureAltitudeAndGroundSpeedPastMidnight)
{
    // Two fixes one minute apart, 0.5' of latitude (half a nautical mile): 30 kt.
    const std::string path = WriteFile("flight.IGC",
                                       "AXXXABC\n"
                                       "HFDTE010626\n"
                                       "B2359305130000N00010000EA0030500350\n"
                                       "B0000305130500N00010000EA-001000350\n");
    FlightTrack track;
    std::string error;
    ASSERT_TRUE(ReadFlightFile(path, {}, track, error)) << error;
    ASSERT_EQ(track.Rows.size(), 2u);
    EXPECT_DOUBLE_EQ(track.Duration(), 60);
    EXPECT_NEAR(track.Rows[0].Value[InputAltitudeFt], 305 * 3.280839895, 1e-6);
    EXPECT_NEAR(track.Rows[1].Value[InputAltitudeFt], -10 * 3.280839895, 1e-6);
    EXPECT_NEAR(track.Rows[1].Value[InputGpsKnots], 30, 0.1);
    EXPECT_NEAR(track.Rows[0].Value[InputGpsKnots], 30, 0.1);
    EXPECT_FALSE(track.Driven[InputAirspeedMph]);
    FlightFileOptions options;
    options.AirspeedFromGround = true;
    ASSERT_TRUE(ReadFlightFile(path, options, track, error));
    EXPECT_TRUE(track.Driven[InputAirspeedMph]);
    EXPECT_NEAR(track.Rows[1].Value[InputAirspeedMph], 30 * 1.150779448, 0.2);
}

TEST(FlightFiles, TheFlightGearProtocolFileListsTheReadersFields)
{
    std::ifstream in(FLIGHTGEAR_PROTOCOL);
    ASSERT_TRUE(in) << FLIGHTGEAR_PROTOCOL;
    std::vector<std::string> nodes;
    std::string line;
    while (std::getline(in, line)) {
        const size_t open = line.find("<node>");
        if (open != std::string::npos) nodes.push_back(line.substr(open + 6, line.find("</node>") - open - 6));
    }
    ASSERT_EQ(nodes.size(), FlightGearFields);
    for (unsigned i = 0; i < FlightGearFields; ++i) EXPECT_EQ(nodes[i], FlightGearProperty(i));
}

TEST(FlightPlayer, StepsThroughTheTrackAndEndsOnTheLastRow)
{
    SliderPanel panel;
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    FlightTrack track;
    track.Rows.resize(2);
    track.Rows[0].Value[InputOatC] = 0;
    track.Rows[1].Time = 2;
    track.Rows[1].Value[InputOatC] = 40;
    track.Driven[InputOatC] = true;
    FlightPlayer player;
    player.Start(track, 20, panel);
    EXPECT_EQ(player.Steps(), 40u);
    EXPECT_EQ(OatCelsiusForAdc(static_cast<u32>(InputOat)), 0);
    for (int i = 0; i < 20; ++i) player.ApplyStep(panel);
    EXPECT_EQ(OatCelsiusForAdc(static_cast<u32>(InputOat)), 20);
    for (int i = 0; i < 20; ++i) player.ApplyStep(panel);
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(OatCelsiusForAdc(static_cast<u32>(InputOat)), 40);
    EXPECT_EQ(player.ClampedValues(), 0u);
}

// The wall clock in milliseconds against the steps a pacer may play by then: never more than
// one a pump, none before one is due, none while held.
TEST(FlightPacer, OneStepAPumpWhenDueAndNoneWhileHeld)
{
    SliderPanel panel;
    FlightTrack track;
    track.Rows.resize(2);
    track.Rows[1].Time = 2;
    track.Driven[InputOatC] = true;
    FlightPacer pacer;
    pacer.SetSpeed(0, 0);
    EXPECT_EQ(pacer.Speed(), 1u);
    pacer.SetSpeed(MaxFlightSpeed + 1, 0);
    EXPECT_EQ(pacer.Speed(), MaxFlightSpeed);
    pacer.SetSpeed(10, 0);
    pacer.Start(track, panel, 1000);
    EXPECT_FALSE(pacer.Pump(1004, panel));  // x10: a 50 ms step is due every 5 ms
    EXPECT_EQ(pacer.StepsPlayed(), 0u);
    pacer.Pump(1005, panel);
    EXPECT_EQ(pacer.StepsPlayed(), 1u);
    pacer.Pump(1100, panel);  // 20 steps due, one played
    EXPECT_EQ(pacer.StepsPlayed(), 2u);
    EXPECT_TRUE(pacer.Pause());
    EXPECT_FALSE(pacer.Pause());
    pacer.Pump(5000, panel);
    EXPECT_EQ(pacer.StepsPlayed(), 2u);
    EXPECT_TRUE(pacer.Resume(6000));
    EXPECT_FALSE(pacer.Resume(6000));
    pacer.Pump(6000, panel);  // the clock restarts at Resume: nothing due yet
    EXPECT_EQ(pacer.StepsPlayed(), 2u);
    bool ended = false;
    for (double now = 6005; !ended && now < 7000; now += 5) ended = pacer.Pump(now, panel);
    EXPECT_TRUE(ended);
    EXPECT_EQ(pacer.StepsPlayed(), 40u);
    EXPECT_FALSE(pacer.Playing());
    EXPECT_FALSE(pacer.Pump(99999, panel));
}

// ---- live links ----

/// Binds the first free port from 47000 on.
unsigned BindFree(bool (LiveLinks::*listen)(unsigned, std::string &), LiveLinks &links)
{
    std::string error;
    for (unsigned port = 47000; port < 47100; ++port)
        if ((links.*listen)(port, error)) return port;
    ADD_FAILURE() << error;
    return 0;
}

void SendTo(unsigned port, const std::string &text)
{
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(s, text.data(), text.size(), 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
    close(s);
}

TEST(LiveLinks, NewestFlightGearLineAndRmcSpeedAreApplied)
{
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    LiveLinks links;
    SliderPanel panel;
    const unsigned fg = BindFree(&LiveLinks::ListenFlightGear, links);
    const unsigned nmea = BindFree(&LiveLinks::ListenNmea, links);
    SendTo(fg, "#vantro2-flightgear\n");
    SendTo(fg, "1.0,1000,50,0,2000,4,10,13.0,10,40\n");
    SendTo(fg, "1.1,2000,60,0,2400,5,9,13.5,8,45\n");
    SendTo(nmea, "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                 "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n");
    for (int i = 0; i < 100 && links.FlightGearLines + links.NmeaSentences < 2; ++i) {
        EXPECT_EQ(links.Poll(panel), "");
        usleep(1000);
    }
    EXPECT_EQ(links.FlightGearLines, 1u);  // the newest of the two
    EXPECT_EQ(links.NmeaSentences, 1u);
    EXPECT_NEAR(PressureAltitudeForAdc(static_cast<u32>(InputAltitude)), 2000, 35);
    EXPECT_EQ(panel.RpmSlider, RawForValue(InputRpm, 2400).Raw);
    EXPECT_EQ(GpsSpeedKnots, 22);
    SendTo(nmea, "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*00\r\n");
    SendTo(fg, "1,2,three,4,5,6,7,8,9,10\n");
    std::string problem;
    for (int i = 0; i < 100 && problem.empty(); ++i, usleep(1000)) problem = links.Poll(panel);
    EXPECT_NE(problem.find("not a number in column 3"), std::string::npos) << problem;
}

TEST(LiveLinks, RmcSentences)
{
    double knots = -1;
    std::string error;
    EXPECT_TRUE(ParseRmcSpeed("$GNRMC,1,A,1,N,1,E,105.5,0,010626,,", knots, error));
    EXPECT_EQ(knots, 105.5);
    EXPECT_FALSE(ParseRmcSpeed("$GPRMC,1,V,1,N,1,E,10,0,010626,,", knots, error));  // no fix
    EXPECT_EQ(error, "");
    EXPECT_FALSE(ParseRmcSpeed("$GPRMC,1,A,1,N,1,E,fast,0,010626,,", knots, error));
    EXPECT_EQ(error, "RMC speed is not a number");
    EXPECT_FALSE(ParseRmcSpeed("$GPRMC,1,A", knots, error));
    EXPECT_EQ(error, "RMC sentence with too few fields");
    EXPECT_FALSE(ParseRmcSpeed("GPRMC", knots, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
