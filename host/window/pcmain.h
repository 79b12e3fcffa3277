#pragma once
// The front panel window: the face picture with the enlarged display, the push buttons and
// knob buttons, the input sliders, the check boxes, the alarm lamp, the "Communication Window"
// and the two timers (Timer1 every 50 ms, Timer2 every 100 ms). The instrument's main loop
// runs inside the "ON" action and talks to the window only through the FrontPanel interface.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "../front_panel.h"

/// The enlarged display: a 257 x 129 image painted straight from the frame buffer.
class LcdImage : public QWidget {
public:
    explicit LcdImage(QWidget *parent);
    /// The image the display copy writes into (32-bit, 0xAARRGGBB).
    QImage Picture;
    /// While hidden the picture is not brought to the screen.
    void SetHidden(bool hidden);
    bool IsHidden() const { return Hidden; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool Hidden = false;
};

/// A transparent click area over one of the face's push buttons.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget *parent) : QWidget(parent) {}
signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool Pressed = false;
};

/// The alarm lamp: a circle filled with a colour given as 0x00BBGGRR.
class LampShape : public QWidget {
public:
    explicit LampShape(QWidget *parent) : QWidget(parent) {}
    void SetColour(u32 colour);
    u32 Colour() const { return Fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    u32 Fill = 255;
};

/// The face picture: a bare image widget that shows a pixmap stretched over itself.
class FacePicture : public QLabel {
public:
    explicit FacePicture(QWidget *parent);
};

class TForm1 : public QWidget, public FrontPanel {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Controls, named as on the instrument's panel drawing.
    FacePicture *Image2;
    QWidget *Panel1;
    LcdImage *Image1;
    ClickArea *Image3;
    ClickArea *Image5;
    ClickArea *Image6;
    QPushButton *Button3;
    QPushButton *Button4;
    LampShape *Shape1;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLabel *Label9, *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16;
    QSlider *TrackBar1, *TrackBar2, *TrackBar3, *TrackBar4, *TrackBar5, *TrackBar6, *TrackBar7, *TrackBar8;
    QCheckBox *CheckBox2;
    QCheckBox *CheckBox3;
    QGroupBox *GroupBox1;
    QPlainTextEdit *Memo1;
    QStatusBar *StatusBar1;
    QTimer *Timer1;
    QTimer *Timer2;

    /// LabelN by its number 1..16, or nullptr.
    QLabel *LabelByNumber(int number) const;
    /// TrackBarN by its number 1..8, or nullptr.
    QSlider *TrackBarByNumber(int number) const;
    /// Lines appended to the "Communication Window" since the window opened (one per cycle).
    quint64 CommLinesAppended() const { return LinesAppended; }
    /// Brings the lines still waiting into the "Communication Window" now.
    void FlushCommLines();
    /// How long each start-up frame stays on the display, in milliseconds (80 frames make
    /// the animation); 0 shows them as fast as the instrument draws them.
    int SplashFrameMs = 30;
    /// Runs in every pump after the window's events (flight playback and live links).
    std::function<void()> AfterPump;

    // Control actions.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Image3Click();
    void Image5Click();
    void Image6Click();
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar4Change();
    void TrackBar5Change();
    void TrackBar6Change();
    void TrackBar7Change();
    void TrackBar8Change();
    void Timer1Timer();
    void Timer2Timer();

    // FrontPanel.
    void PumpMessages() override;
    void BlitLcd() override;
    void HideDisplay() override;
    void ShowDisplay() override;
    bool CalibrateChecked() override;
    bool KeyFastChecked() override;
    s32 RpmSliderPosition() override;
    void SetLabel(u8 label, s32 value) override;
    void SetLampColour(u32 colour) override;
    void AppendCommLine(const char *text) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void ConnectActions();
    void ShowFace();
    void TrackBarChange(int trackBar);
    bool HandleKey(QKeyEvent *key);
    bool HandleWheel(QObject *watched, QWheelEvent *wheel);
    /// Inside the pump after a start-up frame: lets the window run (clicks, ticks) until
    /// the frame has been shown for SplashFrameMs since the previous pump.
    void HoldSplashFrame();

    QLabel *Labels[17] = {};
    QSlider *TrackBars[9] = {};
    QStringList PendingLines;       ///< lines not yet in Memo1
    QTimer *CommFlushTimer;         ///< brings pending lines into Memo1 a few times a second
    quint64 LinesAppended = 0;
    bool MemoHasLines = false;      ///< the first line has reached Memo1
    int WheelRest = 0;              ///< wheel turn below one notch, kept for the next event
    bool CloseWhenStopped = false;  ///< the window was closed while the instrument ran
    bool Centred = false;           ///< placed in the middle of the screen at the first show
    QElapsedTimer SincePump;        ///< time since the last pump (or the "ON" click) ended
};

/// The one front panel window.
extern TForm1 *Form1;
