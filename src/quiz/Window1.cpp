#include "quiz/Window1.h"

#include "app/App.h"
#include "app/Menu.h"
#include "app/Pictures.h"
#include "app/Theme.h"
#include "controls/AutoButton.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "quiz/InstrumentList.h"
#include "quiz/Window1Content.h"
#include "sound/NotePlayer.h"
#include "staff/StaffClass1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTimer>

namespace {
QPointer<Window1> s_window;
std::function<Window1::Services()> s_servicesFactory;
constexpr int ContentWidth = 753;
constexpr int DesignHeight = 724;

// The program's own controls that press themselves on Return.
bool pressesOnReturn(QWidget *focus)
{
    if (auto *box = qobject_cast<PressCheckBox *>(focus))
        return box->takesPress;
    return qobject_cast<cSquareMultiButton *>(focus) || qobject_cast<AutoButton *>(focus);
}
} // namespace

Window1 *Window1::instance()
{
    if (!s_window)
        create(s_servicesFactory ? s_servicesFactory() : Services{});
    return s_window.data();
}

void Window1::setServicesFactory(std::function<Services()> factory)
{
    s_servicesFactory = std::move(factory);
}

Window1 *Window1::existing()
{
    return s_window.data();
}

Window1 *Window1::create(Services services)
{
    if (!services.player)
        services.player = createSystemNotePlayer();
    if (!services.random)
        services.random = [] { return QRandomGenerator::global()->generateDouble(); };
    if (!services.clockSeconds)
        services.clockSeconds = [] { return QDateTime::currentMSecsSinceEpoch() / 1000.0; };
    auto *window = new Window1(std::move(services));
    s_window = window;
    window->Open();
    return window;
}

Window1::Window1(Services services) : m_services(std::move(services))
{
    // Layout step: backdrop, menu bar, then the window settings.
    setObjectName(QStringLiteral("Window1"));
    setAttribute(Qt::WA_DeleteOnClose);
    keepLightColours(this); // before the controls copy their palettes
    m_content = new Window1Content(this);
    setCentralWidget(m_content);
    m_backdrop = Pics::NewBackground13();
    setMenuBar(Menu::instance().createMenuBar(this, this));
    setWindowTitle(QStringLiteral("ZARN"));
    App::useProgramIcon();
    setMinimumSize(64, 64);
    NotePlayer1 = m_services.player.get();

    createControls();
    connectHandlers();
    runControlOpens();
    setUpAccess();
    setContentHeight(DesignHeight);
    qApp->installEventFilter(this);
    TimerMinutes->start();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Window1::silence);
}

Window1::~Window1()
{
    qApp->removeEventFilter(this);
    silence();
    // Hidden while its parts still exist: the press controls let go of a held
    // press as they are hidden, which the base class would do after them.
    hide();
}

void Window1::silence()
{
    // Quitting while a row plays or a note is held: nothing goes on sounding.
    if (ButtonStop && ButtonStop->isEnabled())
        ButtonStop_Action();
    if (TRowTimer)
        TRowTimer->stop();
    if (TRowEndTimer)
        TRowEndTimer->stop();
    endPresses();
}

void Window1::endPresses()
{
    if (m_keyboardNote >= 0)
        Canvas2_MouseUp(0, 0);
    if (m_pressNote >= 0) {
        stopNote(m_pressNote);
        m_pressNote = -1;
        Oval1->hide();
    }
}

QWidget *Window1::content() const
{
    return m_content;
}

void Window1::setBackdrop(Picture *picture)
{
    m_backdrop = picture;
    m_content->update();
}

void Window1::setContentHeight(int height)
{
    m_content->setFixedSize(ContentWidth, height);
    const int menuHeight = menuBar() ? menuBar()->sizeHint().height() : 0;
    setFixedSize(ContentWidth, height + menuHeight);
}

