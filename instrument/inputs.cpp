#include "inputs.h"

#include "board.h"
#include "engine_fuel.h"
#include "state_table.h"

s32 InputAltitude;
s32 InputVsi;
s32 InputAirspeed;
s32 InputVolts;
s32 InputFuelLevel;
s32 InputOat;
s32 InputFuelFlow;

u32 ReadInputLatch(s32 latch)
{
    if (latch < 0) return 0;
    return latch > AdcFullScale ? AdcFullScale : static_cast<u32>(latch);
}

u32 ReadAdc(u8 channel)
{
    switch (channel) {
    case 0: return ReadInputLatch(InputAltitude);
    case 1: return ReadInputLatch(InputVsi);
    case 2: return ReadInputLatch(InputAirspeed);
    case 4: return ReadInputLatch(InputVolts);
    case 5: return ReadInputLatch(InputFuelLevel);
    case 6: return ReadInputLatch(InputOat);
    default: return 0;
    }
}

void ReadRpmInput()
{
    const s32 position = ReadRpmPulseInput();
    RpmPulseCount = position;
    RpmPulsePeriod = static_cast<u32>(position) * 20;
}

static const StateVar InputVars[] = {
    STATE_VAR(InputAltitude, S32), STATE_VAR(InputVsi, S32),       STATE_VAR(InputAirspeed, S32),
    STATE_VAR(InputVolts, S32),    STATE_VAR(InputFuelLevel, S32), STATE_VAR(InputOat, S32),
    STATE_VAR(InputFuelFlow, S32),
};
const StateTable InputsState = STATE_TABLE(InputVars);
