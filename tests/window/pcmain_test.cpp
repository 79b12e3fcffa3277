// Tests of the front panel window TForm1: layout, clicks, sliders, check boxes, lamp, display
// copy, "Communication Window", ON/OFF with nesting, closing while running, and the keyboard.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "instrument/airdata.h"
#include "instrument/engine_fuel.h"
#include "instrument/inputs.h"
#include "lcd/framebuffer.h"
#include "screens/main_page.h"
#include "screens/screens.h"
#include "screens/navigation.h"
#include "window_test_support.h"

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        KeySlot = 0;
        StopRequest = 0;
        for (const SliderInfo &slider : Sliders)
            if (slider.Latch != nullptr) *slider.Latch = 0;
        RpmPulseCount = 0;
        RecordedKeys.clear();
        ScreenCalls = 0;
        Form = std::make_unique<TForm1>();
        Form->SplashFrameMs = 0;  // the start-up animation at full speed, except where timed
        Form->show();
    }
    void TearDown() override
    {
        Form.reset();
        EXPECT_EQ(Form1, nullptr);
        EXPECT_EQ(Panel, nullptr);
    }
    std::unique_ptr<TForm1> Form;
};

QRect At(int x, int y, int w, int h) { return QRect(x, y, w, h); }

// --- layout ---------------------------------------------------------------------------------

TEST_F(WindowTest, WindowIsFixedCentredAndCaptioned)
{
    EXPECT_EQ(Form->windowTitle(), "Brastova VANTRO-2");
    EXPECT_EQ(Form->size(), QSize(621, 404));
    EXPECT_EQ(Form->minimumSize(), QSize(621, 404));
    EXPECT_EQ(Form->maximumSize(), QSize(621, 404));
    const Qt::WindowFlags flags = Form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    Form->resize(800, 600);
    EXPECT_EQ(Form->size(), QSize(621, 404));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint frameCentre = Form->frameGeometry().center();
    EXPECT_LE((frameCentre - screenCentre).manhattanLength(), 1) << frameCentre.x() << "," << frameCentre.y();
}

TEST_F(WindowTest, EveryControlSitsWhereThePanelDrawingPutsIt)
{
    struct Place {
        const char *Name;
        QRect Geometry;
        const char *Text;
    };
    const Place places[] = {
        {"Image2", At(0, 0, 336, 323), nullptr},        {"Panel1", At(39, 92, 259, 131), nullptr},
        {"Image1", At(1, 1, 257, 129), nullptr},        {"Image3", At(72, 241, 49, 49), nullptr},
        {"Image5", At(143, 254, 49, 49), nullptr},      {"Image6", At(212, 241, 49, 49), nullptr},
        {"Button3", At(96, 293, 59, 25), "Clockwise"},  {"Button4", At(181, 294, 75, 25), "AntiClockwise"},
        {"Shape1", At(153, 16, 29, 29), nullptr},       {"Button1", At(24, 336, 129, 41), "ON"},
        {"Button2", At(176, 336, 137, 41), "OFF"},      {"CheckBox2", At(360, 264, 97, 17), "Calibrate"},
        {"CheckBox3", At(472, 264, 97, 17), "KeyFast"}, {"GroupBox1", At(344, 288, 273, 97), nullptr},
        {"Memo1", At(2, 15, 269, 80), nullptr},         {"StatusBar1", At(0, 385, 621, 19), nullptr},
    };
    for (const Place &place : places) {
        SCOPED_TRACE(place.Name);
        QWidget *control = Form->findChild<QWidget *>(place.Name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), place.Geometry);
        if (place.Text != nullptr) {
            EXPECT_EQ(control->property("text").toString(), place.Text);
        }
    }
    EXPECT_EQ(Form->Image1->parentWidget(), Form->Panel1);
    EXPECT_EQ(Form->Memo1->parentWidget(), Form->GroupBox1);
    EXPECT_EQ(Form->GroupBox1->title(), " Communication Window  ");
    EXPECT_TRUE(Form->Memo1->isReadOnly());
    EXPECT_EQ(Form->Memo1->maximumBlockCount(), static_cast<int>(CommWindowMaxLines));
    EXPECT_TRUE(Form->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(Form->StatusBar1->currentMessage().isEmpty());

    // Tab order starts ON, OFF: the first control that takes the focus by tab is ON.
    EXPECT_EQ(Form->Button1->nextInFocusChain(), Form->Button2);
    QWidget *first = Form->nextInFocusChain();
    while (first != Form.get() && (first->focusPolicy() & Qt::TabFocus) == 0) first = first->nextInFocusChain();
    EXPECT_EQ(first, Form->Button1) << first->objectName().toStdString();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    EXPECT_EQ(QApplication::focusWidget(), Form->Button1);

    // The timers tick from the start, whether or not the instrument is on: Timer1 every
    // 50 ms (20 ticks make the instrument's second), Timer2 every 100 ms.
    EXPECT_EQ(Form->Timer1->interval(), 50);
    EXPECT_EQ(Form->Timer2->interval(), 100);
    for (QTimer *timer : {Form->Timer1, Form->Timer2}) EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(Form->findChild<QTimer *>("Timer1"), Form->Timer1);
    EXPECT_EQ(Form->findChild<QTimer *>("Timer2"), Form->Timer2);
}

