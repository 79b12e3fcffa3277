#pragma once
// The display as a picture of its own (screenshots, the clipboard): taken from the 2x image
// the display copy paints, so a 2x picture equals what vantro2-script's `png` writes.
#include <vector>

#include "../lcd/types.h"

/// Display pixels across and down.
constexpr u32 DisplayColumns = 128;
constexpr u32 DisplayRows = 64;

/// Makes the picture of the display at `scale` (1, 2 or 4) screen pixels per display pixel
/// from the 2x image `twoX` (256 x 128 pixels, one row every `stride` pixels): `out` gets
/// 128*scale x 64*scale pixels, 0xFFRRGGBB. Pixels never painted (alpha 0, before the first
/// copy) come out unlit.
void ScaleDisplayPicture(const u32 *twoX, u32 stride, u32 scale, std::vector<u32> &out);
