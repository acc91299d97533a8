// Quitting: in every situation the event loop ends at once and no note the
// quiz started goes on sounding; the real program exits with status 0 when
// the desktop asks it to end.
#include "info/AlertWindow.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "stats/GraphWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <csignal>

class TestExit : public QObject
{
    Q_OBJECT

    Window1 *w = nullptr;
    RecordingNotePlayer *player = nullptr;

    static QAction *quitCommand(QWidget *window)
    {
        const QList<QAction *> actions = window->findChild<QMenuBar *>()->findChildren<QAction *>();
        for (QAction *a : actions)
            if (a->shortcut() == QKeySequence(QKeySequence::Quit))
                return a;
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        Window1::Services services;
        auto recorder = std::make_unique<RecordingNotePlayer>();
        player = recorder.get();
        services.player = std::move(recorder);
        w = Window1::create(std::move(services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != w)
                top->close();
        delete w;
        w = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void quitEndsTheLoopSilently_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("how");
        for (const char *how : {"menu", "Ctrl+Q"}) {
            for (const char *situation : {"row playing", "held note light", "alert up", "every window open"})
                QTest::addRow("%s, %s", situation, how) << QString::fromLatin1(situation) << QString::fromLatin1(how);
        }
    }
    void quitEndsTheLoopSilently()
    {
        QFETCH(QString, situation);
        QFETCH(QString, how);
        QVERIFY(quitCommand(w));
        QWidget *quitFrom = w;
        w->ButtonPlay->click();
        QVERIFY(!player->sounding.empty());

        if (situation == QLatin1String("held note light"))
            QTest::mousePress(w->NoteLight[1], Qt::LeftButton, {}, QPoint(5, 5));
        if (situation == QLatin1String("every window open")) {
            w->RadioTest->setChecked(true);
            w->ButtonNew->click();
            w->ButtonPlay->click();
            w->PushStats_Action({});
            w->aboutZARN_Action();
            w->ZARNLic_Action();
            w->instructionsmenu_Action();
            QVERIFY(GraphWindow::existing() && AquaAboutBox::existing() && License::existing() &&
                    InfoWindow::existing());
            quitFrom = GraphWindow::existing();
        }

        auto quit = [&how](QWidget *window) {
            if (how == QLatin1String("menu"))
                quitCommand(window)->trigger();
            else
                QTest::keyClick(window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        };
        bool alertSeen = false;
        if (situation == QLatin1String("alert up")) {
            w->ButtonNone->setChecked(true);
            w->ButtonPlay->setEnabled(true); // keep a note sounding under the alert
            QTimer::singleShot(0, w, [this] {
                w->ButtonPlay->click();
                w->ButtonNew->click(); // shows the alert modally
            });
            QTimer::singleShot(50, w, [&] {
                QWidget *alert = AlertWindow::existing();
                alertSeen = alert && alert->isVisible();
                if (alert)
                    quit(alert);
                else
                    QCoreApplication::quit();
            });
        } else {
            QTimer::singleShot(50, quitFrom, [&] { quit(quitFrom); });
        }
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, qApp, [] { QCoreApplication::exit(3); });
        failsafe.start(5000);
        QElapsedTimer clock;
        clock.start();
        const int code = QCoreApplication::exec();
        const qint64 took = clock.elapsed();
        failsafe.stop();
        QCOMPARE(code, 0);
        QVERIFY2(took < 1000, qPrintable(QString::number(took)));
        if (situation == QLatin1String("alert up")) {
            QVERIFY(alertSeen);
            QVERIFY(!AlertWindow::existing() || !AlertWindow::existing()->isVisible());
        }
        QVERIFY2(player->sounding.empty(),
                 qPrintable(QStringLiteral("note %1 still sounds").arg(*player->sounding.begin())));
        QVERIFY(!w->TRowTimer->isActive() && !w->TRowEndTimer->isActive());
    }

    // The program itself, ended as a desktop ends it at logout: at once and
    // with status 0, during the splash or with the main window up.
    void processEndsOnSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("afterMs");
        QTest::newRow("SIGTERM during the splash") << int(SIGTERM) << 1000;
        QTest::newRow("SIGINT during the splash") << int(SIGINT) << 500;
        QTest::newRow("SIGTERM with the main window up") << int(SIGTERM) << 5500;
    }
    void processEndsOnSignal()
    {
        QFETCH(int, signal);
        QFETCH(int, afterMs);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../zarn");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        QProcess zarn;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        zarn.setProcessEnvironment(env);
        zarn.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        zarn.start(program, {});
        QVERIFY(zarn.waitForStarted(5000));
        QTest::qWait(afterMs);
        QCOMPARE(zarn.state(), QProcess::Running);
        ::kill(pid_t(zarn.processId()), signal);
        QElapsedTimer clock;
        clock.start();
        const bool ended = zarn.waitForFinished(1000);
        if (!ended) {
            zarn.kill();
            zarn.waitForFinished(5000);
        }
        QVERIFY2(ended, "still running 1 s after the signal");
        QCOMPARE(zarn.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zarn.exitCode(), 0);
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
