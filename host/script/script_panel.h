#pragma once
// The scripted front panel: a FrontPanel whose messages come from a script of commands.
#include <cstdio>
#include <string>

#include "../front_panel.h"
#include "../flight/flight_track.h"
#include "../flight/live_links.h"
#include "../state_lookup.h"

/// Where a script run writes and how far it may go.
struct ScriptOptions {
    std::FILE *Output = stdout;  ///< what lcd, get, lamp, label, memo and render print
    std::FILE *Errors = stderr;  ///< the message of a bad line or a failed write
    long MaxRepeat = 100000000;  ///< largest count of tick1, tick2 and cycle (a typo must not run for days)
    bool WriteFiles = true;      ///< false: `png` checks its line but writes no file
    bool RealTime = true;        ///< false: `listen` and `sleep` check their line but open no port and never wait
    long RepeatCap = 0;          ///< not 0: larger counts (and seconds x 20) run as this many
    unsigned long MaxPumps = 0;  ///< not 0: the script ends (status 0) after this many pumps
};

struct SliderInfo;

class ScriptPanel : public FrontPanel, public InputSink {
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
    void MoveInput(u8 input, s32 raw) override;

    /// Steps of the instrument's time base: 50 ms of host time each, so 20 make a second.
    static constexpr unsigned StepsPerSecond = 20;
    /// One 50 ms step: the time base's step (TimeBaseStep: a Timer1 tick, and a Timer2 tick
    /// on every second step), then the next values of a file being played.
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
    /// A warning on standard error naming the line `line`; the script goes on.
    void Warn(unsigned line, const std::string &what);
    /// The "slider" action: position, latch and value label.
    void MoveSlider(const SliderInfo &slider, s32 position);
    /// The warning at the end of a played file that had values beyond a sensor's range.
    void ReportClampedValues();
    /// Applies what the live links have received.
    void PollLinks();

    // Flight-data commands (host/script/flight_commands.cpp), each given its arguments.
    /// input NAME VALUE UNIT
    void CommandInput(unsigned args, char **argv);
    /// play FILE [map MAPFILE] [ias-from-gs]; true if it ended the pump.
    bool CommandPlay(unsigned args, char **argv, bool insidePump);
    /// listen udp|nmea PORT
    void CommandListen(unsigned args, char **argv);
    /// sleep MS
    void CommandSleep(unsigned args, char **argv);

    std::FILE *Input;
    const char *FileName;
    ScriptOptions Options;
    unsigned LineNumber = 0;
    unsigned PumpsToSkip = 0;     ///< pumps left to pass with no event
    unsigned long TickStepsLeft = 0;  ///< time steps still to deliver, one per pump
    unsigned long Pumps = 0;          ///< pumps so far
    bool Calibrate = false;
    bool KeyFast = false;
    s32 SliderPositions[8] = {1, 1, 1, 1, 1, 1, 1, 1};  ///< by position from the top
    char Labels[17][16] = {};
    u32 Lamp = 255;
    u32 MemoLines = 0;
    u32 DisplayImage[256 * 128];
    FlightPlayer Player;
    std::string PlayFile;   ///< the file being played, for its closing report
    unsigned PlayLine = 0;  ///< the script line that started it
    LiveLinks Links;
};
