#pragma once
// Every screen of the instrument (listed in screen_list.h). A screen draws its whole picture
// once per cycle and then handles at most one key from KeySlot.

#define SCREEN(function, lastCursor, edits) void function();
#include "screen_list.h"
#undef SCREEN

// The variables of the screen units without a header of their own, by name.
struct StateTable;
extern const StateTable DisplaySetupState;     ///< the SET DATE&TIME fields
extern const StateTable FlightLogScreenState;  ///< the log page's slot
extern const StateTable HobbsCodeState;        ///< the digit cells and the pending code
