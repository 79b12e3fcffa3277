#include "framebuffer.h"

#include <cstddef>
#include <cstring>

LcdMemoryBlock LcdMemory;
u8 (&FrameBuffer)[1024] = LcdMemory.FrameBuffer;
u8 &KeySlot = LcdMemory.KeySlot;
u8 &KeyStep = LcdMemory.KeyStep;

static_assert(offsetof(LcdMemoryBlock, KeySlot) == 1024, "KeySlot follows the image");
static_assert(offsetof(LcdMemoryBlock, KeyStep) == 1025, "KeyStep follows KeySlot");

const u8 PixelMask[8] = {1, 2, 4, 8, 16, 32, 64, 128};

void ClearFrameBuffer() { std::memset(LcdMemory.FrameBuffer, 0, sizeof LcdMemory.FrameBuffer); }

bool GetPixel(u8 x, u8 y)
{
    if (x >= 128 || y >= 64) return false;
    return (FrameBuffer[(y / 8) * 128 + x] & PixelMask[y % 8]) != 0;
}

namespace {

// Clears, sets or toggles the pixels of `mask` in one frame buffer byte.
inline void ApplyMask(u8 &cell, u8 mask, u8 mode)
{
    switch (mode) {
    case PixelClear: cell &= static_cast<u8>(~mask); break;
    case PixelSet: cell |= mask; break;
    case PixelInvert: cell ^= mask; break;
    default: break;
    }
}

inline void ApplyPixel(u8 x, u8 y, u8 mode)
{
    if (x >= 128 || y >= 64) return;
    ApplyMask(FrameBuffer[(y / 8) * 128 + x], PixelMask[y % 8], mode);
}

bool OnDisplay(int x, int y) { return x >= 0 && x < 128 && y >= 0 && y < 64; }

// Rows y0..y1 (y0 <= y1, both on the display) of column x, a page at a time.
void ApplyColumnRun(u8 x, u8 y0, u8 y1, u8 mode)
{
    for (u8 page = y0 / 8; page <= y1 / 8; ++page) {
        u8 mask = 0xFF;
        if (page == y0 / 8) mask = static_cast<u8>(mask << (y0 % 8));
        if (page == y1 / 8) mask = static_cast<u8>(mask & (0xFF >> (7 - y1 % 8)));
        ApplyMask(FrameBuffer[page * 128 + x], mask, mode);
    }
}

} // namespace

void PlotPixel(u8 x, u8 y, u8 mode) { ApplyPixel(x, y, mode); }

void DrawLine(int x0, int y0, int x1, int y1, u8 mode)
{
    // A vertical line wholly on the display is written a page at a time; the pixels are the
    // same as the steps below would plot, each once.
    if (x0 == x1 && OnDisplay(x0, y0) && OnDisplay(x1, y1)) {
        ApplyColumnRun(static_cast<u8>(x0), static_cast<u8>(y0 < y1 ? y0 : y1), static_cast<u8>(y0 < y1 ? y1 : y0), mode);
        return;
    }
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int sx = x0 > x1 ? -1 : 1;
    const int sy = y0 > y1 ? -1 : 1;
    int x = x0, y = y0;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i <= dx; ++i) {
            ApplyPixel(static_cast<u8>(x), static_cast<u8>(y), mode);
            if (err > 0) { y += sy; err += 2 * dy - 2 * dx; }
            else err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i <= dy; ++i) {
            ApplyPixel(static_cast<u8>(x), static_cast<u8>(y), mode);
            if (err > 0) { x += sx; err += 2 * dx - 2 * dy; }
            else err += 2 * dx;
            y += sy;
        }
    }
}

void DrawFrame(int x0, int y0, int x1, int y1, u8 mode)
{
    DrawLine(x0, y0, x0, y1, mode);
    DrawLine(x0, y0, x1, y0, mode);
    DrawLine(x1, y0, x1, y1, mode);
    DrawLine(x0, y1, x1, y1, mode);
}

void FillBox(u8 x0, u8 y0, u8 x1, u8 y1, u8 mode)
{
    // The column counter is wider than a byte so that a right edge of 255 still ends.
    for (u16 x = x0; x <= x1; ++x) DrawLine(x, y0, x, y1, mode);
}
