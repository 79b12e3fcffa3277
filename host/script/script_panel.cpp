#include "script_panel.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "../../instrument/host_time.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "../state_lookup.h"
#include "script_commands.h"

namespace {

constexpr unsigned MaxLine = 1024;
// A script starts at a fixed host time, so that no scenario depends on the real date;
// `clock` sets another. 2026-01-01 12:00:00, a Thursday.
constexpr HostDateTime DefaultHostTime{126, 1, 1, 4, 12, 0, 0};

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

ScriptPanel::ScriptPanel(std::FILE *input, const char *fileName) : Input(input), FileName(fileName)
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
    ExecuteLines(false);
    Finish();
}

void ScriptPanel::Finish()
{
    std::fflush(stdout);
    std::exit(0);
}

void ScriptPanel::Fail(const char *what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "vantro2-script:%u: %s\n", LineNumber, what);
    std::exit(2);
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
    while (std::fgets(line, sizeof line, Input) != nullptr) {
        ++LineNumber;
        const size_t length = std::strlen(line);
        if (length == sizeof line - 1 && line[length - 1] != '\n') Fail("line too long");
        if (ExecuteLine(line, insidePump)) return;
    }
    // A script that cannot be read (a folder, a failing disk) is not an empty script.
    if (std::ferror(Input)) {
        char message[MaxLine];
        std::snprintf(message, sizeof message, "cannot read %s: %s", FileName, std::strerror(errno));
        Fail(message);
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
    line[std::strcspn(line, "\r\n")] = 0;
    // A comment is skipped whole, however many words it has.
    if (line[std::strspn(line, " \t")] == '#') return false;
    Words words;
    if (const char *error = SplitWords(line, words)) Fail(error);
    if (words.Count == 0) return false;
    return RunScriptCommand(*this, words, insidePump);
}
