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
