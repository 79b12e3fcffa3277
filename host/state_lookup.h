#pragma once
// Reading and writing the instrument's state variables by name ("Qnh", "TankCal[3]",
// "CurrentFlight.MaxRpm"), for the scripted runner and the tests.
#include <utility>
#include <vector>

#include "../instrument/state_table.h"

/// A resolved variable: where it lives, how to read it and what may be written into it.
struct StateRef {
    void *Address;
    StateType Type;
    StateAccess Access = StateAccess::AnyValue;
    s64 Low = 0;   ///< lowest value a write may store (the type's lowest unless Ranged)
    s64 High = 0;  ///< highest value a write may store
};

/// What became of a write.
enum class StoreResult : u8 { Stored, NotANumber, OutOfRange, ReadOnly, UnknownScreen };

/// Resolves a name, with an optional [index] for arrays; false if unknown or out of range.
bool FindState(const char *name, StateRef &out);
/// As FindState, but says what is wrong: nullptr when found, else a message (built in
/// `problem`, `size` bytes, when it names the variable).
const char *LookUpState(const char *name, StateRef &out, char *problem, unsigned size);
/// The value as text (signed types signed, screens by name) into a buffer of `size` bytes.
void FormatState(const StateRef &ref, char *text, unsigned size);
/// Parses and stores a number (decimal or 0x hex) within ref.Low..ref.High, or a screen by
/// name; anything else changes nothing and says why.
StoreResult StoreState(const StateRef &ref, const char *value);
/// Calls `visit` with every element of every table (arrays element by element) and its name.
void ForEachStateElement(void (*visit)(const char *name, const StateRef &ref, void *context), void *context);
/// Reads a variable as a signed 64-bit number (screens read as 0).
long long ReadStateNumber(const StateRef &ref);

/// The bytes of every named state variable at one moment.
struct StateSnapshot {
    std::vector<std::pair<void *, std::vector<unsigned char>>> Elements;
};
/// Takes the bytes of every element of every table.
StateSnapshot TakeStateSnapshot();
/// Puts every element back as the snapshot found it.
void RestoreStateSnapshot(const StateSnapshot &snapshot);
