#pragma once
// Every screen of the instrument. A screen draws its whole picture once per cycle and then
// handles at most one key from KeySlot.

void MainPageScreen();          ///< the normal flight page
void MainMenuScreen();          ///< the menu hub, one entry at a time
void DoneMessageScreen();       ///< "DONE" message box, back to ReturnScreen on any key
void MaxValuesScreen();         ///< maxima and their reset
void FlightLogScreen();         ///< flight-log menu
void LogEntryScreen();          ///< one flight-log page
void LogInFlightScreen();       ///< notice that the log cannot be read in flight
void EraseLogScreen();          ///< erase-log confirmation
void HobbsMeterScreen();        ///< Hobbs RPM, Hobbs and maintenance time
void SetHobbsTimeScreen();      ///< Hobbs time digit editor
void SetMaintTimeScreen();      ///< maintenance time digit editor
void EnterHobbsCodeScreen();    ///< access code before Hobbs time editing
void EnterCurrentCodeScreen();  ///< current code before a code change
void EnterNewCodeScreen();      ///< new code
void ConfirmNewCodeScreen();    ///< new code once more
void IncorrectCodeScreen();     ///< wrong-code message box
void CodeChangedScreen();       ///< code-changed message box
void DisplaySetupScreen();      ///< contrast, backlight, temperature unit, date and time
void ContrastScreen();          ///< contrast bar
void DateTimeScreen();          ///< date and time editor
void AltSetupScreen();          ///< altitude units
void VsiSetupScreen();          ///< VSI unit and calibration
void ZeroVsiScreen();           ///< zero-VSI confirmation
void AsiSetupScreen();          ///< airspeed alarms, unit, filter
void ZeroAsiScreen();           ///< zero-airspeed-sensor confirmation
void VoltsSetupScreen();        ///< volts alarms
void RpmSetupScreen();          ///< RPM display, alarms, pulses and filter
void FuelSetupScreen();         ///< fuel unit, sources, tank and alarm
void TankCalScreen();           ///< six-point tank calibration
void SlopeErrorScreen();        ///< tank calibration slope error message
void FuelTotalScreen();         ///< fuel used and its reset
void StartingLevelScreen();     ///< starting fuel level prompt
void AdcValuesScreen();         ///< raw input readings
void CalibrateScreen();         ///< calibration trims
void FlightStartStopScreen();   ///< start or stop a manual flight
void ResetAirDistanceScreen();  ///< air distance reset prompt

// The variables of the screen units without a header of their own, by name.
struct StateTable;
extern const StateTable DisplaySetupState;     ///< the SET DATE&TIME fields
extern const StateTable FlightLogScreenState;  ///< the log page's slot
extern const StateTable HobbsCodeState;        ///< the digit cells and the pending code
