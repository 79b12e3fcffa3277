#include "pcmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTextDocument>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>
#include <vector>

#include "../../lcd/framebuffer.h"
#include "../face_picture.h"
#include "../main_loop.h"
#include "../panel_actions.h"
#include "face_jpeg.h"
#include "sharp_display.h"

TForm1 *Form1 = nullptr;

namespace {

constexpr int ClientWidth = 621;
constexpr int ClientHeight = 404;
constexpr int LcdWidth = 257;
constexpr int LcdHeight = 129;
constexpr int CommFlushMs = 50;     // the text box is brought up to date 20 times a second
constexpr int WheelNotch = 120;     // one notch of an ordinary mouse wheel
// The time base: 20 Timer1 ticks make the SlowTick the instrument counts as one second;
// Timer2 latches the RPM pulses of 100 ms.
constexpr int Timer1Ms = TimeStepMs;
constexpr int Timer2Ms = 2 * TimeStepMs;

// Panel colour around the display (the classic scroll-bar grey).
const QColor ScrollBarColour(0xD4, 0xD0, 0xC8);

struct LabelPlace {
    int Number;
    int X, Y, Width;
};

// Every label: name labels at x 336 reach to their value label, value labels to the sliders.
const LabelPlace LabelPlaces[] = {
    {2, 336, 16, 48},  {3, 384, 16, 32},   {1, 336, 48, 48},  {13, 384, 48, 32},  {4, 336, 80, 48},
    {8, 384, 80, 32},  {5, 336, 112, 48},  {9, 384, 112, 32}, {6, 336, 144, 56},  {10, 392, 144, 24},
    {7, 336, 176, 56}, {11, 392, 176, 24}, {12, 336, 208, 48}, {14, 384, 208, 32}, {15, 336, 240, 48},
    {16, 384, 240, 32},
};
constexpr int SliderLeft = 416;
constexpr int LabelHeight = 13;

struct KeyBinding {
    int Key;
    u8 Code;
    bool Repeats;  // held down, the knob keeps turning; push buttons take one press
};

const KeyBinding KeyBindings[] = {
    {Qt::Key_Return, KeyCentre, false}, {Qt::Key_Enter, KeyCentre, false},
    {Qt::Key_Left, KeyLeft, false},     {Qt::Key_Right, KeyRight, false},
    {Qt::Key_Up, KeyClockwise, true},   {Qt::Key_Plus, KeyClockwise, true}, {Qt::Key_Equal, KeyClockwise, true},
    {Qt::Key_Down, KeyAntiClockwise, true}, {Qt::Key_Minus, KeyAntiClockwise, true},
};

QColor LampColour(u32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

} // namespace

// ---------------------------------------------------------------------------------------------

LcdImage::LcdImage(QWidget *parent)
    : QWidget(parent), Picture(LcdWidth, LcdHeight, QImage::Format_ARGB32_Premultiplied)
{
    Picture.fill(Qt::transparent);  // empty until the first copy: the panel shows through
}

void LcdImage::SetHidden(bool hidden)
{
    Hidden = hidden;
    if (!hidden) BringToScreen();
}

void LcdImage::CopyFrameBuffer()
{
    // Every write into the picture changes its cache key: a write from elsewhere (or a
    // picture made anew) shows as a key other than the one after the last copy, and then
    // the copy repaints the whole display.
    if (Picture.cacheKey() != CopiedKey) Copy.Forget();
    // Straight into the image's memory, no toolkit call per pixel.
    if (Copy.Paint(reinterpret_cast<u32 *>(Picture.bits()), static_cast<u32>(Picture.bytesPerLine() / 4)))
        Changed = true;
    CopiedKey = Picture.cacheKey();
    if (!Hidden) BringToScreen();
}

void LcdImage::BringToScreen()
{
    if (!Changed) return;
    Changed = false;
    update();
}

void LcdImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (devicePixelRatioF() == 1.0) painter.drawImage(0, 0, Picture);
    else PaintSharpDisplay(painter, Picture, size());  // a scaled screen or --zoom
}

void ClickArea::mousePressEvent(QMouseEvent *event)
{
    Pressed = event->button() == Qt::LeftButton;
}

void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button inside the area.
    const bool click = Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Pressed = false;
    if (click) emit Clicked();
}

void LampShape::SetColour(u32 colour)
{
    if (colour == Fill) return;
    Fill = colour;
    update();
}

void LampShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(LampColour(Fill));
    painter.drawEllipse(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
}

