// Program entry: the application object, the front panel window, its message loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "pcmain.h"

int main(int argc, char **argv)
{
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
