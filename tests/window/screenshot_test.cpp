// A screenshot of the real window on an X display (run under tools/with-xvfb.sh): what the
// screen shows must be the display picture, the lamp and the face where the panel puts them.
// The picture is kept as a PNG (VANTRO_SCREENSHOT, default /tmp/vantro2-window.png) for a
// person to look at.
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <iterator>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "lcd/framebuffer.h"
#include "screens/navigation.h"
#include "window_test_support.h"

namespace {

constexpr int DisplayLeft = 39 + 1;  // Panel1 and Image1 inside it
constexpr int DisplayTop = 92 + 1;

// The screen shows the picture of the previous pump (its repaint is still queued behind this
// step); both grabs are taken where the picture stands still, so that is the current picture.
QImage GrabWindow(TForm1 &form)
{
    QImage shot = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = qEnvironmentVariable("VANTRO_SCREENSHOT", "/tmp/vantro2-window.png");
    shot.save(path);
    return shot;
}

// Every one of the 8192 display pixels on the screen must show the frame buffer as it stood
// when the screen was grabbed: all four pixels of its block black when lit, the inactive-border
// grey when unlit. Returns the number of lit pixels.
int CheckDisplay(const QImage &shot, const std::array<u8, 1024> &frame)
{
    int lit = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool on = (frame[(y / 8) * 128 + x] >> (y % 8)) & 1;
            lit += on;
            const QRgb want = on ? LcdLitRgb : LcdUnlitRgb;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb got = shot.pixel(DisplayLeft + 2 * x + dx, DisplayTop + 2 * y + dy) | 0xFF000000u;
                    if (got != want) {
                        ADD_FAILURE() << "display pixel " << x << "," << y << " shows " << std::hex << got;
                        return -1;
                    }
                }
        }
    }
    return lit;
}

std::array<u8, 1024> SnapshotFrame()
{
    std::array<u8, 1024> frame;
    std::copy(std::begin(FrameBuffer), std::end(FrameBuffer), frame.begin());
    return frame;
}

// A picture with every kind of detail: the outline, a solid block and a checkerboard.
void PatternScreen()
{
    DrawFrame(0, 0, 127, 63, PixelSet);
    FillBox(10, 10, 40, 30, PixelSet);
    for (u8 y = 20; y < 40; ++y)
        for (u8 x = 60; x < 90; ++x)
            if ((x + y) % 2 == 0) PlotPixel(x, y, PixelSet);
}

TEST(WindowScreenshot, SplashLampAndFaceAppearWhereTheyBelong)
{
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X display (tools/with-xvfb.sh)";
    TForm1 form;
    form.SplashFrameMs = 0;  // one pump per frame: the driver counts frames by pumps
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QImage splash, running;
    std::array<u8, 1024> splashFrame{}, runningFrame{};
    PumpDriver driver(&form);
    driver.AtPump(70, [&] {  // the still picture of the splash
              splashFrame = SnapshotFrame();
              splash = GrabWindow(form);
          })
        .AtCycle(1, [] { CurrentScreen = PatternScreen; })
        .AtCycle(5, [&] {
            runningFrame = SnapshotFrame();
            running = GrabWindow(form);
            RequestStop();
        });
    driver.Run();
    ASSERT_FALSE(splash.isNull());
    ASSERT_FALSE(running.isNull());
    ASSERT_EQ(running.size(), QSize(621, 404));

    // The splash: every lit and unlit pixel where the frame buffer has it.
    EXPECT_GE(CheckDisplay(splash, splashFrame), 0);
    // The pattern: outline 380 pixels, block 651, checkerboard 300.
    EXPECT_EQ(CheckDisplay(running, runningFrame), 380 + 651 + 300);
    // The display frame: the last column and row of Image1 are never painted.
    EXPECT_NE(splash.pixel(DisplayLeft + 256, DisplayTop + 10) | 0xFF000000u, LcdLitRgb);

    // The lamp: red in the middle of its circle (dark red 128 once cycling without alarm).
    const QColor lamp = running.pixelColor(153 + 14, 16 + 14);
    EXPECT_EQ(lamp, QColor(128, 0, 0));
    // The face: not the window's background, and not flat.
    const QColor faceTop = running.pixelColor(168, 40);
    const QColor faceCorner = running.pixelColor(4, 4);
    const QColor background = form.palette().color(QPalette::Window);
    EXPECT_NE(faceTop, background);
    EXPECT_NE(faceTop, faceCorner);
    // Controls on the right side are drawn: the ON button is not the background colour all over.
    int buttonPixels = 0;
    for (int x = 30; x < 150; ++x) buttonPixels += running.pixelColor(x, 356) != background;
    EXPECT_GT(buttonPixels, 0);
}

} // namespace