TEST_F(WindowTest, SlidersAndTheirLabelsStartAsDrawn)
{
    struct Row {
        int TrackBar, Y, NameLabel, ValueLabel, ValueX;
        const char *Name;
    };
    const Row rows[] = {
        {2, 8, 2, 3, 384, "Altitude"},     {1, 40, 1, 13, 384, "Airspeed"}, {3, 72, 4, 8, 384, "RPM"},
        {4, 104, 5, 9, 384, "Volts"},      {5, 136, 6, 10, 392, "Fuel Level"},
        {6, 168, 7, 11, 392, "Fuel Flow"}, {7, 200, 12, 14, 384, "OAT"},    {8, 232, 15, 16, 384, "VSI"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.Name);
        QSlider *slider = Form->findChild<QSlider *>(QString("TrackBar%1").arg(row.TrackBar));
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider, Form->TrackBarByNumber(row.TrackBar));
        EXPECT_EQ(slider->geometry(), At(416, row.Y, 201, 33));
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 4096);
        EXPECT_EQ(slider->value(), 1);
        EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);
        QLabel *name = Form->findChild<QLabel *>(QString("Label%1").arg(row.NameLabel));
        QLabel *value = Form->findChild<QLabel *>(QString("Label%1").arg(row.ValueLabel));
        ASSERT_NE(name, nullptr);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(name->text(), row.Name);
        EXPECT_EQ(value->text(), "0");
        EXPECT_EQ(name->pos(), QPoint(336, row.Y + 8));
        EXPECT_EQ(value->pos(), QPoint(row.ValueX, row.Y + 8));
        // The value label must not run under its slider.
        EXPECT_LE(value->geometry().right(), 415);
    }
}

TEST_F(WindowTest, FaceIsDecodedAndStretchedOverImage2)
{
    const QPixmap face = Form->Image2->pixmap();
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.size(), QSize(336, 323));
    const QImage picture = face.toImage();
    // A real picture, not a flat fill: the corners and the middle differ.
    EXPECT_NE(picture.pixel(5, 5), picture.pixel(168, 290));
    EXPECT_NE(picture.pixel(168, 160), picture.pixel(5, 318));
}

// --- clicks ---------------------------------------------------------------------------------

TEST_F(WindowTest, EachClickAreaAndKnobButtonStoresItsKeyCode)
{
    const std::pair<QWidget *, int> controls[] = {
        {Form->Image5, KeyCentre},      {Form->Button3, KeyClockwise}, {Form->Button4, KeyAntiClockwise},
        {Form->Image3, KeyLeft},        {Form->Image6, KeyRight},
    };
    for (const auto &[control, code] : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        KeySlot = 0;
        Click(control);
        EXPECT_EQ(KeySlot, code);
    }
}

