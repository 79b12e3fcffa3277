#pragma once
// The main display page.
#include "../lcd/types.h"

/// Information page shown in the lower left quarter, 0..3.
extern u8 InfoPage;
