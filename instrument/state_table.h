#pragma once
// Named views of the instrument's state variables, for the scripted front panel and the
// tests: each unit lists its own variables in a table next to their definitions.
#include <type_traits>

#include "../lcd/types.h"

enum class StateType : u8 { U8, S8, U16, S16, U32, S32, Screen };

/// What may be written into a variable from outside the instrument.
enum class StateAccess : u8 {
    AnyValue,  ///< any value of its type
    Ranged,    ///< only Low..High: the instrument indexes or counts with it
    ReadOnly,  ///< only the instrument writes it (it bounds the instrument's own loops)
};

/// One named variable (or array of Count elements) of the instrument's state.
struct StateVar {
    const char *Name;
    void *Address;
    StateType Type;
    u16 Count;  ///< 1 for a plain variable, the element count for an array
    StateAccess Access = StateAccess::AnyValue;
    s64 Low = 0;   ///< lowest value of a Ranged variable
    s64 High = 0;  ///< highest value of a Ranged variable
};

/// A unit's list of variables.
struct StateTable {
    const StateVar *Vars;
    u16 Count;
};

/// The StateType that describes a variable of type T; a type without one does not compile.
template <typename T> struct StateTypeOf;
template <> struct StateTypeOf<u8> { static constexpr StateType Value = StateType::U8; };
template <> struct StateTypeOf<s8> { static constexpr StateType Value = StateType::S8; };
template <> struct StateTypeOf<u16> { static constexpr StateType Value = StateType::U16; };
template <> struct StateTypeOf<s16> { static constexpr StateType Value = StateType::S16; };
template <> struct StateTypeOf<u32> { static constexpr StateType Value = StateType::U32; };
template <> struct StateTypeOf<s32> { static constexpr StateType Value = StateType::S32; };
template <> struct StateTypeOf<void (*)()> { static constexpr StateType Value = StateType::Screen; };

/// The type named in a table entry, refused at compile time unless it is the variable's own:
/// a u8 listed as U32 would otherwise be read and written four bytes wide.
template <typename T, StateType Listed> constexpr StateType CheckedStateType()
{
    static_assert(StateTypeOf<T>::Value == Listed, "state table entry names the wrong type");
    return Listed;
}

// The name, address, checked type and element count of a table entry.
#define STATE_VAR_HEAD(name, type) #name, (void *)&(name), CheckedStateType<decltype(name), StateType::type>(), 1
#define STATE_ARRAY_HEAD(name, type)                                                                     \
    #name, (void *)&(name)[0],                                                                           \
        CheckedStateType<std::remove_cv_t<std::remove_reference_t<decltype((name)[0])>>, StateType::type>(), \
        (u16)(sizeof(name) / sizeof((name)[0]))
#define STATE_FIELD_HEAD(record, field, type) \
    #record "." #field, (void *)&(record).field, CheckedStateType<decltype((record).field), StateType::type>(), 1

#define STATE_VAR(name, type) StateVar{STATE_VAR_HEAD(name, type)}
#define STATE_ARRAY(name, type) StateVar{STATE_ARRAY_HEAD(name, type)}
#define STATE_FIELD(record, field, type) StateVar{STATE_FIELD_HEAD(record, field, type)}
/// A variable (or array, or record field) that only takes low..high from outside.
#define STATE_VAR_IN(name, type, low, high) StateVar{STATE_VAR_HEAD(name, type), StateAccess::Ranged, low, high}
#define STATE_ARRAY_IN(name, type, low, high) StateVar{STATE_ARRAY_HEAD(name, type), StateAccess::Ranged, low, high}
#define STATE_FIELD_IN(record, field, type, low, high) \
    StateVar{STATE_FIELD_HEAD(record, field, type), StateAccess::Ranged, low, high}
/// A variable only the instrument itself writes.
#define STATE_VAR_READ_ONLY(name, type) StateVar{STATE_VAR_HEAD(name, type), StateAccess::ReadOnly}
#define STATE_TABLE(vars) StateTable{vars, (u16)(sizeof(vars) / sizeof((vars)[0]))}

// Each unit declares its own table in its header; host/state_lookup.cpp lists them all.