TEST_F(WindowTest, ASecondClickWhileAKeyWaitsIsLost)
{
    Click(Form->Image3);
    Click(Form->Image6);
    Click(Form->Button3);
    EXPECT_EQ(KeySlot, KeyLeft);
}

TEST_F(WindowTest, PressInsideReleaseOutsideIsNoClick)
{
    const QPointF inside(10, 10), outside(80, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, Form->Image5->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, outside, Form->Image5->mapToGlobal(outside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Form->Image5, &press);
    QCoreApplication::sendEvent(Form->Image5, &release);
    EXPECT_EQ(KeySlot, 0);
    QTest::mouseClick(Form->Image5, Qt::RightButton);
    EXPECT_EQ(KeySlot, 0);
}

TEST_F(WindowTest, ClickAreasAndKnobButtonsNameTheirKeysInToolTips)
{
    EXPECT_TRUE(Form->Image3->toolTip().contains("Left arrow"));
    EXPECT_TRUE(Form->Image5->toolTip().contains("Return"));
    EXPECT_TRUE(Form->Image6->toolTip().contains("Right arrow"));
    EXPECT_TRUE(Form->Button3->toolTip().contains("Up arrow"));
    EXPECT_TRUE(Form->Button4->toolTip().contains("Down arrow"));
}

// --- sliders ----------------------------------------------------------------------------------

TEST_F(WindowTest, SlidersUpdateLatchAndLabelAtOnceWhileOff)
{
    for (const SliderInfo &info : Sliders) {
        if (info.Latch == nullptr) continue;
        SCOPED_TRACE(info.Title);
        QSlider *slider = Form->TrackBarByNumber(info.TrackBar);
        slider->setValue(2345);
        EXPECT_EQ(*info.Latch, 2345);
        EXPECT_EQ(Form->LabelByNumber(info.ValueLabel)->text(), "2345");
        // The ends of the range, and a value beyond them held at the end.
        slider->setValue(4096);
        EXPECT_EQ(*info.Latch, 4096);
        slider->setValue(0);
        EXPECT_EQ(*info.Latch, 0);
        EXPECT_EQ(Form->LabelByNumber(info.ValueLabel)->text(), "0");
        slider->setValue(5000);
        EXPECT_EQ(*info.Latch, 4096);
        EXPECT_EQ(Form->LabelByNumber(info.ValueLabel)->text(), "4096");
    }
}

TEST_F(WindowTest, SliderMovedByItsOwnKeysStillReachesItsLatch)
{
    Form->TrackBar5->setFocus();
    QTest::keyClick(Form->TrackBar5, Qt::Key_End);
    EXPECT_EQ(InputFuelLevel, 4096);
    EXPECT_EQ(Form->Label10->text(), "4096");
}

TEST_F(WindowTest, RpmSliderLeavesItsLabelToTheCycle)
{
    Form->TrackBar3->setValue(700);
    EXPECT_EQ(Form->Label8->text(), "0");
    EXPECT_EQ(RpmPulseCount, 0);
    EXPECT_EQ(Form->RpmSliderPosition(), 700);
}

TEST_F(WindowTest, WhileRunningSlidersActAtOnceAndRpmFollowsTheCycle)
{
    Form->TrackBar3->setValue(700);
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [] { CurrentScreen = [] { ReadRpmInput(); RecordingScreen(); }; })
        .AtCycle(2, [&] {
            EXPECT_EQ(Form->Label8->text(), "700");
            Form->TrackBar3->setValue(900);
            EXPECT_EQ(Form->Label8->text(), "700");  // not before the next cycle
            Form->TrackBar2->setValue(1234);
            EXPECT_EQ(InputAltitude, 1234);
            EXPECT_EQ(Form->Label3->text(), "1234");
            Form->TrackBar1->setValue(321);
            EXPECT_EQ(InputAirspeed, 321);
            EXPECT_EQ(Form->Label13->text(), "321");
        })
        .AtCycle(3, [&] {
            EXPECT_EQ(Form->Label8->text(), "900");
            RequestStop();
        });
    driver.Run();
    EXPECT_TRUE(driver.Finished());
    Form->TrackBar3->setValue(1000);
    EXPECT_EQ(Form->Label8->text(), "900");
}

