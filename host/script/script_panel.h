#pragma once
// The scripted front panel: a FrontPanel whose messages come from a script of commands.
#include <cstdio>
#include <string>

#include "../../instrument/front_panel.h"
#include "../flight/flight_track.h"
#include "../flight/live_links.h"

struct SliderInfo;

class ScriptPanel : public FrontPanel, public InputSink {
public:
    /// Reads commands from `input`; `fileName` only names the script in messages.
    ScriptPanel(std::FILE *input, const char *fileName);

    /// Steps of simulated time in one second ("seconds", "play").
    static constexpr unsigned StepsPerSecond = 10;

    /// Runs the whole script; returns the exit status (0, or 2 after a bad line).
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

private:
    /// Executes lines until one ends the current pump (or the script ends).
    void ExecuteLines(bool insidePump);
    /// Executes one line; true if it ended the current pump.
    bool ExecuteLine(char *line, bool insidePump);
    [[noreturn]] void Fail(const char *what);
    [[noreturn]] void Finish();
    /// A warning on standard error naming the line `line`; the script goes on.
    void Warn(unsigned line, const std::string &what);
    /// The "slider" action: position, latch and value label.
    void MoveSlider(const SliderInfo &slider, s32 position);
    /// One step of simulated time (the step of "seconds" and "play"): the timer ticks, then
    /// the next values of a file being played.
    void Step();
    /// Delivers `steps` steps: at once while the instrument is off or outside a pump,
    /// otherwise one a pump from this one on. True if the current pump ended.
    bool DeliverSteps(unsigned long steps, bool insidePump);
    /// Applies what the live links have received.
    void PollLinks();

    // Flight-data commands (host/script/flight_commands.cpp), each given its arguments.
    /// Runs a flight-data command; -1 if `command` is none, otherwise 1 if it ended the pump.
    int FlightCommand(const char *command, unsigned args, char **argv, bool insidePump);
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
    unsigned LineNumber = 0;
    unsigned PumpsToSkip = 0;     ///< pumps left to pass with no event
    unsigned TickStepsLeft = 0;   ///< "seconds" steps still to deliver, one per pump
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
