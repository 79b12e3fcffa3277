// Pixel primitives: addressing, clipping, modes, lines, frames and fills.
#include <gtest/gtest.h>

#include <cstring>

#include "lcd/framebuffer.h"

namespace {

int LitCount()
{
    int n = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) n += GetPixel(x, y) ? 1 : 0;
    return n;
}

class FrameBufferTest : public ::testing::Test {
protected:
    void SetUp() override { ClearFrameBuffer(); }
};

TEST_F(FrameBufferTest, PixelsLandInTheirPageBytes)
{
    PlotPixel(127, 63, PixelSet);
    EXPECT_EQ(FrameBuffer[1023], 0x80);
    PlotPixel(0, 0, PixelSet);
    EXPECT_EQ(FrameBuffer[0], 0x01);
    PlotPixel(5, 9, PixelSet);
    EXPECT_EQ(FrameBuffer[133], 0x02);
    EXPECT_EQ(LitCount(), 3);
}

TEST_F(FrameBufferTest, OffScreenPointsAndUnknownModesChangeNothing)
{
    KeySlot = 0;
    KeyStep = 0;
    PlotPixel(128, 0, PixelSet);
    PlotPixel(0, 64, PixelSet);
    PlotPixel(255, 255, PixelSet);
    PlotPixel(3, 3, 3);
    PlotPixel(3, 3, 200);
    EXPECT_EQ(LitCount(), 0);
    EXPECT_EQ(KeySlot, 0);
    EXPECT_EQ(KeyStep, 0);
    EXPECT_FALSE(GetPixel(128, 0));
    EXPECT_FALSE(GetPixel(0, 64));
}

TEST_F(FrameBufferTest, ClearAndInvertModes)
{
    PlotPixel(10, 10, PixelInvert);
    EXPECT_TRUE(GetPixel(10, 10));
    PlotPixel(10, 10, PixelInvert);
    EXPECT_FALSE(GetPixel(10, 10));
    PlotPixel(10, 10, PixelSet);
    PlotPixel(10, 10, PixelClear);
    EXPECT_FALSE(GetPixel(10, 10));
}

TEST_F(FrameBufferTest, ClearCoversOnlyTheImage)
{
    std::memset(FrameBuffer, 0xFF, 1024);
    KeySlot = 4;
    KeyStep = 10;
    ClearFrameBuffer();
    EXPECT_EQ(LitCount(), 0);
    EXPECT_EQ(KeySlot, 4);
    EXPECT_EQ(KeyStep, 10);
    EXPECT_EQ(&KeySlot, &FrameBuffer[0] + 1024);
    EXPECT_EQ(&KeyStep, &FrameBuffer[0] + 1025);
}

TEST_F(FrameBufferTest, LineLengthsAndShapes)
{
    DrawLine(3, 3, 3, 3, PixelSet);
    EXPECT_EQ(LitCount(), 1);
    ClearFrameBuffer();
    DrawLine(0, 0, 7, 0, PixelSet);
    EXPECT_EQ(LitCount(), 8);
    ClearFrameBuffer();
    DrawLine(0, 0, 4, 4, PixelSet);
    EXPECT_EQ(LitCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(GetPixel(i, i));
}

TEST_F(FrameBufferTest, ShallowLineTakesTheStraightStepOnATie)
{
    DrawLine(0, 0, 5, 2, PixelSet);
    const int expected[6][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}};
    for (const auto &p : expected) EXPECT_TRUE(GetPixel(p[0], p[1])) << p[0] << "," << p[1];
    EXPECT_EQ(LitCount(), 6);
}

TEST_F(FrameBufferTest, SteepAndReversedLines)
{
    DrawLine(2, 0, 4, 9, PixelSet);
    EXPECT_EQ(LitCount(), 10);
    EXPECT_TRUE(GetPixel(2, 0));
    EXPECT_TRUE(GetPixel(4, 9));
    ClearFrameBuffer();
    DrawLine(7, 5, 0, 5, PixelSet);
    EXPECT_EQ(LitCount(), 8);
}

TEST_F(FrameBufferTest, LineStartingLeftOfTheScreenIsClipped)
{
    DrawLine(-3, 10, 5, 10, PixelSet);
    EXPECT_EQ(LitCount(), 6);
    for (int x = 0; x <= 5; ++x) EXPECT_TRUE(GetPixel(x, 10));
}

TEST_F(FrameBufferTest, FrameIsOutlineOnly)
{
    DrawFrame(1, 15, 126, 25, PixelSet);
    EXPECT_TRUE(GetPixel(1, 15));
    EXPECT_TRUE(GetPixel(126, 25));
    EXPECT_TRUE(GetPixel(60, 15));
    EXPECT_TRUE(GetPixel(1, 20));
    EXPECT_FALSE(GetPixel(60, 20));
    EXPECT_EQ(LitCount(), 2 * 126 + 2 * 9);
}

TEST_F(FrameBufferTest, InvertedFrameLeavesCornersUnchanged)
{
    DrawFrame(1, 15, 126, 25, PixelInvert);
    EXPECT_FALSE(GetPixel(1, 15));
    EXPECT_FALSE(GetPixel(126, 15));
    EXPECT_FALSE(GetPixel(1, 25));
    EXPECT_FALSE(GetPixel(126, 25));
    EXPECT_TRUE(GetPixel(2, 15));
    EXPECT_TRUE(GetPixel(1, 16));
}

TEST_F(FrameBufferTest, FillBoxEdgeCases)
{
    FillBox(10, 5, 9, 8, PixelSet);
    EXPECT_EQ(LitCount(), 0);
    FillBox(1, 15, 1, 25, PixelSet);
    EXPECT_EQ(LitCount(), 11);
    ClearFrameBuffer();
    FillBox(2, 8, 4, 3, PixelSet);  // rows in either order
    EXPECT_EQ(LitCount(), 3 * 6);
    ClearFrameBuffer();
    FillBox(120, 0, 255, 1, PixelSet);  // a right edge past the screen still ends
    EXPECT_EQ(LitCount(), 8 * 2);
}

} // namespace
