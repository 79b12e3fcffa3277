// Program entry: the command line (read before any display is needed), the application
// object, the front panel window with what the options add to it, its message loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string>

#include "desktop_extras.h"
#include "display_check.h"
#include "flight_control.h"
#include "pcmain.h"
#include "window_options.h"

namespace {

QStringList Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

/// The flight-data options: played files and live links, all opt-in. False after a message
/// on standard error for a bad value or file. (The command line was read whole before.)
bool SetUpFlight(const QStringList &arguments, FlightControl &flight)
{
    QCommandLineParser parser;
    DefineWindowOptions(parser);
    parser.parse(arguments);
    QString error;
    if (StartFlightOptions(parser, flight, error)) return true;
    std::fprintf(stderr, "vantro2: %s\n", qPrintable(error));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    WindowOptions options;
    const QStringList arguments = Arguments(argc, argv);
    switch (ParseWindowOptions(arguments, options)) {
    case CommandLineVerdict::ExitOk: return 0;
    case CommandLineVerdict::ExitBad: return 2;
    case CommandLineVerdict::Run: break;
    }
    ApplyZoom(options.Zoom);
    std::string problem;
    if (!DisplayReachable(problem)) {
        std::fprintf(stderr, "vantro2: cannot open the display: %s\n", problem.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    try {
        TForm1 form;
        DesktopExtras extras(form, options);
        QString error;
        if (!extras.Prepare(error)) {
            std::fprintf(stderr, "vantro2: %s\n", qPrintable(error));
            return 2;
        }
        FlightControl flight(&form);
        if (!SetUpFlight(arguments, flight)) return 2;
        form.show();
        extras.Start();
        application.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", error.what());
    } catch (...) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", "An unexpected error ended the simulator.");
    }
    return 0;
}
