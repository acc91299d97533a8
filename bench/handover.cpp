// Hand-over from the splash to the main window, timed inside the process: a
// click on the splash closes it, creates the main window (controls, open
// handler, first row, note player), shows it; then its first paint. One
// hand-over per process (the first one is the one a user waits for). Prints
// "create+show ms, first paint done ms".
#include "app/App.h"
#include "app/StartupScreen.h"
#include "quiz/Window1.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

class PaintSeen : public QObject
{
public:
    bool seen = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    App app(argc, argv);
    StartupScreen *splash = StartupScreen::instance();
    splash->show();
    splash->repaint();
    if (!QTest::qWaitForWindowExposed(splash))
        return 1;
    // A quick click: 300 ms after the splash shows (an optional argument
    // changes it, e.g. for a run under a profiler, which is much slower).
    QTest::qWait(argc > 1 ? std::atoi(argv[1]) : 300);

    PaintSeen paint;
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(10, 10));
    Window1 *main = Window1::existing();
    if (!main)
        return 1;
    const double created = clock.nsecsElapsed() / 1e6;
    main->centralWidget()->installEventFilter(&paint);
    while (!paint.seen && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double painted = clock.nsecsElapsed() / 1e6;
    std::printf("%.2f %.2f\n", created, painted);
    std::fflush(stdout);
    // The note player's background load must not hold up the quit.
    std::_Exit(paint.seen ? 0 : 1);
}
