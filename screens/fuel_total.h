#pragma once
// FUEL TOTAL and the starting-level prompt of the calculated fuel level.
#include "../lcd/types.h"

/// Level being entered on the starting-level prompt, in the units of TankSize (litres, or
/// tenths of a gallon); kept between visits of the prompt.
extern s32 StartingLevel;

struct StateTable;
/// The starting-level prompt's variable by name.
extern const StateTable FuelTotalState;
