// The display under a scaled screen (QT_SCALE_FACTOR) and --zoom: every instrument pixel a
// square of one size in whole device pixels, the window's size in window pixels unchanged.
//   vantro_window_scale_test [--zoom N]     (QT_SCALE_FACTOR from the environment; offscreen,
//                                            or the real screen under tools/with-xvfb.sh)
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "host/panel_actions.h"
#include "host/window/pcmain.h"
#include "host/window/sharp_display.h"
#include "host/window/window_options.h"
#include "lcd/framebuffer.h"

namespace {

// A pattern where each pixel differs from its right and lower neighbours somewhere, so that
// any pixel drawn one device pixel too wide or too narrow shows.
bool Lit(int x, int y) { return ((x + y) % 2 == 0) != (x % 7 == 3); }

TEST(ScaledWindow, EveryDisplayPixelIsASquareOfOneSize)
{
    TForm1 form;
    form.show();
    EXPECT_EQ(form.size(), QSize(621, 404));
    ClearFrameBuffer();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            if (Lit(x, y)) PlotPixel(static_cast<u8>(x), static_cast<u8>(y), 1);
    form.BlitLcd();

    // On a real X display (under tools/with-xvfb.sh) what the screen shows, else the widget
    // painted into a picture of the screen's scale.
    QImage shot;
    if (QGuiApplication::platformName() == "xcb") {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(300);
        shot = form.screen()->grabWindow(form.winId()).toImage();
    } else {
        shot = form.grab().toImage();
    }
    shot = shot.convertToFormat(QImage::Format_RGB32);
    const double ratio = shot.devicePixelRatio();
    const int k = DevicePixelsPerDisplayPixel(ratio);
    SCOPED_TRACE("device ratio " + std::to_string(ratio) + ", " + std::to_string(k) + " device pixels per display pixel");
    EXPECT_EQ(shot.width(), static_cast<int>(std::round(621 * ratio)));
    // As large as whole device pixels allow inside the display's frame.
    EXPECT_LE(k * 128, 257 * ratio);
    EXPECT_GT((k + 1) * 128, 257 * ratio);

    // The display's corner: the first lit pixel inside the grey panel around it.
    const QRect panel(QPointF(40 * ratio, 93 * ratio).toPoint(), QSizeF(257 * ratio - 1, 129 * ratio - 1).toSize());
    QPoint corner(-1, -1);
    for (int y = panel.top(); y <= panel.bottom() && corner.x() < 0; ++y)
        for (int x = panel.left(); x <= panel.right(); ++x)
            if (shot.pixel(x, y) == LcdLitRgb) {
                corner = QPoint(x, y);
                break;
            }
    ASSERT_GE(corner.x(), 0) << "no display pixel found";
    ASSERT_TRUE(panel.contains(corner + QPoint(128 * k - 1, 64 * k - 1)));
    int wrong = 0;
    for (int y = 0; y < 64 * k; ++y)
        for (int x = 0; x < 128 * k; ++x) {
            const QRgb want = Lit(x / k, y / k) ? LcdLitRgb : LcdUnlitRgb;
            if (shot.pixel(corner.x() + x, corner.y() + y) != want && wrong++ < 5)
                ADD_FAILURE() << "device pixel " << x << "," << y << " of display pixel " << x / k << "," << y / k;
        }
    EXPECT_EQ(wrong, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << argv[i];
    WindowOptions options;
    if (ParseWindowOptions(arguments, options) != CommandLineVerdict::Run) return 2;
    ApplyZoom(options.Zoom);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
