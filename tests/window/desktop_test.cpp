// Tests of what the desktop application adds to the window: F12 screenshots against the
// runner's PNG, Ctrl+C, a recorded session replayed by vantro2-script and in the window,
// the replay file's checks, screenshot names and the F1 help.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "host/main_loop.h"
#include "host/panel_actions.h"
#include "host/window/desktop_extras.h"
#include "host/window/help_window.h"
#include "host/window/screenshot.h"
#include "host/window/session_record.h"
#include "host/window/session_replay.h"
#include "lcd/framebuffer.h"
#include "window_test_support.h"

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

/// Runs vantro2-script on a file; its standard output, the status in `status`.
QByteArray RunScript(const QString &script, int &status)
{
    QProcess runner;
    runner.start(VANTRO2_SCRIPT, {script});
    runner.waitForFinished(60000);
    status = runner.exitCode();
    return runner.readAllStandardOutput() + runner.readAllStandardError();
}

/// Runs `body` in a fresh copy of this test program and expects it to pass there. The
/// instrument keeps its Hobbs times and flight log across "ON" within one process, so a case
/// that compares the window with a fresh vantro2-script must start from a fresh instrument.
void InFreshProcess(const std::function<void()> &body)
{
    EXPECT_EXIT(
        {
            body();
            std::fflush(nullptr);
            std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        KeySlot = 0;
        StopRequest = 0;
        Form = std::make_unique<TForm1>();
        Options.ScreenshotDir = Folder.path();
    }
    void TearDown() override
    {
        Extras.reset();
        Form.reset();
        EXPECT_EQ(Panel, nullptr);
        EXPECT_EQ(KeyClickWatcher, nullptr);
    }
    void RecordAndReplay();
    void ReplayAgainstRunner();
    void MakeExtras()
    {
        Extras = std::make_unique<DesktopExtras>(*Form, Options);
        QString error;
        ASSERT_TRUE(Extras->Prepare(error)) << error.toStdString();
        Form->show();
    }
    QTemporaryDir Folder;
    WindowOptions Options;
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<DesktopExtras> Extras;
};

// A session with everything a person does: sliders and a check box while the instrument is
// off, keys by keyboard (= included), clicks and knob buttons, KeyFast, a second "ON" inside
// the run and its "OFF", timer ticks all along. F12 at the end; the recording then replays
// in vantro2-script to the same display, whose `png` equals the screenshot byte for byte,
// and in the window to the same picture.
TEST_F(DesktopTest, RecordedSessionReplaysToTheSameDisplayAndF12EqualsTheRunnersPng)
{
    InFreshProcess([this] { RecordAndReplay(); });
}

void DesktopTest::RecordAndReplay()
{
    Options.RecordFile = Folder.filePath("session.v2s");
    MakeExtras();
    Form->Timer1->setInterval(1);  // many ticks, so that slow ticks and the blink fall inside the session
    Form->Timer2->setInterval(3);
    Form->TrackBar1->setValue(2300);
    Form->CheckBox2->setChecked(true);
    Form->CheckBox2->setChecked(false);
    QString shot;
    QImage windowPicture;
    PumpDriver first(Form.get());
    first.AtPump(85, [&] { Press(Form.get(), Qt::Key_Return); })
        .AtCycle(20, [&] { Click(Form->Image3); })
        .AtCycle(30, [&] { Press(Form.get(), Qt::Key_Equal); })
        .AtCycle(35, [&] { Form->TrackBar4->setValue(3000); })
        .AtCycle(40, [&] { Form->CheckBox3->setChecked(true); })
        .AtCycle(41, [&] { Form->Button3->click(); })
        .AtCycle(60, [&] { Press(Form.get(), Qt::Key_Down); })
        .AtCycle(70, [&] { Form->Button2->click(); });
    first.Run();
    ASSERT_TRUE(first.Finished());
    Form->TrackBar8->setValue(100);  // while the instrument is off
    PumpDriver second(Form.get());
    second.AtCycle(10, [&] { Form->Button1->click(); })  // a run inside the run
        .AtCycle(100, [&] { Press(Form.get(), Qt::Key_Left); })
        .AtCycle(120, [&] { Click(Form->Image5); })
        .AtCycle(150, [&] {
            Press(Form.get(), Qt::Key_F12);
            windowPicture = DisplayPicture(Form->Image1->Picture, 2);
            Extras->Recorder()->Finish();
            RequestStop();
        });
    second.Run();
    ASSERT_TRUE(second.Finished());

    const QStringList shots = QDir(Folder.path()).entryList({"vantro2-*.png"});
    ASSERT_EQ(shots.size(), 1);
    shot = Folder.filePath(shots.first());
    const QByteArray recorded = ReadAll(Options.RecordFile);
    for (const char *expected : {"\non\n", "\noff\n", "key centre", "key left", "key cw", "key ccw", "slider airspeed 2300",
                                 "slider volts 3000", "slider vsi 100", "check calibrate 1", "check keyfast 1", "tick1", "tick2", "\ncycle\n"})
        EXPECT_TRUE(recorded.contains(expected)) << expected;
    EXPECT_EQ(recorded.count("\non\n"), 3);

    const QString replay = Folder.filePath("replay.v2s");
    const QString runnerPng = Folder.filePath("runner.png");
    WriteAll(replay, recorded + "png " + runnerPng.toUtf8() + "\n");
    int status = -1;
    const QByteArray output = RunScript(replay, status);
    ASSERT_EQ(status, 0) << output.toStdString();
    EXPECT_EQ(ReadAll(runnerPng), ReadAll(shot));
    EXPECT_EQ(QImage(shot).convertToFormat(QImage::Format_RGB32), windowPicture);

}

// A session played in the window ends on the picture vantro2-script makes of the same file:
// sliders before "ON", keys in the splash and in the run, a run inside the run, "OFF" and a
// new "ON", check boxes, ticks in bursts, a clock. (Like every case here it needs the fresh
// process, see InFreshProcess.)
TEST_F(DesktopTest, ReplayInTheWindowEndsOnTheRunnersDisplay)
{
    InFreshProcess([this] { ReplayAgainstRunner(); });
}

void DesktopTest::ReplayAgainstRunner()
{
    const QByteArray session = "clock 2024-02-29 23:59:58\n"
                               "slider rpm 2500\nslider airspeed 1800\nslider fuel-level 3900\n"
                               "on\ncycle 40\nkey centre\ncycle 41\nkey centre\ncycle 5\ntick1 25\ntick2\n"
                               "cycle 10\nkey right\ncycle 3\ncheck keyfast 1\nkey cw\ncycle 4\n"
                               "on\ncycle 90\nkey left\ncycle 2\nslider fuel-flow 3000\ntick1 40\ncycle 6\noff\ncycle\n"
                               "check keyfast 0\nclock 2024-03-01 00:00:05\n"
                               "on\ncycle 85\nkey centre\ncycle 3\nkey ccw\ntick1 80\ntick2 3\ncycle 12\n";
    const QString runnerPng = Folder.filePath("runner.png");
    WriteAll(Folder.filePath("runner.v2s"), session + "png " + runnerPng.toUtf8() + "\n");
    int status = -1;
    const QByteArray output = RunScript(Folder.filePath("runner.v2s"), status);
    ASSERT_EQ(status, 0) << output.toStdString();

    WriteAll(Folder.filePath("window.v2s"), session + "off\n");
    std::vector<ReplayStep> steps;
    QString error;
    ASSERT_TRUE(ReadSession(Folder.filePath("window.v2s"), steps, error)) << error.toStdString();
    Form->show();
    SessionPlayer player(*Form, std::move(steps));
    EXPECT_EQ(Panel, &player);
    player.Start();
    EXPECT_TRUE(player.Finished());
    EXPECT_EQ(DisplayPicture(Form->Image1->Picture, 2), QImage(runnerPng).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Form->TrackBar3->value(), 2500);
    EXPECT_EQ(Form->Label10->text(), "3900");
    EXPECT_TRUE(Form->Timer1->isActive());  // the person takes over after the replay
    EXPECT_EQ(Form->StatusBar1->currentMessage(), "Replay finished");
}

TEST_F(DesktopTest, CtrlCPutsTheDisplayPictureOnTheClipboard)
{
    Options.ScreenshotScale = 4;
    MakeExtras();
    ClearFrameBuffer();
    PlotPixel(0, 0, 1);
    PlotPixel(127, 63, 1);
    Form->BlitLcd();
    Form->Memo1->setFocus();  // the text box would copy its text: the display goes first
    Press(Form->Memo1, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(512, 256));
    EXPECT_EQ(copied.pixel(0, 0), LcdLitRgb);
    EXPECT_EQ(copied.pixel(3, 3), LcdLitRgb);
    EXPECT_EQ(copied.pixel(4, 0), LcdUnlitRgb);
    EXPECT_EQ(copied.pixel(508, 252), LcdLitRgb);
    EXPECT_EQ(copied.pixel(507, 255), LcdUnlitRgb);
    EXPECT_EQ(copied, DisplayPicture(Form->Image1->Picture, 4));
}

// Names follow the second; a second picture in the same second gets a suffix; scales 1 and 4
// are the 2x picture's pixels taken apart or repeated.
TEST_F(DesktopTest, ScreenshotsGetFreshNamesAndEveryScale)
{
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 1));
    EXPECT_EQ(ScreenshotPath(Folder.path(), when), Folder.filePath("vantro2-20260307-090501.png"));
    WriteAll(Folder.filePath("vantro2-20260307-090501.png"), "taken");
    WriteAll(Folder.filePath("vantro2-20260307-090501-2.png"), "taken");
    EXPECT_EQ(ScreenshotPath(Folder.path(), when), Folder.filePath("vantro2-20260307-090501-3.png"));
    EXPECT_EQ(ReadAll(Folder.filePath("vantro2-20260307-090501.png")), "taken");  // nothing overwritten
    EXPECT_EQ(ScreenshotFolder("/some/where"), "/some/where");

    ClearFrameBuffer();
    PlotPixel(1, 0, 1);
    Form->BlitLcd();
    const QImage one = DisplayPicture(Form->Image1->Picture, 1);
    ASSERT_EQ(one.size(), QSize(128, 64));
    EXPECT_EQ(one.pixel(1, 0), LcdLitRgb);
    EXPECT_EQ(one.pixel(0, 0), LcdUnlitRgb);
    EXPECT_EQ(one.pixel(2, 0), LcdUnlitRgb);
    EXPECT_EQ(DisplayPicture(Form->Image1->Picture, 4), one.scaled(512, 256));

    // A picture never painted yet shows the unlit display, not a transparent hole.
    TForm1 fresh;
    EXPECT_EQ(DisplayPicture(fresh.Image1->Picture, 1).pixel(5, 5), LcdUnlitRgb);

    // A folder that cannot take the file: a message, no path, nothing left behind.
    QString error;
    EXPECT_TRUE(SaveScreenshot(Form->Image1->Picture, 2, Folder.filePath("missing/folder"), error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(DesktopTest, ReplayFileAcceptsOnlyRecordedPanelCommands)
{
    struct Case {
        const char *Text;
        const char *Problem;  // nullptr: accepted
    };
    const Case cases[] = {
        {"# comment\n\non\ncycle 3\nkey centre\nkey 5\nslider fuel-level 4096\nslider TrackBar3 0\ncheck keyfast 1\n"
         "tick1\ntick2 20\nclock 2024-02-29 23:59:59\noff\n", nullptr},
        {"on\nlcd\n", ":2: not a recorded panel command"},
        {"key up\n", ":1: unknown key"},
        {"slider rpm 4097\n", ":1: slider value must be 0..4096"},
        {"slider pitch 5\n", ":1: unknown slider"},
        {"check lamp 1\n", ":1: unknown check box"},
        {"check calibrate 2\n", ":1: check state must be 0 or 1"},
        {"cycle -1\n", ":1: bad count"},
        {"clock 2023-02-29 10:00:00\n", ":1: clock wants"},
        {"on now\n", ":1: not a recorded panel command"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Text);
        WriteAll(Folder.filePath("s.v2s"), c.Text);
        std::vector<ReplayStep> steps;
        QString error;
        const bool read = ReadSession(Folder.filePath("s.v2s"), steps, error);
        EXPECT_EQ(read, c.Problem == nullptr);
        if (c.Problem != nullptr) EXPECT_TRUE(error.contains(c.Problem)) << error.toStdString();
        else EXPECT_EQ(steps.size(), 11u);
    }
    std::vector<ReplayStep> steps;
    QString error;
    EXPECT_FALSE(ReadSession(Folder.filePath("none.v2s"), steps, error));
    EXPECT_TRUE(error.contains("cannot read")) << error.toStdString();
}

// A recording that cannot be opened is refused before the window shows; one that cannot be
// written further stops with a message while the window goes on.
TEST_F(DesktopTest, RecordingThatCannotBeWrittenIsRefusedOrStopped)
{
    Options.RecordFile = Folder.filePath("missing/session.v2s");
    DesktopExtras extras(*Form, Options);
    QString error;
    EXPECT_FALSE(extras.Prepare(error));
    EXPECT_TRUE(error.contains("cannot write")) << error.toStdString();
    EXPECT_EQ(Panel, Form.get());
    EXPECT_EQ(KeyClickWatcher, nullptr);

    // A disk that fills up: the first failed line stops the recording, the panel works on.
    Options.RecordFile = "/dev/full";
    MakeExtras();
    ASSERT_NE(Extras->Recorder(), nullptr);
    EXPECT_FALSE(Extras->Recorder()->Writing());
    KeySlot = 0;
    Click(Form->Image6);
    EXPECT_EQ(KeySlot, KeyRight);
}

TEST_F(DesktopTest, F1ShowsEveryBindingIncludingTheLaptopKeys)
{
    MakeExtras();
    EXPECT_EQ(Extras->HelpWindow(), nullptr);
    Press(Form.get(), Qt::Key_F1);
    ASSERT_NE(Extras->HelpWindow(), nullptr);
    EXPECT_TRUE(Extras->HelpWindow()->isVisible());
    const QTableWidget *table = Extras->HelpWindow()->findChild<QTableWidget *>("HelpTable");
    ASSERT_NE(table, nullptr);
    QString all;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 2; ++column)
            if (table->item(row, column) != nullptr) all += table->item(row, column)->text() + "\n";
    for (const char *binding : {"Return", "Enter", "Left arrow", "Right arrow", "Up arrow", "+", "=", "Down arrow", "-",
                                "wheel", "F1", "F12", "Ctrl+C", "ON", "OFF", "Right-click", "Play a demo flight",
                                "Open a flight file", "Pause", "Resume", "Speed x1, x10, x60"})
        EXPECT_TRUE(all.contains(binding)) << binding;
    EXPECT_EQ(KeySlot, 0);  // F1 is no instrument key
}

} // namespace
