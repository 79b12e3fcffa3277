// Text drawing with the real fonts: every expected pixel is read from the font tables, so
// the tests hold for any glyph design and catch placement, inversion, height doubling,
// clipping and 8-bit wrap-around.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "lcd/fonts.h"
#include "lcd/framebuffer.h"
#include "lcd/text.h"

namespace {

// Glyph pixel of the large font: column c (0..7), row r (0..7) of character `code`.
bool LargeBit(u8 code, int c, int r) { return (LargeFont[static_cast<u8>(code - 32) * 8 + c] >> r) & 1; }

// Glyph pixel of the small font: column c (0..5, the sixth always blank), cell row r (0..7);
// cell row 0 is bit 7, the blank row above the text position.
bool SmallBit(u8 code, int c, int r) { return c < 5 && ((SmallFont[code * 5 + c] >> (7 - r)) & 1); }

int LitCount()
{
    int n = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) n += GetPixel(x, y) ? 1 : 0;
    return n;
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { ClearFrameBuffer(); }
};

TEST_F(TextTest, NormalLargeTextLightsExactlyTheGlyph)
{
    DrawText(0, 0, "A", 0, 0);
    int glyphPixels = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool want = x < 8 && y < 8 && LargeBit('A', x, y);
            glyphPixels += want ? 1 : 0;
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
    EXPECT_GT(glyphPixels, 10);

    // Normal text is transparent: lit background stays lit around and under the glyph.
    std::memset(FrameBuffer, 0xFF, 1024);
    DrawText(0, 0, "A", 0, 0);
    EXPECT_EQ(LitCount(), 128 * 64);
}

TEST_F(TextTest, InvertedLargeTextPaintsTheWholeCell)
{
    DrawText(0, 0, "A", 0, 1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool want = x < 8 && y < 8 && !LargeBit('A', x, y);
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }

    // Drawn over a lit area the glyph pixels are cleared; outside the cell nothing changes.
    std::memset(FrameBuffer, 0xFF, 1024);
    DrawText(0, 0, "A", 0, 1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool want = !(x < 8 && y < 8 && LargeBit('A', x, y));
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }

    // Any inverse value other than 1 draws normally, as does any tall value other than 1.
    ClearFrameBuffer();
    DrawText(0, 0, "A", 2, 7);
    u8 odd[1024];
    std::memcpy(odd, FrameBuffer, sizeof odd);
    ClearFrameBuffer();
    DrawText(0, 0, "A", 0, 0);
    EXPECT_EQ(std::memcmp(odd, FrameBuffer, 1024), 0);
}

TEST_F(TextTest, TallTextDoublesEveryRow)
{
    DrawText(0, 0, "0", 1, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool want = x < 8 && y < 16 && LargeBit('0', x, y / 2);
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
    // Rows come in identical pairs and the zero is not blank.
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(GetPixel(x, 2 * r), GetPixel(x, 2 * r + 1));
    EXPECT_GT(LitCount(), 20);

    // Inverted tall text paints the whole 8 x 16 cell.
    ClearFrameBuffer();
    DrawText(40, 20, "0", 1, 1);
    for (int y = 20; y < 36; ++y)
        for (int x = 40; x < 48; ++x) EXPECT_EQ(GetPixel(x, y), !LargeBit('0', x - 40, (y - 20) / 2));
    EXPECT_EQ(LitCount(), 128 - [] {
        int n = 0;
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 8; ++r) n += LargeBit('0', c, r) ? 1 : 0;
        return n;
    }() * 2);
}

