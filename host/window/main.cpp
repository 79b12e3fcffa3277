// Program entry: the application object, the front panel window, its message loop.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string>

#include "display_check.h"
#include "pcmain.h"

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
        form.show();
        application.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", error.what());
    } catch (...) {
        QMessageBox::critical(nullptr, "Brastova VANTRO-2", "An unexpected error ended the simulator.");
    }
    return 0;
}
