#include "web_panel.h"

#include <emscripten.h>

#include <cstdio>
#include <cstring>

#include "../../instrument/host_time.h"
#include "../../lcd/framebuffer.h"
#include "../flight/flight_files.h"
#include "../main_loop.h"
#include "../panel_actions.h"

// The page's side (panel_library.js). panel_yield and panel_wait_event suspend the
// WebAssembly code (Asyncify) and resume it where it stopped.
extern "C" {
void panel_yield(int untilNextFrame);
void panel_wait_event();
s32 panel_next_event(s32 *numbers);
void panel_rejected(s32 kind, s32 a, s32 b);
void panel_show(const u32 *display, int displayChanged, const char *lines, u32 linesLength, u32 cycles, u32 runDepth);
void panel_set_label(int label, int value);
void panel_set_lamp(u32 colour);
void panel_add_slider(int trackBar, const char *title, int nameLabel, int valueLabel);
void panel_start_timers(int timer1Ms, int timer2Ms);
void panel_set_slider(int trackBar, int position);
void panel_flight_status(const char *text);
}

namespace {

constexpr double YieldBudgetMs = 10;  // the browser gets control back at least this often

/// The demo flights, embedded in the page's file system by the build (host/web/CMakeLists.txt).
const char *const DemoFlights[] = {"circuit", "cross-country"};
constexpr s32 DemoFlightCount = sizeof DemoFlights / sizeof DemoFlights[0];

/// A display pixel as the canvas stores it: the bytes R, G, B, A in memory order.
u32 CanvasColour(u32 argb)
{
    return 0xFF000000u | (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF);
}

const u32 CanvasLit = CanvasColour(LcdLitRgb);
const u32 CanvasUnlit = CanvasColour(LcdUnlitRgb);

/// New text lines, oldest first, each ending in a line break.
char JoinedLines[CommWindowMaxLines * 65];

bool ValidClock(s32 date, s32 time)
{
    const s32 year = date / 10000, month = date / 100 % 100, day = date % 100;
    const s32 hour = time / 10000, minute = time / 100 % 100, second = time % 100;
    return year >= 1900 && year <= 2155 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, static_cast<u8>(month)) && time >= 0 && hour <= 23 && minute <= 59 &&
           second <= 59;
}

void FreezeClock(s32 date, s32 time)
{
    const s32 year = date / 10000;
    const u8 month = static_cast<u8>(date / 100 % 100), day = static_cast<u8>(date % 100);
    FreezeHostTime(HostDateTime{year - 1900, month, day, WeekdayOf(year, month, day),
                                static_cast<u8>(time / 10000), static_cast<u8>(time / 100 % 100),
                                static_cast<u8>(time % 100)});
}

} // namespace

WebPanel::WebPanel()
{
    for (s32 &value : Labels) value = 0;
    for (u32 &pixel : Display) pixel = CanvasUnlit;
}

void WebPanel::RunIdle()
{
    for (const SliderInfo &slider : Sliders) panel_add_slider(slider.TrackBar, slider.Title, slider.NameLabel, slider.ValueLabel);
    panel_start_timers(TimeStepMs, 2 * TimeStepMs);  // Timer1 and Timer2, as in the window
    for (;;) {
        ShowOnPage();
        panel_wait_event();
        DeliverQueuedEvents();
    }
}

// Only here do the page's events take effect, so no action ever interleaves with a cycle.
// A pump with no cycle line since the last one belongs to the start-up animation: each of
// its frames is shown before the next is drawn.
void WebPanel::PumpMessages()
{
    const bool animationFrame = !CycleLineSincePump;
    CycleLineSincePump = false;
    const double now = emscripten_get_now();
    if (animationFrame || now - LastYieldMs >= YieldBudgetMs) {
        ShowOnPage();
        panel_yield(animationFrame ? 1 : 0);
        LastYieldMs = emscripten_get_now();
    }
    DeliverQueuedEvents();
    if (!Flight.Pump(emscripten_get_now(), *this)) return;
    const std::string end = std::string(DemoFlights[DemoPlayed]) + " ended" + Flight.ClampedReport();
    panel_flight_status(end.c_str());
}

void WebPanel::DeliverQueuedEvents()
{
    s32 numbers[2];
    for (s32 kind; (kind = panel_next_event(numbers)) != PageEventNone;)
        if (!Deliver(PageEvent{kind, numbers[0], numbers[1]})) panel_rejected(kind, numbers[0], numbers[1]);
}

