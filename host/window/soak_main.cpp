// Runs the instrument flat out in the real window for a long time, with a person's clicks,
// slider moves and check-box changes mixed in, and watches its memory:
//   vantro2-window-soak SECONDS [SAMPLE_SECONDS [TOLERANCE_KB]]
// Every SAMPLE_SECONDS it prints the resident memory (VmRSS), the peak (VmHWM), the lines of
// the "Communication Window" and the cycles run. Memory must level off: the run fails (status
// 1) when the resident memory grows by more than TOLERANCE_KB between the first sample of the
// second half and the last sample, or when the "Communication Window" holds more lines than
// it keeps. Every 30 seconds the instrument is switched off and on again, as a person would.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "../command_line.h"
#include "../main_loop.h"
#include "pcmain.h"
#include "run_support.h"

namespace {

struct MemorySample {
    long Seconds;
    long RssKb;
    long HwmKb;
};

const char UsageText[] =
    "usage: vantro2-window-soak SECONDS [SAMPLE_SECONDS [TOLERANCE_KB]]\n"
    "       SECONDS 4..86400, SAMPLE_SECONDS 1..3600 (default 60), TOLERANCE_KB (default 1024)\n";

int Usage()
{
    std::fputs(UsageText, stderr);
    return 2;
}

// One thing a person does at the panel, picked at random every few tens of milliseconds.
void PersonAct(TForm1 &form, std::mt19937 &random)
{
    const unsigned what = static_cast<unsigned>(random() % 100);
    if (what < 60) {
        QWidget *const keys[] = {form.Image5, form.Image3, form.Image6};
        const unsigned key = static_cast<unsigned>(random() % 5);
        if (key < 3) PostClick(keys[key]);
        else (key == 3 ? form.Button3 : form.Button4)->click();
    } else if (what < 95) {
        const int values[] = {0, 4096, static_cast<int>(random() % 4097)};
        form.TrackBarByNumber(1 + static_cast<int>(random() % 8))->setValue(values[random() % 3]);
    } else {
        QCheckBox *box = random() % 2 ? form.CheckBox2 : form.CheckBox3;
        box->setChecked(!box->isChecked());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && AnswerHelpOrVersion(argv[1], "vantro2-window-soak", UsageText)) return 0;
    long seconds = 0, sampleSeconds = 60, toleranceKb = 1024;
    if (argc < 2 || argc > 4 || !ParseBoundedLong(argv[1], 4, 86400, seconds)) return Usage();
    if (argc > 2 && !ParseBoundedLong(argv[2], 1, 3600, sampleSeconds)) return Usage();
    if (argc > 3 && !ParseBoundedLong(argv[3], 0, 1L << 30, toleranceKb)) return Usage();

    QApplication application(argc, argv);
    TForm1 form;
    form.show();

    std::mt19937 random(20240601u);
    std::vector<MemorySample> samples;
    long elapsed = 0;
    int memoTooLong = 0;

    QTimer person;
    person.setInterval(40);
    QObject::connect(&person, &QTimer::timeout, [&] { PersonAct(form, random); });

    QTimer powerCycle;
    powerCycle.setInterval(30000);
    QObject::connect(&powerCycle, &QTimer::timeout, [&] {
        form.Button2->click();  // OFF: the running loop returns to the window's own loop
        QTimer::singleShot(500, [&] {
            if (RunDepth == 0) form.Button1->click();  // ON again from the window's loop
        });
    });

    QTimer sampler;
    sampler.setInterval(static_cast<int>(sampleSeconds * 1000));
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        elapsed += sampleSeconds;
        form.FlushCommLines();
        const MemorySample sample{elapsed, ProcessStatusKb("VmRSS"), ProcessStatusKb("VmHWM")};
        samples.push_back(sample);
        const int lines = form.Memo1->blockCount();
        if (lines > static_cast<int>(CommWindowMaxLines)) ++memoTooLong;
        std::printf("sample t=%lds rss_kb=%ld hwm_kb=%ld memo_lines=%d cycles=%llu run_depth=%u\n", sample.Seconds,
                    sample.RssKb, sample.HwmKb, lines, static_cast<unsigned long long>(form.CommLinesAppended()),
                    RunDepth);
        std::fflush(stdout);
        if (elapsed >= seconds) {
            person.stop();
            powerCycle.stop();
            sampler.stop();
            form.close();  // ends the running instrument; the window goes once it has returned
        }
    });

    QTimer::singleShot(0, [&] {
        person.start();
        powerCycle.start();
        sampler.start();
        form.Button1->click();
    });
    application.exec();

    if (samples.size() < 2) {
        std::printf("soak: too few samples\n");
        return 1;
    }
    const MemorySample &first = samples.front();
    const MemorySample &middle = samples[samples.size() / 2];
    const MemorySample &last = samples.back();
    const long growth = last.RssKb - middle.RssKb;
    std::printf("rss_start_kb %ld\nrss_middle_kb %ld\nrss_end_kb %ld\nhwm_end_kb %ld\n", first.RssKb, middle.RssKb,
                last.RssKb, last.HwmKb);
    std::printf("second_half_growth_kb %ld (tolerance %ld)\n", growth, toleranceKb);
    std::printf("cycles %llu\n", static_cast<unsigned long long>(form.CommLinesAppended()));
    bool ok = true;
    if (growth > toleranceKb) {
        std::printf("soak: FAIL resident memory still grows in the second half\n");
        ok = false;
    }
    if (memoTooLong > 0) {
        std::printf("soak: FAIL the Communication Window held more than %u lines\n", CommWindowMaxLines);
        ok = false;
    }
    if (RunDepth != 0) {
        std::printf("soak: FAIL the instrument did not stop\n");
        ok = false;
    }
    if (ok) std::printf("soak: OK\n");
    return ok ? 0 : 1;
}
