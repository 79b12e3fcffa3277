#pragma once
// --record: everything a person does at the window (ON, OFF, keys by click, keyboard or
// wheel, sliders, check boxes) and every timer tick, written as a vantro2-script file with
// the pumps between them, so that `vantro2-script FILE` ends on the same display.
#include <QObject>
#include <QString>
#include <cstdio>
#include <ctime>

#include "../panel_relay.h"

class TForm1;

class SessionRecorder : public QObject, public PanelRelay {
public:
    /// Opens `path` for writing; false (and `error` set) if it cannot be created.
    bool Open(const QString &path, QString &error);
    /// Starts recording `form`: stands in for it as the instrument's panel and watches its
    /// controls and timers. Call once, after Open and before the first "ON".
    void Attach(TForm1 &form);
    /// Writes what is still pending and closes the file (also done on destruction).
    void Finish();
    /// False once a write has failed (the message is on standard error; the file keeps what
    /// was written before).
    bool Writing() const { return File != nullptr; }

    explicit SessionRecorder(FrontPanel &form) : PanelRelay(form) {}
    ~SessionRecorder() override;

    /// One pump of the instrument's message loop: the pump's own events are written, then
    /// the pump counts towards the next `cycle` line.
    void PumpMessages() override;

private:
    /// Writes one script line after the pumps since the previous one.
    void Line(const char *format, ...) __attribute__((format(printf, 2, 3)));
    /// Notices a run that has ended since the last look: the pumps before the end are written
    /// on their own, because the script goes on in the outer run right after it.
    void NoteRunDepth();
    void WriteCycles();
    /// Freezes the instrument's clock at the host's current second and writes it, whenever
    /// the second has moved on, so that the replay reads the same clock.
    void FollowClock();
    void Fail();

    std::FILE *File = nullptr;
    QString Path;
    unsigned long PendingCycles = 0;  ///< pumps ended since the last line
    unsigned LastDepth = 0;           ///< RunDepth at the last look
    std::time_t ClockSecond = 0;      ///< the second the clock is frozen at
};
