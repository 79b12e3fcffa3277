#pragma once
// The display copy: the frame buffer painted into a 32-bit image as 2 x 2 blocks of
// LcdLitRgb and LcdUnlitRgb (panel_actions.h), one 8 x 8 block of display pixels at a time,
// row by row, four display pixels (eight image pixels) from one table entry.
#include "../lcd/types.h"

/// One display image kept up to date with the frame buffer. It remembers the frame buffer
/// bytes it painted last, so a copy repaints only the 8 x 8 blocks of display pixels that
/// changed since. The first copy, a copy into another image or with another stride, and the
/// copy after Forget() repaint the whole display.
class DisplayCopy {
public:
    /// Brings the image at `pixels` (a row every `stride` pixels; only 0..255 x 0..127 are
    /// written) up to date with the frame buffer; true if any pixel was written.
    bool Paint(u32 *pixels, u32 stride);
    /// The image was written by someone else: the next copy repaints the whole display.
    void Forget() { Painted = false; }

private:
    u8 Shown[1024] = {};          ///< frame buffer bytes the image shows
    const u32 *ShownPixels = nullptr;
    u32 ShownStride = 0;
    bool Painted = false;
};
