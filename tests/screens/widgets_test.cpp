// Menu widgets: title bar geometry, row placement and inversion, the scrolling window,
// the title-line skip, icon placement and the fuel texts.
#include <gtest/gtest.h>

#include <cstring>

#include "instrument/settings.h"
#include "lcd/framebuffer.h"
#include "lcd/icons.h"
#include "lcd/text.h"
#include "lcd/widgets.h"
#include "screens/navigation.h"
#include "screens/unit_text.h"

namespace {

class WidgetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearFrameBuffer();
        Cursor = 0;
        EditMode = 0;
    }
    // Picture drawn by `draw` alone on a cleared buffer.
    static void Capture(u8 (&out)[1024], void (*draw)())
    {
        ClearFrameBuffer();
        draw();
        std::memcpy(out, FrameBuffer, sizeof out);
    }
    static int LitIn(int x0, int y0, int x1, int y1)
    {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += GetPixel(x, y) ? 1 : 0;
        return n;
    }
};

TEST_F(WidgetsTest, TitleLinesStopShortOfTheText)
{
    u8 title[1024];
    u8 expected[1024];
    Capture(title, [] { DrawTitle(" MAX VALUES "); });
    Capture(expected, [] {
        DrawText(16, 0, " MAX VALUES ", 0, 0);
        DrawLine(0, 4, 18, 4, PixelSet);
        DrawLine(110, 4, 127, 4, PixelSet);
    });
    EXPECT_EQ(std::memcmp(title, expected, 1024), 0);
    std::memcpy(FrameBuffer, title, 1024);
    // The lines end inside the blank cells at x 16..23 and 104..111.
    EXPECT_TRUE(GetPixel(18, 4));
    EXPECT_FALSE(GetPixel(19, 4));
    EXPECT_FALSE(GetPixel(109, 4));
    EXPECT_TRUE(GetPixel(110, 4));
    EXPECT_EQ(LitIn(0, 8, 127, 63), 0);
}

TEST_F(WidgetsTest, SixteenCharacterTitleStartsAtTheLeftEdge)
{
    u8 viaTitle[1024];
    u8 viaText[1024];
    Capture(viaTitle, [] { DrawTitle(" SET DATE&TIME  "); });
    Capture(viaText, [] {
        DrawText(0, 0, " SET DATE&TIME  ", 0, 0);
        DrawLine(0, 4, 2, 4, PixelSet);
        DrawLine(126, 4, 127, 4, PixelSet);
    });
    EXPECT_EQ(std::memcmp(viaTitle, viaText, 1024), 0);
}

// Past 16 characters the left line's end falls left of the display: the line then stops at
// x 0 instead of wrapping round into a stroke across the whole title.
TEST_F(WidgetsTest, OverlongTitleKeepsItsLinesAtTheEdges)
{
    u8 viaTitle[1024];
    u8 viaText[1024];
    Capture(viaTitle, [] { DrawTitle("                 "); });  // 17 blanks: only the lines show
    Capture(viaText, [] {
        PlotPixel(0, 4, PixelSet);    // 0 .. 66 - 68
        PlotPixel(127, 4, PixelSet);  // 62 + 68 .. 127, from the right end back to the edge
    });
    EXPECT_EQ(std::memcmp(viaTitle, viaText, 1024), 0);
    EXPECT_EQ(LitIn(1, 4, 126, 4), 0);
}

TEST_F(WidgetsTest, MenuRowInvertsWholeRowInBrowseAndOnlyTheValueInEdit)
{
    u8 row[1024];
    u8 expected[1024];
    Capture(row, [] { DrawMenuRow(0, 3, "VSI CAL: ", "100", HighlightRow); });
    Capture(expected, [] {
        DrawText(0, 32, "VSI CAL: ", 0, 1);
        DrawText(72, 32, "100", 0, 1);
    });
    EXPECT_EQ(std::memcmp(row, expected, 1024), 0);
    // An inverted cell is mostly lit whatever the glyphs look like.
    EXPECT_GT(LitIn(0, 32, 71, 39), 72 * 8 / 2);

    Capture(row, [] { DrawMenuRow(0, 3, "VSI CAL: ", "100", HighlightValue); });
    Capture(expected, [] {
        DrawText(0, 32, "VSI CAL: ", 0, 0);
        DrawText(72, 32, "100", 0, 1);
    });
    EXPECT_EQ(std::memcmp(row, expected, 1024), 0);
    EXPECT_LT(LitIn(0, 32, 71, 39), 72 * 8 / 2);
    EXPECT_GT(LitIn(72, 32, 95, 39), 24 * 8 / 2);

    // Another row than the cursor's is never inverted.
    Capture(row, [] { DrawMenuRow(0, 2, "VSI CAL: ", "100", HighlightNone); });
    Capture(expected, [] { DrawText(0, 24, "VSI CAL: 100", 0, 0); });
    EXPECT_EQ(std::memcmp(row, expected, 1024), 0);
}

