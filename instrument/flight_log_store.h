#pragma once
// The flight-log store: 32 slots of 20 bytes in the instrument's non-volatile memory, slot s
// at byte 1281 + 20 x s. Here the memory is kept in RAM for the life of the program.
//
// Slot layout (multi-byte values little-endian):
//   0 FlightHours (0..99; any larger value, such as an erased 0xFF, marks an empty slot)
//   1 FlightFraction   2 Year (years since 1900, 0..255)   3 Month   4 Day   5 Hour   6 Minute
//   7..8 HobbsHours (0..65535)   9 HobbsFraction   10..13 MaxAltitude (signed)
//   14..15 MaxAirspeed (0..65535)   16..17 MaxRpm (0..65535)   18..19 spare, written 0
// Values beyond a field's width are stored at its nearest bound.
#include "flight.h"

constexpr u16 FlightLogFirstAddress = 1281;   ///< address of slot 0
constexpr u16 FlightLogEraseFirst = 1280;     ///< first byte the erase covers
constexpr u16 FlightLogEraseLast = 1919;      ///< last byte the erase covers
constexpr u8 FlightLogSlots = 32;
constexpr u8 FlightLogSlotSize = 20;
constexpr u8 FlightLogEmptyHours = 100;       ///< FlightHours at or above this: no flight

/// Packs an entry into slot `slot` (0..31; other slots are ignored).
void WriteFlightLogSlot(u8 slot, const FlightLogEntry &entry);

/// Reads slot `slot` (0..31) back into `out`, for the log pages (e.g. into LogEntryBuffer
/// whenever SelectedLogSlot changes). Returns true when the slot holds a flight; for an
/// erased slot `out` still receives the slot's bytes (FlightHours then reads above 99, which
/// the log page shows as "EMPTY"). A slot number above 31 gives false and an empty entry.
bool ReadFlightLogSlot(u8 slot, FlightLogEntry &out);

/// Sets every byte of the erase range (1280..1919) to 0xFF, as an erased memory reads.
void EraseFlightLogStore();

/// One byte of the store by its memory address; 0xFF outside the store.
u8 ReadFlightLogStoreByte(u16 address);