void Window1::connectHandlers()
{
    for (int k = 0; k <= 10; ++k) {
        Staff[k]->numIntsSource = [this] { return NumInts; };
        connect(Staff[k], &StaffClass1::changed, this, [this](int member) { Staff_Change(member); });
    }
    connect(ButtonNew, &QPushButton::clicked, this, &Window1::ButtonNew_Action);
    connect(ButtonPlay, &QPushButton::clicked, this, &Window1::ButtonPlay_Action);
    connect(ButtonStop, &QPushButton::clicked, this, &Window1::ButtonStop_Action);
    connect(SliderInt, &QSlider::valueChanged, this, &Window1::SliderInt_ValueChanged);
    connect(SliderTempo, &QSlider::valueChanged, this, &Window1::SliderTempo_ValueChanged);
    connect(SliderRepeat, &QSlider::valueChanged, this, &Window1::SliderRepeat_ValueChanged);
    connect(TRowTimer, &QTimer::timeout, this, &Window1::TRowTimer_Action);
    connect(TRowEndTimer, &QTimer::timeout, this, &Window1::TRowEndTimer_Action);
    connect(TimerMinutes, &QTimer::timeout, this, &Window1::TimerMinutes_Action);
    for (int k = 0; k <= 11; ++k) {
        connect(NoteLight[k], &PressRadioButton::mouseDown, this,
                [this, k](int, int) { NoteLight_MouseDown(k); });
        connect(NoteLight[k], &PressRadioButton::mouseUp, this,
                [this, k](int, int) { NoteLight_MouseUp(k); });
    }
    for (int i = 0; i <= 9; ++i) {
        connect(IntBox[i], &PressCheckBox::mouseDown, this, [this, i](int, int) { IntBox_MouseDown(i); });
        connect(IntBox[i], &PressCheckBox::mouseUp, this, [this, i](int, int) { IntBox_MouseUp(i); });
        connect(IntMenu[i], &QComboBox::currentIndexChanged, this, [this, i] { IntMenu_Change(i); });
    }
    for (int k = 0; k <= 10; ++k)
        connect(NoteBox[k], &PressCheckBox::mouseDown, this, [this, k](int, int) { NoteBox_MouseDown(k); });
    connect(RadioTest, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioTest_Action();
    });
    connect(RadioPractice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioPractice_Action();
    });
    connect(ButtonCheck, &QPushButton::clicked, this, &Window1::ButtonCheck_Action);
    connect(PushStats, &QPushButton::clicked, this,
            [this] { PushStats_Action(QApplication::queryKeyboardModifiers()); });
    connect(PushButton1, &QPushButton::clicked, this, &Window1::PushButton1_Action);
    connect(Canvas2, &PictureCanvas::mouseDown, this, &Window1::Canvas2_MouseDown);
    connect(Canvas2, &PictureCanvas::mouseUp, this, &Window1::Canvas2_MouseUp);
    connect(BoxShow, &QCheckBox::toggled, this, &Window1::BoxShow_Action);
    connect(BoxCheat, &QCheckBox::toggled, this, &Window1::BoxCheat_Action);
    connect(ButtonAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ButtonAll_Action();
    });
    connect(ButtonNone, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ButtonNone_Action();
    });
    for (int i = 0; i <= 11; ++i) {
        connect(IntSelBox[i], &PressCheckBox::mouseDown, this,
                [this, i](int x, int y) { IntSelBox_MouseDown(i, x, y); });
        connect(IntSelBox[i], &PressCheckBox::mouseUp, this,
                [this, i](int x, int y) { IntSelBox_MouseUp(i, x, y); });
        connect(IntSelBox[i], &QCheckBox::toggled, this, [this, i] { IntSelBox_Action(i); });
    }
    connect(checkbox2, &cSquareMultiButton::Open, this, &Window1::checkbox2_Open);
    connect(BoxIntStartC, &cSquareMultiButton::Open, this, &Window1::BoxIntStartC_Open);
    connect(CheckBox1, &cSquareMultiButton::Open, this, &Window1::CheckBox1_Open);
    connect(checkbox2, &cSquareMultiButton::Action, this, &Window1::checkbox2_Action);
    connect(BoxIntStartC, &cSquareMultiButton::Action, this, &Window1::BoxIntStartC_Action);
    connect(CheckBox1, &cSquareMultiButton::Action, this, &Window1::CheckBox1_Action);
    connect(AutoButton1, &AutoButton::MouseDown, this, &Window1::AutoButton1_MouseDown);
    connect(AutoButton1, &AutoButton::open, this, &Window1::AutoButton1_open);
    connect(BoxMouse, &QCheckBox::toggled, this, &Window1::BoxMouse_Action);
    connect(ListBox1, &InstrumentList::InstrumentChanged, this, &Window1::ListBox1_InstrumentChanged);
}

