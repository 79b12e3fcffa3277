#pragma once
// The analogue input latches the board's converter fills, and the channel reader.
#include "../lcd/types.h"

extern s32 InputAltitude;   ///< channel 0, static pressure
extern s32 InputVsi;        ///< channel 1
extern s32 InputAirspeed;   ///< channel 2
extern s32 InputVolts;      ///< channel 4
extern s32 InputFuelLevel;  ///< channel 5
extern s32 InputOat;        ///< channel 6
extern s32 InputFuelFlow;   ///< flow-sender pulses per fuel computation

/// Highest reading of an input channel.
constexpr s32 AdcFullScale = 4096;

/// A latch as the converter delivers it: held within 0..AdcFullScale.
u32 ReadInputLatch(s32 latch);
/// The latch of one input channel (0, 1, 2, 4, 5, 6) within 0..4096; 0 for any other channel.
u32 ReadAdc(u8 channel);
/// Takes the board's RPM pulse input into RpmPulseCount and RpmPulsePeriod.
void ReadRpmInput();

struct StateTable;
/// The input latches by name.
extern const StateTable InputsState;
