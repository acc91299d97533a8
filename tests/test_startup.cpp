// Start-up: the splash hands over to the main window once, after four
// seconds or at the first click, whichever comes first.
#include "app/StartupScreen.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        Window1::setServicesFactory([] {
            Window1::Services services;
            services.player = std::make_unique<RecordingNotePlayer>();
            return services;
        });
    }

    void cleanup()
    {
        delete Window1::existing();
        delete StartupScreen::existing();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void handsOverAfterFourSeconds()
    {
        QElapsedTimer clock;
        clock.start();
        StartupScreen *splash = StartupScreen::instance();
        splash->show();
        QCOMPARE(splash->SplashTimer->interval(), 4000);
        QVERIFY(splash->SplashTimer->isSingleShot());
        QSignalSpy handedOver(splash, &StartupScreen::handedOver);

        QTest::qWait(3800);
        QVERIFY2(!Window1::existing(), "the main window must not exist before the hand-over");
        QVERIFY(handedOver.wait(1500));
        QVERIFY(clock.elapsed() >= 4000);
        QVERIFY(Window1::existing());
        QVERIFY(Window1::existing()->isVisible());
        QTRY_VERIFY(!StartupScreen::existing()); // the splash closed and went
    }

    void clickHandsOverAtOnceAndOnlyOnce()
    {
        StartupScreen *splash = StartupScreen::instance();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QSignalSpy handedOver(splash, &StartupScreen::handedOver);
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(handedOver.count(), 1);
        Window1 *main = Window1::existing();
        QVERIFY(main && main->isVisible());
        const auto row = main->ActualNote;

        // The splash's timer must never fire a second hand-over.
        QTest::qWait(4300);
        QCOMPARE(Window1::existing(), main);
        QCOMPARE(main->ActualNote, row); // the open handler (which makes a row) ran once
        QVERIFY(!StartupScreen::existing());
    }

    void mainWindowOpensOnlyAtHandOver()
    {
        StartupScreen *splash = StartupScreen::instance();
        splash->show();
        QVERIFY(!Window1::existing());
        splash->SplashTimer_Action();
        QVERIFY(Window1::existing());
        QCOMPARE(Window1::existing()->NumInts, 4); // opened: the defaults are in force
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
