#include "app/StartupScreen.h"

#include "app/App.h"
#include "app/Pictures.h"
#include "app/Theme.h"
#include "quiz/Window1.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {
QPointer<StartupScreen> s_splash;
}

StartupScreen *StartupScreen::instance()
{
    if (!s_splash)
        s_splash = new StartupScreen;
    return s_splash.data();
}

StartupScreen *StartupScreen::existing()
{
    return s_splash.data();
}

StartupScreen::StartupScreen() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("StartupScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(736, 534);
    keepLightColours(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFD, 0xFF, 0xFC));
    setPalette(pal);
    setAutoFillBackground(true);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    SplashTimer = new QTimer(this);
    SplashTimer->setObjectName(QStringLiteral("SplashTimer"));
    SplashTimer->setSingleShot(true);
    SplashTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 200 ms early
    SplashTimer->setInterval(4000);
    connect(SplashTimer, &QTimer::timeout, this, &StartupScreen::SplashTimer_Action);
    SplashTimer->start();
}

void StartupScreen::SplashTimer_Action()
{
    handOver();
}

void StartupScreen::mousePressEvent(QMouseEvent *)
{
    handOver();
}

void StartupScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Pics::Startup1()->draw(p, 0, 0);
    // Once the splash is on screen, the rest of its time goes to getting the
    // main window ready, one short step per turn of the event loop. The
    // first step waits until the event loop has sent this paint to the
    // display (it does so when it next waits), or the splash would show late.
    if (!m_preparationStarted) {
        m_preparationStarted = true;
        m_preparation = Window1::preparationSteps(devicePixelRatioF());
        // The frameless splash shows no icon; the windows after it do.
        m_preparation.prepend(&App::useProgramIcon);
        QTimer::singleShot(30, this, &StartupScreen::prepareNext);
    }
}

void StartupScreen::prepareNext()
{
    if (m_handedOver || m_preparation.isEmpty())
        return;
    m_preparation.takeFirst()();
    QTimer::singleShot(0, this, &StartupScreen::prepareNext);
}

void StartupScreen::handOver()
{
    // The timer and a click run on the one thread; whichever comes first
    // closes the splash, and its timer goes with it.
    if (m_handedOver)
        return;
    m_handedOver = true;
    SplashTimer->stop();
    close();
    // The splash is not shown again: its pixels need not stay in memory for
    // the rest of the session.
    Pics::releaseSplash();
    Window1 *main = Window1::instance();
    main->show();
    Q_EMIT handedOver();
}
