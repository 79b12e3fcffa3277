#pragma once
// A front panel for tests: counts pumps and runs a test's hook inside each one, the way the
// window delivers clicks inside the loop's message pump.
#include <functional>
#include <string>

#include "host/front_panel.h"

class TestPanel : public FrontPanel {
public:
    std::function<void(unsigned pump)> OnPump;
    unsigned Pumps = 0;
    unsigned Blits = 0;
    unsigned CommLines = 0;
    bool Hidden = false;
    bool HiddenDuringBlit = false;
    bool Calibrate = false;
    bool KeyFast = false;
    s32 RpmSlider = 1;
    s32 LabelValues[17] = {};
    u32 Lamp = 255;
    std::string LastCommLine;

    void PumpMessages() override
    {
        ++Pumps;
        if (OnPump) OnPump(Pumps);
    }
    void BlitLcd() override
    {
        ++Blits;
        HiddenDuringBlit = Hidden;
    }
    void HideDisplay() override { Hidden = true; }
    void ShowDisplay() override { Hidden = false; }
    bool CalibrateChecked() override { return Calibrate; }
    bool KeyFastChecked() override { return KeyFast; }
    s32 RpmSliderPosition() override { return RpmSlider; }
    void SetLabel(u8 label, s32 value) override { LabelValues[label] = value; }
    void SetLampColour(u32 colour) override { Lamp = colour; }
    void AppendCommLine(const char *text) override
    {
        ++CommLines;
        LastCommLine = text;
    }
};
