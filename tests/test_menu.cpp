// The shared Help menu: one definition on every window, each window answering
// its own set of commands, Quit everywhere.
#include "app/Menu.h"
#include "info/AlertWindow.h"
#include "info/AquaAboutBox.h"
#include "info/InfoWindow.h"
#include "info/License.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
int s_quits = 0;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A window that only records which of its menu hooks ran.
class RecordingWindow : public QWidget, public MenuTarget
{
public:
    RecordingWindow() { Menu::instance().createMenuBar(this, this); }
    void EnableMenuItems() override { ++enableCalls; }
    int enableCalls = 0;
};
} // namespace

class MenuTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        Menu::quitHandler = [] { ++s_quits; };
        Window1::Services services;
        services.player = std::make_unique<RecordingNotePlayer>();
        services.random = [seed = 7u]() mutable {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 8) / double(1u << 24);
        };
        services.clockSeconds = [] { return 1000.0; };
        m_main = Window1::create(std::move(services));
        m_main->show();
    }

    void init()
    {
        for (QWidget *w : {static_cast<QWidget *>(AquaAboutBox::existing()),
                           static_cast<QWidget *>(License::existing()),
                           static_cast<QWidget *>(InfoWindow::existing())})
            if (w)
                w->close();
        flushDeletes();
        s_quits = 0;
    }

    void itemsOnEveryWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"Window1", "InfoWindow", "License", "AquaAboutBox"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }

    void itemsOnEveryWindow()
    {
        QFETCH(QString, window);
        QWidget *w = open(window);
        auto *bar = w->findChild<QMenuBar *>(QStringLiteral("Menu"));
        QVERIFY(bar);
        auto *help = bar->findChild<QMenu *>(QStringLiteral("FileMenu"));
        QVERIFY(help);
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        QStringList names, texts;
        for (QAction *a : help->actions()) {
            names << a->objectName();
            texts << a->text();
            QVERIFY(a->isEnabled());
            QVERIFY(!a->isCheckable());
        }
        QCOMPARE(names, (QStringList{"aboutZARN", "ZARNLic", "instructionsmenu", "MouseTipsMenu",
                                     "FileQuit"}));
        QCOMPARE(texts, (QStringList{"About ZARN Dozi", "License Agreement ", "Instructions",
                                     Menu::instance().mouseTipsText(), "Quit"}));
        QVERIFY(Menu::item(w, "FileQuit")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
    }

    // Each window answers exactly its own commands; Quit works everywhere.
    void commandTable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("effect");
        const QStringList commands{"aboutZARN", "ZARNLic", "instructionsmenu", "MouseTipsMenu",
                                   "FileQuit"};
        const QMap<QString, QStringList> effects{
            {"Window1", {"about", "licence", "instructions", "tips", "quit"}},
            {"InfoWindow", {"about", "licence", "none", "none", "quit"}},
            {"License", {"about", "none", "none", "none", "quit"}},
            {"AquaAboutBox", {"none", "none", "none", "none", "quit"}},
        };
        for (auto it = effects.begin(); it != effects.end(); ++it)
            for (int i = 0; i < commands.size(); ++i)
                QTest::addRow("%s %s", qPrintable(it.key()), qPrintable(commands[i]))
                    << it.key() << commands[i] << it.value()[i];
    }

    void commandTable()
    {
        QFETCH(QString, window);
        QFETCH(QString, command);
        QFETCH(QString, effect);
        QWidget *w = open(window);
        const State before = state();
        QAction *item = Menu::item(w, command);
        QVERIFY(item);
        item->trigger();
        QCoreApplication::processEvents();
        const State after = state();
        checkEffect(window, effect, before, after);
    }

    // The alert is modal: its menu is driven while it is up.
    void alertAnswersOnlyQuit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("quits");
        QTest::newRow("about") << "aboutZARN" << 0;
        QTest::newRow("licence") << "ZARNLic" << 0;
        QTest::newRow("instructions") << "instructionsmenu" << 0;
        QTest::newRow("tips") << "MouseTipsMenu" << 0;
        QTest::newRow("quit") << "FileQuit" << 1;
    }

    void alertAnswersOnlyQuit()
    {
        QFETCH(QString, command);
        QFETCH(int, quits);
        const State before = state();
        bool found = false;
        QTimer::singleShot(0, this, [&] {
            AlertWindow *alert = AlertWindow::existing();
            found = alert && Menu::item(alert, command);
            if (found)
                Menu::item(alert, command)->trigger();
            QCoreApplication::processEvents();
            if (alert)
                alert->PushButton1->click();
        });
        AlertWindow::showAlert();
        QVERIFY(found);
        QCoreApplication::processEvents();
        const State after = state();
        QCOMPARE(s_quits, quits);
        QVERIFY(!after.about && !after.licence && !after.instructions);
        QCOMPARE(after.tips, before.tips);
    }

    void quitKeyEverywhere_data() { itemsOnEveryWindow_data(); }

    void quitKeyEverywhere()
    {
        QFETCH(QString, window);
        QWidget *w = open(window);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(s_quits, 1);
    }

    void mouseTipsTwiceRestores()
    {
        const bool was = m_main->BoxMouse->isChecked();
        Menu::item(m_main, "MouseTipsMenu")->trigger();
        QCOMPARE(m_main->BoxMouse->isChecked(), !was);
        Menu::item(m_main, "MouseTipsMenu")->trigger();
        QCOMPARE(m_main->BoxMouse->isChecked(), was);
    }

    // A text set through the one definition shows in every window's menu,
    // also in windows opened later.
    void textChangeShowsEverywhere()
    {
        const QString original = Menu::instance().mouseTipsText();
        InfoWindow *info = InfoWindow::instance();
        Menu::instance().setMouseTipsText(QStringLiteral("Turn Mouse Tips OFF"));
        QCOMPARE(Menu::item(m_main, "MouseTipsMenu")->text(), QStringLiteral("Turn Mouse Tips OFF"));
        QCOMPARE(Menu::item(info, "MouseTipsMenu")->text(), QStringLiteral("Turn Mouse Tips OFF"));
        License *licence = License::instance();
        QCOMPARE(Menu::item(licence, "MouseTipsMenu")->text(),
                 QStringLiteral("Turn Mouse Tips OFF"));
        Menu::instance().setMouseTipsText(original);
        QCOMPARE(Menu::item(licence, "MouseTipsMenu")->text(), original);
    }

    // The window whose menu is about to show may update the texts first.
    void enableMenuItemsBeforeShowing()
    {
        RecordingWindow w;
        w.show();
        auto *help = w.findChild<QMenu *>(QStringLiteral("FileMenu"));
        QVERIFY(help);
        help->popup(QPoint(0, 0));
        QCOMPARE(w.enableCalls, 1);
        help->hide();
        QCOMPARE(m_main->findChild<QMenu *>(QStringLiteral("FileMenu"))->isVisible(), false);
    }

