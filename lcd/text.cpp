#include "text.h"

#include <cstring>

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

// ---- Column bytes, up to eight in a word: byte i the column i, bit r the row r ----

constexpr u64 EveryByte = 0x0101010101010101ull;

// The byte b in every byte of a word.
constexpr u64 InEveryByte(u8 b) { return EveryByte * b; }

// The upper half (rows 0..3) or the lower half (rows 4..7) of every column byte with each row
// doubled: row r of the half goes to bits 2r and 2r + 1.
u64 DoubledRows(u64 columns, bool upper)
{
    u64 rows = (upper ? columns : columns >> 4) & InEveryByte(0x0F);
    rows = (rows | rows << 2) & InEveryByte(0x33);
    rows = (rows | rows << 1) & InEveryByte(0x55);
    return rows | rows << 1;
}

// Every column byte upside down: bit r goes to bit 7 - r.
u64 ReversedRows(u64 columns)
{
    columns = (columns >> 1 & InEveryByte(0x55)) | (columns & InEveryByte(0x55)) << 1;
    columns = (columns >> 2 & InEveryByte(0x33)) | (columns & InEveryByte(0x33)) << 2;
    return (columns >> 4 & InEveryByte(0x0F)) | (columns & InEveryByte(0x0F)) << 4;
}

// ---- The per-pixel path, for cells that reach past an edge of the display ----
//
// Every pixel goes through PlotPixel, which drops points off the display; positions wrap
// modulo 256, so a cell starting left of (or above) the display shows its visible tail.

// Rows of one column given as bits, lowest first: bit b is the row y + b (each row doubled
// to y + 2b and y + 2b + 1 when `tall`), plotted one pixel at a time with `mode`.
void PlotRows(u8 x, u8 y, u8 rows, bool tall, u8 mode)
{
    for (; rows != 0; rows = static_cast<u8>(rows & (rows - 1))) {
        const u8 b = static_cast<u8>(__builtin_ctz(rows));
        if (tall) {
            PlotPixel(x, static_cast<u8>(y + 2 * b), mode);
            PlotPixel(x, static_cast<u8>(y + 2 * b + 1), mode);
        } else {
            PlotPixel(x, static_cast<u8>(y + b), mode);
        }
    }
}

// One large-font column: bit r of the column byte is glyph row r. Normal text lights the
// glyph's pixels; inverse text (inverse 1) unlights them and lights the rest of the column.
void PlotLargeColumn(u8 x, u8 y, u8 column, u8 tall, u8 inverse)
{
    if (inverse == 1) {
        PlotRows(x, y, column, tall == 1, PixelClear);
        PlotRows(x, y, static_cast<u8>(~column), tall == 1, PixelSet);
    } else {
        PlotRows(x, y, column, tall == 1, PixelSet);
    }
}

// One small-font column: bit 7 - r of the column byte is cell row r, drawn at y + r - 1;
// the glyph's pixels are lit, or with `inverted` the other pixels of the column.
void PlotSmallColumn(u8 x, u8 y, u8 column, bool inverted)
{
    const u8 lit = inverted ? static_cast<u8>(~column) : column;
    PlotRows(x, static_cast<u8>(y - 1), static_cast<u8>(ReversedRows(lit)), false, PixelSet);
}

// ---- The fast path, for cells wholly on the display ----
//
// A cell is drawn in layers of eight rows, the whole width of the cell at once: a word holds
// one byte per column (byte i the column x + i, bit r the row top + r), and a layer starting
// inside a page covers the lower rows of that page and the upper rows of the next.

constexpr u8 LargeWidth = 8;
constexpr u8 SmallWidth = 6;

// Bytes 0 .. width - 1 of a word set.
constexpr u64 ColumnsMask(u8 width) { return width >= 8 ? ~0ull : (1ull << (8 * width)) - 1; }

// Column bytes to and from a word with byte i the column i: the memory order of a
// little-endian machine, so each is a single load or store. The widths are template
// arguments so that the copies have a fixed size.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "column words take byte i from address i");

template <u8 Width>
u64 LoadColumns(const u8 *bytes)
{
    u64 word = 0;
    std::memcpy(&word, bytes, Width);
    return word;
}

template <u8 Width>
void StoreColumns(u8 *bytes, u64 word)
{
    std::memcpy(bytes, &word, Width);
}

// Rows `rows` of the columns at `bytes`: the bits of `lit` lit; with `opaque` the other rows of
// `rows` unlit, else left as they are.
template <u8 Width>
void WritePageRows(u8 *bytes, u64 lit, u64 rows, bool opaque)
{
    const u64 old = LoadColumns<Width>(bytes);
    StoreColumns<Width>(bytes, opaque ? (old & ~rows) | lit : old | lit);
}