TEST_F(WidgetsTest, ScrolledWindowKeepsTheCursorOnTheLastLine)
{
    EXPECT_EQ(ListTopFor(0), 0);
    EXPECT_EQ(ListTopFor(6), 0);
    EXPECT_EQ(ListTopFor(7), 1);
    EXPECT_EQ(ListTopFor(9), 3);
    // Item 9 on row 6 (y 56), highlighted; item 2 on row -1 falls on the title line.
    DrawMenuRow(0, 9 - 3, "A: ", "1", HighlightRow);
    EXPECT_GT(LitIn(0, 56, 31, 63), 32 * 8 / 2);
    DrawMenuRow(0, 2 - 3, "B: ", "2", HighlightRow);
    EXPECT_EQ(LitIn(0, 0, 127, 55), 0);
    // Rows -2 and 7 land below the display.
    DrawMenuRow(0, -2, "C: ", "3", HighlightRow);
    DrawMenuRow(0, 7, "D: ", "4", HighlightRow);
    EXPECT_EQ(LitIn(0, 0, 127, 55), 0);
}

TEST_F(WidgetsTest, TitleTextKeepsInsideItsCellsAndOffTheRowsBelow)
{
    DrawTitle(" MAX VALUES ");
    // Apart from the two lines on row 4, every lit pixel lies in the text's cells x 16..111;
    // the blank cells at each end hold only the ends of the lines.
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            if (!GetPixel(x, y) || y == 4) continue;
            EXPECT_TRUE(y < 8 && x >= 24 && x < 104) << "x " << x << " y " << y;
        }
    EXPECT_EQ(LitIn(0, 4, 18, 4), 19);
    EXPECT_EQ(LitIn(110, 4, 127, 4), 18);
}

TEST_F(WidgetsTest, ScrolledCursorRowIsTheInvertedBarAtTheBottom)
{
    u8 rows[1024];
    u8 expected[1024];
    // Items 2..9 as the list screen draws them with the cursor on 9: item 2 lands on the title line.
    Capture(rows, [] {
        static const char *const labels[] = {"I2: ", "I3: ", "I4: ", "I5: ", "I6: ", "I7: ", "I8: ", "I9: "};
        for (int item = 2; item <= 9; ++item)
            DrawMenuRow(0, static_cast<s8>(item - 3), labels[item - 2], "ON", item == 9 ? HighlightRow : HighlightNone);
    });
    Capture(expected, [] {
        static const char *const lines[] = {"I3: ON", "I4: ON", "I5: ON", "I6: ON", "I7: ON", "I8: ON"};
        for (int r = 0; r < 6; ++r) DrawText(0, static_cast<u8>(8 + 8 * r), lines[r], 0, 0);
        DrawText(0, 56, "I9: ON", 0, 1);
    });
    EXPECT_EQ(std::memcmp(rows, expected, 1024), 0);
}

TEST_F(WidgetsTest, RowTextIsSkippedOnTheTitleLine)
{
    DrawRowText(0, 0, "X", 1);
    DrawRowText(0, 7, "X", 1);
    EXPECT_EQ(LitIn(0, 0, 127, 63), 0);
    DrawRowText(0, 8, "X", 1);
    EXPECT_GT(LitIn(0, 8, 7, 15), 0);
    EXPECT_EQ(LitIn(8, 0, 127, 63), 0);
    // y 248 (a row scrolled two lines above the window) is below the display.
    ClearFrameBuffer();
    DrawRowText(0, 248, "X", 1);
    EXPECT_EQ(LitIn(0, 0, 127, 63), 0);
}

