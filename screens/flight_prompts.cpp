// The two prompts of the main page's right button: start or stop a flight by hand, and
// reset the air distance.
#include "../instrument/flight.h"
#include "../instrument/settings.h"
#include "menu_engine.h"
#include "screens.h"

namespace {

// The flight itself is started and stopped by the flight unit, the one place that also
// reads a clock not yet read since power-on, so a flight started in the first seconds
// still carries its date; the prompt then goes back to the main page.
void StartFlightNow()
{
    StartFlight();
    CurrentScreen = MainPageScreen;
}

void StopFlightNow()
{
    StopFlight();
    CurrentScreen = MainPageScreen;
}

void ResetAirDistance()
{
    ShowDoneMessage(MainPageScreen);
    ClearAirDistance();
}

const TextLine StartLines[] = {{"START", 84, 10, 1}, {"FLIGHT", 84, 30, 1}};
const TextLine StopLines[] = {{"STOP", 84, 10, 1}, {"FLIGHT", 84, 30, 1}};
const ConfirmDialog StartDialog(IconQuestion, StartLines, " START ", StartFlightNow, MainPageScreen);
const ConfirmDialog StopDialog(IconQuestion, StopLines, " STOP ", StopFlightNow, MainPageScreen);

const TextLine ResetLines[] = {{"RESET AIR", 64, 3, 1}, {"DISTANCE", 64, 19, 1}, {"COUNTER?", 64, 35, 1}};
const ConfirmDialog ResetDialog(NoIcon, ResetLines, " RESET ", ResetAirDistance, MainPageScreen);

} // namespace

void FlightStartStopScreen() { RunConfirmDialog(InFlight == 1 ? StopDialog : StartDialog); }

void ResetAirDistanceScreen() { RunConfirmDialog(ResetDialog); }
