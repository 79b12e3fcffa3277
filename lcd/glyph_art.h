#pragma once
// Pictures drawn in the source as rows of characters, '#' lit and any other character unlit,
// turned into display column bytes at compile time.
#include "types.h"

/// Column byte of rows top .. top + 7 at column x; bit 0 is the top row (display page order).
/// Rows past the end of the picture (rowCount) read as unlit.
constexpr u8 ArtColumn(const char *const rows[], int rowCount, int x, int top)
{
    u8 byte = 0;
    for (int r = 0; r < 8; ++r) {
        const int row = top + r;
        if (row < rowCount && rows[row][x] == '#') byte = static_cast<u8>(byte | (1u << r));
    }
    return byte;
}

/// Column byte of rows 0 .. rowCount - 1 at column x with the top row in bit topBit and each
/// following row one bit lower (the small font's order: top row bit 6, bit 7 left blank).
constexpr u8 ArtColumnTopHigh(const char *const rows[], int rowCount, int x, int topBit)
{
    u8 byte = 0;
    for (int r = 0; r < rowCount; ++r)
        if (rows[r][x] == '#') byte = static_cast<u8>(byte | (1u << (topBit - r)));
    return byte;
}

/// True when each of `count` rows is exactly `width` characters of '#' and '.'.
constexpr bool ArtRowsAreWellFormed(const char *const rows[], int count, int width)
{
    for (int r = 0; r < count; ++r) {
        const char *row = rows[r];
        if (row == nullptr) return false;
        int n = 0;
        while (row[n] != 0) {
            if (row[n] != '#' && row[n] != '.') return false;
            ++n;
        }
        if (n != width) return false;
    }
    return true;
}

// A table spelled out as byte(i), byte(i + 1), ... 8, 64 or 256 entries at a time, so that
// every entry is a constant expression evaluated by the compiler. `byte` names a constexpr
// function of the table index.
#define ART_BYTES_8(byte, i)                                                                 \
    byte((i) + 0), byte((i) + 1), byte((i) + 2), byte((i) + 3), byte((i) + 4), byte((i) + 5), \
        byte((i) + 6), byte((i) + 7)
#define ART_BYTES_64(byte, i)                                                                \
    ART_BYTES_8(byte, (i) + 0), ART_BYTES_8(byte, (i) + 8), ART_BYTES_8(byte, (i) + 16),     \
        ART_BYTES_8(byte, (i) + 24), ART_BYTES_8(byte, (i) + 32), ART_BYTES_8(byte, (i) + 40), \
        ART_BYTES_8(byte, (i) + 48), ART_BYTES_8(byte, (i) + 56)
#define ART_BYTES_256(byte, i)                                                               \
    ART_BYTES_64(byte, (i) + 0), ART_BYTES_64(byte, (i) + 64), ART_BYTES_64(byte, (i) + 128), \
        ART_BYTES_64(byte, (i) + 192)
