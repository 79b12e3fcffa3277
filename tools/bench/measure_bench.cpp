// Times the measurement part of one instrument cycle: RPM, fuel level, fuel flow twice,
// the slow-tick block with the clock, volts and OAT, altitude, VSI, airspeed and fuel level
// again. Every pass runs the whole slow-tick branch, so the figure is that of the longest
// cycle. The inputs sweep their range so the filters, tables and branches all work.
//
//   vantro2-measure-bench [PASSES]     (default 200000 passes, best of 5 rounds)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "host/command_line.h"
#include "host/main_loop.h"
#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/flight.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"

namespace {

void SetInputs(unsigned pass)
{
    const s32 sweep = static_cast<s32>(pass % 4097);
    InputAltitude = 4096 - sweep;
    InputVsi = 2048 + (sweep & 255) - 128;
    InputAirspeed = sweep;
    InputVolts = 1500 + (sweep & 511);
    InputFuelLevel = 200 + (sweep % 700);
    InputOat = 2000 + (sweep & 255);
    InputFuelFlow = sweep & 127;
    RpmPulseLatch = static_cast<u32>(sweep & 255);
}

} // namespace

int main(int argc, char **argv)
{
    long passes = 200000;
    if (argc > 1) {
        if (!ParseBoundedLong(argv[1], 1, 100000000, passes)) {
            std::fprintf(stderr, "vantro2-measure-bench: PASSES must be 1..100000000\n");
            return 2;
        }
    }
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    FlightDetect = 1;
    FuelLevelMode = FuelLevelSender;
    double best = 1e30;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (long pass = 0; pass < passes; ++pass) {
            SetInputs(static_cast<unsigned>(pass));
            SlowTick = 1;  // every pass takes the longest path, slow-tick block included
            FuelTick = 1;
            RunMeasurements();
        }
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        const double perPass = took.count() / static_cast<double>(passes);
        if (perPass < best) best = perPass;
    }
    std::printf("measurement part of one cycle: %.3f us (best of 5 rounds of %ld passes)\n", best, passes);
    std::printf("checksum %u\n", static_cast<unsigned>(AirDistance + Rpm + FuelLevel + Volts));
    return 0;
}
