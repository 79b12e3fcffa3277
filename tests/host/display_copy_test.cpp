// The display copy: after any sequence of frame buffer changes the image shows every display
// pixel as its 2 x 2 block, and nothing outside the 256 x 128 pixels is ever written.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "host/display_copy.h"
#include "host/panel_actions.h"
#include "lcd/framebuffer.h"

namespace {

constexpr u32 Guard = 3;
constexpr u32 GuardColour = 0x5A5A5A5Au;

// An image with guard columns and rows around the picture; `extra` widens each row.
struct GuardedImage {
    explicit GuardedImage(u32 extra = 0) : Stride(256 + 2 * Guard + extra), Pixels(Stride * (128 + 2 * Guard), GuardColour) {}
    u32 *Picture() { return Pixels.data() + Guard * Stride + Guard; }
    u32 Stride;
    std::vector<u32> Pixels;
};

// Every picture pixel against its display pixel and every guard pixel untouched; the first
// wrong pixel is reported.
::testing::AssertionResult ShowsTheFrameBuffer(const GuardedImage &image)
{
    const u32 rows = 128 + 2 * Guard;
    for (u32 y = 0; y < rows; ++y)
        for (u32 x = 0; x < image.Stride; ++x) {
            const bool inside = x >= Guard && x < Guard + 256 && y >= Guard && y < Guard + 128;
            const u32 want = !inside ? GuardColour
                             : GetPixel(static_cast<u8>((x - Guard) / 2), static_cast<u8>((y - Guard) / 2)) ? LcdLitRgb
                                                                                                             : LcdUnlitRgb;
            if (image.Pixels[y * image.Stride + x] != want)
                return ::testing::AssertionFailure() << "image pixel (" << x << ", " << y << ")";
        }
    return ::testing::AssertionSuccess();
}

struct Step {
    const char *What;
    std::function<void()> Change;
    bool Repaints;  // whether the copy writes any pixel
};

TEST(DisplayCopyTest, ShowsTheFrameBufferAfterEveryChange)
{
    ClearFrameBuffer();
    const Step steps[] = {
        {"first copy of a blank display", [] {}, true},
        {"nothing changed", [] {}, false},
        {"top left pixel", [] { PlotPixel(0, 0, PixelSet); }, true},
        {"bottom right pixel", [] { PlotPixel(127, 63, PixelSet); }, true},
        {"a pixel in every block", [] { for (u8 x = 3; x < 128; x += 8) for (u8 y = 5; y < 64; y += 8) PlotPixel(x, y, PixelSet); }, true},
        {"a line across blocks", [] { DrawLine(0, 63, 127, 0, PixelInvert); }, true},
        {"every pixel lit", [] { std::memset(FrameBuffer, 0xFF, 1024); }, true},
        {"a pattern", [] { for (int i = 0; i < 1024; ++i) FrameBuffer[i] = static_cast<u8>(i * 97 + 13); }, true},
        {"the same pattern again", [] { for (int i = 0; i < 1024; ++i) FrameBuffer[i] = static_cast<u8>(i * 97 + 13); }, false},
        {"one pixel back", [] { PlotPixel(64, 32, PixelInvert); }, true},
        {"cleared", [] { ClearFrameBuffer(); }, true},
    };
    GuardedImage image;
    DisplayCopy copy;
    for (const Step &step : steps) {
        step.Change();
        EXPECT_EQ(copy.Paint(image.Picture(), image.Stride), step.Repaints) << step.What;
        EXPECT_TRUE(ShowsTheFrameBuffer(image)) << step.What;
    }
}

TEST(DisplayCopyTest, RepaintsEverythingForAnotherImageOrAfterForget)
{
    for (int i = 0; i < 1024; ++i) FrameBuffer[i] = static_cast<u8>(i * 31 + 7);
    GuardedImage image;
    DisplayCopy copy;
    copy.Paint(image.Picture(), image.Stride);

    // Written from elsewhere: the copy cannot know until it is told.
    image.Picture()[5 * image.Stride + 9] = 0x12345678;
    EXPECT_FALSE(copy.Paint(image.Picture(), image.Stride));
    copy.Forget();
    EXPECT_TRUE(copy.Paint(image.Picture(), image.Stride));
    EXPECT_TRUE(ShowsTheFrameBuffer(image));

    // Another image with wider rows, with the frame buffer unchanged.
    GuardedImage wider(17);
    EXPECT_TRUE(copy.Paint(wider.Picture(), wider.Stride));
    EXPECT_TRUE(ShowsTheFrameBuffer(wider));
}

} // namespace
