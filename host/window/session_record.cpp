#include "session_record.h"

#include <QFile>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "../../instrument/host_time.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "pcmain.h"
#include "vantro2_version.h"

namespace {

SessionRecorder *Recording = nullptr;  ///< the recorder told of key clicks

} // namespace

bool SessionRecorder::Open(const QString &path, QString &error)
{
    File = std::fopen(QFile::encodeName(path).constData(), "w");
    if (File == nullptr) {
        error = QString("cannot write %1: %2").arg(path, std::strerror(errno));
        return false;
    }
    Path = path;
    return true;
}

SessionRecorder::~SessionRecorder() { Finish(); }

void SessionRecorder::Attach(TForm1 &form)
{
    Line("# vantro2 %s session; replay: vantro2-script FILE, or vantro2 --replay FILE", VANTRO2_VERSION);
    FollowClock();
    Recording = this;
    KeyClickWatcher = [](u8 code) {
        if (Recording != nullptr && code >= 1 && code <= 5) Recording->Line("key %s", KeyScriptNames[code - 1]);
    };
    // "ON" is written before its run starts: this connection goes ahead of the window's own.
    disconnect(form.Button1, &QPushButton::clicked, &form, &TForm1::Button1Click);
    connect(form.Button1, &QPushButton::clicked, this, [this] {
        FollowClock();
        Line("on");
    });
    connect(form.Button1, &QPushButton::clicked, &form, &TForm1::Button1Click);
    connect(form.Button2, &QPushButton::clicked, this, [this] { Line("off"); });
    connect(form.Timer1, &QTimer::timeout, this, [this] { Line("tick1"); });
    connect(form.Timer2, &QTimer::timeout, this, [this] { Line("tick2"); });
    for (const SliderInfo &slider : Sliders) {
        const char *name = slider.Name;
        connect(form.TrackBarByNumber(slider.TrackBar), &QSlider::valueChanged, this,
                [this, name](int value) { Line("slider %s %d", name, value); });
    }
    connect(form.CheckBox2, &QCheckBox::toggled, this, [this](bool on) { Line("check calibrate %d", on ? 1 : 0); });
    connect(form.CheckBox3, &QCheckBox::toggled, this, [this](bool on) { Line("check keyfast %d", on ? 1 : 0); });
    Panel = this;
}

void SessionRecorder::PumpMessages()
{
    NoteRunDepth();
    FollowClock();
    Target.PumpMessages();
    NoteRunDepth();
    ++PendingCycles;
}

void SessionRecorder::NoteRunDepth()
{
    if (RunDepth < LastDepth) WriteCycles();
    LastDepth = RunDepth;
}

void SessionRecorder::WriteCycles()
{
    if (PendingCycles == 0 || File == nullptr) return;
    const unsigned long cycles = PendingCycles;
    PendingCycles = 0;
    if (cycles == 1) Line("cycle");
    else Line("cycle %lu", cycles);
}

void SessionRecorder::Line(const char *format, ...)
{
    if (File == nullptr) return;
    NoteRunDepth();
    WriteCycles();
    std::va_list arguments;
    va_start(arguments, format);
    const bool written = std::vfprintf(File, format, arguments) >= 0 && std::fputc('\n', File) != EOF &&
                         std::fflush(File) == 0;
    va_end(arguments);
    if (!written) Fail();
}

void SessionRecorder::FollowClock()
{
    const std::time_t now = std::time(nullptr);
    if (now == ClockSecond) return;
    ClockSecond = now;
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900;
    if (year < 1900 || year > 2155) return;  // outside what the clock can hold: left running
    const HostDateTime fixed{local.tm_year, static_cast<u8>(local.tm_mon + 1), static_cast<u8>(local.tm_mday),
                             static_cast<u8>(local.tm_wday), static_cast<u8>(local.tm_hour),
                             static_cast<u8>(local.tm_min), static_cast<u8>(local.tm_sec)};
    FreezeHostTime(fixed);
    Line("clock %04d-%02d-%02d %02d:%02d:%02d", year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
         local.tm_sec);
}

void SessionRecorder::Fail()
{
    std::fprintf(stderr, "vantro2: cannot write %s: %s; recording stopped (what was written is kept)\n",
                 qPrintable(Path), std::strerror(errno));
    if (File != nullptr) std::fclose(File);
    File = nullptr;
}

void SessionRecorder::Finish()
{
    if (Recording == this) {
        Recording = nullptr;
        KeyClickWatcher = nullptr;
    }
    if (Panel == this) Panel = &Target;
    if (File == nullptr) return;
    NoteRunDepth();
    WriteCycles();
    if (File == nullptr) return;
    std::FILE *file = File;
    File = nullptr;
    if (std::fclose(file) != 0) Fail();
}
