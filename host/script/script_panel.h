#pragma once
// The scripted front panel: a FrontPanel whose messages come from a script of commands.
#include <cstdio>

#include "../front_panel.h"

class ScriptPanel : public FrontPanel {
public:
    /// Reads commands from `input`; `fileName` only names the script in messages.
    ScriptPanel(std::FILE *input, const char *fileName);

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

private:
    /// Executes lines until one ends the current pump (or the script ends).
    void ExecuteLines(bool insidePump);
    /// Executes one line; true if it ended the current pump.
    bool ExecuteLine(char *line, bool insidePump);
    [[noreturn]] void Fail(const char *what);
    [[noreturn]] void Finish();

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
};
