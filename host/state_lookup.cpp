#include "state_lookup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../instrument/airdata.h"
#include "../instrument/engine_fuel.h"
#include "../instrument/flight.h"
#include "../instrument/inputs.h"
#include "../instrument/settings.h"
#include "../instrument/time_base.h"
#include "../screens/fuel_setup.h"
#include "../screens/fuel_total.h"
#include "../screens/main_page.h"
#include "../screens/navigation.h"
#include "../screens/screens.h"
#include "main_loop.h"

namespace {

const StateTable *const AllTables[] = {
    &SettingsState,     &InputsState,          &AirDataState,   &EngineFuelState,
    &FlightState,       &NavigationState,      &HostLoopState,  &MainPageState,
    &DisplaySetupState, &FlightLogScreenState, &HobbsCodeState, &FuelSetupState,
    &FuelTotalState,    &TimeBaseState,
};

u8 ElementSize(StateType type)
{
    switch (type) {
    case StateType::U8:
    case StateType::S8: return 1;
    case StateType::U16:
    case StateType::S16: return 2;
    case StateType::U32:
    case StateType::S32: return 4;
    case StateType::Screen: return sizeof(ScreenFn);
    }
    return 1;
}

struct Limits {
    long long Low;
    long long High;
};

Limits LimitsOf(StateType type)
{
    switch (type) {
    case StateType::U8: return {0, 255};
    case StateType::S8: return {-128, 127};
    case StateType::U16: return {0, 65535};
    case StateType::S16: return {-32768, 32767};
    case StateType::U32: return {0, 4294967295LL};
    case StateType::S32: return {-2147483648LL, 2147483647LL};
    case StateType::Screen: return {0, 0};
    }
    return {0, 0};
}

StateRef ElementRef(const StateVar &var, u16 element)
{
    StateRef ref;
    ref.Address = static_cast<u8 *>(var.Address) + element * ElementSize(var.Type);
    ref.Type = var.Type;
    ref.Access = var.Access;
    const Limits limits = LimitsOf(var.Type);
    ref.Low = var.Access == StateAccess::Ranged ? var.Low : limits.Low;
    ref.High = var.Access == StateAccess::Ranged ? var.High : limits.High;
    return ref;
}

} // namespace

void ForEachStateElement(void (*visit)(const char *name, const StateRef &ref, void *context), void *context)
{
    char name[80];
    for (const StateTable *table : AllTables) {
        for (u16 i = 0; i < table->Count; ++i) {
            const StateVar &var = table->Vars[i];
            for (u16 element = 0; element < var.Count; ++element) {
                if (var.Count > 1) std::snprintf(name, sizeof name, "%s[%u]", var.Name, element);
                else std::snprintf(name, sizeof name, "%s", var.Name);
                visit(name, ElementRef(var, element), context);
            }
        }
    }
}

const char *LookUpState(const char *name, StateRef &out, char *problem, unsigned size)
{
    char base[64];
    const char *bracket = std::strchr(name, '[');
    long index = -1;
    const size_t length = bracket != nullptr ? static_cast<size_t>(bracket - name) : std::strlen(name);
    if (length == 0 || length >= sizeof base) return "unknown variable";
    std::memcpy(base, name, length);
    base[length] = 0;
    if (bracket != nullptr) {
        char *end = nullptr;
        errno = 0;
        index = std::strtol(bracket + 1, &end, 10);
        if (errno != 0 || end == bracket + 1 || *end != ']' || end[1] != 0 || index < 0) {
            std::snprintf(problem, size, "bad index in %s (a number in [])", name);
            return problem;
        }
    }
    for (const StateTable *table : AllTables) {
        for (u16 i = 0; i < table->Count; ++i) {
            const StateVar &var = table->Vars[i];
            if (std::strcmp(var.Name, base) != 0) continue;
            const bool isArray = var.Count > 1;
            if (isArray && (index < 0 || index >= var.Count)) {
                std::snprintf(problem, size, "%s is a list: name one element, %s[0]..%s[%u]", base, base, base,
                              var.Count - 1u);
                return problem;
            }
            if (!isArray && index >= 0) {
                std::snprintf(problem, size, "%s is not a list", base);
                return problem;
            }
            out = ElementRef(var, isArray ? static_cast<u16>(index) : 0);
            return nullptr;
        }
    }
    return "unknown variable";
}

