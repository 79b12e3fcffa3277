#include "panel_actions.h"

#include "../instrument/inputs.h"
#include "../lcd/framebuffer.h"

const SliderInfo Sliders[8] = {
    {2, "altitude", "Altitude", 2, 3, &InputAltitude},
    {1, "airspeed", "Airspeed", 1, 13, &InputAirspeed},
    {3, "rpm", "RPM", 4, 8, nullptr},
    {4, "volts", "Volts", 5, 9, &InputVolts},
    {5, "fuel-level", "Fuel Level", 6, 10, &InputFuelLevel},
    {6, "fuel-flow", "Fuel Flow", 7, 11, &InputFuelFlow},
    {7, "oat", "OAT", 12, 14, &InputOat},
    {8, "vsi", "VSI", 15, 16, &InputVsi},
};

void (*KeyClickWatcher)(u8 code) = nullptr;
const char *const KeyScriptNames[5] = {"centre", "cw", "ccw", "left", "right"};

void KeyClick(u8 code)
{
    if (KeyClickWatcher != nullptr) KeyClickWatcher(code);
    if (KeySlot == 0) KeySlot = code;
}

const SliderInfo *SliderByTrackBar(u8 trackBar)
{
    for (const SliderInfo &slider : Sliders)
        if (slider.TrackBar == trackBar) return &slider;
    return nullptr;
}

u8 SliderChange(u8 trackBar, s32 position)
{
    const SliderInfo *slider = SliderByTrackBar(trackBar);
    if (slider == nullptr || slider->Latch == nullptr) return 0;
    *slider->Latch = position;
    return slider->ValueLabel;
}
