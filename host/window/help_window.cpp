#include "help_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <iterator>

// Keep in step with the key table in pcmain.cpp, the keys of desktop_extras.cpp and any
// context menu of the window (a section of its own here).
const HelpRow HelpRows[] = {
    {"Instrument", nullptr},
    {"Return, Enter, click the centre button", "centre push button"},
    {"Left arrow, click the left button", "left push button"},
    {"Right arrow, click the right button", "right push button"},
    {"Up arrow, +, =, wheel up over the face, \"Clockwise\"", "turn the knob clockwise (held: keeps turning)"},
    {"Down arrow, -, wheel down over the face, \"AntiClockwise\"", "turn the knob anticlockwise (held: keeps turning)"},
    {"\"ON\" / \"OFF\"", "switch the instrument on (start-up animation) / off"},
    {"Sliders, \"Calibrate\", \"KeyFast\"", "the instrument's inputs (0..4096) and the two switches"},
    {"Window", nullptr},
    {"F1", "this help"},
    {"F12", "save the display as a PNG (--screenshot-dir, --screenshot-scale); the path is printed"},
    {"Ctrl+C", "copy the display picture to the clipboard"},
    {"Right-click on the face", nullptr},
    {"Play a demo flight", "play one of the demo flights into the instrument's inputs"},
    {"Open a flight file...", "play a CSV, IGC or FlightGear record file"},
    {"Pause / Resume", "hold the playing flight / play on"},
    {"Speed x1, x10, x60", "simulated seconds per second of the playing flight"},
};
const int HelpRowCount = static_cast<int>(std::size(HelpRows));

QWidget *MakeHelpWindow(QWidget *parent)
{
    QWidget *window = new QWidget(parent, Qt::Tool);
    window->setObjectName("HelpWindow");
    window->setWindowTitle("VANTRO-2 keys and mouse");
    QTableWidget *table = new QTableWidget(HelpRowCount, 2, window);
    table->setObjectName("HelpTable");
    table->setHorizontalHeaderLabels({"Press", "Does"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int row = 0; row < HelpRowCount; ++row) {
        const HelpRow &help = HelpRows[row];
        QTableWidgetItem *input = new QTableWidgetItem(help.Input);
        if (help.Action == nullptr) {
            QFont bold = input->font();
            bold.setBold(true);
            input->setFont(bold);
            table->setSpan(row, 0, 1, 2);
        } else {
            table->setItem(row, 1, new QTableWidgetItem(help.Action));
        }
        table->setItem(row, 0, input);
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    QVBoxLayout *layout = new QVBoxLayout(window);
    layout->addWidget(table);
    window->resize(720, 380);
    return window;
}
