#include "flight_control.h"

#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include "../main_loop.h"
#include "../panel_actions.h"
#include "pcmain.h"

const char *const FlightControl::DemoNames[2] = {"circuit", "cross-country"};

namespace {

/// Milliseconds since the playback clock started, as the pacer counts them.
double ElapsedMs(const QElapsedTimer &clock) { return static_cast<double>(clock.elapsed()); }

constexpr unsigned SpeedChoices[] = {1, 10, 60};

} // namespace

// The demo flights are built into the window's library as resources.
static void LoadDemoFlights() { Q_INIT_RESOURCE(flights); }

FlightControl::FlightControl(TForm1 *form) : QObject(form), Form(form)
{
    LoadDemoFlights();
    Clock.start();
    Form->AfterPump = [this] { AfterPump(); };
    Form->installEventFilter(this);
    for (u8 i = 0; i < 8; ++i) {
        QSlider *slider = Form->TrackBarByNumber(Sliders[i].TrackBar);
        auto handBack = [this, i] {
            if (Released[i] || (!Pacer.Playing() && !Links.Listening())) return;
            Released[i] = true;
            Form->StatusBar1->showMessage(QString("%1 is yours again").arg(Sliders[i].Title), 3000);
        };
        connect(slider, &QSlider::actionTriggered, this, handBack);
        connect(slider, &QSlider::sliderPressed, this, handBack);
    }
}

FlightControl::~FlightControl()
{
    if (Form->AfterPump) Form->AfterPump = nullptr;
}

bool FlightControl::PlayFile(const QString &path, const FlightFileOptions &options, QString &error)
{
    FlightTrack track;
    std::string message;
    if (!ReadFlightFile(path.toStdString(), options, track, message)) {
        error = QString::fromStdString(message);
        return false;
    }
    Start(std::move(track), path);
    return true;
}

bool FlightControl::PlayDemo(const QString &name, QString &error)
{
    QFile file(":/flights/" + name + ".csv");
    if (!file.open(QIODevice::ReadOnly)) {
        error = "no demo flight called " + name;
        return false;
    }
    FlightTrack track;
    std::string message;
    if (!ReadFlightText(name.toStdString() + ".csv", file.readAll().toStdString(), {}, track, message)) {
        error = QString::fromStdString(message);
        return false;
    }
    Start(std::move(track), name);
    return true;
}

bool FlightControl::Listen(unsigned port, bool nmea, QString &error)
{
    std::string message;
    const bool bound = nmea ? Links.ListenNmea(port, message) : Links.ListenFlightGear(port, message);
    if (!bound) error = QString::fromStdString(message);
    else for (bool &released : Released) released = false;
    return bound;
}

// The first row is on the inputs before the instrument's first cycle; "ON" is pressed for
// the user when the instrument is off.
void FlightControl::Start(FlightTrack track, const QString &name)
{
    for (bool &released : Released) released = false;
    Name = name;
    Pacer.Start(std::move(track), *this, ElapsedMs(Clock));
    TakeTime(Pacer.Playing());
    Form->StatusBar1->showMessage(QString("Playing %1 at x%2").arg(Name).arg(Pacer.Speed()));
    if (RunDepth == 0) QTimer::singleShot(0, Form, &TForm1::Button1Click);
}

void FlightControl::SetSpeed(unsigned speed)
{
    Pacer.SetSpeed(speed, ElapsedMs(Clock));
}

void FlightControl::Pause()
{
    if (!Pacer.Pause()) return;
    TakeTime(false);
    Form->StatusBar1->showMessage(QString("Paused %1").arg(Name));
}

void FlightControl::Resume()
{
    if (!Pacer.Resume(ElapsedMs(Clock))) return;
    TakeTime(true);
    Form->StatusBar1->showMessage(QString("Playing %1 at x%2").arg(Name).arg(Pacer.Speed()));
}

void FlightControl::TakeTime(bool take)
{
    if (take) {
        Form->Timer1->stop();
        Form->Timer2->stop();
    } else if (!Form->Timer1->isActive()) {
        Form->Timer1->start();
        Form->Timer2->start();
    }
}

void FlightControl::MoveInput(u8 input, s32 raw)
{
    if (input >= 8 || Released[input]) return;
    Form->TrackBarByNumber(Sliders[input].TrackBar)->setValue(raw);
}

