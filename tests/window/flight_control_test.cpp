// The window's flight data: a played file drives the sliders and labels, a touched slider
// is the user's again, pause and speed, the menu on the face, and the command-line options.
#include <QApplication>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "host/flight/sensor_model.h"
#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "host/window/flight_control.h"
#include "instrument/inputs.h"
#include "instrument/settings.h"
#include "window_test_support.h"

namespace {

class FlightWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StopRequest = 0;
        Form = std::make_unique<TForm1>();
        Flight = new FlightControl(Form.get());
        Form->show();
    }
    void TearDown() override { Form.reset(); }
    std::unique_ptr<TForm1> Form;
    FlightControl *Flight = nullptr;
};

std::string WriteFlight(const char *name, const char *text)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

TEST_F(FlightWindowTest, ThePlayedFileMovesTheSlidersUntilOneIsTouched)
{
    const std::string path = WriteFlight("window.csv",
                                         "time_s,altitude_ft,oat_c,volts\n"
                                         "0,1000,10,12\n"
                                         "2,1000,30,14\n");
    QSlider *oat = Form->TrackBarByNumber(7);
    QSlider *volts = Form->TrackBarByNumber(4);
    PumpDriver driver(Form.get());
    driver.AtCycle(1, [&] {
        QString error;
        Flight->SetSpeed(600);
        ASSERT_TRUE(Flight->PlayFile(QString::fromStdString(path), {}, error)) << error.toStdString();
        EXPECT_FALSE(Form->Timer1->isActive());  // the playback delivers the ticks now
        EXPECT_EQ(oat->value(), RawForValue(InputOatC, 10).Raw);
        EXPECT_EQ(Form->Label14->text(), QString::number(oat->value()));
        EXPECT_EQ(InputOat, oat->value());
        volts->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the user takes the volts
        EXPECT_TRUE(Flight->HandedBack(3));
    });
    driver.AtCycle(3000, [&] {
        EXPECT_FALSE(Flight->Playing());
        EXPECT_EQ(Flight->StepsPlayed(), 40u);
        EXPECT_EQ(oat->value(), RawForValue(InputOatC, 30).Raw);
        EXPECT_NE(volts->value(), RawForValue(InputVoltsV, 14).Raw);
        EXPECT_TRUE(Form->Timer1->isActive());  // the window's timers again
        EXPECT_TRUE(Form->StatusBar1->currentMessage().endsWith("ended"));
        RequestStop();
    });
    driver.Run();
    EXPECT_TRUE(driver.Finished());
}

TEST_F(FlightWindowTest, PauseStopsTheStepsAndResumeGoesOn)
{
    PumpDriver driver(Form.get());
    unsigned pausedAt = 0;
    driver.AtCycle(1, [&] {
        QString error;
        Flight->SetSpeed(600);
        ASSERT_TRUE(Flight->PlayDemo("circuit", error)) << error.toStdString();
        EXPECT_FALSE(Flight->PlayDemo("nonesuch", error));
        EXPECT_EQ(error, "no demo flight called nonesuch");
    });
    driver.AtCycle(2000, [&] {
        EXPECT_GT(Flight->StepsPlayed(), 0u);
        Flight->Pause();
        pausedAt = Flight->StepsPlayed();
        EXPECT_TRUE(Form->Timer1->isActive());
    });
    driver.AtCycle(4000, [&] {
        EXPECT_EQ(Flight->StepsPlayed(), pausedAt);
        Flight->Resume();
    });
    driver.AtCycle(6000, [&] {
        EXPECT_GT(Flight->StepsPlayed(), pausedAt);
        RequestStop();
    });
    driver.Run();
    EXPECT_TRUE(driver.Finished());
}

TEST_F(FlightWindowTest, PlayingWhileOffPressesOn)
{
    QString error;
    ASSERT_TRUE(Flight->PlayDemo("circuit", error));
    EXPECT_EQ(RunDepth, 0);
    // A stop during the start-up animation is cleared when it ends: ask until the run ends.
    bool ran = false;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (RunDepth == 0) return;
        ran = true;
        RequestStop();
    });
    stopper.start(20);
    for (int i = 0; i < 250 && !(ran && RunDepth == 0); ++i) QTest::qWait(20);
    EXPECT_TRUE(ran);
    EXPECT_EQ(RunDepth, 0);
}

TEST_F(FlightWindowTest, TheRightButtonOnTheFaceOpensTheFlightMenuAndNowhereElse)
{
    QStringList seen;
    auto rightClick = [&](QWidget *widget) {
        seen.clear();
        QTimer::singleShot(100, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                for (QAction *action : popup->actions())
                    if (!action->isSeparator()) seen << action->text() + (action->isEnabled() ? "" : " (off)");
                popup->close();
            }
        });
        const QPoint centre = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
        QTest::qWait(200);
    };
    rightClick(Form->Image1);  // the display, on the face
    EXPECT_EQ(seen, QStringList({"Play a demo flight", "Open a flight file...", "Pause (off)", "Resume (off)",
                                 "Speed x1", "Speed x10", "Speed x60"}));
    rightClick(Form->TrackBarByNumber(2));
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(FlightWindowTest, CommandLineOptions)
{
    struct Case {
        QStringList Arguments;
        QString Error;  ///< empty: accepted
    } const cases[] = {
        {{"vantro2", "--speed", "0"}, "--speed wants 1..600, not \"0\""},
        {{"vantro2", "--speed", "x10"}, "--speed wants 1..600, not \"x10\""},
        {{"vantro2", "--listen", "5500"}, "--listen wants udp:PORT with PORT 1..65535, not \"5500\""},
        {{"vantro2", "--nmea", "udp:70000"}, "--nmea wants udp:PORT with PORT 1..65535, not \"udp:70000\""},
        {{"vantro2", "--play", "/nonexistent/f.csv"}, "/nonexistent/f.csv:0: cannot open: No such file or directory"},
        {{"vantro2", "--speed", "60"}, ""},
    };
    for (const Case &c : cases) {
        QCommandLineParser parser;
        AddFlightOptions(parser);
        ASSERT_TRUE(parser.parse(c.Arguments));
        QString error;
        EXPECT_EQ(StartFlightOptions(parser, *Flight, error), c.Error.isEmpty()) << c.Arguments.join(' ').toStdString();
        EXPECT_EQ(error, c.Error);
    }
    EXPECT_EQ(Flight->Speed(), 60u);
    EXPECT_FALSE(Flight->Playing());
}

} // namespace
