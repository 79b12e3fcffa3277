#pragma once
// Writes 32-bit 0xAARRGGBB images as RGB PNG files (encoded by png_encoder.h).
#include "../lcd/types.h"

/// Writes a width x height image; false if the file cannot be written.
bool WritePng(const char *path, const u32 *pixels, u32 width, u32 height);