void Window1::runControlOpens()
{
    for (StaffMember *staff : Staff)
        staff->runOpen();
    ListBox1->runOpen();
    for (int i = 0; i <= 9; ++i)
        UPARROW_Open(i);
    AutoButton1->runOpen();
    checkbox2->runOpen();
    BoxIntStartC->runOpen();
    CheckBox1->runOpen();
}

void Window1::Open()
{
    Oval1->resize(0, 0);
    LastNumInts = 1;
    // "All" is already selected in the design; its action runs all the same,
    // so that every interval box is ticked before the first row is made.
    ButtonAll_Action();
    position = 1;
    SliderInt->setValue(4);
    SliderTempo->setValue(2100);
    SliderRepeat->setValue(5);
    SliderRepeat->setValue(0);
    RadioPractice->setChecked(true);
    ListBox1->setCurrentRow(0);
    RadioActualPitch->setChecked(true);
    // Mouse tips start off; the off step runs once here so that the switch
    // explains itself from the start.
    BoxMouse->setChecked(false);
    BoxMouse_Action();
    ButtonNew_Action();
    // Keyboard users start on the highlighted button: Return or space plays.
    ButtonPlay->setFocus();
}

bool Window1::KeyDown(const QString &key)
{
    if (key == QLatin1String(" ")) {
        if (ButtonStop->isEnabled())
            push(ButtonStop);
        else
            push(ButtonPlay);
    }
    if (key.compare(QLatin1String("n"), Qt::CaseInsensitive) == 0)
        push(ButtonNew);
    return false;
}

bool Window1::eventFilter(QObject *watched, QEvent *event)
{
    // A modal window that comes up while a key, a note light or an interval
    // box is held down (Return or "n" with no interval selected) takes the
    // mouse: the release never reaches the control, so the note ends now.
    if (event->type() == QEvent::WindowBlocked && watched == this)
        endPresses();
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // The space bar and "n" belong to the window whatever control has the
    // focus (a focused push button would otherwise take the space bar).
    if (key->key() == Qt::Key_Space || key->key() == Qt::Key_N) {
        KeyDown(key->text().isEmpty() ? (key->key() == Qt::Key_Space ? QStringLiteral(" ")
                                                                       : QStringLiteral("n"))
                                      : key->text());
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // A focused button, box or switch is pressed; elsewhere Return
        // pushes the default button.
        if (pressesOnReturn(QApplication::focusWidget()))
            return false; // the control's own key handling presses it
        if (!pressFocusedControl() && m_default)
            push(m_default);
        return true;
    }
    return false;
}

void Window1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program.
    event->accept();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void Window1::TimerMinutes_Action()
{
    ++MinutesRun;
    if (MinutesRun == 1)
        StaticMinutes->setText(QStringLiteral("Running for 1 minute"));
    else
        StaticMinutes->setText(QStringLiteral("Running for %1 minutes").arg(MinutesRun));
}

QString Window1::FormatSec(int seconds)
{
    return QString::fromStdString(::FormatSec(seconds));
}

void Window1::push(QPushButton *button)
{
    // A disabled button does nothing when pushed (a cleared row is never played).
    if (button && button->isEnabled())
        button->click();
}

void Window1::setDefaultButton(QPushButton *button)
{
    if (m_default && m_default != button)
        m_default->setDefault(false);
    m_default = button;
    if (button)
        button->setDefault(true);
}

QPushButton *Window1::defaultButton() const
{
    return m_default;
}
