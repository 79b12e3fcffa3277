#pragma once
// Named views of the instrument's state variables, for the scripted front panel and the
// tests: each unit lists its own variables in a table next to their definitions.
#include <type_traits>

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

#define STATE_VAR(name, type) \
    StateVar{#name, (void *)&(name), CheckedStateType<decltype(name), StateType::type>(), 1}
#define STATE_ARRAY(name, type)                                                                          \
    StateVar{#name, (void *)&(name)[0],                                                                  \
             CheckedStateType<std::remove_cv_t<std::remove_reference_t<decltype((name)[0])>>, StateType::type>(), \
             (u8)(sizeof(name) / sizeof((name)[0]))}
#define STATE_FIELD(record, field, type)                                                                 \
    StateVar{#record "." #field, (void *)&(record).field,                                                \
             CheckedStateType<decltype((record).field), StateType::type>(), 1}
#define STATE_TABLE(vars) StateTable{vars, (u16)(sizeof(vars) / sizeof((vars)[0]))}

// Each unit declares its own table in its header; host/state_lookup.cpp lists them all.
