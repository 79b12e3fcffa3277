#pragma once
// The two bitmap fonts of the display.
#include "types.h"

/// Small 5 x 7 font, 5 column bytes per character located at code * 5 (codes 32..127 defined).
/// Bit 7 of a column is the row above the text position and always blank; bits 6..0 are rows y..y+6.
extern const u8 SmallFont[128 * 5];

/// Large 8 x 8 font, 8 column bytes per character located at ((code - 32) mod 256) * 8,
/// codes 32..255. Bit 0 of a column is the top row.
extern const u8 LargeFont[224 * 8];