TEST_F(TextTest, CentredTextStartsHalfItsWidthLeftOfTheCentre)
{
    u8 centred[1024];
    DrawTextCentred(64, 0, " MAIN MENU ", 0, 0);
    std::memcpy(centred, FrameBuffer, sizeof centred);
    ClearFrameBuffer();
    DrawText(20, 0, " MAIN MENU ", 0, 0);
    EXPECT_EQ(std::memcmp(centred, FrameBuffer, 1024), 0);
    // The M sits in the second cell, x 28..35.
    for (int x = 28; x < 36; ++x)
        for (int y = 0; y < 8; ++y) ASSERT_EQ(GetPixel(x, y), LargeBit('M', x - 28, y));
    // Small-font centring uses the 6-pixel pitch.
    ClearFrameBuffer();
    DrawSmallTextCentred(64, 20, "2.02", 100);
    std::memcpy(centred, FrameBuffer, sizeof centred);
    ClearFrameBuffer();
    DrawSmallText(52, 20, "2.02", 100);
    EXPECT_EQ(std::memcmp(centred, FrameBuffer, 1024), 0);
}

TEST_F(TextTest, SmallTextDropsTheRowAboveTheTopEdge)
{
    DrawSmallText(0, 0, "GS", 100);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            bool want = false;
            if (x < 12 && y < 7) want = SmallBit(x < 6 ? 'G' : 'S', x % 6, y + 1);
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
    for (int y = 0; y < 8; ++y) {
        EXPECT_FALSE(GetPixel(5, y));
        EXPECT_FALSE(GetPixel(11, y));
    }
    EXPECT_GT(LitCount(), 15);
}

