#include "window_test_support.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "host/main_loop.h"
#include "lcd/framebuffer.h"

std::vector<int> RecordedKeys;
int ScreenCalls = 0;
bool DisplayHiddenInScreen = false;

namespace {
// A user event type of our own; the driver re-posts it so that it arrives once per pump.
const QEvent::Type PumpEvent = static_cast<QEvent::Type>(QEvent::User + 17);
constexpr qint64 RunLimitMs = 20000;
} // namespace

PumpDriver &PumpDriver::AtPump(quint64 pump, std::function<void()> step)
{
    Steps.push_back({false, pump, std::move(step)});
    return *this;
}

PumpDriver &PumpDriver::AtCycle(quint64 cycle, std::function<void()> step)
{
    Steps.push_back({true, cycle, std::move(step)});
    return *this;
}

quint64 PumpDriver::Cycles() const { return Form->CommLinesAppended() - LinesAtStart; }

void PumpDriver::Post() { QCoreApplication::postEvent(this, new QEvent(PumpEvent)); }

void PumpDriver::Run()
{
    LinesAtStart = Form->CommLinesAppended();
    StartedMs = QDateTime::currentMSecsSinceEpoch();
    Post();
    Form->Button1->click();
}

bool PumpDriver::event(QEvent *event)
{
    if (event->type() != PumpEvent) return QObject::event(event);
    if (RunDepth == 0) return true;  // the run is over: stop re-posting
    ++PumpCount;
    // Events posted while posted events are delivered wait for the next pump, so this
    // arrives exactly once per pump.
    Post();
    while (Next < Steps.size()) {
        const Step &step = Steps[Next];
        const quint64 now = step.ByCycle ? Cycles() : PumpCount;
        if (now < step.Point) break;
        ++Next;
        step.Action();
    }
    if (QDateTime::currentMSecsSinceEpoch() - StartedMs > RunLimitMs) {
        ADD_FAILURE() << "the instrument was still running after " << RunLimitMs << " ms";
        RequestStop();
    }
    return true;
}

void Click(QWidget *widget)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

void Press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

void RecordingScreen()
{
    ++ScreenCalls;
    DisplayHiddenInScreen = Form1 != nullptr && Form1->Image1->IsHidden();
    if (KeySlot != 0) {
        RecordedKeys.push_back(KeySlot);
        KeySlot = 0;
    }
}
