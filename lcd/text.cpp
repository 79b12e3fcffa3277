#include "text.h"

#include "fonts.h"
#include "framebuffer.h"

namespace {

// Constant texts are copied here first, as the firmware does for texts held in program memory.
char ConstTextBuffer[32];

char *CopyConstText(const char *text)
{
    u8 n = 0;
    while (n < 31 && text[n] != 0) {
        ConstTextBuffer[n] = text[n];
        ++n;
    }
    ConstTextBuffer[n] = 0;
    return ConstTextBuffer;
}

u8 TextLength(const char *text)
{
    u8 n = 0;
    while (text[n] != 0) ++n;
    return n;
}

// One large-font column: bit r of the column byte is glyph row r.
void DrawLargeColumn(u8 x, u8 y, u8 column, u8 tall, u8 inverse)
{
    for (u8 r = 0; r < 8; ++r) {
        const bool lit = (column & PixelMask[r]) != 0;
        u8 mode;
        if (inverse == 1) mode = lit ? PixelClear : PixelSet;
        else if (lit) mode = PixelSet;
        else continue;
        if (tall == 1) {
            PlotPixel(x, static_cast<u8>(y + 2 * r), mode);
            PlotPixel(x, static_cast<u8>(y + 2 * r + 1), mode);
        } else {
            PlotPixel(x, static_cast<u8>(y + r), mode);
        }
    }
}

} // namespace

void DrawText(u8 x, u8 y, char *text, u8 tall, u8 inverse)
{
    for (const char *p = text; *p != 0; ++p) {
        const u8 code = static_cast<u8>(*p);
        // Control codes have no glyph; they are drawn as a blank cell rather than read
        // from beyond the table.
        const u8 *glyph = &LargeFont[code < 32 ? 0 : static_cast<u8>(code - 32) * 8];
        for (u8 c = 0; c < 8; ++c) DrawLargeColumn(static_cast<u8>(x + c), y, glyph[c], tall, inverse);
        x = static_cast<u8>(x + 8);
    }
}

void DrawText(u8 x, u8 y, const char *text, u8 tall, u8 inverse)
{
    DrawText(x, y, CopyConstText(text), tall, inverse);
}

void DrawTextCentred(u8 xCentre, u8 y, char *text, u8 tall, u8 inverse)
{
    DrawText(static_cast<u8>(xCentre - 4 * TextLength(text)), y, text, tall, inverse);
}

void DrawTextCentred(u8 xCentre, u8 y, const char *text, u8 tall, u8 inverse)
{
    DrawTextCentred(xCentre, y, CopyConstText(text), tall, inverse);
}

void DrawSmallText(u8 x, u8 y, char *text, u8 invertFrom)
{
    u8 index = 0;
    for (const char *p = text; *p != 0; ++p, ++index) {
        // Codes from 128 up would index before the table, as a signed index does.
        const u8 code = static_cast<u8>(*p) & 0x7F;
        const bool inverted = index >= invertFrom;
        for (u8 c = 0; c < 6; ++c) {
            const u8 column = c < 5 ? SmallFont[code * 5 + c] : 0;
            for (u8 r = 0; r < 8; ++r) {
                const bool lit = (column & PixelMask[7 - r]) != 0;
                if (lit != inverted) PlotPixel(static_cast<u8>(x + c), static_cast<u8>(y + r - 1), PixelSet);
            }
        }
        x = static_cast<u8>(x + 6);
    }
}

void DrawSmallText(u8 x, u8 y, const char *text, u8 invertFrom)
{
    DrawSmallText(x, y, CopyConstText(text), invertFrom);
}

void DrawSmallTextCentred(u8 xCentre, u8 y, char *text, u8 invertFrom)
{
    DrawSmallText(static_cast<u8>(xCentre - 3 * TextLength(text)), y, text, invertFrom);
}

void DrawSmallTextCentred(u8 xCentre, u8 y, const char *text, u8 invertFrom)
{
    DrawSmallTextCentred(xCentre, y, CopyConstText(text), invertFrom);
}
