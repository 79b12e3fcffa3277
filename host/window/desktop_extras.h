#pragma once
// What the desktop application adds around the instrument's window, each part asked for on
// the command line or by a key of its own: F1 help, F12 screenshots, Ctrl+C copies, session
// recording and replay. With no option and no such key nothing here changes the window.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "window_options.h"

class TForm1;
class QWidget;
class SessionRecorder;
class SessionPlayer;
struct ReplayStep;

class DesktopExtras : public QObject {
public:
    DesktopExtras(TForm1 &form, const WindowOptions &options);
    ~DesktopExtras() override;

    /// Opens the --record file and reads the --replay file; false with the message in
    /// `error` when either cannot be used. Call before the window is shown.
    bool Prepare(QString &error);
    /// Starts what was asked for once the window's event loop runs (a replay).
    void Start();

    /// F12: saves the display picture; the path written, or empty after a message.
    QString SaveScreenshot();
    /// Ctrl+C: the display picture on the clipboard.
    void CopyDisplay();
    /// F1: the help window.
    void ShowHelp();
    /// The help window once F1 has been pressed, else nullptr.
    QWidget *HelpWindow() const { return Help; }
    /// The session recorder while --record is on, else nullptr.
    SessionRecorder *Recorder() const { return Recording.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 &Form;
    WindowOptions Options;
    QWidget *Help = nullptr;
    std::unique_ptr<SessionRecorder> Recording;
    std::unique_ptr<SessionPlayer> Player;
};