bool WebPanel::Deliver(const PageEvent &event)
{
    switch (event.Kind) {
    case PageEventOn:
        InstrumentMainLoop();
        return true;
    case PageEventOff:
        RequestStop();
        return true;
    case PageEventKey:
        if (event.A < 1 || event.A > 5) return false;
        KeyClick(static_cast<u8>(event.A));
        return true;
    case PageEventSlider: {
        const SliderInfo *slider = event.A >= 1 && event.A <= 8 ? SliderByTrackBar(static_cast<u8>(event.A)) : nullptr;
        if (slider == nullptr || event.B < SliderMin || event.B > SliderMax) return false;
        Released[slider - Sliders] = true;
        MoveSlider(*slider, event.B);
        return true;
    }
    case PageEventCheck:
        if ((event.A != 0 && event.A != 1) || (event.B != 0 && event.B != 1)) return false;
        (event.A == 0 ? Calibrate : KeyFast) = event.B == 1;
        return true;
    // While a flight plays, its steps are the timer ticks.
    case PageEventTimer1:
        if (!Flight.TakesTime()) Timer1Tick();
        return true;
    case PageEventTimer2:
        if (!Flight.TakesTime()) Timer2Tick();
        return true;
    case PageEventClock:
        if (!ValidClock(event.A, event.B)) return false;
        FreezeClock(event.A, event.B);
        return true;
    case PageEventDemo:
        return PlayDemo(event.A);
    case PageEventHold:
        if (event.A != 0 && event.A != 1) return false;
        if (event.A == 1 ? Flight.Pause() : Flight.Resume(emscripten_get_now())) ShowFlightStatus();
        return true;
    case PageEventSpeed:
        if (event.A < 1 || event.A > static_cast<s32>(MaxFlightSpeed)) return false;
        Flight.SetSpeed(static_cast<unsigned>(event.A), emscripten_get_now());
        if (Flight.TakesTime()) ShowFlightStatus();
        return true;
    default:
        return false;
    }
}

// The first row is on the inputs before the instrument's first cycle; "ON" is pressed for
// the person when the instrument is off.
bool WebPanel::PlayDemo(s32 number)
{
    if (number < 0 || number >= DemoFlightCount) return false;
    char path[64];
    std::snprintf(path, sizeof path, "/flights/%s.csv", DemoFlights[number]);
    FlightTrack track;
    std::string message;
    if (!ReadFlightFile(path, {}, track, message)) {
        panel_flight_status(message.c_str());
        return true;
    }
    for (bool &released : Released) released = false;
    DemoPlayed = number;
    Flight.Start(std::move(track), *this, emscripten_get_now());
    ShowFlightStatus();
    if (RunDepth == 0) InstrumentMainLoop();
    return true;
}

void WebPanel::ShowFlightStatus()
{
    char text[64];
    if (Flight.Paused()) std::snprintf(text, sizeof text, "Paused %s", DemoFlights[DemoPlayed]);
    else std::snprintf(text, sizeof text, "Playing %s at x%u", DemoFlights[DemoPlayed], Flight.Speed());
    panel_flight_status(text);
}

void WebPanel::MoveInput(u8 input, s32 raw)
{
    if (input >= 8 || Released[input]) return;
    MoveSlider(Sliders[input], raw);
    panel_set_slider(Sliders[input].TrackBar, raw);
}

void WebPanel::MoveSlider(const SliderInfo &slider, s32 position)
{
    if (slider.Latch == nullptr) RpmSlider = position;
    const u8 label = SliderChange(slider.TrackBar, position);
    if (label != 0) SetLabel(label, position);
}

void WebPanel::BlitLcd()
{
    for (u32 y = 0; y < 64; ++y)
        for (u32 x = 0; x < 128; ++x) Display[y * 128 + x] = GetPixel(static_cast<u8>(x), static_cast<u8>(y)) ? CanvasLit : CanvasUnlit;
    DisplayChanged = true;
}

void WebPanel::SetLabel(u8 label, s32 value)
{
    if (label < 1 || label > 16 || Labels[label] == value) return;
    Labels[label] = value;
    panel_set_label(label, value);
}

void WebPanel::SetLampColour(u32 colour)
{
    if (colour == Lamp) return;
    Lamp = colour;
    panel_set_lamp(colour);
}

void WebPanel::AppendCommLine(const char *text)
{
    ++Cycles;
    CycleLineSincePump = true;
    std::snprintf(Lines[NextLine], sizeof Lines[0], "%s", text);
    NextLine = (NextLine + 1) % CommWindowMaxLines;
    if (NewLines < CommWindowMaxLines) ++NewLines;
}

void WebPanel::ShowOnPage()
{
    char *out = JoinedLines;
    for (u32 i = NewLines; i > 0; --i) {
        const char *line = Lines[(NextLine + CommWindowMaxLines - i) % CommWindowMaxLines];
        const size_t length = std::strlen(line);
        std::memcpy(out, line, length);
        out += length;
        *out++ = '\n';
    }
    NewLines = 0;
    panel_show(Display, DisplayChanged ? 1 : 0, JoinedLines, static_cast<u32>(out - JoinedLines), Cycles, RunDepth);
    DisplayChanged = false;
}
