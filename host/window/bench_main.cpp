// Runs the instrument flat out in the real window and reports its pace and memory:
//   vantro2-window-bench --benchmark SECONDS
// Once a second a click on the centre push button is posted and the time until its action
// runs is taken, so the report also shows how quickly the window answers a person.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../../lcd/framebuffer.h"
#include "../command_line.h"
#include "../main_loop.h"
#include "pcmain.h"
#include "run_support.h"

namespace {

const char UsageText[] =
    "usage: vantro2-window-bench --benchmark SECONDS   (SECONDS 1..86400)\n";

int Usage()
{
    std::fputs(UsageText, stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && AnswerHelpOrVersion(argv[1], "vantro2-window-bench", UsageText)) return 0;
    if (argc != 3 || std::strcmp(argv[1], "--benchmark") != 0) return Usage();
    long seconds = 0;
    if (!ParseBoundedLong(argv[2], 1, 86400, seconds)) return Usage();

    QApplication application(argc, argv);
    TForm1 form;
    form.show();

    QElapsedTimer clock;
    quint64 linesAtStart = 0;
    qint64 cyclesStartedMs = 0;
    qint64 clickPostedNs = 0;
    qint64 worstClickNs = 0, totalClickNs = 0;
    int clicks = 0;
    quint64 ticks = 0;

    QObject::connect(form.Timer1, &QTimer::timeout, [&] { ++ticks; });
    QObject::connect(form.Image5, &ClickArea::Clicked, [&] {
        if (clickPostedNs == 0) return;
        const qint64 latency = clock.nsecsElapsed() - clickPostedNs;
        worstClickNs = std::max(worstClickNs, latency);
        totalClickNs += latency;
        ++clicks;
        clickPostedNs = 0;
        KeySlot = 0;  // the main page takes no key yet: make room for the next click
    });

    QTimer clicker;
    clicker.setInterval(1000);
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        if (linesAtStart == 0 && form.CommLinesAppended() > 0) {
            linesAtStart = form.CommLinesAppended();  // the splash is over, cycles run
            cyclesStartedMs = clock.elapsed();
        }
        KeySlot = 0;
        clickPostedNs = clock.nsecsElapsed();
        PostClick(form.Image5);
    });

    QTimer::singleShot(0, [&] {
        clock.start();
        clicker.start();
        form.Button1->click();
    });
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
        const double runSeconds = static_cast<double>(clock.elapsed() - cyclesStartedMs) / 1000.0;
        const quint64 cycles = form.CommLinesAppended() - linesAtStart;
        std::printf("seconds %ld\n", seconds);
        std::printf("cycles %llu\n", static_cast<unsigned long long>(form.CommLinesAppended()));
        std::printf("cycles_per_second %.0f\n", runSeconds > 0 ? static_cast<double>(cycles) / runSeconds : 0.0);
        std::printf("timer1_ticks %llu (expected about %ld, one every 50 ms)\n", static_cast<unsigned long long>(ticks), seconds * 20);
        std::printf("click_latency_ms mean %.3f worst %.3f over %d clicks\n",
                    clicks > 0 ? static_cast<double>(totalClickNs) / 1e6 / clicks : 0.0, static_cast<double>(worstClickNs) / 1e6, clicks);
        std::printf("memo_lines %d\n", form.Memo1->blockCount());
        std::printf("vmhwm_kb %ld\n", ProcessStatusKb("VmHWM"));
        std::fflush(stdout);
        form.close();  // the instrument is running: this also exercises the close while running
    });
    application.exec();
    return RunDepth == 0 ? 0 : 1;
}
