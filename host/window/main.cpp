// Program entry: the command line (read before any display is needed), the application
// object, the front panel window with what the options add to it, its message loop.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string>

#include "desktop_extras.h"
#include "display_check.h"
#include "pcmain.h"
#include "window_options.h"

namespace {

QStringList Arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    WindowOptions options;
    switch (ParseWindowOptions(Arguments(argc, argv), options)) {
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
