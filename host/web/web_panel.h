#pragma once
// The browser front panel. The page (host/web/page) queues the person's clicks, slider moves,
// check boxes and its timers' ticks; the message pump delivers them inside the instrument's
// loop, as the desktop window's does. The blocking loop runs unchanged: built with Asyncify,
// the pump hands control back to the browser about every 10 ms (and once per frame during the
// start-up animation, which plays at the pace of redrawing) and carries on where it was.
#include "../flight/flight_pacer.h"
#include "../front_panel.h"

struct SliderInfo;

/// Kinds of the page's events; host/web/page/panel.js sends the same numbers.
enum PageEventKind : s32 {
    PageEventNone = 0,
    PageEventOn = 1,
    PageEventOff = 2,
    PageEventKey = 3,     ///< key code 1..5
    PageEventSlider = 4,  ///< TrackBar number 1..8, position 0..4096
    PageEventCheck = 5,   ///< 0 Calibrate, 1 KeyFast; state 0 or 1
    PageEventTimer1 = 6,
    PageEventTimer2 = 7,
    PageEventClock = 8,   ///< YYYYMMDD, HHMMSS: the host clock stands still at that time
    PageEventDemo = 9,    ///< demo flight 0 circuit, 1 cross-country: plays it (pressing "ON" if off)
    PageEventHold = 10,   ///< 1 pauses the flight, 0 resumes it
    PageEventSpeed = 11,  ///< simulated seconds per second, 1..600
};

/// One event of the page with its two numbers.
struct PageEvent {
    s32 Kind;
    s32 A;
    s32 B;
};

class WebPanel : public FrontPanel, public InputSink {
public:
    WebPanel();

    /// Waits for the page's events while the instrument is off and delivers them; never returns.
    [[noreturn]] void RunIdle();

    /// Acts on one event of the page; false (nothing done) for an event out of its ranges.
    bool Deliver(const PageEvent &event);

    void PumpMessages() override;
    void BlitLcd() override;
    void HideDisplay() override {}
    void ShowDisplay() override {}
    bool CalibrateChecked() override { return Calibrate; }
    bool KeyFastChecked() override { return KeyFast; }
    s32 RpmSliderPosition() override { return RpmSlider; }
    void SetLabel(u8 label, s32 value) override;
    void SetLampColour(u32 colour) override;
    void AppendCommLine(const char *text) override;
    /// A playing flight moves a slider (input 0..7) unless the person has taken it back.
    void MoveInput(u8 input, s32 raw) override;

private:
    /// Moves a slider as the person would: the instrument's input, its label and the page's slider.
    void MoveSlider(const SliderInfo &slider, s32 position);
    bool PlayDemo(s32 number);
    void ShowFlightStatus();
    void DeliverQueuedEvents();
    /// Hands the display, the new text lines and the counters to the page.
    void ShowOnPage();

    bool Calibrate = false;
    bool KeyFast = false;
    s32 RpmSlider = 1;
    s32 Labels[17];
    u32 Lamp = 0;
    bool DisplayChanged = false;
    bool CycleLineSincePump = false;  ///< a cycle wrote its line since the last pump
    double LastYieldMs = 0;
    u32 Cycles = 0;                   ///< cycles since the page was loaded (one line each)
    u32 NewLines = 0;                 ///< lines not yet on the page, at most the box's cap
    u32 NextLine = 0;                 ///< ring position of the next line
    char Lines[CommWindowMaxLines][64];
    u32 Display[128 * 64];            ///< RGBA bytes for the page's canvas, one per pixel
    FlightPacer Flight;
    s32 DemoPlayed = 0;               ///< the demo flight last started
    bool Released[8] = {};            ///< inputs the person took back from the flight
};
