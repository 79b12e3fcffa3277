#pragma once
// The scripted front panel: a FrontPanel whose messages come from a script of commands.
#include <cstdio>

#include "../front_panel.h"
#include "../state_lookup.h"

/// Where a script run writes and how far it may go.
struct ScriptOptions {
    std::FILE *Output = stdout;  ///< what lcd, get, lamp, label, memo and render print
    std::FILE *Errors = stderr;  ///< the message of a bad line or a failed write
    long MaxRepeat = 100000000;  ///< largest count of tick1, tick2 and cycle (a typo must not run for days)
    bool WriteFiles = true;      ///< false: `png` checks its line but writes no file
    long RepeatCap = 0;          ///< not 0: larger counts (and seconds x 20) run as this many
    unsigned long MaxPumps = 0;  ///< not 0: the script ends (status 0) after this many pumps
};

class ScriptPanel : public FrontPanel {
public:
    /// Reads commands from `input`; `fileName` only names the script in messages.
    ScriptPanel(std::FILE *input, const char *fileName, const ScriptOptions &options = ScriptOptions());

    /// Runs the whole script; returns the exit status (0, or 2 after a bad line or a failed
    /// write). Every run of the instrument the script started has ended when it returns.
    int Run();

    void PumpMessages() override;
    void BlitLcd() override;
    void HideDisplay() override {}
    void ShowDisplay() override {}
    bool CalibrateChecked() override { return Calibrate; }
    bool KeyFastChecked() override { return KeyFast; }
    s32 RpmSliderPosition() override { return SliderPositions[2]; }
    void SetLabel(u8 label, s32 value) override;
    void SetLampColour(u32 colour) override { Lamp = colour; }
    void AppendCommLine(const char *text) override;

    /// Steps of the instrument's time base: 50 ms of host time each, so 20 make a second.
    static constexpr unsigned StepsPerSecond = 20;
    /// One 50 ms step: a Timer1 tick, and a Timer2 tick on every second step (Timer1 ticks
    /// every 50 ms, Timer2 every 100 ms).
    void TimeStep();
    /// Runs `steps` time steps. While the instrument runs (and `insidePump`) the first step
    /// is delivered now and one more at each following pump, so every step is followed by one
    /// cycle; returns true then (the current pump has ended). Otherwise all steps happen at
    /// once with no cycle between them, and it returns false.
    bool RunTimeSteps(unsigned long steps, bool insidePump);

private:
    friend struct ScriptCommands;  // the commands (script_commands.cpp) drive the panel
    /// A repeat count (or a number of time steps) cut to Options.RepeatCap when one is set.
    unsigned long CapRepeat(unsigned long n) const
    {
        const unsigned long cap = static_cast<unsigned long>(Options.RepeatCap);
        return cap != 0 && n > cap ? cap : n;
    }

    /// Executes lines until one ends the current pump (or the script ends).
    void ExecuteLines(bool insidePump);
    /// Executes one line; true if it ended the current pump.
    bool ExecuteLine(char *line, bool insidePump);
    /// The `set` command: stores a value or stops with the reason it cannot be stored.
    void SetState(const char *name, const StateRef &ref, const char *value);
    /// Prints to the output; a failed write ends the script.
    void Print(const char *format, ...) __attribute__((format(printf, 2, 3)));
    /// The display as 64 lines of '#' (lit) and '.'.
    void PrintDisplay();
    /// Ends the script with status 2: "vantro2-script:LINE: what".
    [[noreturn]] void Fail(const char *what);
    /// Ends the script with status 2 after the output could not be written.
    [[noreturn]] void OutputFailed(int error);
    /// Ends the script: status 0 once every output byte is written.
    [[noreturn]] void Finish();

    std::FILE *Input;
    const char *FileName;
    ScriptOptions Options;
    unsigned LineNumber = 0;
    unsigned PumpsToSkip = 0;     ///< pumps left to pass with no event
    unsigned long TickStepsLeft = 0;  ///< time steps still to deliver, one per pump
    unsigned long TimeSteps = 0;      ///< time steps delivered so far (Timer2 on the even ones)
    unsigned long Pumps = 0;          ///< pumps so far
    bool Calibrate = false;
    bool KeyFast = false;
    s32 SliderPositions[8] = {1, 1, 1, 1, 1, 1, 1, 1};  ///< by position from the top
    char Labels[17][16] = {};
    u32 Lamp = 255;
    u32 MemoLines = 0;
    u32 DisplayImage[256 * 128];
};
