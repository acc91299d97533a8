// Quitting: in every situation the event loop ends at once and no note the
// quiz started goes on sounding; the real program exits with status 0 when
// the desktop asks it to end.
#include "controls/SimpleControls.h"
#include "info/AlertWindow.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "stats/GraphWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {
// The window owns its player, and quitting may close and delete the window:
// the recording lives on in the test.
class ForwardingPlayer final : public NotePlayer
{
public:
    explicit ForwardingPlayer(RecordingNotePlayer *target) : m_target(target) {}
    void playNote(int note, int velocity) override { m_target->playNote(note, velocity); }
    void setInstrument(int program) override { m_target->setInstrument(program); }

private:
    RecordingNotePlayer *m_target;
};
} // namespace

class TestExit : public QObject
{
    Q_OBJECT

    QPointer<Window1> w;
    RecordingNotePlayer recorder;
    RecordingNotePlayer *player = &recorder;

    static QAction *quitCommand(QWidget *window)
    {
        auto *bar = window->findChild<QMenuBar *>();
        if (!bar)
            return nullptr;
        for (QAction *a : bar->findChildren<QAction *>())
            if (a->menuRole() == QAction::QuitRole || a->text().remove(QLatin1Char('&')) == QLatin1String("Quit"))
                return a;
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        Window1::Services services;
        recorder.clear();
        services.player = std::make_unique<ForwardingPlayer>(&recorder);
        w = Window1::create(std::move(services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.data()));
    }
    void cleanup()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != w && top->isVisible())
                top->close();
        delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void quitEndsTheLoopSilently_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("how");
        // The command from the menu; its key (Ctrl+Q) is the platform's
        // standard quit key, which the headless platform does not define.
        for (const char *how : {"menu"}) {
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

        QWidget *held = nullptr;
        if (situation == QLatin1String("held note light")) {
            held = w->NoteLight[1];
            QTest::mousePress(held, Qt::LeftButton, {}, QPoint(5, 5));
        }
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
            // The frontmost window takes the command (the About box is modal).
            quitFrom = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                         : GraphWindow::existing();
        }

        auto quit = [&how](QWidget *window) {
            if (how == QLatin1String("menu")) {
                QAction *command = quitCommand(window);
                QVERIFY2(command, qPrintable(window->objectName() + QStringLiteral(" has no Quit")));
                command->trigger();
            }
            else
                QTest::keyClick(window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        };
        bool alertSeen = false;
        if (situation == QLatin1String("alert up")) {
            // A key of the keyboard held down, and "n" with no interval
            // selected: the alert comes up over a sounding note.
            w->ButtonNone->setChecked(true);
            held = w->Canvas2;
            QTest::mousePress(held, Qt::LeftButton, {}, QPoint(20, 70));
            QVERIFY(!player->sounding.empty());
            QTimer::singleShot(0, w.data(), [this] { w->KeyDown(QStringLiteral("n")); });
            QTimer::singleShot(50, w.data(), [&] {
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
        if (w)
            QVERIFY(!w->TRowTimer->isActive() && !w->TRowEndTimer->isActive());
        if (held && w)
            QTest::mouseRelease(held, Qt::LeftButton, {}, QPoint(5, 5));
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