FacePicture::FacePicture(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true);
    setFrameShape(QFrame::NoFrame);
}

// ---------------------------------------------------------------------------------------------

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle("Brastova VANTRO-2");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    // The panel's 8-point sans serif, or the nearest narrow face this machine has.
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial",
                      "DejaVu Sans Condensed", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);

    BuildControls();
    ShowFace();
    ConnectActions();

    Form1 = this;
    Panel = this;
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (Panel == this) Panel = nullptr;
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::BuildControls()
{
    // Created bottom to top: the face first, everything else lies on it.
    Image2 = new FacePicture(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(0, 0, 336, 323);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(39, 92, 259, 131);
    Panel1->setAutoFillBackground(true);
    QPalette panelPalette = Panel1->palette();
    panelPalette.setColor(QPalette::Window, ScrollBarColour);
    Panel1->setPalette(panelPalette);

    Image1 = new LcdImage(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(1, 1, LcdWidth, LcdHeight);

    auto clickArea = [this](const char *name, int x, int y, const char *tip) {
        ClickArea *area = new ClickArea(this);
        area->setObjectName(name);
        area->setGeometry(x, y, 49, 49);
        area->setCursor(Qt::PointingHandCursor);
        area->setToolTip(tip);
        return area;
    };
    Image3 = clickArea("Image3", 72, 241, "Left button (Left arrow key)");
    Image5 = clickArea("Image5", 143, 254, "Centre button (Return key)");
    Image6 = clickArea("Image6", 212, 241, "Right button (Right arrow key)");

    auto button = [this](const char *name, const char *text, int x, int y, int w, int h) {
        QPushButton *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, h);
        b->setAutoDefault(false);
        return b;
    };
    // "ON" and "OFF" are made before every other control that takes the focus, so they head
    // the tab order and "ON" has the focus when the window opens. They lie below the face.
    Button1 = button("Button1", "ON", 24, 336, 129, 41);
    Button2 = button("Button2", "OFF", 176, 336, 137, 41);
    setTabOrder(Button1, Button2);
    Button3 = button("Button3", "Clockwise", 96, 293, 59, 25);
    Button3->setToolTip("Turn the knob clockwise (Up arrow or + key, wheel up over the face)");
    Button4 = button("Button4", "AntiClockwise", 181, 294, 75, 25);
    Button4->setToolTip("Turn the knob anticlockwise (Down arrow or - key, wheel down over the face)");

    Shape1 = new LampShape(this);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(153, 16, 29, 29);


    for (const LabelPlace &place : LabelPlaces) {
        QLabel *label = new QLabel(this);
        label->setObjectName(QString("Label%1").arg(place.Number));
        label->setGeometry(place.X, place.Y, place.Width, LabelHeight);
        Labels[place.Number] = label;
    }
    for (const SliderInfo &info : Sliders) {
        Labels[info.NameLabel]->setText(info.Title);
        Labels[info.ValueLabel]->setText("0");
    }
    Label1 = Labels[1], Label2 = Labels[2], Label3 = Labels[3], Label4 = Labels[4];
    Label5 = Labels[5], Label6 = Labels[6], Label7 = Labels[7], Label8 = Labels[8];
    Label9 = Labels[9], Label10 = Labels[10], Label11 = Labels[11], Label12 = Labels[12];
    Label13 = Labels[13], Label14 = Labels[14], Label15 = Labels[15], Label16 = Labels[16];

    // The sliders from the top down follow the slider table's order.
    int y = 8;
    for (const SliderInfo &info : Sliders) {
        QSlider *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString("TrackBar%1").arg(info.TrackBar));
        slider->setGeometry(SliderLeft, y, 201, 33);
        slider->setRange(SliderMin, SliderMax);
        slider->setValue(1);
        slider->setTickInterval(100);
        slider->setTickPosition(QSlider::NoTicks);
        slider->setToolTip(QString("%1 input (0..4096)").arg(info.Title));
        TrackBars[info.TrackBar] = slider;
        y += 32;
    }
    TrackBar1 = TrackBars[1], TrackBar2 = TrackBars[2], TrackBar3 = TrackBars[3], TrackBar4 = TrackBars[4];
    TrackBar5 = TrackBars[5], TrackBar6 = TrackBars[6], TrackBar7 = TrackBars[7], TrackBar8 = TrackBars[8];

    CheckBox2 = new QCheckBox("Calibrate", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setGeometry(360, 264, 97, 17);
    CheckBox3 = new QCheckBox("KeyFast", this);
    CheckBox3->setObjectName("CheckBox3");
    CheckBox3->setGeometry(472, 264, 97, 17);

    GroupBox1 = new QGroupBox(" Communication Window  ", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(344, 288, 273, 97);
    Memo1 = new QPlainTextEdit(GroupBox1);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(2, 15, 269, 80);
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(static_cast<int>(CommWindowMaxLines));
    Memo1->setUndoRedoEnabled(false);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setGeometry(0, 385, 621, 19);
    StatusBar1->setSizeGripEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(Timer1Ms);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(Timer2Ms);

    CommFlushTimer = new QTimer(this);
    CommFlushTimer->setSingleShot(true);
    CommFlushTimer->setInterval(CommFlushMs);
}

void TForm1::ConnectActions()
{
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Image3, &ClickArea::Clicked, this, &TForm1::Image3Click);
    connect(Image5, &ClickArea::Clicked, this, &TForm1::Image5Click);
    connect(Image6, &ClickArea::Clicked, this, &TForm1::Image6Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
    connect(TrackBar4, &QSlider::valueChanged, this, &TForm1::TrackBar4Change);
    connect(TrackBar5, &QSlider::valueChanged, this, &TForm1::TrackBar5Change);
    connect(TrackBar6, &QSlider::valueChanged, this, &TForm1::TrackBar6Change);
    connect(TrackBar7, &QSlider::valueChanged, this, &TForm1::TrackBar7Change);
    connect(TrackBar8, &QSlider::valueChanged, this, &TForm1::TrackBar8Change);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(CommFlushTimer, &QTimer::timeout, this, &TForm1::FlushCommLines);
    Timer1->start();
    Timer2->start();
}

// The face comes from the JPEG built into the program, decoded by libjpeg.
void TForm1::ShowFace()
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    if (!DecodeJpeg(FaceJpeg, sizeof FaceJpeg, rgb, width, height)) return;  // a plain face
    const QImage decoded(rgb.data(), width, height, width * 3, QImage::Format_RGB888);
    QImage face = decoded.scaled(Image2->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Enlarged a whole number of times (--zoom, a 200 % screen) the face's pixels grow as
    // blocks, not blurred; other scales keep the toolkit's smooth scaling.
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0 && ratio == std::floor(ratio)) {
        face = face.scaled(Image2->size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        face.setDevicePixelRatio(ratio);
    }
    Image2->setPixmap(QPixmap::fromImage(face));
}

// Once the window system has put its frame around the window, the framed window is centred.
void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (Centred) return;
    Centred = true;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect frame = frameGeometry();
    move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

QLabel *TForm1::LabelByNumber(int number) const
{
    return number >= 1 && number <= 16 ? Labels[number] : nullptr;
}

QSlider *TForm1::TrackBarByNumber(int number) const
{
    return number >= 1 && number <= 8 ? TrackBars[number] : nullptr;
}

// --- control actions --------------------------------------------------------------------------

void TForm1::Button1Click()
{
    SincePump.start();
    InstrumentMainLoop();
    // A close while running waits until the outermost run has returned.
    if (CloseWhenStopped && RunDepth == 0) {
        CloseWhenStopped = false;
        close();
    }
}

void TForm1::Button2Click() { RequestStop(); }
void TForm1::Button3Click() { KeyClick(KeyClockwise); }
void TForm1::Button4Click() { KeyClick(KeyAntiClockwise); }
void TForm1::Image3Click() { KeyClick(KeyLeft); }
void TForm1::Image5Click() { KeyClick(KeyCentre); }
void TForm1::Image6Click() { KeyClick(KeyRight); }

void TForm1::TrackBarChange(int trackBar)
{
    const s32 position = TrackBars[trackBar]->value();
    const u8 label = SliderChange(static_cast<u8>(trackBar), position);
    if (label != 0) SetLabel(label, position);
}

void TForm1::TrackBar1Change() { TrackBarChange(1); }
void TForm1::TrackBar2Change() { TrackBarChange(2); }
void TForm1::TrackBar4Change() { TrackBarChange(4); }
void TForm1::TrackBar5Change() { TrackBarChange(5); }
void TForm1::TrackBar6Change() { TrackBarChange(6); }
void TForm1::TrackBar7Change() { TrackBarChange(7); }
void TForm1::TrackBar8Change() { TrackBarChange(8); }
void TForm1::Timer1Timer() { Timer1Tick(); }
void TForm1::Timer2Timer() { Timer2Tick(); }

// --- FrontPanel ---------------------------------------------------------------------------------

void TForm1::PumpMessages()
{
    if (SplashFramePumping()) HoldSplashFrame();
    QCoreApplication::processEvents();
    if (AfterPump) AfterPump();
    SincePump.start();
}

// The instrument draws a frame in well under a millisecond; held for SplashFrameMs each, the
// 80 frames take about 2.4 s, so the sliding maker and product lines can be followed.
void TForm1::HoldSplashFrame()
{
    const qint64 left = SincePump.isValid() ? SplashFrameMs - SincePump.elapsed() : SplashFrameMs;
    if (left <= 0 || ShutdownRequested()) return;
    QEventLoop wait;
    QTimer::singleShot(static_cast<int>(left), &wait, &QEventLoop::quit);
    wait.exec();
}

void TForm1::BlitLcd() { Image1->CopyFrameBuffer(); }

void TForm1::HideDisplay() { Image1->SetHidden(true); }
void TForm1::ShowDisplay() { Image1->SetHidden(false); }
bool TForm1::CalibrateChecked() { return CheckBox2->isChecked(); }
bool TForm1::KeyFastChecked() { return CheckBox3->isChecked(); }
s32 TForm1::RpmSliderPosition() { return TrackBar3->value(); }

void TForm1::SetLabel(u8 label, s32 value)
{
    if (label >= 1 && label <= 16) Labels[label]->setText(QString::number(value));
}

void TForm1::SetLampColour(u32 colour) { Shape1->SetColour(colour); }

// A line arrives every cycle; the text box takes them in batches so that laying out the text
// never dominates a cycle. Only the lines the box can keep are held back.
void TForm1::AppendCommLine(const char *text)
{
    ++LinesAppended;
    PendingLines.append(QString::fromLatin1(text));
    if (PendingLines.size() > static_cast<qsizetype>(CommWindowMaxLines)) PendingLines.removeFirst();
    if (!CommFlushTimer->isActive()) CommFlushTimer->start();
}

void TForm1::FlushCommLines()
{
    CommFlushTimer->stop();
    if (PendingLines.isEmpty()) return;
    QString text = PendingLines.join('\n');
    // The box starts as one empty line, which an empty first line leaves looking the same:
    // the next batch then needs its own line break.
    if (MemoHasLines && Memo1->document()->isEmpty()) text.prepend('\n');
    Memo1->appendPlainText(text);
    MemoHasLines = true;
    PendingLines.clear();
}

// --- window events ------------------------------------------------------------------------------

void TForm1::closeEvent(QCloseEvent *event)
{
    // Every run ends at its next test; the window goes once the outermost run has returned,
    // so no run ever touches a destroyed control.
    RequestShutdown();
    if (RunDepth > 0) {
        CloseWhenStopped = true;
        event->ignore();
        return;
    }
    Timer1->stop();
    Timer2->stop();
    event->accept();
}

// The keyboard and the mouse wheel work the instrument's keys whatever control has the focus;
// the filter sees the events before the focused slider or button could use the arrow keys.
bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::Wheel) return false;
    const QWidget *widget = qobject_cast<QWidget *>(watched);
    const bool ours = (widget != nullptr && widget->window() == this) ||
                      (windowHandle() != nullptr && watched == windowHandle());
    if (!ours) return false;
    if (type == QEvent::KeyPress) return HandleKey(static_cast<QKeyEvent *>(event));
    return HandleWheel(watched, static_cast<QWheelEvent *>(event));
}

bool TForm1::HandleKey(QKeyEvent *key)
{
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) return false;
    for (const KeyBinding &binding : KeyBindings) {
        if (binding.Key != key->key()) continue;
        if (!key->isAutoRepeat() || binding.Repeats) KeyClick(binding.Code);
        return true;
    }
    return false;
}

bool TForm1::HandleWheel(QObject *watched, QWheelEvent *wheel)
{
    QPoint at = wheel->position().toPoint();
    if (const QWidget *widget = qobject_cast<QWidget *>(watched); widget != nullptr && widget != this)
        at = widget->mapTo(this, at);
    if (!Image2->geometry().contains(at)) return false;
    WheelRest += wheel->angleDelta().y();
    if (WheelRest >= WheelNotch) KeyClick(KeyClockwise);
    else if (WheelRest <= -WheelNotch) KeyClick(KeyAntiClockwise);
    WheelRest %= WheelNotch;
    return true;
}