void FlightControl::AfterPump()
{
    if (Links.Listening()) {
        const std::string problem = Links.Poll(*this);
        if (!problem.empty()) Form->StatusBar1->showMessage(QString::fromStdString(problem), 3000);
    }
    if (!Pacer.Pump(ElapsedMs(Clock), *this)) return;
    TakeTime(false);
    Form->StatusBar1->showMessage(QString("%1 ended").arg(Name) + QString::fromStdString(Pacer.ClampedReport()));
}

bool FlightControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Form || event->type() != QEvent::ContextMenu) return false;
    const QPoint at = static_cast<QContextMenuEvent *>(event)->pos();
    if (!Form->Image2->geometry().contains(at)) return false;
    ShowMenu(Form->mapToGlobal(at));
    return true;
}

void FlightControl::ShowMenu(const QPoint &at)
{
    QMenu menu(Form);
    QMenu *demos = menu.addMenu("Play a demo flight");
    for (const char *demo : DemoNames) {
        demos->addAction(demo, this, [this, demo] {
            QString error;
            if (!PlayDemo(demo, error)) Form->StatusBar1->showMessage(error);
        });
    }
    menu.addAction("Open a flight file...", this, &FlightControl::OpenFileDialog);
    menu.addSeparator();
    menu.addAction("Pause", this, &FlightControl::Pause)->setEnabled(Pacer.Playing() && !Pacer.Paused());
    menu.addAction("Resume", this, &FlightControl::Resume)->setEnabled(Pacer.Playing() && Pacer.Paused());
    menu.addSeparator();
    for (unsigned speed : SpeedChoices) {
        QAction *action = menu.addAction(QString("Speed x%1").arg(speed), this, [this, speed] { SetSpeed(speed); });
        action->setCheckable(true);
        action->setChecked(Pacer.Speed() == speed);
    }
    menu.exec(at);
}

void FlightControl::OpenFileDialog()
{
    const QString path = QFileDialog::getOpenFileName(Form, "Open a flight file", QString(),
                                                      "Flight data (*.csv *.igc *.fgv2 *.txt);;All files (*)");
    if (path.isEmpty()) return;
    QString error;
    if (!PlayFile(path, {}, error)) Form->StatusBar1->showMessage(error);
}

void AddFlightOptions(QCommandLineParser &parser)
{
    parser.addOption({"play", "Plays a flight file (CSV, IGC or FlightGear record).", "FILE"});
    parser.addOption({"speed", "Simulated seconds per second while playing (1..600).", "N", "1"});
    parser.addOption({"map", "Column-mapping file for a CSV file of another program.", "MAPFILE"});
    parser.addOption({"ias-from-gs", "IGC files: the ground speed also drives the airspeed."});
    parser.addOption({"listen", "FlightGear lines on a loopback UDP port.", "udp:PORT"});
    parser.addOption({"nmea", "NMEA $GPRMC sentences on a loopback UDP port.", "udp:PORT"});
}

namespace {

bool ParsePort(const QString &value, const char *option, unsigned &port, QString &error)
{
    bool ok = false;
    port = value.startsWith("udp:") ? value.mid(4).toUInt(&ok) : 0;
    if (!ok || port < 1 || port > 65535) {
        error = QString("--%1 wants udp:PORT with PORT 1..65535, not \"%2\"").arg(option, value);
        return false;
    }
    return true;
}

} // namespace

bool StartFlightOptions(const QCommandLineParser &parser, FlightControl &flight, QString &error)
{
    bool ok = false;
    const unsigned speed = parser.value("speed").toUInt(&ok);
    if (!ok || speed < 1 || speed > MaxFlightSpeed) {
        error = QString("--speed wants 1..%1, not \"%2\"").arg(MaxFlightSpeed).arg(parser.value("speed"));
        return false;
    }
    flight.SetSpeed(speed);
    const char *const links[] = {"listen", "nmea"};
    for (const char *option : links) {
        unsigned port = 0;
        if (!parser.isSet(option)) continue;
        if (!ParsePort(parser.value(option), option, port, error)) return false;
        if (!flight.Listen(port, option[0] == 'n', error)) return false;
    }
    if (!parser.isSet("play")) return true;
    FlightFileOptions options;
    options.MapFile = parser.value("map").toStdString();
    options.AirspeedFromGround = parser.isSet("ias-from-gs");
    return flight.PlayFile(parser.value("play"), options, error);
}
