// vantro2-fuzz: runs the instrument behind a front panel that clicks, slides, ticks and
// switches at random, the way an impatient person would, and checks after every cycle that
// nothing has left its range (see invariants.h), that the display copy stays inside the
// display image and that every cycle returns.
//
//   vantro2-fuzz [--seed N] [--seeds COUNT | --min-seeds COUNT --budget-seconds S] [--events N]
//                [--long] [--script FILE [--expect FILE]]
//
// Each seed is one reproducible sequence of events, run in a child process of its own so
// that every sequence starts from a freshly started program and a crash is caught. A failing
// seed prints the sequence as a vantro2-script scenario that reproduces it. With a time budget
// the run always does its minimum number of seeds and then starts further seeds until the
// budget is spent, so that a loaded machine does less and never runs on and on.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../front_panel.h"
#include "../../instrument/host_time.h"
#include "../../lcd/framebuffer.h"
#include "../../screens/navigation.h"
#include "../command_line.h"
#include "../display_copy.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "../state_lookup.h"
#include "invariants.h"

namespace {

// ---------------------------------------------------------------------------------------
// What the child hands back to the parent: progress, the verdict and the script so far
// ---------------------------------------------------------------------------------------

enum Verdict : u32 { VerdictRunning = 0, VerdictPassed = 1, VerdictHang = 3, VerdictInvariant = 4 };

struct SharedBlock {
    volatile u64 Progress;  // events and pumps so far; the watchdog looks for movement
    volatile u32 Verdict;
    u64 Events;
    u64 Cycles;
    u64 ScriptLength;
    u32 ScriptTruncated;
    u32 MaxDepth;
    u64 ScreensReached;  // bit i: ScreenRegistry[i] ran
    char Message[512];
    char Warnings[4096];
    char Probes[1024];  // the probe lines' output at the end of a passing seed
    char Script[1];  // ScriptCapacity bytes
};

SharedBlock *Shared = nullptr;
u64 ScriptCapacity = 0;

void AppendScript(const char *line)
{
    const size_t length = std::strlen(line);
    if (Shared->ScriptLength + length + 1 >= ScriptCapacity) {
        Shared->ScriptTruncated = 1;
        return;
    }
    std::memcpy(Shared->Script + Shared->ScriptLength, line, length);
    Shared->ScriptLength += length;
    Shared->Script[Shared->ScriptLength++] = '\n';
}

// ---------------------------------------------------------------------------------------
// Random events, each also written as its vantro2-script line
// ---------------------------------------------------------------------------------------

// A small generator with a fixed algorithm, so that a seed means the same sequence on every
// machine and compiler (splitmix64).
struct Random {
    u64 State;
    u64 Next()
    {
        u64 z = (State += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    u32 Below(u32 n) { return static_cast<u32>(Next() % n); }
    u32 Between(u32 low, u32 high) { return low + Below(high - low + 1); }
};

Random Rng{0};
u64 EventBudget = 0;
u32 PendingOns = 0;  // "ON" clicks still to come in a burst
bool Calibrate = false;
bool KeyFast = false;
s32 SliderPositions[8] = {1, 1, 1, 1, 1, 1, 1, 1};

const char *const KeyNames[] = {"", "centre", "cw", "ccw", "left", "right"};

void Progress() { Shared->Progress = Shared->Progress + 1; }

void Emit(const char *line)
{
    AppendScript(line);
    ++Shared->Events;
    Progress();
}

u8 RepeatKey = 0;      // a key held at for a while: the knob turned on and on
u32 RepeatsLeft = 0;

void DoKey()
{
    static const u8 weights[] = {1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 5};  // the centre button most often
    u8 key = weights[Rng.Below(sizeof weights)];
    if (RepeatsLeft > 0) {
        --RepeatsLeft;
        key = RepeatKey;
    } else if (Rng.Below(20) == 0) {
        RepeatKey = key;
        RepeatsLeft = Rng.Between(2, 40);
    }
    char line[32];
    std::snprintf(line, sizeof line, "key %s", KeyNames[key]);
    Emit(line);
    KeyClick(key);
}

void DoSlider()
{
    const u32 index = Rng.Below(8);
    const u32 kind = Rng.Below(20);
    const s32 position = kind < 5 ? SliderMin : kind < 10 ? SliderMax : kind < 12 ? 1 : static_cast<s32>(Rng.Between(0, 4096));
    char line[48];
    std::snprintf(line, sizeof line, "slider %s %d", Sliders[index].Name, position);
    Emit(line);
    SliderPositions[index] = position;
    SliderChange(Sliders[index].TrackBar, position);
}

void DoCheck()
{
    const bool calibrate = Rng.Below(2) == 0;
    bool &box = calibrate ? Calibrate : KeyFast;
    box = !box;
    char line[32];
    std::snprintf(line, sizeof line, "check %s %d", calibrate ? "calibrate" : "keyfast", box ? 1 : 0);
    Emit(line);
}

void DoTicks(bool timer1)
{
    const u32 kind = Rng.Below(10);
    const u32 count = kind < 6 ? 1 : kind < 9 ? Rng.Between(2, 40) : Rng.Between(41, 2000);
    char line[32];
    std::snprintf(line, sizeof line, "tick%c %u", timer1 ? '1' : '2', count);
    Emit(line);
    for (u32 i = 0; i < count; ++i) timer1 ? Timer1Tick() : Timer2Tick();
}

void DoClock()
{
    HostDateTime t{};
    s32 year;
    const u32 kind = Rng.Below(8);
    if (kind == 0) {  // the last second of a year
        year = static_cast<s32>(Rng.Between(1900, 2155));
        t = HostDateTime{0, 12, 31, 0, 23, 59, 59};
    } else if (kind == 1) {  // a leap day
        year = 1904 + 4 * static_cast<s32>(Rng.Below(63));
        if (!IsLeapYear(year)) year = 2000;
        t = HostDateTime{0, 2, 29, 0, static_cast<u8>(Rng.Below(24)), static_cast<u8>(Rng.Below(60)),
                         static_cast<u8>(Rng.Below(60))};
    } else {
        year = static_cast<s32>(kind == 2 ? Rng.Between(1900, 2155) : Rng.Between(1990, 2060));
        const u8 month = static_cast<u8>(Rng.Between(1, 12));
        const u8 days = DaysInMonth(year, month);
        t = HostDateTime{0, month, static_cast<u8>(Rng.Between(1, days)), 0, static_cast<u8>(Rng.Below(24)),
                         static_cast<u8>(Rng.Below(60)), static_cast<u8>(Rng.Below(60))};
    }
    t.YearsSince1900 = year - 1900;
    t.Weekday = WeekdayOf(year, t.Month, t.Day);
    char line[48];
    std::snprintf(line, sizeof line, "clock %04d-%02u-%02u %02u:%02u:%02u", year, t.Month, t.Day, t.Hour, t.Minute,
                  t.Second);
    Emit(line);
    FreezeHostTime(t);
}

void DoOn()
{
    if (PendingOns > 0) --PendingOns;
    else if (Rng.Below(4) == 0) PendingOns = Rng.Between(1, 11);  // a burst, up to and past the cap
    Emit("on");
    InstrumentMainLoop();
}

void DoOff()
{
    Emit("off");
    RequestStop();
}

// One event of a person at the panel. `running` is false while the instrument is off: then
// "ON" is what a person does most.
void DoEvent(bool running)
{
    if (PendingOns > 0) return DoOn();
    const u32 r = Rng.Below(10000);
    if (!running && r < 6000) return DoOn();
    if (r < 6500) return DoKey();
    if (r < 8200) return DoSlider();
    if (r < 9000) return DoTicks(true);
    if (r < 9400) return DoTicks(false);
    if (r < 9700) return DoCheck();
    if (r < 9970) return DoClock();
    if (r < 9985) return DoOn();
    return DoOff();
}

// ---------------------------------------------------------------------------------------
// The front panel
// ---------------------------------------------------------------------------------------

// The display image with guard columns and rows around the 257 x 129 picture: the copy must
// never write into them.
constexpr u32 Guard = 4;
constexpr u32 ImageWidth = 257 + 2 * Guard;
constexpr u32 ImageHeight = 129 + 2 * Guard;
constexpr u32 GuardColour = 0x5A5A5A5Au;
u32 Image[ImageWidth * ImageHeight];

[[noreturn]] void FailInvariant(const char *message)
{
    std::snprintf(Shared->Message, sizeof Shared->Message, "%s", message);
    Shared->Verdict = VerdictInvariant;
    std::_Exit(4);
}

class FuzzPanel : public FrontPanel {
public:
    void PumpMessages() override
    {
        Progress();
        if (RunDepth > Shared->MaxDepth) Shared->MaxDepth = RunDepth;
        char message[400];
        if (CycleRan) {
            ++Shared->Cycles;
            NoteScreen();
        }
        if (!CheckInvariants(CycleRan, message, sizeof message)) FailInvariant(message);
        // The two bytes after the frame buffer: a drawing that ran past the image would show here.
        if (CycleRan && KeyStep != (KeyFast ? 10 : 1)) {
            std::snprintf(message, sizeof message, "KeyStep %u changed by the screen (KeyFast %d)", KeyStep, KeyFast);
            FailInvariant(message);
        }
        CycleRan = false;
        if (Shared->Events >= EventBudget) {
            // Winding down: "OFF" at every pump until every run has ended.
            Emit("off");
            RequestStop();
            Emit("cycle");
            return;
        }
        const u32 r = Rng.Below(100);
        const u32 count = r < 35 ? 0 : r < 85 ? 1 : Rng.Between(2, 4);
        for (u32 i = 0; i < count && Shared->Events < EventBudget; ++i) DoEvent(true);
        Emit("cycle");
    }
    void BlitLcd() override
    {
        Display.Paint(Image + Guard * ImageWidth + Guard, ImageWidth);
        CheckGuards();
        // The copy repaints only what changed: now and then the whole picture is compared
        // with the frame buffer, so a block left stale shows.
        if (++Blits % PictureCheckInterval == 0) CheckPicture();
    }
    void HideDisplay() override {}
    void ShowDisplay() override {}
    bool CalibrateChecked() override { return Calibrate; }
    bool KeyFastChecked() override { return KeyFast; }
    s32 RpmSliderPosition() override { return SliderPositions[2]; }
    void SetLabel(u8, s32) override {}
    void SetLampColour(u32 colour) override
    {
        if (colour != 128 && colour != 255) {
            char message[64];
            std::snprintf(message, sizeof message, "lamp colour %u is neither 128 nor 255", colour);
            FailInvariant(message);
        }
    }
    void AppendCommLine(const char *) override { CycleRan = true; }

private:
    static void NoteScreen()
    {
        for (u8 i = 0; i < ScreenRegistryCount && i < 64; ++i)
            if (ScreenRegistry[i].Screen == CurrentScreen) Shared->ScreensReached |= 1ull << i;
    }
    static void CheckGuards()
    {
        for (u32 y = 0; y < ImageHeight; ++y) {
            const bool guardRow = y < Guard || y >= Guard + 129;
            for (u32 x = 0; x < ImageWidth; ++x) {
                if (!guardRow && x == Guard) x = Guard + 257;  // skip the picture itself
                if (x >= ImageWidth) break;
                if (Image[y * ImageWidth + x] != GuardColour) {
                    char message[96];
                    std::snprintf(message, sizeof message, "display copy wrote outside the image at (%d, %d)",
                                  static_cast<int>(x) - static_cast<int>(Guard),
                                  static_cast<int>(y) - static_cast<int>(Guard));
                    FailInvariant(message);
                }
            }
        }
    }
    // Every image pixel against its display pixel: 2 x 2 blocks, lit or unlit.
    static void CheckPicture()
    {
        for (u32 y = 0; y < 128; ++y) {
            for (u32 x = 0; x < 256; ++x) {
                const u32 want = GetPixel(static_cast<u8>(x / 2), static_cast<u8>(y / 2)) ? LcdLitRgb : LcdUnlitRgb;
                if (Image[(Guard + y) * ImageWidth + Guard + x] == want) continue;
                char message[96];
                std::snprintf(message, sizeof message, "display image pixel (%u, %u) does not show the frame buffer", x, y);
                FailInvariant(message);
            }
        }
    }
    static constexpr u32 PictureCheckInterval = 16;
    DisplayCopy Display;
    u32 Blits = 0;
    bool CycleRan = false;
};

// ---------------------------------------------------------------------------------------
// One seed in a child process
// ---------------------------------------------------------------------------------------

constexpr unsigned WatchdogSeconds = 5;
u64 WatchdogSeen = ~0ull;

void Watchdog(int)
{
    const u64 now = Shared->Progress;
    if (now != WatchdogSeen) {
        WatchdogSeen = now;
        return;
    }
    static const char text[] = "a cycle did not return";
    std::memcpy(Shared->Message, text, sizeof text);
    Shared->Verdict = VerdictHang;
    _exit(3);
}

void StartWatchdog()
{
    struct sigaction action {};
    action.sa_handler = Watchdog;
    sigaction(SIGALRM, &action, nullptr);
    itimerval timer{};
    timer.it_interval.tv_sec = WatchdogSeconds;
    timer.it_value.tv_sec = WatchdogSeconds;
    setitimer(ITIMER_REAL, &timer, nullptr);
}

// Variables the script prints at its end: the state the fault is about, and enough of the
// rest to show that the script replays the run exactly.
const char *const Probes[] = {"CurrentScreen", "Cursor", "EditMode", "KeySlot", "RunDepth", "Qnh",
                              "AsiUnit", "AsiHighAlarm", "TankSize", "FuelAlarmLevel", "Contrast",
                              "HobbsHours", "RealTimeClock.Year", "StopwatchTicks"};

void RecordProbes()
{
    std::string all;
    for (const char *name : Probes) {
        StateRef ref;
        char value[64] = "?";
        if (FindState(name, ref)) FormatState(ref, value, sizeof value);
        all += std::string(name) + "=" + value + "\n";
    }
    std::snprintf(Shared->Probes, sizeof Shared->Probes, "%s", all.c_str());
}

void RecordWarnings()
{
    std::string all;
    for (const std::string &w : InvariantWarnings()) all += w + "\n";
    std::snprintf(Shared->Warnings, sizeof Shared->Warnings, "%s", all.c_str());
}

[[noreturn]] void RunSeed(u64 seed, u64 events)
{
    StartWatchdog();
    for (u32 &pixel : Image) pixel = GuardColour;
    Rng = Random{seed * 0x2545F4914F6CDD1Dull + 1};
    EventBudget = events;
    static FuzzPanel panel;
    Panel = &panel;
    ResetInvariantTracking();
    DoClock();  // the host clock is frozen first, so that a run never depends on the real time
    while (Shared->Events < EventBudget) DoEvent(RunDepth > 0);
    RecordWarnings();
    RecordProbes();
    Shared->Verdict = VerdictPassed;
    std::_Exit(0);
}

// ---------------------------------------------------------------------------------------
// The parent: seeds, verdicts, the reproducing script
// ---------------------------------------------------------------------------------------

struct Options {
    u64 FirstSeed = 1;
    u64 Seeds = 1;        ///< seeds to run; with a budget, the minimum
    u64 BudgetSeconds = 0;  ///< 0: exactly Seeds seeds; else further seeds until this much time has passed
    u64 Events = 20000;
    bool Long = false;
    const char *ScriptFile = nullptr;
    const char *ExpectFile = nullptr;
};

bool ParseCount(const char *text, u64 low, u64 high, u64 &value)
{
    long n = 0;
    if (!ParseBoundedLong(text, static_cast<long>(low), static_cast<long>(high), n)) return false;
    value = static_cast<u64>(n);
    return true;
}

const char Program[] = "vantro2-fuzz";
const char UsageText[] =
    "usage: vantro2-fuzz [--seed N] [--seeds COUNT | --min-seeds COUNT --budget-seconds S] [--events N]\n"
    "                    [--long] [--script FILE [--expect FILE]]\n"
    "  --seed N       first seed (default 1)\n"
    "  --seeds COUNT  number of seeds from the first (default 1; --long: 1000)\n"
    "  --min-seeds COUNT, --budget-seconds S\n"
    "                 at least COUNT seeds, then further seeds until S seconds have\n"
    "                 passed since the start (a seed once started runs to its end)\n"
    "  --events N     events per seed (default 20000; --long: 200000)\n"
    "  --long         the long run: many seeds of many events, progress every 10 s\n"
    "  --script FILE  also write the script of the first failing seed to FILE (of the\n"
    "                 last seed when none fails)\n"
    "  --expect FILE  with --script and no failure: what the script's probes must print\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and exit\n";

int Usage(const char *problem)
{
    std::fprintf(stderr, "%s: %s\n", Program, problem);
    std::fputs(UsageText, stderr);
    return 2;
}

const char *VerdictText(int status)
{
    switch (Shared->Verdict) {
    case VerdictHang: return "hang";
    case VerdictInvariant: return "invariant broken";
    case VerdictPassed: return "passed";
    default: break;
    }
    if (WIFSIGNALED(status)) return "crashed (signal)";
    return "crashed (sanitizer report or abort above)";
}

void WriteScript(std::FILE *out, u64 seed)
{
    std::fprintf(out, "# vantro2-fuzz seed %llu: %s\n", static_cast<unsigned long long>(seed), Shared->Message);
    std::fwrite(Shared->Script, 1, Shared->ScriptLength, out);
    if (Shared->ScriptTruncated) std::fprintf(out, "# (script truncated: too many events to keep)\n");
    for (const char *name : Probes) std::fprintf(out, "get %s\n", name);
}

// Writes the script (or, with `probes`, the probes' output) into a file; true if done or
// no file was asked for.
bool WriteFile(const char *name, u64 seed, bool probes)
{
    if (name == nullptr) return true;
    std::FILE *out = std::fopen(name, "w");
    if (out == nullptr) {
        std::fprintf(stderr, "vantro2-fuzz: cannot write %s\n", name);
        return false;
    }
    if (probes) std::fputs(Shared->Probes, out);
    else WriteScript(out, seed);
    std::fclose(out);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    bool seedsGiven = false, eventsGiven = false, minSeedsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(arg, "--long") == 0) {
            options.Long = true;
        } else if (std::strcmp(arg, "--seed") == 0 && hasValue) {
            if (!ParseCount(argv[++i], 0, ~0ull >> 1, options.FirstSeed)) return Usage("bad --seed");
        } else if (std::strcmp(arg, "--seeds") == 0 && hasValue) {
            if (!ParseCount(argv[++i], 1, 1000000000ull, options.Seeds)) return Usage("bad --seeds (1..1000000000)");
            seedsGiven = true;
        } else if (std::strcmp(arg, "--min-seeds") == 0 && hasValue) {
            if (!ParseCount(argv[++i], 1, 1000000000ull, options.Seeds)) return Usage("bad --min-seeds (1..1000000000)");
            minSeedsGiven = true;
        } else if (std::strcmp(arg, "--budget-seconds") == 0 && hasValue) {
            if (!ParseCount(argv[++i], 1, 86400ull * 365, options.BudgetSeconds))
                return Usage("bad --budget-seconds (1..31536000)");
        } else if (std::strcmp(arg, "--events") == 0 && hasValue) {
            if (!ParseCount(argv[++i], 1, 100000000ull, options.Events)) return Usage("bad --events (1..100000000)");
            eventsGiven = true;
        } else if (std::strcmp(arg, "--script") == 0 && hasValue) {
            options.ScriptFile = argv[++i];
        } else if (std::strcmp(arg, "--expect") == 0 && hasValue) {
            options.ExpectFile = argv[++i];
        } else if (AnswerHelpOrVersion(arg, Program, UsageText)) {
            return 0;
        } else if (LooksLikeOption(arg) && !hasValue) {
            return Usage((std::string("unknown or incomplete option ") + arg).c_str());
        } else {
            return RejectOption(arg, Program, UsageText);
        }
    }
    if (seedsGiven && minSeedsGiven) return Usage("--seeds and --min-seeds exclude each other");
    if (minSeedsGiven != (options.BudgetSeconds > 0)) return Usage("--min-seeds and --budget-seconds go together");
    if (options.Long) {
        if (!seedsGiven && !minSeedsGiven) options.Seeds = 1000;
        if (!eventsGiven) options.Events = 200000;
    }

