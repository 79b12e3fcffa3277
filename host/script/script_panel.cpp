#include "script_panel.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "../../instrument/host_time.h"
#include "../../lcd/framebuffer.h"
#include "../../lcd/text.h"
#include "../command_line.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "../png_writer.h"
#include "../state_lookup.h"
#include "line_reader.h"
#include "render_extras.h"

namespace {

constexpr unsigned MaxWords = 8;
constexpr unsigned MaxLine = 1024;

/// Thrown to leave the script from any depth of nested runs; Run() catches it.
struct ScriptEnd {
    int Status;
};

struct Words {
    char *Item[MaxWords];
    bool Quoted[MaxWords];
    unsigned Count = 0;
};

// Splits a line into blank-separated words; a double-quoted word may hold \xNN, \" and \\.
// Returns an error text, or nullptr.
const char *SplitWords(char *line, Words &words)
{
    char *p = line;
    while (true) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == 0) return nullptr;
        if (words.Count == MaxWords) return "too many words";
        const unsigned n = words.Count++;
        if (*p == '"') {
            char *out = ++p;
            words.Item[n] = out;
            words.Quoted[n] = true;
            while (*p != '"') {
                if (*p == 0) return "unterminated text";
                if (*p != '\\') {
                    *out++ = *p++;
                    continue;
                }
                ++p;
                if (*p == '"' || *p == '\\') {
                    *out++ = *p++;
                } else if (*p == 'x') {
                    char hex[3] = {p[1], p[1] != 0 ? p[2] : '\0', 0};
                    char *end = nullptr;
                    const long value = std::strtol(hex, &end, 16);
                    if (hex[0] == 0 || hex[1] == 0 || end != hex + 2 || value == 0)
                        return "bad \\x escape (two hex digits, not 00)";
                    *out++ = static_cast<char>(value);
                    p += 3;
                } else {
                    return "unknown escape in text";
                }
            }
            *out = 0;
            ++p;
            if (*p != 0 && *p != ' ' && *p != '\t') return "text must be followed by a blank";
            if (*p != 0) ++p;
        } else {
            words.Item[n] = p;
            words.Quoted[n] = false;
            while (*p != 0 && *p != ' ' && *p != '\t') ++p;
            if (*p != 0) *p++ = 0;
        }
    }
}

} // namespace

ScriptPanel::ScriptPanel(std::FILE *input, const char *fileName, const ScriptOptions &options)
    : Input(input), FileName(fileName), Options(options)
{
    for (const SliderInfo &slider : Sliders) {
        std::snprintf(Labels[slider.NameLabel], sizeof Labels[0], "%s", slider.Title);
        std::snprintf(Labels[slider.ValueLabel], sizeof Labels[0], "0");
    }
    for (u32 &pixel : DisplayImage) pixel = LcdUnlitRgb;
}

int ScriptPanel::Run()
{
    try {
        ExecuteLines(false);
        Finish();
    } catch (const ScriptEnd &end) {
        ForgetRuns();
        return end.Status;
    }
}

void ScriptPanel::Finish()
{
    if (std::fflush(Options.Output) != 0 || std::ferror(Options.Output)) OutputFailed(errno);
    throw ScriptEnd{0};
}

void ScriptPanel::Fail(const char *what)
{
    std::fflush(Options.Output);
    std::fprintf(Options.Errors, "vantro2-script:%u: %s\n", LineNumber, what);
    throw ScriptEnd{2};
}

