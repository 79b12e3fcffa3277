#pragma once
// What must hold after every cycle whatever a person has clicked: each setting inside the
// range its screens can produce, each enumerated setting inside its table of names, the
// cursor inside the rows of the current screen, the key consumed, the time-base flags sane.
//
// Variables are found by name through the state tables, so a variable or a screen that does
// not exist (yet) is reported as a warning, never as a fault.
#include <string>
#include <vector>

#include "../../lcd/types.h"
#include "../../screens/navigation.h"

/// Forgets what earlier checks saw (the history some rules depend on); call at the start of
/// every run of events.
void ResetInvariantTracking();

/// Checks every invariant. `cycleRan` is true when a full cycle (screen included) ran since
/// the last check, false after a splash frame. Returns false and writes a message on the
/// first fault found.
bool CheckInvariants(bool cycleRan, char *message, unsigned size);

/// Names of variables and screens the tables know but the instrument does not (yet) have,
/// and screens the instrument has that the cursor table does not know.
std::vector<std::string> InvariantWarnings();

/// Largest Cursor allowed on a screen as things stand, or -1 if the screen is not in the
/// table (it then gets the generic checks only).
int LargestCursor(ScreenFn screen);

/// Largest Cursor of a screen by its registered name, or -1 if unknown.
int LargestCursorByName(const char *name);