// --- check boxes and lamp ---------------------------------------------------------------------------

TEST_F(WindowTest, CheckBoxesTakeEffectAtTheNextCycle)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [&] {
              EXPECT_EQ(CalibrateMode, 0);
              EXPECT_EQ(KeyStep, 1);
              QTest::mouseClick(Form->CheckBox2, Qt::LeftButton);
              QTest::mouseClick(Form->CheckBox3, Qt::LeftButton);
              ASSERT_TRUE(Form->CheckBox2->isChecked());
              ASSERT_TRUE(Form->CheckBox3->isChecked());
              EXPECT_EQ(CalibrateMode, 0);
              EXPECT_EQ(KeyStep, 1);
          })
        .AtCycle(2, [&] {
            EXPECT_EQ(CalibrateMode, 1);
            EXPECT_EQ(KeyStep, 10);
            Form->CheckBox2->setChecked(false);
            Form->CheckBox3->setChecked(false);
        })
        .AtCycle(3, [&] {
            EXPECT_EQ(CalibrateMode, 0);
            EXPECT_EQ(KeyStep, 1);
            RequestStop();
        });
    driver.Run();
    EXPECT_TRUE(driver.Finished());
}

QColor LampCentre(TForm1 *form) { return form->Shape1->grab().toImage().pixelColor(14, 14); }

TEST_F(WindowTest, LampStartsBrightRedAndTakesToolkitColours)
{
    EXPECT_EQ(Form->Shape1->Colour(), 255u);
    EXPECT_EQ(LampCentre(Form.get()), QColor(255, 0, 0));
    Form->SetLampColour(128);
    EXPECT_EQ(LampCentre(Form.get()), QColor(128, 0, 0));
    Form->SetLampColour(0x00FF8000);  // blue 255, green 128, red 0
    EXPECT_EQ(LampCentre(Form.get()), QColor(0, 128, 255));
}

TEST_F(WindowTest, LampBlinksWithAnUnacknowledgedAlarm)
{
    Form->Timer1->stop();  // the blink phase is set by hand below
    SlowTick = 0;
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [&] {
              EXPECT_EQ(Form->Shape1->Colour(), 128u);  // no alarm
              AlarmFlags = 1;
              AlarmAcknowledged = 0;
              BlinkFlag = 1;
          })
        .AtCycle(2, [&] {
            EXPECT_EQ(Form->Shape1->Colour(), 255u);
            BlinkFlag = 0;
        })
        .AtCycle(3, [&] {
            EXPECT_EQ(Form->Shape1->Colour(), 128u);
            BlinkFlag = 1;
            AlarmAcknowledged = 1;
        })
        .AtCycle(4, [&] {
            EXPECT_EQ(Form->Shape1->Colour(), 128u);
            AlarmFlags = 0;
            AlarmAcknowledged = 0;
            RequestStop();
        });
    driver.Run();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(LampCentre(Form.get()), QColor(128, 0, 0));
}

// --- display copy -----------------------------------------------------------------------------

constexpr QRgb Marker = 0xFF123456;