// Every byte outside the icon's block keeps 0xFF; the block holds the icon's source bytes.
void ExpectIconPlaced(IconName index, int x, int page)
{
    std::memset(FrameBuffer, 0xFF, 1024);
    DrawIcon(index);
    const u8 *sheet = index < 8 ? IconsLow : IconsHigh;
    const int k = index % 8;
    for (int p = 0; p < 8; ++p)
        for (int c = 0; c < 128; ++c) {
            const bool inside = p >= page && p < page + 4 && c >= x && c < x + 32;
            const u8 want = inside ? sheet[(4 * (k / 4) + p - page) * 128 + 32 * (k % 4) + c - x] : 0xFF;
            ASSERT_EQ(FrameBuffer[p * 128 + c], want) << "icon " << int(index) << " page " << p << " column " << c;
        }
}

TEST_F(WidgetsTest, IconsOverwriteTheirBlockOpaquely)
{
    ExpectIconPlaced(IconQuestion, 8, 1);  // rows 8..39, columns 8..39
    ExpectIconPlaced(IconMessage, 8, 2);   // rows 16..47, columns 8..39
    ExpectIconPlaced(IconFlightLog, 10, 2);
    ExpectIconPlaced(IconAsiSetup, 10, 2);
    ExpectIconPlaced(IconVsiSetup, 10, 2);
    ExpectIconPlaced(IconVoltsSetup, 10, 2);
    std::memset(FrameBuffer, 0xFF, 1024);
    DrawIcon(static_cast<IconName>(16));
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(FrameBuffer[i], 0xFF);
}

TEST_F(WidgetsTest, FuelAmountsAndUnits)
{
    char text[WidgetTextSize] = "x";
    FuelUnit = 1;
    FormatFuelAmount(text, 455);
    EXPECT_STREQ(text, "45.5");
    AppendFuelUnit(text);
    EXPECT_STREQ(text, "45.5G");
    FuelUnit = 0;
    FormatFuelAmount(text, 45);
    EXPECT_STREQ(text, "  45");
    AppendFuelUnit(text);
    EXPECT_STREQ(text, "  45L");
    FuelUnit = 4;
    FormatFuelAmount(text, 7);
    AppendFuelUnit(text);
    EXPECT_STREQ(text, "   7L");
    FuelUnit = 5;
    FormatFuelAmount(text, 7);
    EXPECT_STREQ(text, " 0.7");
    // An unknown unit leaves the text as it is.
    FuelUnit = 6;
    std::strcpy(text, "keep");
    FormatFuelAmount(text, 45);
    AppendFuelUnit(text);
    EXPECT_STREQ(text, "keep");
    FuelUnit = 0;
}

TEST_F(WidgetsTest, UnitTextsFollowTheSettings)
{
    char text[WidgetTextSize];
    std::strcpy(text, "-5");
    TempUnit = 0;
    AppendTempUnit(text);
    EXPECT_STREQ(text, "-5|C");
    TempUnit = 1;
    AppendTempUnit(text);
    EXPECT_STREQ(text, "-5|C|F");
    TempUnit = 0;
    const char *speeds[] = {"mph", "km/h", "knots"};
    for (u8 u = 0; u < 3; ++u) {
        AsiUnit = u;
        text[0] = 0;
        AppendSpeedUnit(text);
        EXPECT_STREQ(text, speeds[u]);
    }
    AsiUnit = 0;
    AltUnit = 1;
    std::strcpy(text, "ALT: 1234 ");
    AppendAltUnit(text);
    EXPECT_STREQ(text, "ALT: 1234 m");
    AltUnit = 0;
    // Appending never runs past the 32-byte buffer.
    std::memset(text, 'A', 31);
    text[31] = 0;
    AppendSpeedUnit(text);
    EXPECT_EQ(std::strlen(text), 31u);
    std::memset(text, 'A', 29);
    text[29] = 0;
    AsiUnit = 2;
    AppendSpeedUnit(text);
    EXPECT_STREQ(text + 29, "kn");
    AsiUnit = 0;
}

} // namespace
