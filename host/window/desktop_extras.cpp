#include "desktop_extras.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

#include "pcmain.h"
#include "screenshot.h"
#include "session_record.h"
#include "session_replay.h"
#include "help_window.h"

DesktopExtras::DesktopExtras(TForm1 &form, const WindowOptions &options) : Form(form), Options(options)
{
    qApp->installEventFilter(this);
}

DesktopExtras::~DesktopExtras()
{
    qApp->removeEventFilter(this);
}

bool DesktopExtras::Prepare(QString &error)
{
    if (!Options.ReplayFile.isEmpty()) {
        std::vector<ReplayStep> steps;
        if (!ReadSession(Options.ReplayFile, steps, error)) return false;
        Player = std::make_unique<SessionPlayer>(Form, std::move(steps));
    }
    if (!Options.RecordFile.isEmpty()) {
        Recording = std::make_unique<SessionRecorder>(Form);
        if (!Recording->Open(Options.RecordFile, error)) {
            Recording.reset();
            return false;
        }
        Recording->Attach(Form);
    }
    return true;
}

void DesktopExtras::Start()
{
    if (Player) QTimer::singleShot(0, this, [this] { Player->Start(); });
}

QString DesktopExtras::SaveScreenshot()
{
    QString error;
    const QString path =
        ::SaveScreenshot(Form.Image1->Picture, Options.ScreenshotScale, ScreenshotFolder(Options.ScreenshotDir), error);
    if (path.isEmpty()) {
        std::fprintf(stderr, "vantro2: %s\n", qPrintable(error));
        Form.StatusBar1->showMessage("Screenshot not saved: " + error, 5000);
        return path;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    Form.StatusBar1->showMessage("Screenshot saved: " + path, 5000);
    return path;
}

void DesktopExtras::CopyDisplay()
{
    QGuiApplication::clipboard()->setImage(DisplayPicture(Form.Image1->Picture, Options.ScreenshotScale));
}

void DesktopExtras::ShowHelp()
{
    if (Help == nullptr) Help = MakeHelpWindow(&Form);
    Help->show();
    Help->raise();
}

// F1, F12 and Ctrl+C wherever the focus is in the window (the instrument's own keys are
// taken by the window itself).
bool DesktopExtras::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const QWidget *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != &Form) return false;
    const QKeyEvent *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat()) return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_F1 && modifiers == Qt::NoModifier) ShowHelp();
    else if (key->key() == Qt::Key_F12 && modifiers == Qt::NoModifier) SaveScreenshot();
    else if (key->key() == Qt::Key_C && modifiers == Qt::ControlModifier) CopyDisplay();
    else return false;
    return true;
}
