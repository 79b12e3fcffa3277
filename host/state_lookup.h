#pragma once
// Reading and writing the instrument's state variables by name ("Qnh", "TankCal[3]",
// "CurrentFlight.MaxRpm"), for the scripted runner and the tests.
#include "../instrument/state_table.h"

/// A resolved variable: where it lives and how to read it.
struct StateRef {
    void *Address;
    StateType Type;
};

/// Resolves a name, with an optional [index] for arrays; false if unknown or out of range.
bool FindState(const char *name, StateRef &out);
/// As FindState, but says what is wrong: nullptr when found, else a message (built in
/// `problem`, `size` bytes, when it names the variable).
const char *LookUpState(const char *name, StateRef &out, char *problem, unsigned size);
/// The value as text (signed types signed, screens by name) into a buffer of `size` bytes.
void FormatState(const StateRef &ref, char *text, unsigned size);
/// Parses and stores a value; false (and nothing changed) if it does not fit the type.
bool StoreState(const StateRef &ref, const char *value);
/// Reads a variable as a signed 64-bit number (screens read as 0).
long long ReadStateNumber(const StateRef &ref);
