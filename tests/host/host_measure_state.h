#pragma once
// The measurement state of tests/instrument/measure_state.h, with no front panel behind the
// instrument, and a panel whose RPM slider stands where a test puts it.
#include "host/front_panel.h"
#include "instrument/measure_state.h"

/// A front panel whose RPM slider stands where the test puts it.
class RpmSliderPanel : public FrontPanel {
public:
    s32 Position = 0;
    void PumpMessages() override {}
    void BlitLcd() override {}
    void HideDisplay() override {}
    void ShowDisplay() override {}
    bool CalibrateChecked() override { return false; }
    bool KeyFastChecked() override { return false; }
    s32 RpmSliderPosition() override { return Position; }
    void SetLabel(u8, s32) override {}
    void SetLampColour(u32) override {}
    void AppendCommLine(const char *) override {}
};

/// Factory settings, cleared measurements and no front panel.
inline void ResetMeasurementStateWithoutPanel()
{
    Panel = nullptr;
    ResetMeasurementState();
}
