#include "app/App.h"

#include "app/Pictures.h"
#include "app/StartupScreen.h"
#include "app/Theme.h"

#include "quiz/Window1.h"

#include <QIcon>
#include <QPalette>
#include <QSocketNotifier>
#include <QStyle>
#include <QPixmapCache>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int s_signalPipe[2] = {-1, -1};

void onQuitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalPipe[1], &byte, 1);
}

// The desktop ends programs with SIGTERM (logout) and a terminal with SIGINT:
// both quit as the Quit command does, through the event loop, so that the
// row stops and the windows close normally. A signal handler may only write
// to a pipe; the event loop reads it. The handlers go in first of all, so
// that a signal during start-up is not lost.
void catchQuitSignals()
{
    if (::pipe2(s_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void quitOnSignals(QApplication &app)
{
    if (s_signalPipe[0] < 0)
        return;
    auto *notifier = new QSocketNotifier(s_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char buffer[16];
        while (::read(s_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        QCoreApplication::quit();
    });
}
} // namespace

App::App(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("ZARN Dozi"));
    setApplicationVersion(QStringLiteral(ZARN_VERSION));
    setDesktopFileName(QStringLiteral("zarn"));
    applyLook();
    setQuitOnLastWindowClosed(true);
}

void App::applyLook()
{
    // The windows are drawn on light backdrops of their own: keep a light
    // palette whatever the desktop theme is.
    QApplication::setStyle(new SteadyPaletteStyle);
    QApplication::setPalette(lightPalette());
    // The style keeps pixmaps of what it drew, one per size and state of a
    // control. The program has a few dozen controls, while the default
    // limit of 10 MB filled up over a long session (a scroll bar dragged
    // through its sizes in the licence window) and stayed resident.
    QPixmapCache::setCacheLimit(1024); // kB
}

void App::useProgramIcon()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(Pics::icon64x64()->image())));
}

int App::run(int argc, char *argv[])
{
    catchQuitSignals();
    App app(argc, argv);
    StartupScreen *splash = StartupScreen::instance();
    splash->show();
    splash->repaint(); // drawn at once, before any event is handled
    quitOnSignals(app);
    const int code = app.exec();
    // The main window owns the synthesizer: end it while the application
    // still exists.
    delete Window1::existing();
    return code;
}
