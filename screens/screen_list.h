// Every screen of the instrument, one line each:
//
//   SCREEN(function, last cursor position, edits values)
//
// The last cursor position is a number, CursorOfOpener for a message box (it keeps the
// cursor of the screen it returns to) or CursorByRows for a screen whose rows come and go
// with the settings. "Edits values" is 1 for a list with value rows, the only screens that
// enter edit mode. The lines are expanded into the screen declarations (screens.h) and the
// registry of names (screen_registry.cpp); the randomized runner checks the cursor against
// them. A new screen is its own file and one line here (and a main-menu row if the menu
// opens it).
//
// No include guard: each includer defines SCREEN, includes this file and undefines SCREEN.

SCREEN(MainPageScreen, 0, 0)                       // the normal flight page
SCREEN(MainMenuScreen, CursorByRows, 0)            // the menu hub, one entry at a time
SCREEN(DoneMessageScreen, CursorOfOpener, 0)       // "DONE" message box, back to ReturnScreen on any key
SCREEN(MaxValuesScreen, 1, 0)                      // maxima and their reset
SCREEN(FlightLogScreen, CursorByRows, 1)           // flight-log menu
SCREEN(LogEntryScreen, 29, 0)                      // one flight-log page
SCREEN(LogInFlightScreen, CursorOfOpener, 0)       // notice that the log cannot be read in flight
SCREEN(EraseLogScreen, 2, 0)                       // erase-log confirmation
SCREEN(HobbsMeterScreen, 5, 1)                     // Hobbs RPM, Hobbs and maintenance time
SCREEN(SetHobbsTimeScreen, 5, 0)                   // Hobbs time digit editor
SCREEN(SetMaintTimeScreen, 2, 0)                   // maintenance time digit editor
SCREEN(EnterHobbsCodeScreen, 3, 0)                 // access code before Hobbs time editing
SCREEN(EnterCurrentCodeScreen, 3, 0)               // current code before a code change
SCREEN(EnterNewCodeScreen, 3, 0)                   // new code
SCREEN(ConfirmNewCodeScreen, 3, 0)                 // new code once more
SCREEN(IncorrectCodeScreen, CursorOfOpener, 0)     // wrong-code message box
SCREEN(CodeChangedScreen, CursorOfOpener, 0)       // code-changed message box
SCREEN(DisplaySetupScreen, 4, 1)                   // contrast, backlight, temperature unit, date and time
SCREEN(ContrastScreen, 0, 0)                       // contrast bar
SCREEN(DateTimeScreen, 5, 0)                       // date and time editor
SCREEN(AltSetupScreen, 2, 1)                       // altitude units
SCREEN(VsiSetupScreen, 3, 1)                       // VSI unit and calibration
SCREEN(ZeroVsiScreen, 1, 0)                        // zero-VSI confirmation
SCREEN(AsiSetupScreen, 8, 1)                       // airspeed alarms, unit, filter
SCREEN(ZeroAsiScreen, 1, 0)                        // zero-airspeed-sensor confirmation
SCREEN(VoltsSetupScreen, 4, 1)                     // volts alarms
SCREEN(RpmSetupScreen, CursorByRows, 1)            // RPM display, alarms, pulses and filter
SCREEN(FuelSetupScreen, CursorByRows, 1)           // fuel unit, sources, tank and alarm
SCREEN(TankCalScreen, 7, 1)                        // six-point tank calibration
SCREEN(SlopeErrorScreen, 0, 0)                     // tank calibration slope error message
SCREEN(FuelTotalScreen, 1, 0)                      // fuel used and its reset
SCREEN(StartingLevelScreen, 0, 0)                  // starting fuel level prompt
SCREEN(AdcValuesScreen, 0, 0)                      // raw input readings
SCREEN(CalibrateScreen, 4, 1)                      // calibration trims
SCREEN(FlightStartStopScreen, 0, 0)                // start or stop a manual flight
SCREEN(ResetAirDistanceScreen, 0, 0)               // air distance reset prompt
