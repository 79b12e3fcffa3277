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

void PlotPixel(u8 x, u8 y, u8 mode)
{
    if (x >= 128 || y >= 64) return;
    u8 &cell = FrameBuffer[(y / 8) * 128 + x];
    const u8 mask = PixelMask[y % 8];
    switch (mode) {
    case PixelClear: cell &= static_cast<u8>(~mask); break;
    case PixelSet: cell |= mask; break;
    case PixelInvert:
        if (GetPixel(x, y)) cell &= static_cast<u8>(~mask);
        else cell |= mask;
        break;
    default: break;
    }
}

void DrawLine(int x0, int y0, int x1, int y1, u8 mode)
{
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int sx = x0 > x1 ? -1 : 1;
    const int sy = y0 > y1 ? -1 : 1;
    int x = x0, y = y0;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i <= dx; ++i) {
            PlotPixel(static_cast<u8>(x), static_cast<u8>(y), mode);
            if (err > 0) { y += sy; err += 2 * dy - 2 * dx; }
            else err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i <= dy; ++i) {
            PlotPixel(static_cast<u8>(x), static_cast<u8>(y), mode);
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
