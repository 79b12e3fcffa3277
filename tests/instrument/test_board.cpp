// The board's RPM input for tests that run the firmware without a front panel: the pulse
// count of one Timer2 window is whatever the test puts in TestRpmPulses.
#include "instrument/board.h"

s32 TestRpmPulses = 0;

s32 ReadRpmPulseInput() { return TestRpmPulses; }
