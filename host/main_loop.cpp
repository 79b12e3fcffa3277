#include "main_loop.h"

#include "../instrument/airdata.h"
#include "../instrument/engine_fuel.h"
#include "../instrument/flight.h"
#include "../instrument/inputs.h"
#include "../instrument/settings.h"
#include "../instrument/state_table.h"
#include "../lcd/framebuffer.h"
#include "../lcd/text.h"
#include "front_panel.h"
#include "../screens/main_page.h"
#include "../screens/navigation.h"
#include "../screens/screens.h"

u8 StopRequest;
char CommBuffer[50];
u8 BlinkDivider;
u8 SlowDivider;
u8 FuelTickDivider;
u8 RunDepth;

namespace {

bool Shutdown = false;
bool SplashPump = false;  // the pump under way follows a start-up frame

constexpr u8 SplashFrames = 80;
const char WebAddress[] = "www.zyt-avionics.com";
const char FirmwareVersion[] = "2.02";

void PowerOnResets()
{
    ResetMaxValues();
    LoadFactoryDefaults();
    LoadCalibrationDefaults();
    AlarmFlags = 0;
    AlarmAcknowledged = 0;
    InfoPage = 0;
    InputAirspeed = 0;
    AirDistance = 0;
    FlightHours = 0;
    FlightFraction = 0;
    FlightLogIndex = 0;
    InFlight = 0;
    FlightLogged = 0;
    StopwatchRunning = 0;
    CalibrateMode = 0;
    KeySlot = 0;
    GpsDataValid = 1;
}

// The maker line slides in from the right, then the product line from the left.
void PlaySplash()
{
    u8 zx = 127;
    u8 vx = 219;
    for (u8 frame = 0; frame < SplashFrames && !Shutdown; ++frame) {
        Panel->HideDisplay();
        ClearFrameBuffer();
        DrawText(zx, 5, "ZYT AVIONICS", 1, 0);
        if (static_cast<s8>(zx) > 20) zx = static_cast<u8>(zx - 2);
        DrawTextCentred(vx, 28, "VANTRO-2", 1, 0);
        if (static_cast<s8>(zx) < 120 && static_cast<s8>(vx) < 64) vx = static_cast<u8>(vx + 2);
        if (CalibrateMode == 1) DrawSmallTextCentred(60, 46, "CALIBRATE", 100);
        DrawSmallTextCentred(64, 56, WebAddress, 100);
        DrawSmallText(103, 40, FirmwareVersion, 100);
        Panel->BlitLcd();
        Panel->ShowDisplay();
        SplashPump = true;
        Panel->PumpMessages();
        SplashPump = false;
    }
}

void UpdateAlarmLamp()
{
    if (AlarmFlags != 0 && AlarmAcknowledged == 0 && BlinkFlag == 1) {
        AlarmOutputOn();
        Panel->SetLampColour(255);
    } else {
        AlarmOutputOff();
        Panel->SetLampColour(128);
    }
}

void RunCycle()
{
    RunMeasurements();
    // The text ends at the buffer's last byte at the latest, whatever was written into it.
    CommBuffer[sizeof CommBuffer - 1] = 0;
    Panel->AppendCommLine(CommBuffer);
    CalibrateMode = Panel->CalibrateChecked() ? 1 : 0;
    if (Backlight == 1) BacklightOn();
    else BacklightOff();
    UpdateAlarmLamp();
    KeyStep = Panel->KeyFastChecked() ? 10 : 1;
    Panel->HideDisplay();
    ClearFrameBuffer();
    CurrentScreen();
    Panel->BlitLcd();
    Panel->ShowDisplay();
    Panel->PumpMessages();
}

} // namespace

void RunMeasurements()
{
    UpdateRpm();
    UpdateFuelLevel();
    UpdateFuelFlow();
    if (FuelTick == 1) {
        FuelTick = 0;
        TakeFuelPulses();
        UpdateFuelFlow();
    }
    if (SlowTick == 1) {
        SlowTick = 0;
        RunSlowTick();
        ReadClock();
        UpdateVolts();
        UpdateOat();
    }
    UpdateAltitude();
    UpdateVsi();
    UpdateAirspeed();
    UpdateFuelLevel();
}

void InstrumentMainLoop()
{
    if (Panel == nullptr || Shutdown || RunDepth >= MaxRunDepth) return;
    ++RunDepth;
    PowerOnResets();
    PlaySplash();
    AlarmOutputOff();
    StopRequest = 0;
    CurrentScreen = MainPageScreen;
    CalibrateMode = 1;
    // The whole navigation state starts at 0: a run stopped while a value was being edited
    // must not leave the next one in edit mode.
    Cursor = 0;
    EditMode = 0;
    ListTop = 0;
    ReturnScreen = nullptr;
    while (StopRequest == 0 && !Shutdown) RunCycle();
    --RunDepth;
}

bool SplashFramePumping() { return SplashPump; }

void RequestStop() { StopRequest = 1; }

void ForgetRuns()
{
    RunDepth = 0;
    StopRequest = 0;
    SplashPump = false;
}

void RequestShutdown()
{
    Shutdown = true;
    StopRequest = 1;
}

bool ShutdownRequested() { return Shutdown; }

void Timer1Tick()
{
    const u8 d = BlinkDivider;
    BlinkDivider = static_cast<u8>(d + 1);
    if (d > 9) {
        BlinkDivider = 0;
        BlinkFlag = static_cast<u8>(1 - BlinkFlag);
    }
    const u8 s = SlowDivider;
    SlowDivider = static_cast<u8>(s + 1);
    if (s < 19) return;
    SlowDivider = 0;
    SlowTick = 1;
    const u8 f = FuelTickDivider;
    FuelTickDivider = static_cast<u8>(f + 1);
    if (f > 2) {
        FuelTickDivider = 0;
        FuelTick = 1;
    }
    if (StopwatchRunning == 1) ++StopwatchTicks;
}

void Timer2Tick()
{
    RpmPulseLatch = static_cast<u32>(RpmPulseCount);
    RpmPulseCount = 0;
}

static const StateVar HostLoopVars[] = {
    STATE_VAR(StopRequest, U8),      STATE_VAR(BlinkDivider, U8),    STATE_VAR(SlowDivider, U8),
    STATE_VAR(FuelTickDivider, U8),
    // The depth of nested runs bounds the stack: only "ON" and its end change it.
    STATE_VAR_READ_ONLY(RunDepth, U8),
    StateVar{"KeySlot", &LcdMemory.KeySlot, StateType::U8, 1},
    StateVar{"KeyStep", &LcdMemory.KeyStep, StateType::U8, 1},
    // The communication text, one character code per element.
    StateVar{"CommBuffer", CommBuffer, StateType::U8, sizeof CommBuffer},
    // The display image, 8 pages of 128 columns (bit y mod 8 of byte y / 8 x 128 + x).
    StateVar{"FrameBuffer", LcdMemory.FrameBuffer, StateType::U8, sizeof LcdMemory.FrameBuffer},
};
const StateTable HostLoopState = STATE_TABLE(HostLoopVars);

void TimeBaseStep()
{
    static u32 steps = 0;
    Timer1Tick();
    if (++steps % 2 == 0) Timer2Tick();
}
