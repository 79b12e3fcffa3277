#pragma once
// --replay: a recorded session (the panel commands --record writes) played in the window,
// each command in the same pump of the instrument's message loop as when it was recorded.
#include <QObject>
#include <QString>
#include <vector>

#include "../panel_relay.h"

class TForm1;

/// One panel command of a recorded session.
struct ReplayStep {
    enum Kind { On, Off, Key, Slider, Check, Tick1, Tick2, Clock, Cycle } What;
    long A = 0;            ///< key code, TrackBar number, check box (0 calibrate, 1 keyfast), count
    long B = 0;            ///< slider position, check state
    int Date[6] = {};      ///< clock: year, month, day, hour, minute, second
};

/// Reads a recorded session; false with "FILE:LINE: problem" in `error` for a line that is
/// not one of the panel commands --record writes (or a file that cannot be read).
bool ReadSession(const QString &path, std::vector<ReplayStep> &steps, QString &error);

class SessionPlayer : public QObject, public PanelRelay {
public:
    /// Plays `steps` into `form`, standing in for it as the instrument's panel. The window's
    /// own timers stay stopped while the session plays: its ticks are in the file.
    SessionPlayer(TForm1 &form, std::vector<ReplayStep> steps);
    ~SessionPlayer() override;
    /// Starts the session from the window's event loop.
    void Start();
    /// Every step has been played.
    bool Finished() const { return Next == Steps.size(); }

    void PumpMessages() override;

private:
    /// Plays steps until one ends the current pump (or the session ends).
    void PlaySteps(bool insidePump);
    /// Plays one step; true if it ended the current pump.
    bool Play(const ReplayStep &step, bool insidePump);
    void Done();

    TForm1 &Form;
    std::vector<ReplayStep> Steps;
    size_t Next = 0;
    unsigned long PumpsToSkip = 0;
    bool Ended = false;
};
