// Program entry: the application object, the front panel window, its message loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string>

#include "display_check.h"
#include "flight_control.h"
#include "pcmain.h"

namespace {

/// The flight-data options: played files and live links, all opt-in. False after a message
/// on standard error for a bad value or file.
bool SetUpFlight(const QApplication &application, FlightControl &flight)
{
    QCommandLineParser parser;
    AddFlightOptions(parser);
    parser.process(application);
    QString error;
    if (StartFlightOptions(parser, flight, error)) return true;
    std::fprintf(stderr, "vantro2: %s\n", qPrintable(error));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::string problem;
    if (!DisplayReachable(problem)) {
        std::fprintf(stderr, "vantro2: cannot open the display: %s\n", problem.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    try {
        TForm1 form;
        FlightControl flight(&form);
        if (!SetUpFlight(application, flight)) return 2;
        form.show();
        application.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", error.what());
    } catch (...) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", "An unexpected error ended the simulator.");
    }
    return 0;
}
