#pragma once
// Flight data in the window, all opt-in: a file played in simulated time (x1, x10, x60),
// the live FlightGear and NMEA links, and the right-button menu on the face. While a source
// drives the inputs the sliders and their labels move with it; touching a slider hands that
// input back to the user.
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "../flight/flight_files.h"
#include "../flight/flight_pacer.h"
#include "../flight/live_links.h"

class TForm1;
class QCommandLineParser;
class QPoint;

class FlightControl : public QObject, public InputSink {
    Q_OBJECT
public:
    /// Attaches to the window: its pump, its sliders and the menu on its face.
    explicit FlightControl(TForm1 *form);
    ~FlightControl() override;

    /// Reads a flight file whole and plays it; false with "FILE:LINE: message".
    bool PlayFile(const QString &path, const FlightFileOptions &options, QString &error);
    /// Plays one of the demo flights built into the program ("circuit", "cross-country").
    bool PlayDemo(const QString &name, QString &error);
    /// Listens for FlightGear lines (or NMEA sentences) on 127.0.0.1:`port`.
    bool Listen(unsigned port, bool nmea, QString &error);
    /// Simulated seconds per wall-clock second (1..600).
    void SetSpeed(unsigned speed);
    unsigned Speed() const { return Pacer.Speed(); }
    void Pause();
    void Resume();
    bool Playing() const { return Pacer.Playing(); }
    bool Paused() const { return Pacer.Paused(); }
    /// True once the user has taken the slider of `input` (0..7) back.
    bool HandedBack(u8 input) const { return Released[input]; }
    /// The steps of the file played so far.
    unsigned StepsPlayed() const { return Pacer.StepsPlayed(); }

    void MoveInput(u8 input, s32 raw) override;
    /// Runs in every pump: the steps of simulated time that are due, and the live links.
    void AfterPump();
    /// The right-button menu at a point of the window.
    void ShowMenu(const QPoint &at);

    /// The names of the built-in demo flights.
    static const char *const DemoNames[2];

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Start(FlightTrack track, const QString &name);
    /// While a file plays, the playback delivers the timer ticks itself.
    void TakeTime(bool take);
    void OpenFileDialog();

    TForm1 *Form;
    FlightPacer Pacer;
    LiveLinks Links;
    QString Name;
    bool Released[8] = {};
    QElapsedTimer Clock;      ///< the wall clock the playback keeps pace with
};

/// Adds --play, --speed, --map, --ias-from-gs, --listen and --nmea to a parser.
void AddFlightOptions(QCommandLineParser &parser);
/// Starts what the options ask for; false with a message for a bad value or file.
bool StartFlightOptions(const QCommandLineParser &parser, FlightControl &flight, QString &error);
