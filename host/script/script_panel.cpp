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
#include "script_commands.h"

namespace {

// A script starts at a fixed host time, so that no scenario depends on the real date;
// `clock` sets another. 2026-01-01 12:00:00, a Thursday.
constexpr HostDateTime DefaultHostTime{126, 1, 1, 4, 12, 0, 0};

/// Thrown to leave the script from any depth of nested runs; Run() catches it.
struct ScriptEnd {
    int Status;
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
    FreezeHostTime(DefaultHostTime);
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

void ScriptPanel::Warn(unsigned line, const std::string &what)
{
    std::fflush(Options.Output);
    std::fprintf(Options.Errors, "vantro2-script:%u: warning: %s\n", line, what.c_str());
}

void ScriptPanel::PumpMessages()
{
    if (Options.MaxPumps != 0 && ++Pumps > Options.MaxPumps) Finish();
    PollLinks();
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

void ScriptPanel::MoveSlider(const SliderInfo &slider, s32 position)
{
    SliderPositions[&slider - Sliders] = position;
    const u8 label = SliderChange(slider.TrackBar, position);
    if (label != 0) SetLabel(label, position);
}

void ScriptPanel::MoveInput(u8 input, s32 raw)
{
    if (input < 8) MoveSlider(Sliders[input], raw);
}

// The step of "seconds" and "play": the time base's step, then the next values of a file
// being played.
void ScriptPanel::TimeStep()
{
    TimeBaseStep();
    if (!Player.Playing()) return;
    Player.ApplyStep(*this);
    if (!Player.Playing()) ReportClampedValues();
}

void ScriptPanel::ReportClampedValues()
{
    const std::string report = Player.ClampedReport();
    if (!report.empty()) Warn(PlayLine, PlayFile + report);
}

bool ScriptPanel::RunTimeSteps(unsigned long steps, bool insidePump)
{
    if (steps == 0) return false;
    if (RunDepth == 0 || !insidePump) {
        for (unsigned long i = 0; i < steps; ++i) {
            if (i > 0) PollLinks();
            TimeStep();
        }
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

void ScriptPanel::BlitLcd() { Display.Paint(DisplayImage, 256); }

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
    return RunScriptCommand(*this, words, insidePump);
}
