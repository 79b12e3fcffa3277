#include "script_commands.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "../../instrument/host_time.h"
#include "../../lcd/framebuffer.h"
#include "../../lcd/text.h"
#include "../command_line.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "../png_writer.h"
#include "../state_lookup.h"
#include "render_extras.h"

/// One line being executed: its words, and whether it runs inside a pump of the instrument.
struct ScriptCall {
    Words &Line;
    bool InsidePump;

    const char *Command() const { return Line.Item[0]; }
    const char *Arg(unsigned index) const { return Line.Item[index]; }
    unsigned Args() const { return Line.Count - 1; }
};

/// The handlers of the commands; a friend of ScriptPanel, whose panel state they drive.
/// Each returns true when it ended the current pump.
struct ScriptCommands {
    using Handler = bool (*)(ScriptPanel &panel, const ScriptCall &call);
    struct Command {
        const char *Name;
        unsigned MinArgs;
        unsigned MaxArgs;
        Handler Run;
    };
    static const Command Table[];

    /// Finds the line's command in the table, checks its argument count and runs it.
    static bool Execute(ScriptPanel &panel, const ScriptCall &call);

    /// Stops the script unless the line has `low`..`high` arguments.
    static void NeedArgs(ScriptPanel &panel, const ScriptCall &call, unsigned low, unsigned high)
    {
        if (call.Args() >= low && call.Args() <= high) return;
        char message[96];
        std::snprintf(message, sizeof message, "%s: wrong number of arguments", call.Command());
        panel.Fail(message);
    }

    /// The optional repeat count at `index` (1 when it is not given).
    static long Count(ScriptPanel &panel, const ScriptCall &call, unsigned index)
    {
        long n = 1;
        if (call.Args() >= index && !ParseBoundedLong(call.Arg(index), 0, panel.Options.MaxRepeat, n)) panel.Fail("bad count");
        return static_cast<long>(panel.CapRepeat(static_cast<unsigned long>(n)));
    }

    static bool On(ScriptPanel &, const ScriptCall &)
    {
        InstrumentMainLoop();
        return false;
    }

    static bool Off(ScriptPanel &, const ScriptCall &)
    {
        RequestStop();
        return false;
    }

    static bool Key(ScriptPanel &panel, const ScriptCall &call)
    {
        long code = 0;
        for (unsigned i = 0; i < 5; ++i)
            if (std::strcmp(call.Arg(1), KeyScriptNames[i]) == 0) code = static_cast<long>(i) + 1;
        if (code == 0 && !ParseBoundedLong(call.Arg(1), 1, 5, code))
            panel.Fail("unknown key (centre, cw, ccw, left, right or 1..5)");
        KeyClick(static_cast<u8>(code));
        return false;
    }

    static bool Slider(ScriptPanel &panel, const ScriptCall &call)
    {
        const SliderInfo *slider = nullptr;
        for (const SliderInfo &s : Sliders) {
            char trackBarName[16];
            std::snprintf(trackBarName, sizeof trackBarName, "TrackBar%u", s.TrackBar);
            if (std::strcmp(call.Arg(1), s.Name) == 0 || std::strcmp(call.Arg(1), trackBarName) == 0) slider = &s;
        }
        if (slider == nullptr) panel.Fail("unknown slider");
        long position = 0;
        if (!ParseBoundedLong(call.Arg(2), SliderMin, SliderMax, position)) panel.Fail("slider value must be 0..4096");
        panel.MoveSlider(*slider, static_cast<s32>(position));
        return false;
    }

    static bool Check(ScriptPanel &panel, const ScriptCall &call)
    {
        long state = 0;
        if (!ParseBoundedLong(call.Arg(2), 0, 1, state)) panel.Fail("check state must be 0 or 1");
        if (std::strcmp(call.Arg(1), "calibrate") == 0) panel.Calibrate = state == 1;
        else if (std::strcmp(call.Arg(1), "keyfast") == 0) panel.KeyFast = state == 1;
        else panel.Fail("unknown check box (calibrate or keyfast)");
        return false;
    }

    static bool Tick1(ScriptPanel &panel, const ScriptCall &call)
    {
        const long n = Count(panel, call, 1);
        for (long i = 0; i < n; ++i) Timer1Tick();
        return false;
    }

    static bool Tick2(ScriptPanel &panel, const ScriptCall &call)
    {
        const long n = Count(panel, call, 1);
        for (long i = 0; i < n; ++i) Timer2Tick();
        return false;
    }

