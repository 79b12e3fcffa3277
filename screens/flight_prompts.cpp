// The two prompts of the main page's right button: start or stop a flight by hand, and
// reset the air distance.
#include "../instrument/flight.h"
#include "../instrument/settings.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

void StartFlight()
{
    FlightLogged = 0;
    InFlight = 1;
    FlightTicks = 0;
    // The flight-time counters start from zero as they do for a detected take-off, so the
    // time counted for this flight is not added to the last one's.
    FlightFraction = 0;
    FlightHours = 0;
    CurrentFlight.Year = RealTimeClock.Year;
    CurrentFlight.Month = RealTimeClock.Month;
    CurrentFlight.Day = RealTimeClock.Day;
    CurrentFlight.Hour = RealTimeClock.Hour;
    CurrentFlight.Minute = RealTimeClock.Minute;
    CurrentFlight.FlightHours = 0;
    CurrentFlight.FlightFraction = 0;
    CurrentFlight.HobbsHours = static_cast<s32>(HobbsHours);
    CurrentFlight.HobbsFraction = HobbsFraction;
    CurrentFlight.MaxAltitude = 0;
    CurrentFlight.MaxAirspeed = 0;
    CurrentFlight.MaxRpm = 0;
    if (DistZeroAuto == 1) ClearAirDistance();
    CurrentScreen = MainPageScreen;
}

void StopFlight()
{
    if (FlightLogged != 0) SaveFlightLog();
    InFlight = 0;
    CurrentScreen = MainPageScreen;
}

void ResetAirDistance()
{
    ShowDoneMessage(MainPageScreen);
    ClearAirDistance();
}

const TextLine StartLines[] = {{"START", 84, 10, 1}, {"FLIGHT", 84, 30, 1}};
const TextLine StopLines[] = {{"STOP", 84, 10, 1}, {"FLIGHT", 84, 30, 1}};
const ConfirmDialog StartDialog(3, StartLines, " START ", StartFlight, MainPageScreen);
const ConfirmDialog StopDialog(3, StopLines, " STOP ", StopFlight, MainPageScreen);

const TextLine ResetLines[] = {{"RESET AIR", 64, 3, 1}, {"DISTANCE", 64, 19, 1}, {"COUNTER?", 64, 35, 1}};
const ConfirmDialog ResetDialog(NoIcon, ResetLines, " RESET ", ResetAirDistance, MainPageScreen);

} // namespace

void FlightStartStopScreen() { RunConfirmDialog(InFlight == 1 ? StopDialog : StartDialog); }

void ResetAirDistanceScreen() { RunConfirmDialog(ResetDialog); }