TEST_F(WindowTest, EmptyFrameBufferPaintsTheWholeDisplayUnlit)
{
    const QImage &picture = Form->Image1->Picture;
    const auto unlitPixels = [&] {
        int unlit = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 256; ++x) unlit += picture.pixel(x, y) == LcdUnlitRgb;
        return unlit;
    };
    Form->Image1->Picture.fill(Marker);
    ClearFrameBuffer();
    Form->BlitLcd();
    EXPECT_EQ(unlitPixels(), 256 * 128);
    for (int y = 0; y < 129; ++y) EXPECT_EQ(picture.pixel(256, y), Marker) << "row " << y;
    for (int x = 0; x < 257; ++x) EXPECT_EQ(picture.pixel(x, 128), Marker) << "column " << x;

    // The copy repaints only what changed in the frame buffer, but a picture written from
    // elsewhere in between is painted whole again.
    Form->Image1->Picture.fill(Marker);
    Form->BlitLcd();
    EXPECT_EQ(unlitPixels(), 256 * 128);
}

TEST_F(WindowTest, OneLitPixelPaintsOneBlackBlock)
{
    Form->Image1->Picture.fill(Marker);
    ClearFrameBuffer();
    FrameBuffer[0] = 1;
    Form->BlitLcd();
    const QImage &picture = Form->Image1->Picture;
    int black = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x) black += picture.pixel(x, y) == LcdLitRgb;
    EXPECT_EQ(black, 4);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        EXPECT_EQ(picture.pixel(p), LcdLitRgb);
    EXPECT_EQ(picture.pixel(2, 0), LcdUnlitRgb);
    EXPECT_EQ(picture.pixel(0, 2), LcdUnlitRgb);
}

TEST_F(WindowTest, BottomRightPixelPaintsTheLastBlockAndNothingBeyond)
{
    Form->Image1->Picture.fill(Marker);
    ClearFrameBuffer();
    PlotPixel(127, 63, PixelSet);
    PlotPixel(5, 9, PixelSet);
    Form->BlitLcd();
    const QImage &picture = Form->Image1->Picture;
    for (const QPoint p : {QPoint(254, 126), QPoint(255, 126), QPoint(254, 127), QPoint(255, 127),
                           QPoint(10, 18), QPoint(11, 19)})
        EXPECT_EQ(picture.pixel(p), LcdLitRgb) << p.x() << "," << p.y();
    EXPECT_EQ(picture.pixel(256, 127), Marker);
    EXPECT_EQ(picture.pixel(255, 128), Marker);
    EXPECT_EQ(picture.pixel(256, 128), Marker);
    EXPECT_EQ(picture.pixel(12, 18), LcdUnlitRgb);
}

TEST_F(WindowTest, TheDisplayShowsThePaintedImage)
{
    ClearFrameBuffer();
    FillBox(0, 0, 9, 9, PixelSet);
    Form->HideDisplay();
    Form->BlitLcd();
    Form->ShowDisplay();
    const QImage shown = Form->Image1->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0) | 0xFF000000u, LcdLitRgb);
    EXPECT_EQ(shown.pixel(19, 19) | 0xFF000000u, LcdLitRgb);
    EXPECT_EQ(shown.pixel(20, 20) | 0xFF000000u, LcdUnlitRgb);
}

TEST_F(WindowTest, DisplayIsHiddenOnlyWhileTheScreenDraws)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [] { CurrentScreen = RecordingScreen; })
        .AtCycle(3, [&] {
            EXPECT_TRUE(DisplayHiddenInScreen);
            EXPECT_FALSE(Form->Image1->IsHidden());
            EXPECT_TRUE(Form->Image1->isVisible());  // never really taken off the window
            RequestStop();
        });
    driver.Run();
    EXPECT_GE(ScreenCalls, 2);
}

// --- communication window -------------------------------------------------------------------

TEST_F(WindowTest, CommunicationWindowGainsOneLinePerCycle)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(4, [] { std::snprintf(CommBuffer, sizeof CommBuffer, "LINE-A"); })
        .AtCycle(5, [] { CommBuffer[0] = 0; })
        .AtCycle(30, [] { RequestStop(); });
    driver.Run();
    Form->FlushCommLines();
    EXPECT_EQ(driver.Cycles(), 30u);
    EXPECT_EQ(Form->Memo1->blockCount(), 30);
    const QStringList lines = Form->Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines.indexOf("LINE-A"), 4);  // written during the fourth cycle's pump, shown by the fifth
    EXPECT_EQ(lines.count(QString()), 29);
}