TEST_F(TextTest, SmallTextInvertsFromTheGivenIndexWithoutClearingTheGlyph)
{
    DrawSmallText(0, 10, "AB", 1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            bool want = false;
            if (x < 6 && y >= 9 && y <= 16) want = SmallBit('A', x, y - 9);
            if (x >= 6 && x < 12 && y >= 9 && y <= 16) want = !SmallBit('B', x - 6, y - 9);
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
    // B's blank top row and spacing column are lit as part of the block.
    for (int x = 6; x < 12; ++x) EXPECT_TRUE(GetPixel(x, 9));
    for (int y = 9; y <= 16; ++y) EXPECT_TRUE(GetPixel(11, y));

    // Inverted small text leaves glyph pixels as they were: on a lit background it is all lit.
    std::memset(FrameBuffer, 0xFF, 1024);
    DrawSmallText(0, 10, "AB", 0);
    EXPECT_EQ(LitCount(), 128 * 64);
}

TEST_F(TextTest, TextLeftOfTheDisplayShowsItsTail)
{
    // 5 - 16 wraps to 245: A at 245..252 is off-screen, B at 253..4 shows its right five
    // columns at x 0..4, C at 5, D at 13.
    DrawTextCentred(5, 20, "ABCD", 0, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            bool want = false;
            if (y >= 20 && y < 28) {
                const int r = y - 20;
                if (x < 5) want = LargeBit('B', x + 3, r);
                else if (x < 13) want = LargeBit('C', x - 5, r);
                else if (x < 21) want = LargeBit('D', x - 13, r);
            }
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
}

TEST_F(TextTest, CharacterAtTheRightEdgeIsCutToFourColumns)
{
    DrawText(124, 30, "W", 0, 1);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool want = x >= 124 && y >= 30 && y < 38 && !LargeBit('W', x - 124, y - 30);
            ASSERT_EQ(GetPixel(x, y), want) << "x " << x << " y " << y;
        }
    // Columns 128..131 do not wrap to the left edge (only 8-bit positions wrap).
    for (int y = 30; y < 38; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_FALSE(GetPixel(x, y));
}

TEST_F(TextTest, ConstantTextIsLimitedToThirtyOneCharacters)
{
    // The 33rd character of a long text lands at x 256 = 0 after wrap-around. A constant
    // text is cut to 31 characters first, so it never gets there; a working buffer is not cut.
    static const char longText[] = "                                X";
    ASSERT_EQ(std::strlen(longText), 33u);
    DrawText(0, 0, longText, 0, 0);
    EXPECT_EQ(LitCount(), 0);
    char buffer[40];
    std::strcpy(buffer, longText);
    DrawText(0, 0, buffer, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(GetPixel(x, y), LargeBit('X', x, y));
    EXPECT_GT(LitCount(), 0);
}

TEST_F(TextTest, EmptyTextDrawsNothing)
{
    DrawText(0, 0, "", 1, 1);
    DrawTextCentred(64, 20, "", 0, 1);
    DrawSmallText(0, 40, "", 0);
    DrawSmallTextCentred(64, 50, "", 0);
    EXPECT_EQ(LitCount(), 0);
}

TEST_F(TextTest, SpecialGlyphsHaveTheirFixedShapes)
{
    struct Special {
        u8 code;
        u8 bytes[8];
    };
    const Special specials[] = {
        {0x7B, {0x20, 0x30, 0x38, 0x3C, 0x38, 0x30, 0x20, 0x00}},  // triangle up
        {0x7C, {0x00, 0x00, 0x06, 0x09, 0x09, 0x06, 0x00, 0x00}},  // degree sign
        {0x7D, {0x04, 0x0C, 0x1C, 0x3C, 0x1C, 0x0C, 0x04, 0x00}},  // triangle down
        {0x7E, {0x1C, 0x3E, 0x63, 0x63, 0x63, 0x2A, 0x0C, 0x0E}},  // knob sign
    };
    for (const Special &s : specials)
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(LargeFont[(s.code - 32) * 8 + c], s.bytes[c]) << std::hex << int(s.code) << " column " << c;
    // 0x7F is blank; the small font never uses bit 7 (the row above the text).
    for (int c = 0; c < 8; ++c) EXPECT_EQ(LargeFont[(0x7F - 32) * 8 + c], 0);
    for (int code = 32; code < 128; ++code)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(SmallFont[code * 5 + c] & 0x80, 0) << code;
    // "|C" drawn through DrawText shows the ring of the degree sign in the top rows.
    DrawText(0, 0, "|C", 0, 0);
    EXPECT_TRUE(GetPixel(3, 0));
    EXPECT_TRUE(GetPixel(2, 1));
    EXPECT_FALSE(GetPixel(3, 1));
    EXPECT_TRUE(GetPixel(5, 2));
}

// ---- Whole-cell writes against the drawing pixel by pixel ----

// The text drawn one pixel at a time through PlotPixel, the way the routines drew every cell
// before cells on the display were written a layer at a time: PlotPixel drops the points off
// the display, positions wrap modulo 256.
void PixelByPixelText(u8 x, u8 y, const char *text, u8 tall, u8 inverse)
{
    for (const char *p = text; *p != 0; ++p, x = static_cast<u8>(x + 8)) {
        const u8 code = static_cast<u8>(*p);
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 8; ++r) {
                const bool lit = code >= 32 && LargeBit(code, c, r);
                if (inverse != 1 && !lit) continue;
                const u8 mode = inverse == 1 && lit ? PixelClear : PixelSet;
                const u8 px = static_cast<u8>(x + c);
                if (tall != 1) {
                    PlotPixel(px, static_cast<u8>(y + r), mode);
                    continue;
                }
                PlotPixel(px, static_cast<u8>(y + 2 * r), mode);
                PlotPixel(px, static_cast<u8>(y + 2 * r + 1), mode);
            }
    }
}

void PixelByPixelSmallText(u8 x, u8 y, const char *text, u8 invertFrom)
{
    for (int i = 0; text[i] != 0; ++i, x = static_cast<u8>(x + 6)) {
        const u8 code = static_cast<u8>(text[i]) & 0x7F;
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r)
                if (SmallBit(code, c, r) != (i >= invertFrom))
                    PlotPixel(static_cast<u8>(x + c), static_cast<u8>(y + r - 1), PixelSet);
    }
}

// A background with lit and unlit pixels in every byte, so that pixels a cell lights, unlights
// or leaves alone all show.
void FillPattern()
{
    for (int i = 0; i < 1024; ++i) FrameBuffer[i] = static_cast<u8>(i * 37 + (i >> 3) * 11 + 0x5A);
}

TEST_F(TextTest, EveryPositionDrawsWhatThePixelByPixelDrawingDraws)
{
    struct Case {
        const char *What;
        bool Small;
        const char *Text;
        u8 Tall;
        u8 Inverse;  // the small font: invertFrom
    };
    const Case cases[] = {
        {"large", false, "A%9\x94", 0, 0},       {"large inverse", false, "W|\x01g", 0, 1},
        {"tall", false, "0+8", 1, 0},             {"tall inverse", false, "-7M", 1, 1},
        {"other flag values", false, "B4", 2, 7}, {"small", true, "Gq|~", 0, 100},
        {"small inverted from the second", true, "AB\xC1", 0, 1}, {"small inverted", true, "w0", 0, 0},
    };
    // Every position along one axis while the other sits at, next to or past an edge, or
    // well inside the display.
    const u8 edgeRows[] = {0, 1, 7, 8, 31, 48, 49, 50, 56, 57, 58, 63, 64, 200, 248, 249, 250, 255};
    const u8 edgeColumns[] = {0, 1, 60, 120, 121, 122, 123, 127, 128, 200, 248, 249, 250, 251, 255};
    std::vector<std::pair<u8, u8>> places;
    for (int along = 0; along < 256; ++along) {
        for (u8 y : edgeRows) places.emplace_back(static_cast<u8>(along), y);
        for (u8 x : edgeColumns) places.emplace_back(x, static_cast<u8>(along));
    }
    u8 want[1024];
    for (const Case &c : cases) {
        char text[8];
        std::strcpy(text, c.Text);
        int failures = 0;
        for (const auto &[x, y] : places) {
            FillPattern();
            if (c.Small) PixelByPixelSmallText(x, y, text, c.Inverse);
            else PixelByPixelText(x, y, text, c.Tall, c.Inverse);
            std::memcpy(want, FrameBuffer, sizeof want);
            FillPattern();
            if (c.Small) DrawSmallText(x, y, text, c.Inverse);
            else DrawText(x, y, text, c.Tall, c.Inverse);
            if (std::memcmp(want, FrameBuffer, sizeof want) == 0) continue;
            ADD_FAILURE() << c.What << " at x " << int(x) << " y " << int(y);
            if (++failures == 5) break;
        }
    }
}

// Number of separate strokes (8-connected groups of lit pixels) in a large-font cell.
int StrokeCount(u8 code)
{
    bool seen[8][8] = {};
    int strokes = 0;
    for (int c0 = 0; c0 < 8; ++c0)
        for (int r0 = 0; r0 < 8; ++r0) {
            if (!LargeBit(code, c0, r0) || seen[c0][r0]) continue;
            ++strokes;
            int stack[64][2];
            int top = 0;
            stack[top][0] = c0;
            stack[top++][1] = r0;
            seen[c0][r0] = true;
            while (top > 0) {
                --top;
                const int c = stack[top][0], r = stack[top][1];
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr) {
                        const int nc = c + dc, nr = r + dr;
                        if (nc < 0 || nc > 7 || nr < 0 || nr > 7 || seen[nc][nr] || !LargeBit(code, nc, nr)) continue;
                        seen[nc][nr] = true;
                        stack[top][0] = nc;
                        stack[top++][1] = nr;
                    }
            }
        }
    return strokes;
}

TEST_F(TextTest, LegendLettersStandApartInTheirCells)
{
    // Tiny two- and three-letter legends stay legible only while their letters do not touch.
    struct Legend {
        u8 code;
        int strokes;
    };
    const Legend legends[] = {
        {0x90, 2}, {0x91, 2}, {0x92, 3},  // Lt, Gl, L / h
        {0x94, 2}, {0xA0, 2}, {0xA1, 2},  // ft, degree C, degree F
        {0xAA, 2}, {0xAB, 2}, {0xAC, 2}, {0xAD, 2}, {0xAF, 2}, {0xB0, 2},  // FL FF FR FE FT TP
        {0xB3, 3}, {0xC3, 2}, {0xCE, 2}, {0xCF, 2},  // m i-stem i-dot, HG, kn, ot
    };
    for (const Legend &l : legends) EXPECT_EQ(StrokeCount(l.code), l.strokes) << std::hex << int(l.code);
}

} // namespace
