#include "display_copy.h"

#include <cstring>

#include "../lcd/framebuffer.h"
#include "panel_actions.h"

namespace {

// Four display pixels side by side as eight image pixels: entry n, bit i of n the pixel
// i from the left.
struct QuadPixels {
    u32 Pixels[16][8];
};

constexpr QuadPixels MakeQuadPixels()
{
    QuadPixels quads{};
    for (int n = 0; n < 16; ++n)
        for (int i = 0; i < 8; ++i) quads.Pixels[n][i] = ((n >> (i / 2)) & 1) != 0 ? LcdLitRgb : LcdUnlitRgb;
    return quads;
}

constexpr QuadPixels Quads = MakeQuadPixels();

// The eight column bytes of a block as one word, byte i the column i from the left.
u64 BlockWord(const u8 *columns)
{
    u64 word = 0;
    for (u8 i = 0; i < 8; ++i) word |= static_cast<u64>(columns[i]) << (8 * i);
    return word;
}

// Row r of a block: bit i is the pixel in column i. Bit r of every column byte is gathered
// into the top byte by one multiplication (the partial products never overlap).
u8 BlockRow(u64 block, u8 r)
{
    return static_cast<u8>((((block >> r) & 0x0101010101010101ull) * 0x0102040810204080ull) >> 56);
}

// Paints one 8 x 8 block into the 16 x 16 image pixels from `topLeft`.
void PaintBlock(u64 block, u32 *topLeft, u32 stride)
{
    for (u8 r = 0; r < 8; ++r) {
        const u8 row = BlockRow(block, r);
        u32 *line = topLeft + 2 * r * stride;
        std::memcpy(line, Quads.Pixels[row & 15], sizeof Quads.Pixels[0]);
        std::memcpy(line + 8, Quads.Pixels[row >> 4], sizeof Quads.Pixels[0]);
        std::memcpy(line + stride, line, 16 * sizeof(u32));
    }
}

// Paints every block whose bytes differ from `shown` (every block when `all`), and records
// the painted bytes in `shown`; true if any block was painted.
bool PaintChangedBlocks(u32 *pixels, u32 stride, u8 *shown, bool all)
{
    bool painted = false;
    for (u32 page = 0; page < 8; ++page) {
        for (u32 x = 0; x < 128; x += 8) {
            const u8 *now = &FrameBuffer[page * 128 + x];
            u8 *before = &shown[page * 128 + x];
            if (!all && std::memcmp(now, before, 8) == 0) continue;
            std::memcpy(before, now, 8);
            PaintBlock(BlockWord(now), pixels + 16 * page * stride + 2 * x, stride);
            painted = true;
        }
    }
    return painted;
}

} // namespace

bool DisplayCopy::Paint(u32 *pixels, u32 stride)
{
    const bool all = !Painted || pixels != ShownPixels || stride != ShownStride;
    Painted = true;
    ShownPixels = pixels;
    ShownStride = stride;
    return PaintChangedBlocks(pixels, stride, Shown, all);
}