TEST_F(WindowTest, CommunicationWindowStaysUnderItsCap)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(CommWindowMaxLines + 200, [] { RequestStop(); });
    driver.Run();
    QTest::qWait(150);  // the window brings the last lines in by itself
    EXPECT_EQ(Form->Memo1->blockCount(), static_cast<int>(CommWindowMaxLines));

    // A long burst between two updates keeps only the newest lines.
    for (int i = 0; i < 5000; ++i) Form->AppendCommLine(QByteArray::number(i).constData());
    Form->FlushCommLines();
    EXPECT_EQ(Form->Memo1->blockCount(), static_cast<int>(CommWindowMaxLines));
    const QStringList lines = Form->Memo1->toPlainText().split('\n');
    EXPECT_EQ(lines.last(), "4999");
    EXPECT_EQ(lines.first(), QString::number(5000 - CommWindowMaxLines));
}

TEST_F(WindowTest, EmptyLinesCountEvenWhenTheyArriveOneAtATime)
{
    for (int i = 1; i <= 3; ++i) {
        Form->AppendCommLine("");
        Form->FlushCommLines();
        EXPECT_EQ(Form->Memo1->blockCount(), i);
    }
    Form->AppendCommLine("x");
    Form->FlushCommLines();
    EXPECT_EQ(Form->Memo1->toPlainText(), "\n\n\nx");
}

// --- ON, OFF, nesting -----------------------------------------------------------------------------

TEST_F(WindowTest, OffEndsTheRunAndCyclesStop)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(5, [&] {
        EXPECT_EQ(RunDepth, 1);
        Click(Form->Button2);
    });
    driver.Run();
    EXPECT_EQ(RunDepth, 0);
    EXPECT_EQ(driver.Cycles(), 5u);
    const quint64 lines = Form->CommLinesAppended();
    QTest::qWait(50);
    EXPECT_EQ(Form->CommLinesAppended(), lines);
}

TEST_F(WindowTest, OffBeforeOnOrDuringTheSplashIsLost)
{
    Click(Form->Button2);  // before ON
    PumpDriver driver(Form.get());
    driver.AtPump(10, [&] { Click(Form->Button2); })  // during the splash
        .AtCycle(3, [&] {
            EXPECT_EQ(RunDepth, 1);
            Click(Form->Button2);
        });
    driver.Run();
    EXPECT_EQ(driver.Cycles(), 3u);
}

TEST_F(WindowTest, OnWhileRunningNestsAndOneOffEndsBoth)
{
    int deepest = 0;
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [] { CurrentScreen = RecordingScreen; })
        .AtCycle(3, [&] { Click(Form->Button1); })  // the nested run starts inside this pump
        .AtCycle(4, [&] {
            deepest = RunDepth;
            // The nested power-on brought the main page back.
            EXPECT_EQ(CurrentScreen, &MainPageScreen);
            Click(Form->Button2);
        });
    driver.Run();
    EXPECT_EQ(deepest, 2);
    EXPECT_EQ(RunDepth, 0);
    EXPECT_EQ(driver.Cycles(), 4u);    // the outer run did not cycle again
    EXPECT_GE(driver.Pumps(), 3u + 80u + 1u + 80u);
}

