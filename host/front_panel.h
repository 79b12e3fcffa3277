#pragma once
// What the instrument's main loop needs of the front panel around it. The desktop window and
// the scripted runner each implement it; the loop never talks to a toolkit directly.
#include "../lcd/types.h"

class FrontPanel {
public:
    virtual ~FrontPanel() = default;
    /// Delivers every pending message (clicks, slider changes, timer ticks) once and returns.
    virtual void PumpMessages() = 0;
    /// Copies the frame buffer into the display image.
    virtual void BlitLcd() = 0;
    /// Hides the display image while it is redrawn.
    virtual void HideDisplay() = 0;
    /// Shows the display image again.
    virtual void ShowDisplay() = 0;
    /// State of the "Calibrate" check box.
    virtual bool CalibrateChecked() = 0;
    /// State of the "KeyFast" check box.
    virtual bool KeyFastChecked() = 0;
    /// Position of the RPM slider (TrackBar3), 0..4096.
    virtual s32 RpmSliderPosition() = 0;
    /// Sets the caption of one value label (Label1..Label16).
    virtual void SetLabel(u8 label, s32 value) = 0;
    /// Sets the alarm lamp's fill colour (0x00BBGGRR: 255 bright red, 128 dark red).
    virtual void SetLampColour(u32 colour) = 0;
    /// Appends one line to the "Communication Window".
    virtual void AppendCommLine(const char *text) = 0;
};

/// The panel the instrument runs behind; set by the host before the first "ON".
extern FrontPanel *Panel;

/// Most lines the "Communication Window" keeps; older lines are dropped.
constexpr u32 CommWindowMaxLines = 500;