void ScriptPanel::OutputFailed(int error)
{
    std::fprintf(Options.Errors, "vantro2-script: cannot write standard output: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    throw ScriptEnd{2};
}

void ScriptPanel::Print(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    errno = 0;
    const int written = std::vfprintf(Options.Output, format, args);
    const int error = errno;
    va_end(args);
    if (written < 0) OutputFailed(error);
}

void ScriptPanel::PrintDisplay()
{
    char row[129];
    row[128] = 0;
    for (u8 y = 0; y < 64; ++y) {
        for (u8 x = 0; x < 128; ++x) row[x] = GetPixel(x, y) ? '#' : '.';
        Print("%s\n", row);
    }
}

void ScriptPanel::PumpMessages()
{
    if (PumpsToSkip > 0) {
        --PumpsToSkip;
        return;
    }
    if (TickStepsLeft > 0) {
        --TickStepsLeft;
        TimeStep();
        return;
    }
    ExecuteLines(true);
}

void ScriptPanel::TimeStep()
{
    Timer1Tick();
    if (++TimeSteps % 2 == 0) Timer2Tick();
}

bool ScriptPanel::RunTimeSteps(unsigned long steps, bool insidePump)
{
    if (steps == 0) return false;
    if (RunDepth == 0 || !insidePump) {
        for (unsigned long i = 0; i < steps; ++i) TimeStep();
        return false;
    }
    TimeStep();
    TickStepsLeft = steps - 1;
    return true;
}

void ScriptPanel::ExecuteLines(bool insidePump)
{
    char line[MaxLine];
    while (true) {
        const LineStatus status = ReadScriptLine(Input, line, sizeof line);
        if (status == LineStatus::End) break;
        if (status == LineStatus::ReadError) {
            // A script that cannot be read (a folder, a failing disk) is not an empty script.
            char message[MaxLine];
            std::snprintf(message, sizeof message, "cannot read %s: %s", FileName, std::strerror(errno));
            Fail(message);
        }
        ++LineNumber;
        if (status == LineStatus::TooLong) Fail("line too long");
        if (status == LineStatus::NulByte) Fail("NUL byte in the script");
        if (status == LineStatus::LoneCr) Fail("CR byte in the script (lines end in LF or CRLF)");
        if (ExecuteLine(line, insidePump)) return;
    }
    Finish();
}

void ScriptPanel::SetState(const char *name, const StateRef &ref, const char *value)
{
    char message[160];
    switch (StoreState(ref, value)) {
    case StoreResult::Stored: return;
    case StoreResult::NotANumber: std::snprintf(message, sizeof message, "%s takes a whole number", name); break;
    case StoreResult::OutOfRange:
        std::snprintf(message, sizeof message, "value out of range for %s (%lld..%lld)", name,
                      static_cast<long long>(ref.Low), static_cast<long long>(ref.High));
        break;
    case StoreResult::ReadOnly: std::snprintf(message, sizeof message, "%s is kept by the instrument and cannot be set", name); break;
    case StoreResult::UnknownScreen: std::snprintf(message, sizeof message, "unknown screen"); break;
    }
    Fail(message);
}

void ScriptPanel::BlitLcd() { PaintDisplayImage(DisplayImage, 256); }

void ScriptPanel::SetLabel(u8 label, s32 value)
{
    if (label >= 1 && label <= 16) std::snprintf(Labels[label], sizeof Labels[0], "%d", value);
}

void ScriptPanel::AppendCommLine(const char *)
{
    if (MemoLines < CommWindowMaxLines) ++MemoLines;
}

bool ScriptPanel::ExecuteLine(char *line, bool insidePump)
{
    // A comment is skipped whole, however many words it has.
    if (line[std::strspn(line, " \t")] == '#') return false;
    Words words;
    if (const char *error = SplitWords(line, words)) Fail(error);
    if (words.Count == 0) return false;
    const char *command = words.Item[0];
    const unsigned args = words.Count - 1;
    auto needArgs = [&](unsigned low, unsigned high) {
        if (args < low || args > high) {
            char message[96];
            std::snprintf(message, sizeof message, "%s: wrong number of arguments", command);
            Fail(message);
        }
    };
    auto count = [&](unsigned index) -> long {
        long n = 1;
        if (args >= index && !ParseBoundedLong(words.Item[index], 0, Options.MaxRepeat, n)) Fail("bad count");
        return n;
    };
    const bool running = RunDepth > 0;

    if (std::strcmp(command, "on") == 0) {
        needArgs(0, 0);
        InstrumentMainLoop();
    } else if (std::strcmp(command, "off") == 0) {
        needArgs(0, 0);
        RequestStop();
    } else if (std::strcmp(command, "key") == 0) {
        needArgs(1, 1);
        long code = 0;
        for (unsigned i = 0; i < 5; ++i)
            if (std::strcmp(words.Item[1], KeyScriptNames[i]) == 0) code = static_cast<long>(i) + 1;
        if (code == 0 && !ParseBoundedLong(words.Item[1], 1, 5, code)) Fail("unknown key (centre, cw, ccw, left, right or 1..5)");
        KeyClick(static_cast<u8>(code));
    } else if (std::strcmp(command, "slider") == 0) {
        needArgs(2, 2);
        const SliderInfo *slider = nullptr;
        for (const SliderInfo &s : Sliders) {
            char trackBarName[16];
            std::snprintf(trackBarName, sizeof trackBarName, "TrackBar%u", s.TrackBar);
            if (std::strcmp(words.Item[1], s.Name) == 0 || std::strcmp(words.Item[1], trackBarName) == 0) slider = &s;
        }
        if (slider == nullptr) Fail("unknown slider");
        long position = 0;
        if (!ParseBoundedLong(words.Item[2], SliderMin, SliderMax, position)) Fail("slider value must be 0..4096");
        SliderPositions[slider - Sliders] = static_cast<s32>(position);
        const u8 label = SliderChange(slider->TrackBar, static_cast<s32>(position));
        if (label != 0) SetLabel(label, static_cast<s32>(position));
    } else if (std::strcmp(command, "check") == 0) {
        needArgs(2, 2);
        long state = 0;
        if (!ParseBoundedLong(words.Item[2], 0, 1, state)) Fail("check state must be 0 or 1");
        if (std::strcmp(words.Item[1], "calibrate") == 0) Calibrate = state == 1;
        else if (std::strcmp(words.Item[1], "keyfast") == 0) KeyFast = state == 1;
        else Fail("unknown check box (calibrate or keyfast)");
    } else if (std::strcmp(command, "tick1") == 0 || std::strcmp(command, "tick2") == 0) {
        needArgs(0, 1);
        const long n = count(1);
        const bool first = command[4] == '1';
        for (long i = 0; i < n; ++i) first ? Timer1Tick() : Timer2Tick();
    } else if (std::strcmp(command, "clock") == 0) {
        needArgs(2, 2);
        int year, month, day, hour, minute, second;
        char tail;
        if (std::sscanf(words.Item[1], "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3 ||
            std::sscanf(words.Item[2], "%2d:%2d:%2d%c", &hour, &minute, &second, &tail) != 3)
            Fail("clock wants YYYY-MM-DD HH:MM:SS");
        if (year < 1900 || year > 2155 || month < 1 || month > 12 || day < 1 ||
            day > DaysInMonth(year, static_cast<u8>(month)) || hour < 0 || hour > 23 || minute < 0 ||
            minute > 59 || second < 0 || second > 59)
            Fail("clock value out of range");
        HostDateTime fixed{year - 1900, static_cast<u8>(month), static_cast<u8>(day),
                           WeekdayOf(year, static_cast<u8>(month), static_cast<u8>(day)),
                           static_cast<u8>(hour), static_cast<u8>(minute), static_cast<u8>(second)};
        FreezeHostTime(fixed);
    } else if (std::strcmp(command, "cycle") == 0) {
        needArgs(0, 1);
        const long n = count(1);
        if (!running || !insidePump || n == 0) return false;
        PumpsToSkip = static_cast<unsigned>(n - 1);
        return true;
    } else if (std::strcmp(command, "seconds") == 0) {
        needArgs(1, 1);
        long seconds = 0;
        if (!ParseBoundedLong(words.Item[1], 0, Options.MaxRepeat / StepsPerSecond, seconds)) Fail("bad number of seconds");
        return RunTimeSteps(static_cast<unsigned long>(seconds) * StepsPerSecond, insidePump);
    } else if (std::strcmp(command, "get") == 0) {
        needArgs(1, 1);
        StateRef ref;
        char problem[160];
        if (const char *error = LookUpState(words.Item[1], ref, problem, sizeof problem)) Fail(error);
        char value[64];
        FormatState(ref, value, sizeof value);
        Print("%s=%s\n", words.Item[1], value);
    } else if (std::strcmp(command, "set") == 0) {
        needArgs(2, 2);
        StateRef ref;
        char problem[160];
        if (const char *error = LookUpState(words.Item[1], ref, problem, sizeof problem)) Fail(error);
        SetState(words.Item[1], ref, words.Item[2]);
    } else if (std::strcmp(command, "lcd") == 0) {
        needArgs(0, 0);
        PrintDisplay();
    } else if (std::strcmp(command, "png") == 0) {
        needArgs(1, 1);
        std::string reason;
        if (Options.WriteFiles && !WritePng(words.Item[1], DisplayImage, 256, 128, &reason)) {
            char message[MaxLine + 128];
            std::snprintf(message, sizeof message, "cannot write %s: %s", words.Item[1], reason.c_str());
            Fail(message);
        }
    } else if (std::strcmp(command, "lamp") == 0) {
        needArgs(0, 0);
        Print("lamp=%u\n", Lamp);
    } else if (std::strcmp(command, "label") == 0) {
        needArgs(1, 1);
        long number = 0;
        if (std::strncmp(words.Item[1], "Label", 5) != 0 || !ParseBoundedLong(words.Item[1] + 5, 1, 16, number))
            Fail("unknown label (Label1..Label16)");
        Print("%s=%s\n", words.Item[1], Labels[number]);
    } else if (std::strcmp(command, "memo") == 0) {
        needArgs(0, 0);
        Print("memo=%u\n", MemoLines);
    } else if (std::strcmp(command, "render") == 0) {
        needArgs(2, 5);
        u8 saved[1024];
        std::memcpy(saved, FrameBuffer, sizeof saved);
        ClearFrameBuffer();
        const char *kind = words.Item[1];
        if (std::strcmp(kind, "icon") == 0) {
            needArgs(2, 2);
            long index = 0;
            if (!ParseBoundedLong(words.Item[2], 0, 15, index)) Fail("icon index must be 0..15");
            if (!RenderIcon(static_cast<u8>(index))) Fail("icons are not available");
        } else {
            needArgs(5, 5);
            long x = 0, y = 0, inv = 0;
            if (!ParseBoundedLong(words.Item[2], 0, 255, x) || !ParseBoundedLong(words.Item[3], 0, 255, y) ||
                !ParseBoundedLong(words.Item[4], 0, 255, inv))
                Fail("render position and INV must be 0..255");
            if (!words.Quoted[5]) Fail("render text must be double-quoted");
            char *text = words.Item[5];
            const bool small = std::strcmp(kind, "small") == 0;
            if (!small && std::strcmp(kind, "large") != 0 && std::strcmp(kind, "tall") != 0)
                Fail("render kind must be large, tall, small or icon");
            for (const char *p = text; *p != 0; ++p) {
                const u8 code = static_cast<u8>(*p);
                if (code < 32 || (small && code > 127)) Fail("character outside the font");
            }
            if (small) DrawSmallText(static_cast<u8>(x), static_cast<u8>(y), text, static_cast<u8>(inv));
            else DrawText(static_cast<u8>(x), static_cast<u8>(y), text, kind[0] == 't' ? 1 : 0, static_cast<u8>(inv));
        }
        PrintDisplay();
        std::memcpy(FrameBuffer, saved, sizeof saved);
    } else {
        Fail("unknown command");
    }
    return false;
}
