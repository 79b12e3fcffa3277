#pragma once
// Named views of the instrument's state variables, for the scripted front panel and the
// tests: each unit lists its own variables in a table next to their definitions.
#include "../lcd/types.h"

enum class StateType : u8 { U8, S8, U16, S16, U32, S32, Screen };

/// One named variable (or array of Count elements) of the instrument's state.
struct StateVar {
    const char *Name;
    void *Address;
    StateType Type;
    u8 Count;  ///< 1 for a plain variable, the element count for an array
};

/// A unit's list of variables.
struct StateTable {
    const StateVar *Vars;
    u16 Count;
};

#define STATE_VAR(name, type) StateVar{#name, (void *)&(name), StateType::type, 1}
#define STATE_ARRAY(name, type) \
    StateVar{#name, (void *)&(name)[0], StateType::type, (u8)(sizeof(name) / sizeof((name)[0]))}
#define STATE_FIELD(record, field, type) StateVar{#record "." #field, (void *)&(record).field, StateType::type, 1}
#define STATE_TABLE(vars) StateTable{vars, (u16)(sizeof(vars) / sizeof((vars)[0]))}

// The tables of the instrument's units.
extern const StateTable SettingsState;
extern const StateTable InputsState;
extern const StateTable AirDataState;
extern const StateTable EngineFuelState;
extern const StateTable FlightState;
extern const StateTable NavigationState;
extern const StateTable HostLoopState;
extern const StateTable MainPageState;
extern const StateTable DisplaySetupState;
extern const StateTable FlightLogScreenState;
extern const StateTable HobbsCodeState;
extern const StateTable FuelSetupState;
extern const StateTable FuelTotalState;
