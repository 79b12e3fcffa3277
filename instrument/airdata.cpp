#include "airdata.h"

#include "state_table.h"

u32 AdcAltitude;
s32 AdcVsi;
u32 AdcAirspeed;
u32 AdcVolts;
s32 AdcOat;
u32 StaticPressure;
u32 VsiScale;
s32 PressureAltitude;
s32 AltitudeFeet;
s32 Altitude;
s32 Vsi;
s32 VsiFeetPerMin;
u8 VsiClimbing;
s32 VsiDrift;
u32 AirspeedMph;
u32 Airspeed;
u32 TrueAirspeed;
u32 GlideRatio;
u32 AirDistance;
u32 Volts;
s32 OatCelsius;
s32 Oat;
u32 AirspeedFilterState;
u32 VsiFilterState;
s32 PressureAltitudeFilterState;
s32 QnhAltitudeFilterState;
s32 PrevAltitudeFeet;
s32 MaxAltitude;
u32 MaxAirspeed;
u32 MaxVolts;
s32 MinOat;
s32 MaxOat;
u8 AlarmFlags;
u8 AlarmAcknowledged;

void SetAlarm(u8 bit, bool condition)
{
    if (condition) {
        AlarmFlags |= bit;
    } else {
        AlarmFlags &= static_cast<u8>(~bit);
        AlarmAcknowledged &= static_cast<u8>(~bit);
    }
}

void UpdateAltitude() {}
void UpdateVsi() {}
void UpdateAirspeed() {}
void UpdateVolts() {}
void UpdateOat() {}
void ResetMaxValues() {}
s32 ToFahrenheit(s32 c) { return c * 18 / 10 + 32; }
u32 IntSqrt(u32) { return 0; }

static const StateVar AirDataVars[] = {
    STATE_VAR(AdcAltitude, U32),      STATE_VAR(AdcVsi, S32),
    STATE_VAR(AdcAirspeed, U32),      STATE_VAR(AdcVolts, U32),
    STATE_VAR(AdcOat, S32),           STATE_VAR(StaticPressure, U32),
    STATE_VAR(VsiScale, U32),         STATE_VAR(PressureAltitude, S32),
    STATE_VAR(AltitudeFeet, S32),     STATE_VAR(Altitude, S32),
    STATE_VAR(Vsi, S32),              STATE_VAR(VsiFeetPerMin, S32),
    STATE_VAR(VsiClimbing, U8),       STATE_VAR(VsiDrift, S32),
    STATE_VAR(AirspeedMph, U32),      STATE_VAR(Airspeed, U32),
    STATE_VAR(TrueAirspeed, U32),     STATE_VAR(GlideRatio, U32),
    STATE_VAR(AirDistance, U32),      STATE_VAR(Volts, U32),
    STATE_VAR(OatCelsius, S32),       STATE_VAR(Oat, S32),
    STATE_VAR(AirspeedFilterState, U32), STATE_VAR(VsiFilterState, U32),
    STATE_VAR(PressureAltitudeFilterState, S32), STATE_VAR(QnhAltitudeFilterState, S32),
    STATE_VAR(PrevAltitudeFeet, S32), STATE_VAR(MaxAltitude, S32),
    STATE_VAR(MaxAirspeed, U32),      STATE_VAR(MaxVolts, U32),
    STATE_VAR(MinOat, S32),           STATE_VAR(MaxOat, S32),
    STATE_VAR(AlarmFlags, U8),        STATE_VAR(AlarmAcknowledged, U8),
};
const StateTable AirDataState = STATE_TABLE(AirDataVars);
