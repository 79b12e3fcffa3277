// libFuzzer target over vantro2-script's line reader and command interpreter: each input is
// a whole script, read from memory by the runner's own code. Counts are cut short and the
// pumps of one input are bounded, so no input runs for long; `png` writes nothing and all
// output goes to /dev/null. Every input starts from the same instrument state and clock.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "../front_panel.h"
#include "../../instrument/host_time.h"
#include "../main_loop.h"
#include "../script/script_panel.h"
#include "../state_lookup.h"

namespace {

constexpr long RepeatCap = 100;            // cycle 80 (the start-up) still runs whole
constexpr unsigned long MaxPumps = 600;   // the start-up and a few hundred cycles

void RestoreStartState()
{
    static const StateSnapshot start = TakeStateSnapshot();
    RestoreStateSnapshot(start);
    FreezeHostTime(HostDateTime{126, 1, 1, 4, 12, 0, 0});  // 2026-01-01 12:00:00, a Thursday
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::FILE *const sink = std::fopen("/dev/null", "w");
    if (size == 0) return 0;  // fmemopen refuses an empty buffer; an empty script does nothing
    RestoreStartState();
    std::FILE *script = fmemopen(const_cast<uint8_t *>(data), size, "r");
    if (script == nullptr) return 0;
    ScriptOptions options;
    options.Output = sink;
    options.Errors = sink;
    options.WriteFiles = false;
    options.RealTime = false;
    options.RepeatCap = RepeatCap;
    options.MaxPumps = MaxPumps;
    auto panel = std::make_unique<ScriptPanel>(script, "fuzz input", options);
    Panel = panel.get();
    panel->Run();
    Panel = nullptr;
    std::fclose(script);
    return 0;
}