bool FindState(const char *name, StateRef &out)
{
    char problem[8];
    return LookUpState(name, out, problem, sizeof problem) == nullptr;
}

long long ReadStateNumber(const StateRef &ref)
{
    switch (ref.Type) {
    case StateType::U8: return *static_cast<u8 *>(ref.Address);
    case StateType::S8: return *static_cast<s8 *>(ref.Address);
    case StateType::U16: return *static_cast<u16 *>(ref.Address);
    case StateType::S16: return *static_cast<s16 *>(ref.Address);
    case StateType::U32: return *static_cast<u32 *>(ref.Address);
    case StateType::S32: return *static_cast<s32 *>(ref.Address);
    case StateType::Screen: return 0;
    }
    return 0;
}

void FormatState(const StateRef &ref, char *text, unsigned size)
{
    if (ref.Type == StateType::Screen) {
        const ScreenFn screen = *static_cast<ScreenFn *>(ref.Address);
        const char *name = screen == nullptr ? "none" : ScreenName(screen);
        std::snprintf(text, size, "%s", name != nullptr ? name : "unnamed");
        return;
    }
    std::snprintf(text, size, "%lld", ReadStateNumber(ref));
}

StoreResult StoreState(const StateRef &ref, const char *value)
{
    if (ref.Access == StateAccess::ReadOnly) return StoreResult::ReadOnly;
    if (ref.Type == StateType::Screen) {
        const ScreenFn screen = ScreenByName(value);
        if (screen == nullptr) return StoreResult::UnknownScreen;
        *static_cast<ScreenFn *>(ref.Address) = screen;
        return StoreResult::Stored;
    }
    char *end = nullptr;
    errno = 0;
    const char *digits = (value[0] == '-' || value[0] == '+') ? value + 1 : value;
    const int base = (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) ? 16 : 10;
    const long long number = std::strtoll(value, &end, base);
    if (end == value || *end != 0) return StoreResult::NotANumber;
    if (errno != 0 || number < ref.Low || number > ref.High) return StoreResult::OutOfRange;
    switch (ref.Type) {
    case StateType::U8: *static_cast<u8 *>(ref.Address) = static_cast<u8>(number); break;
    case StateType::S8: *static_cast<s8 *>(ref.Address) = static_cast<s8>(number); break;
    case StateType::U16: *static_cast<u16 *>(ref.Address) = static_cast<u16>(number); break;
    case StateType::S16: *static_cast<s16 *>(ref.Address) = static_cast<s16>(number); break;
    case StateType::U32: *static_cast<u32 *>(ref.Address) = static_cast<u32>(number); break;
    case StateType::S32: *static_cast<s32 *>(ref.Address) = static_cast<s32>(number); break;
    case StateType::Screen: break;
    }
    return StoreResult::Stored;
}

StateSnapshot TakeStateSnapshot()
{
    StateSnapshot snapshot;
    ForEachStateElement(
        [](const char *, const StateRef &ref, void *context) {
            const auto *bytes = static_cast<const unsigned char *>(ref.Address);
            static_cast<StateSnapshot *>(context)->Elements.push_back(
                {ref.Address, std::vector<unsigned char>(bytes, bytes + ElementSize(ref.Type))});
        },
        &snapshot);
    return snapshot;
}

void RestoreStateSnapshot(const StateSnapshot &snapshot)
{
    for (const auto &[address, bytes] : snapshot.Elements) std::memcpy(address, bytes.data(), bytes.size());
}
