#include "session_replay.h"

#include <QFile>
#include <QTimer>
#include <cstring>

#include "../../instrument/host_time.h"
#include "../command_line.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "pcmain.h"

namespace {

constexpr long MaxCount = 100000000;

/// Reads the words of one line into a step; an error text, or nullptr.
const char *ParseStep(const QList<QByteArray> &words, ReplayStep &step)
{
    const QByteArray &command = words[0];
    const int args = static_cast<int>(words.size()) - 1;
    auto number = [&](int index, long low, long high, long &out) {
        return args >= index && ParseBoundedLong(words[index].constData(), low, high, out);
    };
    if ((command == "on" || command == "off") && args == 0) {
        step.What = command == "on" ? ReplayStep::On : ReplayStep::Off;
    } else if (command == "key" && args == 1) {
        step.What = ReplayStep::Key;
        for (long code = 1; code <= 5; ++code)
            if (words[1] == KeyScriptNames[code - 1]) step.A = code;
        if (step.A == 0 && !number(1, 1, 5, step.A)) return "unknown key";
    } else if (command == "slider" && args == 2) {
        step.What = ReplayStep::Slider;
        for (const SliderInfo &slider : Sliders)
            if (words[1] == slider.Name || words[1] == "TrackBar" + QByteArray::number(slider.TrackBar)) step.A = slider.TrackBar;
        if (step.A == 0) return "unknown slider";
        if (!number(2, SliderMin, SliderMax, step.B)) return "slider value must be 0..4096";
    } else if (command == "check" && args == 2) {
        step.What = ReplayStep::Check;
        if (words[1] != "calibrate" && words[1] != "keyfast") return "unknown check box";
        step.A = words[1] == "keyfast" ? 1 : 0;
        if (!number(2, 0, 1, step.B)) return "check state must be 0 or 1";
    } else if ((command == "tick1" || command == "tick2" || command == "cycle") && args <= 1) {
        step.What = command == "cycle" ? ReplayStep::Cycle : command == "tick1" ? ReplayStep::Tick1 : ReplayStep::Tick2;
        step.A = 1;
        if (args == 1 && !number(1, 0, MaxCount, step.A)) return "bad count";
    } else if (command == "clock" && args == 2) {
        step.What = ReplayStep::Clock;
        int *d = step.Date;
        char tail;
        if (std::sscanf(words[1].constData(), "%4d-%2d-%2d%c", &d[0], &d[1], &d[2], &tail) != 3 ||
            std::sscanf(words[2].constData(), "%2d:%2d:%2d%c", &d[3], &d[4], &d[5], &tail) != 3 || d[0] < 1900 ||
            d[0] > 2155 || d[1] < 1 || d[1] > 12 || d[2] < 1 || d[2] > DaysInMonth(d[0], static_cast<u8>(d[1])) ||
            d[3] < 0 || d[3] > 23 || d[4] < 0 || d[4] > 59 || d[5] < 0 || d[5] > 59)
            return "clock wants a valid YYYY-MM-DD HH:MM:SS";
    } else {
        return "not a recorded panel command (on, off, key, slider, check, tick1, tick2, clock, cycle)";
    }
    return nullptr;
}

} // namespace

bool ReadSession(const QString &path, std::vector<ReplayStep> &steps, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QString("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QString("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    steps.clear();
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n].simplified();
        if (line.isEmpty() || line.startsWith('#')) continue;
        ReplayStep step{};
        if (const char *problem = ParseStep(line.split(' '), step)) {
            error = QString("%1:%2: %3").arg(path).arg(n + 1).arg(problem);
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

SessionPlayer::SessionPlayer(TForm1 &form, std::vector<ReplayStep> steps)
    : PanelRelay(form), Form(form), Steps(std::move(steps))
{
    Panel = this;
}

SessionPlayer::~SessionPlayer()
{
    if (Panel == this) Panel = &Target;
}

void SessionPlayer::Start()
{
    Form.Timer1->stop();
    Form.Timer2->stop();
    Form.StatusBar1->showMessage("Replaying the recorded session");
    PlaySteps(false);
}

void SessionPlayer::PumpMessages()
{
    if (PumpsToSkip > 0) --PumpsToSkip;
    else if (!Ended) PlaySteps(true);
    Target.PumpMessages();
}

void SessionPlayer::PlaySteps(bool insidePump)
{
    while (Next < Steps.size() && !ShutdownRequested()) {
        const ReplayStep &step = Steps[Next++];
        if (Play(step, insidePump)) return;
    }
    Done();
}

bool SessionPlayer::Play(const ReplayStep &step, bool insidePump)
{
    switch (step.What) {
    case ReplayStep::On: Form.Button1Click(); break;
    case ReplayStep::Off: Form.Button2Click(); break;
    case ReplayStep::Key: KeyClick(static_cast<u8>(step.A)); break;
    case ReplayStep::Slider: Form.TrackBarByNumber(static_cast<int>(step.A))->setValue(static_cast<int>(step.B)); break;
    case ReplayStep::Check: (step.A == 0 ? Form.CheckBox2 : Form.CheckBox3)->setChecked(step.B == 1); break;
    case ReplayStep::Tick1:
        for (long i = 0; i < step.A; ++i) Timer1Tick();
        break;
    case ReplayStep::Tick2:
        for (long i = 0; i < step.A; ++i) Timer2Tick();
        break;
    case ReplayStep::Clock: {
        const int *d = step.Date;
        FreezeHostTime(HostDateTime{d[0] - 1900, static_cast<u8>(d[1]), static_cast<u8>(d[2]),
                                    WeekdayOf(d[0], static_cast<u8>(d[1]), static_cast<u8>(d[2])),
                                    static_cast<u8>(d[3]), static_cast<u8>(d[4]), static_cast<u8>(d[5])});
        break;
    }
    case ReplayStep::Cycle:
        // As in vantro2-script: the pump ends, the next step comes A pumps later.
        if (RunDepth == 0 || !insidePump || step.A == 0) break;
        PumpsToSkip = static_cast<unsigned long>(step.A - 1);
        return true;
    }
    return false;
}

void SessionPlayer::Done()
{
    if (Ended) return;
    Ended = true;
    // The person takes over: the window's own timers run again.
    Form.StatusBar1->showMessage("Replay finished");
    if (!ShutdownRequested()) {
        Form.Timer1->start();
        Form.Timer2->start();
    }
}
