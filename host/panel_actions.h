#pragma once
// The front panel's control actions, shared by the desktop window and the scripted runner so
// that both write the instrument's state by the same rules.
#include "../lcd/types.h"

/// A click on a push button or knob button: stores the key code only while KeySlot is empty.
void KeyClick(u8 code);
/// Told of every key click before it is stored (a session recorder); nullptr when nobody listens.
extern void (*KeyClickWatcher)(u8 code);
/// Script names of the key codes 1..5 (centre, cw, ccw, left, right), index code - 1.
extern const char *const KeyScriptNames[5];

/// One slider of the panel: its TrackBar number, its name, its value label and its latch.
struct SliderInfo {
    u8 TrackBar;        ///< 1..8
    const char *Name;   ///< script name, e.g. "fuel-level"
    const char *Title;  ///< caption of its name label
    u8 NameLabel;       ///< label number of the name
    u8 ValueLabel;      ///< label number of the value
    s32 *Latch;         ///< input latch, nullptr for the RPM slider (read by the cycle instead)
};

/// The eight sliders from top to bottom (TrackBar2, 1, 3, 4, 5, 6, 7, 8).
extern const SliderInfo Sliders[8];
/// Slider of a TrackBar number, or nullptr.
const SliderInfo *SliderByTrackBar(u8 trackBar);

/// Lowest and highest slider position.
constexpr s32 SliderMin = 0;
constexpr s32 SliderMax = 4096;

/// A slider's change action: stores the position in its latch; returns the label to update
/// (0 for the RPM slider, whose label follows the cycle instead).
u8 SliderChange(u8 trackBar, s32 position);

/// Colour of an unlit display pixel (the panel's inactive-border grey), 0xAARRGGBB.
constexpr u32 LcdUnlitRgb = 0xFFD4D0C8;
/// Colour of a lit display pixel, 0xAARRGGBB.
constexpr u32 LcdLitRgb = 0xFF000000;
