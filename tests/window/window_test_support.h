#pragma once
// Helpers shared by the window tests: driving a running instrument from inside its message
// pump, synthetic clicks, and a screen that records what the cycle hands it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <functional>
#include <vector>

#include "host/window/pcmain.h"

/// Runs steps inside the running instrument's message pump. Each step runs in the first pump
/// at or after its point: a pump number (splash frames are pumps 1..80 of a run) or a cycle
/// number (the pump that ends that cycle of the run; nested runs' cycles count too).
class PumpDriver : public QObject {
public:
    explicit PumpDriver(TForm1 *form) : Form(form) {}
    /// A step once `pump` pumps have passed since "ON".
    PumpDriver &AtPump(quint64 pump, std::function<void()> step);
    /// A step once `cycle` cycles have passed since "ON".
    PumpDriver &AtCycle(quint64 cycle, std::function<void()> step);
    /// Presses "ON" and returns when the outermost run has ended. A run still going after
    /// 20 s is stopped and reported as a failure.
    void Run();
    /// Pumps and cycles since "ON".
    quint64 Pumps() const { return PumpCount; }
    quint64 Cycles() const;
    /// Every step has run.
    bool Finished() const { return Next == Steps.size(); }

protected:
    bool event(QEvent *event) override;

private:
    struct Step {
        bool ByCycle;
        quint64 Point;
        std::function<void()> Action;
    };
    void Post();
    TForm1 *Form;
    std::vector<Step> Steps;
    size_t Next = 0;
    quint64 PumpCount = 0;
    quint64 LinesAtStart = 0;
    qint64 StartedMs = 0;
};

/// A press and a release of the left button in the middle of a widget, delivered at once.
void Click(QWidget *widget);
/// A key press and release delivered to a widget (through the application, as the keyboard does).
void Press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);

/// A screen that takes every key like a real screen (records it, clears KeySlot) and records
/// whether the display image was hidden while it ran.
void RecordingScreen();
extern std::vector<int> RecordedKeys;
extern int ScreenCalls;
extern bool DisplayHiddenInScreen;