    // Room for every script line of a seed (a line is at most about 32 bytes).
    ScriptCapacity = options.Events * 40 + 65536;
    const size_t blockSize = sizeof(SharedBlock) + ScriptCapacity;
    void *memory = mmap(nullptr, blockSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED) {
        std::perror("vantro2-fuzz: mmap");
        return 2;
    }
    Shared = static_cast<SharedBlock *>(memory);

    u64 totalEvents = 0, totalCycles = 0, failures = 0;
    u32 deepest = 0;
    u64 reached = 0;
    std::string warnings;
    const std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    const auto secondsSinceStart = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    // The minimum number of seeds always runs; with a budget, further seeds while time is left.
    u64 n = 0;
    const auto anotherSeed = [&] {
        return n < options.Seeds || (options.BudgetSeconds > 0 && secondsSinceStart() < static_cast<double>(options.BudgetSeconds));
    };
    double lastReport = 0;
    for (; anotherSeed(); ++n) {
        const u64 seed = options.FirstSeed + n;
        std::memset(Shared, 0, sizeof(SharedBlock));
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t child = fork();
        if (child < 0) {
            std::perror("vantro2-fuzz: fork");
            return 2;
        }
        if (child == 0) RunSeed(seed, options.Events);
        int status = 0;
        while (waitpid(child, &status, 0) < 0) {
        }
        totalEvents += Shared->Events;
        totalCycles += Shared->Cycles;
        if (Shared->MaxDepth > deepest) deepest = Shared->MaxDepth;
        reached |= Shared->ScreensReached;
        const bool passed = Shared->Verdict == VerdictPassed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (passed) {
            if (warnings.empty()) warnings = Shared->Warnings;
        } else {
            ++failures;
            std::printf("seed %llu: %s after %llu events: %s\n", static_cast<unsigned long long>(seed),
                        VerdictText(status), static_cast<unsigned long long>(Shared->Events), Shared->Message);
            if (failures == 1) {
                std::printf("---- reproducing vantro2-script (vantro2-fuzz --seed %llu --events %llu) ----\n",
                            static_cast<unsigned long long>(seed), static_cast<unsigned long long>(options.Events));
                WriteScript(stdout, seed);
                std::printf("---- end of script ----\n");
                if (!WriteFile(options.ScriptFile, seed, false)) return 2;
            }
        }
        const double now = secondsSinceStart();
        if (options.Long && now - lastReport >= 10) {
            lastReport = now;
            std::printf("... %llu seeds, %llu events, %llu cycles, %llu failing, %.0f s\n",
                        static_cast<unsigned long long>(n + 1), static_cast<unsigned long long>(totalEvents),
                        static_cast<unsigned long long>(totalCycles), static_cast<unsigned long long>(failures), now);
        }
    }
    // Without a failure the files show the last seed, which the shared block still holds.
    const u64 lastSeed = options.FirstSeed + n - 1;
    if (failures == 0 && (!WriteFile(options.ScriptFile, lastSeed, false) || !WriteFile(options.ExpectFile, lastSeed, true)))
        return 2;
    if (!warnings.empty()) {
        std::printf("warnings (not faults):\n%s", warnings.c_str());
    }
    std::string missed;
    unsigned reachedCount = 0;
    for (u8 i = 0; i < ScreenRegistryCount && i < 64; ++i) {
        if ((reached >> i) & 1) ++reachedCount;
        else missed += std::string(" ") + ScreenRegistry[i].Name;
    }
    std::printf("screens reached: %u of %u%s%s\n", reachedCount, static_cast<unsigned>(ScreenRegistryCount),
                missed.empty() ? "" : "; not reached:", missed.c_str());
    std::printf("seeds %llu..%llu (%llu seeds): %llu events, %llu cycles, deepest nesting %u, %llu failing, %.1f s\n",
                static_cast<unsigned long long>(options.FirstSeed), static_cast<unsigned long long>(lastSeed),
                static_cast<unsigned long long>(n), static_cast<unsigned long long>(totalEvents),
                static_cast<unsigned long long>(totalCycles), deepest, static_cast<unsigned long long>(failures),
                secondsSinceStart());
    return failures == 0 ? 0 : 1;
}