    static bool Clock(ScriptPanel &panel, const ScriptCall &call)
    {
        int year, month, day, hour, minute, second;
        char tail;
        if (std::sscanf(call.Arg(1), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3 ||
            std::sscanf(call.Arg(2), "%2d:%2d:%2d%c", &hour, &minute, &second, &tail) != 3)
            panel.Fail("clock wants YYYY-MM-DD HH:MM:SS");
        if (year < 1900 || year > 2155 || month < 1 || month > 12 || day < 1 ||
            day > DaysInMonth(year, static_cast<u8>(month)) || hour < 0 || hour > 23 || minute < 0 ||
            minute > 59 || second < 0 || second > 59)
            panel.Fail("clock value out of range");
        HostDateTime fixed{year - 1900, static_cast<u8>(month), static_cast<u8>(day),
                           WeekdayOf(year, static_cast<u8>(month), static_cast<u8>(day)),
                           static_cast<u8>(hour), static_cast<u8>(minute), static_cast<u8>(second)};
        FreezeHostTime(fixed);
        return false;
    }

    static bool Cycle(ScriptPanel &panel, const ScriptCall &call)
    {
        const long n = Count(panel, call, 1);
        if (RunDepth == 0 || !call.InsidePump || n == 0) return false;
        panel.PumpsToSkip = static_cast<unsigned>(n - 1);
        return true;
    }

    static bool Seconds(ScriptPanel &panel, const ScriptCall &call)
    {
        long seconds = 0;
        if (!ParseBoundedLong(call.Arg(1), 0, panel.Options.MaxRepeat / ScriptPanel::StepsPerSecond, seconds))
            panel.Fail("bad number of seconds");
        return panel.RunTimeSteps(panel.CapRepeat(static_cast<unsigned long>(seconds) * ScriptPanel::StepsPerSecond),
                                  call.InsidePump);
    }

    /// The variable named by the first argument, or the script stops with the reason.
    static StateRef LookUp(ScriptPanel &panel, const ScriptCall &call)
    {
        StateRef ref;
        char problem[160];
        if (const char *error = LookUpState(call.Arg(1), ref, problem, sizeof problem)) panel.Fail(error);
        return ref;
    }

    static bool Get(ScriptPanel &panel, const ScriptCall &call)
    {
        const StateRef ref = LookUp(panel, call);
        char value[64];
        FormatState(ref, value, sizeof value);
        panel.Print("%s=%s\n", call.Arg(1), value);
        return false;
    }

    static bool Set(ScriptPanel &panel, const ScriptCall &call)
    {
        const StateRef ref = LookUp(panel, call);
        panel.SetState(call.Arg(1), ref, call.Arg(2));
        return false;
    }

    static bool Lcd(ScriptPanel &panel, const ScriptCall &)
    {
        panel.PrintDisplay();
        return false;
    }

    static bool Png(ScriptPanel &panel, const ScriptCall &call)
    {
        std::string reason;
        if (panel.Options.WriteFiles && !WritePng(call.Arg(1), panel.DisplayImage, 256, 128, &reason)) {
            char message[MaxLine + 128];
            std::snprintf(message, sizeof message, "cannot write %s: %s", call.Arg(1), reason.c_str());
            panel.Fail(message);
        }
        return false;
    }

    static bool Lamp(ScriptPanel &panel, const ScriptCall &)
    {
        panel.Print("lamp=%u\n", panel.Lamp);
        return false;
    }

    static bool Label(ScriptPanel &panel, const ScriptCall &call)
    {
        long number = 0;
        if (std::strncmp(call.Arg(1), "Label", 5) != 0 || !ParseBoundedLong(call.Arg(1) + 5, 1, 16, number))
            panel.Fail("unknown label (Label1..Label16)");
        panel.Print("%s=%s\n", call.Arg(1), panel.Labels[number]);
        return false;
    }

    static bool Memo(ScriptPanel &panel, const ScriptCall &)
    {
        panel.Print("memo=%u\n", panel.MemoLines);
        return false;
    }

    /// `render icon N` or `render large|tall|small X Y INV "TEXT"` on a blank display; the
    /// instrument's own picture is put back afterwards.
    static bool Render(ScriptPanel &panel, const ScriptCall &call)
    {
        u8 saved[1024];
        std::memcpy(saved, FrameBuffer, sizeof saved);
        ClearFrameBuffer();
        if (std::strcmp(call.Arg(1), "icon") == 0) RenderIconLine(panel, call);
        else RenderTextLine(panel, call);
        panel.PrintDisplay();
        std::memcpy(FrameBuffer, saved, sizeof saved);
        return false;
    }

    static void RenderIconLine(ScriptPanel &panel, const ScriptCall &call)
    {
        NeedArgs(panel, call, 2, 2);
        long index = 0;
        if (!ParseBoundedLong(call.Arg(2), 0, 15, index)) panel.Fail("icon index must be 0..15");
        if (!RenderIcon(static_cast<u8>(index))) panel.Fail("icons are not available");
    }

    static void RenderTextLine(ScriptPanel &panel, const ScriptCall &call)
    {
        NeedArgs(panel, call, 5, 5);
        const char *kind = call.Arg(1);
        long x = 0, y = 0, inv = 0;
        if (!ParseBoundedLong(call.Arg(2), 0, 255, x) || !ParseBoundedLong(call.Arg(3), 0, 255, y) ||
            !ParseBoundedLong(call.Arg(4), 0, 255, inv))
            panel.Fail("render position and INV must be 0..255");
        if (!call.Line.Quoted[5]) panel.Fail("render text must be double-quoted");
        char *text = call.Line.Item[5];
        const bool small = std::strcmp(kind, "small") == 0;
        if (!small && std::strcmp(kind, "large") != 0 && std::strcmp(kind, "tall") != 0)
            panel.Fail("render kind must be large, tall, small or icon");
        for (const char *p = text; *p != 0; ++p) {
            const u8 code = static_cast<u8>(*p);
            if (code < 32 || (small && code > 127)) panel.Fail("character outside the font");
        }
        if (small) DrawSmallText(static_cast<u8>(x), static_cast<u8>(y), text, static_cast<u8>(inv));
        else DrawText(static_cast<u8>(x), static_cast<u8>(y), text, kind[0] == 't' ? 1 : 0, static_cast<u8>(inv));
    }

    static bool Input(ScriptPanel &panel, const ScriptCall &call)
    {
        panel.CommandInput(call.Args(), call.Line.Item + 1);
        return false;
    }

    static bool Play(ScriptPanel &panel, const ScriptCall &call)
    {
        return panel.CommandPlay(call.Args(), call.Line.Item + 1, call.InsidePump);
    }

    static bool Listen(ScriptPanel &panel, const ScriptCall &call)
    {
        panel.CommandListen(call.Args(), call.Line.Item + 1);
        return false;
    }

    static bool Sleep(ScriptPanel &panel, const ScriptCall &call)
    {
        panel.CommandSleep(call.Args(), call.Line.Item + 1);
        return false;
    }
};

// Name, fewest and most arguments, handler.
const ScriptCommands::Command ScriptCommands::Table[] = {
    {"on", 0, 0, On},         {"off", 0, 0, Off},         {"key", 1, 1, Key},       {"slider", 2, 2, Slider},
    {"check", 2, 2, Check},   {"tick1", 0, 1, Tick1},     {"tick2", 0, 1, Tick2},   {"clock", 2, 2, Clock},
    {"cycle", 0, 1, Cycle},   {"seconds", 1, 1, Seconds}, {"get", 1, 1, Get},       {"set", 2, 2, Set},
    {"lcd", 0, 0, Lcd},       {"png", 1, 1, Png},         {"lamp", 0, 0, Lamp},     {"label", 1, 1, Label},
    {"memo", 0, 0, Memo},     {"render", 2, 5, Render},
    // Flight data (flight_commands.cpp).
    {"input", 3, 3, Input},   {"play", 1, 6, Play},       {"listen", 2, 2, Listen}, {"sleep", 1, 1, Sleep},
};

bool ScriptCommands::Execute(ScriptPanel &panel, const ScriptCall &call)
{
    for (const Command &command : Table) {
        if (std::strcmp(call.Command(), command.Name) != 0) continue;
        NeedArgs(panel, call, command.MinArgs, command.MaxArgs);
        return command.Run(panel, call);
    }
    panel.Fail("unknown command");
}

bool RunScriptCommand(ScriptPanel &panel, Words &words, bool insidePump)
{
    return ScriptCommands::Execute(panel, ScriptCall{words, insidePump});
}
