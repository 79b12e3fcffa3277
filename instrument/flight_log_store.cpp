#include "flight_log_store.h"

namespace {

// Bytes 1280 up to the last byte of slot 31 (1920, one past the erase range).
constexpr u16 StoreFirst = FlightLogEraseFirst;
constexpr u16 StoreSize = FlightLogFirstAddress + FlightLogSlots * FlightLogSlotSize - StoreFirst;

struct LogMemory {
    u8 Bytes[StoreSize];
};

// A memory that has never been written reads as erased.
constexpr LogMemory ErasedMemory()
{
    LogMemory memory{};
    for (u16 i = 0; i < StoreSize; ++i) memory.Bytes[i] = 0xFF;
    return memory;
}

LogMemory Store = ErasedMemory();

u8 *SlotBytes(u8 slot) { return Store.Bytes + (FlightLogFirstAddress - StoreFirst) + slot * FlightLogSlotSize; }

u32 Saturate(s64 value, s64 low, s64 high)
{
    return static_cast<u32>(value < low ? low : (value > high ? high : value));
}

void PutBytes(u8 *at, u32 value, u8 count)
{
    for (u8 i = 0; i < count; ++i) at[i] = static_cast<u8>(value >> (8 * i));
}

u32 GetBytes(const u8 *at, u8 count)
{
    u32 value = 0;
    for (u8 i = 0; i < count; ++i) value |= static_cast<u32>(at[i]) << (8 * i);
    return value;
}

} // namespace

void WriteFlightLogSlot(u8 slot, const FlightLogEntry &entry)
{
    if (slot >= FlightLogSlots) return;
    u8 *b = SlotBytes(slot);
    b[0] = entry.FlightHours;
    b[1] = entry.FlightFraction;
    b[2] = static_cast<u8>(Saturate(entry.Year, 0, 255));
    b[3] = entry.Month;
    b[4] = entry.Day;
    b[5] = entry.Hour;
    b[6] = entry.Minute;
    PutBytes(b + 7, Saturate(entry.HobbsHours, 0, 0xFFFF), 2);
    b[9] = entry.HobbsFraction;
    PutBytes(b + 10, static_cast<u32>(entry.MaxAltitude), 4);
    PutBytes(b + 14, Saturate(entry.MaxAirspeed, 0, 0xFFFF), 2);
    PutBytes(b + 16, Saturate(entry.MaxRpm, 0, 0xFFFF), 2);
    b[18] = 0;
    b[19] = 0;
}

bool ReadFlightLogSlot(u8 slot, FlightLogEntry &out)
{
    out = FlightLogEntry{};
    if (slot >= FlightLogSlots) {
        out.FlightHours = 0xFF;
        return false;
    }
    const u8 *b = SlotBytes(slot);
    out.FlightHours = b[0];
    out.FlightFraction = b[1];
    out.Year = b[2];
    out.Month = b[3];
    out.Day = b[4];
    out.Hour = b[5];
    out.Minute = b[6];
    out.HobbsHours = static_cast<s32>(GetBytes(b + 7, 2));
    out.HobbsFraction = b[9];
    out.MaxAltitude = static_cast<s32>(GetBytes(b + 10, 4));
    out.MaxAirspeed = GetBytes(b + 14, 2);
    out.MaxRpm = GetBytes(b + 16, 2);
    return out.FlightHours < FlightLogEmptyHours;
}

void EraseFlightLogStore()
{
    for (u16 address = FlightLogEraseFirst; address <= FlightLogEraseLast; ++address)
        Store.Bytes[address - StoreFirst] = 0xFF;
}

u8 ReadFlightLogStoreByte(u16 address)
{
    if (address < StoreFirst || address >= StoreFirst + StoreSize) return 0xFF;
    return Store.Bytes[address - StoreFirst];
}