// Each of the 80 start-up frames stays on the display for 30 ms, and the window goes on
// working meanwhile: the timers tick.
TEST_F(WindowTest, StartUpFramesStayOnTheDisplayForThirtyMilliseconds)
{
    Form->SplashFrameMs = 30;
    QSignalSpy ticks(Form->Timer1, &QTimer::timeout);
    QElapsedTimer clock;
    qint64 splashMs = 0;
    qsizetype splashTicks = 0;
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [&] {
        splashMs = clock.elapsed();
        splashTicks = ticks.count();
        Click(Form->Button2);
    });
    clock.start();
    driver.Run();
    EXPECT_GE(splashMs, 79 * 30);
    EXPECT_GE(splashTicks, 10);
}

TEST_F(WindowTest, OnTwiceDuringTheSplashLeavesTheFirstRunGoing)
{
    int depthAfterFirstOff = -1;
    PumpDriver driver(Form.get());
    driver.AtPump(5, [&] { Click(Form->Button1); })
        .AtCycle(2, [&] { Click(Form->Button2); })  // ends the nested run
        .AtCycle(4, [&] {
            depthAfterFirstOff = RunDepth;
            Click(Form->Button2);
        });
    driver.Run();
    EXPECT_EQ(depthAfterFirstOff, 1);
    EXPECT_EQ(RunDepth, 0);
}

// --- keyboard and wheel -------------------------------------------------------------------

TEST_F(WindowTest, KeysWorkTheButtonsWhateverHasTheFocus)
{
    const std::pair<int, int> keys[] = {
        {Qt::Key_Return, KeyCentre},  {Qt::Key_Enter, KeyCentre},        {Qt::Key_Left, KeyLeft},
        {Qt::Key_Right, KeyRight},    {Qt::Key_Up, KeyClockwise},        {Qt::Key_Plus, KeyClockwise},
        {Qt::Key_Down, KeyAntiClockwise}, {Qt::Key_Minus, KeyAntiClockwise}, {Qt::Key_Equal, KeyClockwise},
    };
    QWidget *targets[] = {Form->TrackBar2, Form->Button1, Form->Button3, Form->CheckBox2, Form->Memo1, Form.get()};
    for (QWidget *target : targets) {
        target->setFocus();
        for (const auto &[key, code] : keys) {
            SCOPED_TRACE(target->objectName().toStdString() + " key " + std::to_string(key));
            KeySlot = 0;
            Press(target, key);
            EXPECT_EQ(KeySlot, code);
        }
    }
    // Neither the slider moved nor did ON start the instrument.
    EXPECT_EQ(Form->TrackBar2->value(), 1);
    EXPECT_EQ(RunDepth, 0);
    EXPECT_FALSE(Form->CheckBox2->isChecked());
}

TEST_F(WindowTest, KeysThroughTheWindowSystemReachTheInstrument)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()) || QTest::qWaitForWindowExposed(Form.get()));
    Form->TrackBar2->setFocus();
    QTest::keyClick(Form->windowHandle(), Qt::Key_Left);
    EXPECT_EQ(KeySlot, KeyLeft);
    KeySlot = 0;
    QTest::keyClick(Form->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(KeySlot, KeyClockwise);
    EXPECT_EQ(Form->TrackBar2->value(), 1);
}

TEST_F(WindowTest, KeyWaitsThenFurtherKeysAreLost)
{
    Press(Form.get(), Qt::Key_Right);
    Press(Form.get(), Qt::Key_Left);
    EXPECT_EQ(KeySlot, KeyRight);
}

TEST_F(WindowTest, HeldButtonsTakeOnePressButTheKnobTurnsOn)
{
    Press(Form.get(), Qt::Key_Return, Qt::NoModifier, true);
    EXPECT_EQ(KeySlot, 0);
    Press(Form.get(), Qt::Key_Down, Qt::NoModifier, true);
    EXPECT_EQ(KeySlot, KeyAntiClockwise);
}

