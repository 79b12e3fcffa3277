#pragma once
// The window program's command line. Every option is one row of the table in
// window_options.cpp: its name, its value, its help line and where its value goes.
#include <QString>
#include <QStringList>

/// What the command line asked of the window; the defaults are the plain window.
struct WindowOptions {
    QString ScreenshotDir;    ///< F12's folder; empty: the XDG pictures folder, else the current one
    int ScreenshotScale = 2;  ///< screen pixels per instrument pixel in a screenshot: 1, 2 or 4
    QString RecordFile;       ///< the session is written here as a vantro2-script file
    QString ReplayFile;       ///< a recorded session to play in the window
    int Zoom = 1;             ///< whole-number scale of the whole window
};

class QCommandLineParser;

/// Puts every option of the window program into `parser`: --help, --version, the rows of the
/// option table and the flight-data options (flight_control.h).
void DefineWindowOptions(QCommandLineParser &parser);

/// How the program goes on after its command line has been read.
enum class CommandLineVerdict { Run, ExitOk, ExitBad };

/// Reads the arguments (program name first) without needing a display. --help and --version
/// print on standard output (ExitOk); an unknown option, a stray word or a bad value prints
/// a message and the usage on standard error (ExitBad).
CommandLineVerdict ParseWindowOptions(const QStringList &arguments, WindowOptions &options);

/// --zoom: the whole window at a whole multiple of its size, on top of the screen's own scale
/// (QT_SCALE_FACTOR). Call before the application object is made.
void ApplyZoom(int zoom);
