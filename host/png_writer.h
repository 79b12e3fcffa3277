#pragma once
// Writes 32-bit 0xAARRGGBB images as RGB PNG files.
#include <cstdio>
#include <functional>
#include <string>

#include "../lcd/types.h"

/// Writes a width x height image to `path`. The file is written beside it under a temporary
/// name and renamed into place, so a failed write leaves any old file as it was. False if
/// it cannot be written; `reason` (when given) then says why.
bool WritePng(const char *path, const u32 *pixels, u32 width, u32 height, std::string *reason = nullptr);

/// Replaces the file at `path` with what `write` puts into a new file in the same folder,
/// renamed over it only when `write` and closing it succeeded. False with `reason` otherwise
/// (the temporary file is removed).
bool ReplaceFile(const char *path, const std::function<bool(std::FILE *)> &write, std::string &reason);