TEST_F(WindowTest, KeysWithControlOrAltAreLeftAlone)
{
    Press(Form.get(), Qt::Key_Left, Qt::ControlModifier);
    Press(Form.get(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(KeySlot, 0);
}

void Wheel(QWidget *widget, QPoint at, int delta)
{
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}

TEST_F(WindowTest, WheelOverTheFaceTurnsTheKnob)
{
    Wheel(Form->Image2, QPoint(20, 20), 120);
    EXPECT_EQ(KeySlot, KeyClockwise);
    KeySlot = 0;
    Wheel(Form->Image1, QPoint(100, 50), -120);  // over the display, still the face
    EXPECT_EQ(KeySlot, KeyAntiClockwise);
    KeySlot = 0;
    // A fine wheel: two half notches make one step.
    Wheel(Form->Image2, QPoint(20, 20), 60);
    EXPECT_EQ(KeySlot, 0);
    Wheel(Form->Image2, QPoint(20, 20), 60);
    EXPECT_EQ(KeySlot, KeyClockwise);
}

TEST_F(WindowTest, WheelOverASliderMovesOnlyTheSlider)
{
    Wheel(Form->TrackBar4, QPoint(100, 16), 120);
    EXPECT_EQ(KeySlot, 0);
    EXPECT_GT(Form->TrackBar4->value(), 1);
    EXPECT_EQ(InputVolts, Form->TrackBar4->value());
}

TEST_F(WindowTest, ClicksAndKeysWhileRunningReachTheScreenOncePerCycle)
{
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [] { CurrentScreen = RecordingScreen; })
        .AtCycle(2, [&] {
            Click(Form->Image3);
            Click(Form->Image6);  // the same cycle: lost
        })
        .AtCycle(3, [&] { Press(Form->TrackBar1, Qt::Key_Return); })
        .AtCycle(4, [&] { Click(Form->Button4); })
        .AtCycle(6, [] { RequestStop(); });
    driver.Run();
    EXPECT_EQ(RecordedKeys, (std::vector<int>{KeyLeft, KeyCentre, KeyAntiClockwise}));
}

// --- closing ------------------------------------------------------------------------------------

// Each closing case runs the program's own sequence (window, show, message loop) in a child
// process and must end with status 0 within the watchdog's time.
void RunProgram(const std::function<void(TForm1 &, PumpDriver &)> &arrange)
{
    QTimer::singleShot(20000, [] { std::_Exit(7); });  // a hang fails the test
    {
        TForm1 form;
        form.show();
        PumpDriver driver(&form);
        arrange(form, driver);
        QTimer::singleShot(0, [&] { driver.Run(); });
        QApplication::exec();
        if (RunDepth != 0 || form.isVisible() || !driver.Finished()) std::_Exit(3);
    }
    std::exit(0);
}

class WindowCloseTest : public ::testing::Test {};

TEST_F(WindowCloseTest, ClosingWhileRunningEndsTheProgram)
{
    EXPECT_EXIT(RunProgram([](TForm1 &form, PumpDriver &driver) {
                    driver.AtCycle(5, [&] { form.close(); });
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(WindowCloseTest, ClosingInsideNestedRunsEndsTheProgram)
{
    EXPECT_EXIT(RunProgram([](TForm1 &form, PumpDriver &driver) {
                    driver.AtCycle(2, [&] { form.Button1->click(); })
                        .AtCycle(3, [&] { form.Button1->click(); })
                        .AtCycle(4, [&] {
                            if (RunDepth != 3) std::_Exit(4);
                            form.close();
                        });
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(WindowCloseTest, ClosingDuringTheSplashEndsTheProgram)
{
    EXPECT_EXIT(RunProgram([](TForm1 &form, PumpDriver &driver) {
                    driver.AtPump(20, [&] { form.close(); });
                }),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(WindowCloseTest, OnAfterCloseIsIgnored)
{
    EXPECT_EXIT(RunProgram([](TForm1 &form, PumpDriver &driver) {
                    driver.AtCycle(2, [&] {
                        form.close();
                        form.Button1->click();  // must not start another run
                        if (RunDepth != 1) std::_Exit(5);
                    });
                }),
                ::testing::ExitedWithCode(0), "");
}

} // namespace