private:
    struct State
    {
        bool about, licence, instructions, tips;
        int quits;
    };

    State state() const
    {
        auto shown = [](QWidget *w) { return w && w->isVisible(); };
        return {shown(AquaAboutBox::existing()), shown(License::existing()),
                shown(InfoWindow::existing()), m_main->BoxMouse->isChecked(), s_quits};
    }

    QWidget *open(const QString &name)
    {
        QWidget *w = m_main;
        if (name == QLatin1String("InfoWindow"))
            w = InfoWindow::instance();
        else if (name == QLatin1String("License"))
            w = License::instance();
        else if (name == QLatin1String("AquaAboutBox"))
            w = AquaAboutBox::instance();
        w->show();
        w->raise();
        return w;
    }

    static void checkEffect(const QString &window, const QString &effect, const State &before,
                            const State &after)
    {
        // The window the command came from stays as it was.
        auto expect = [&](const char *what, bool had, bool has) {
            const bool own = window == QLatin1String(what);
            const bool wanted = effect == QLatin1String(
                                             !strcmp(what, "AquaAboutBox") ? "about"
                                             : !strcmp(what, "License")    ? "licence"
                                                                           : "instructions");
            QCOMPARE(has, own ? had : (wanted || had));
        };
        expect("AquaAboutBox", before.about, after.about);
        expect("License", before.licence, after.licence);
        expect("InfoWindow", before.instructions, after.instructions);
        QCOMPARE(after.tips, effect == QLatin1String("tips") ? !before.tips : before.tips);
        QCOMPARE(after.quits, before.quits + (effect == QLatin1String("quit") ? 1 : 0));
    }

    Window1 *m_main = nullptr;
};

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