// Eight rows from `top` of the Width columns from x: the bits of `lit` lit; with `opaque`
// the other pixels of the layer unlit.
template <u8 Width>
void WriteLayer(u8 x, u8 top, u64 lit, bool opaque)
{
    const u8 shift = top % 8;
    u8 *bytes = &FrameBuffer[(top / 8) * 128 + x];
    const u64 upperRows = InEveryByte(static_cast<u8>(0xFF << shift)) & ColumnsMask(Width);
    WritePageRows<Width>(bytes, (lit << shift) & upperRows, upperRows, opaque);
    if (shift == 0) return;
    const u64 lowerRows = InEveryByte(static_cast<u8>(0xFF >> (8 - shift))) & ColumnsMask(Width);
    WritePageRows<Width>(bytes + 128, (lit >> (8 - shift)) & lowerRows, lowerRows, opaque);
}

// Where a cell's columns or rows lie on an axis of `size` positions: `length` positions from
// `start`, counted modulo 256.
enum class Span : u8 { Inside, Outside, AcrossEdge };

Span SpanOnAxis(u8 start, u8 length, u8 size)
{
    if (start <= size - length) return Span::Inside;
    if (start >= size && start <= 256 - length) return Span::Outside;
    return Span::AcrossEdge;
}

// A cell wholly inside the display takes the fast path, one wholly outside draws nothing,
// and one across an edge goes pixel by pixel.
Span CellOnDisplay(u8 x, u8 y, u8 width, u8 height)
{
    const Span columns = SpanOnAxis(x, width, 128);
    const Span rows = SpanOnAxis(y, height, 64);
    if (columns == Span::Outside || rows == Span::Outside) return Span::Outside;
    if (columns == Span::Inside && rows == Span::Inside) return Span::Inside;
    return Span::AcrossEdge;
}

// One large-font cell (eight column bytes) at (x, y): a tall cell is two layers of doubled
// rows, an inverse cell unlights its glyph and lights the rest.
void DrawLargeCell(u8 x, u8 y, const u8 *glyph, u8 tall, u8 inverse)
{
    const Span span = CellOnDisplay(x, y, LargeWidth, tall == 1 ? 16 : 8);
    if (span == Span::Outside) return;
    if (span == Span::AcrossEdge) {
        for (u8 c = 0; c < LargeWidth; ++c) PlotLargeColumn(static_cast<u8>(x + c), y, glyph[c], tall, inverse);
        return;
    }
    const bool opaque = inverse == 1;
    const u64 columns = LoadColumns<LargeWidth>(glyph);
    if (tall != 1) {
        WriteLayer<LargeWidth>(x, y, opaque ? ~columns : columns, opaque);
        return;
    }
    for (u8 half = 0; half < 2; ++half) {
        const u64 rows = DoubledRows(columns, half == 0);
        WriteLayer<LargeWidth>(x, static_cast<u8>(y + 8 * half), opaque ? ~rows : rows, opaque);
    }
}

// One small-font cell: five column bytes and a blank sixth column, drawn at (x, y). Only
// pixels are lit, none unlit, inverted or not.
void DrawSmallCell(u8 x, u8 y, const u8 *glyph, bool inverted)
{
    // The cell's eight rows run from y - 1 to y + 6.
    const Span span = CellOnDisplay(x, static_cast<u8>(y - 1), SmallWidth, 8);
    if (span == Span::Outside) return;
    if (span == Span::AcrossEdge) {
        for (u8 c = 0; c < SmallWidth; ++c) PlotSmallColumn(static_cast<u8>(x + c), y, c < 5 ? glyph[c] : 0, inverted);
        return;
    }
    const u64 rows = ReversedRows(LoadColumns<5>(glyph));
    WriteLayer<SmallWidth>(x, static_cast<u8>(y - 1), inverted ? ~rows & ColumnsMask(SmallWidth) : rows, false);
}

} // namespace

void DrawText(u8 x, u8 y, char *text, u8 tall, u8 inverse)
{
    for (const char *p = text; *p != 0; ++p) {
        const u8 code = static_cast<u8>(*p);
        // Control codes have no glyph; they are drawn as a blank cell rather than read
        // from beyond the table.
        const u8 *glyph = &LargeFont[code < 32 ? 0 : static_cast<u8>(code - 32) * 8];
        DrawLargeCell(x, y, glyph, tall, inverse);
        x = static_cast<u8>(x + LargeWidth);
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
        DrawSmallCell(x, y, &SmallFont[code * 5], index >= invertFrom);
        x = static_cast<u8>(x + SmallWidth);
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
