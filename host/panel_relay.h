#pragma once
// A front panel that passes every call on to another one: the base of the panels that stand
// between the instrument and the window to watch or drive it (session recording, replay).
#include "front_panel.h"

class PanelRelay : public FrontPanel {
public:
    /// Passes every call on to `target`.
    explicit PanelRelay(FrontPanel &target) : Target(target) {}

    void PumpMessages() override { Target.PumpMessages(); }
    void BlitLcd() override { Target.BlitLcd(); }
    void HideDisplay() override { Target.HideDisplay(); }
    void ShowDisplay() override { Target.ShowDisplay(); }
    bool CalibrateChecked() override { return Target.CalibrateChecked(); }
    bool KeyFastChecked() override { return Target.KeyFastChecked(); }
    s32 RpmSliderPosition() override { return Target.RpmSliderPosition(); }
    void SetLabel(u8 label, s32 value) override { Target.SetLabel(label, value); }
    void SetLampColour(u32 colour) override { Target.SetLampColour(colour); }
    void AppendCommLine(const char *text) override { Target.AppendCommLine(text); }

protected:
    FrontPanel &Target;
};
