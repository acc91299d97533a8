// Mouse tips: the "Mouse Tips" box and its menu item switch the help tags of
// the main window (and of an open Stats window) on and off.
#include "app/Menu.h"
#include "controls/SimpleControls.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"
#include "stats/GraphWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {
const QString OffTip = QStringLiteral(
    "When selected, holding the mouse over a control will show its help box (like this one).");
}

class TestMouseTips : public QObject
{
    Q_OBJECT

    Window1 *w = nullptr;

    // Every control of the window that carries a tag, with its name.
    QList<QWidget *> taggedControls() const
    {
        QList<QWidget *> tagged;
        for (QWidget *child : w->content()->findChildren<QWidget *>())
            if (!child->toolTip().isEmpty())
                tagged << child;
        return tagged;
    }

private Q_SLOTS:
    void init()
    {
        Window1::Services services;
        services.player = std::make_unique<RecordingNotePlayer>();
        w = Window1::create(std::move(services));
        w->show();
    }
    void cleanup()
    {
        delete GraphWindow::existing();
        delete w;
        w = nullptr;
    }

    void startsWithTheSwitchExplainingItself()
    {
        QVERIFY(!w->BoxMouse->isChecked());
        const QList<QWidget *> tagged = taggedControls();
        QCOMPARE(tagged.size(), 2);
        QCOMPARE(w->BoxMouse->toolTip(), OffTip);
        QCOMPARE(w->StaticMouseTips->toolTip(), OffTip);
    }

    void onThenOffLeavesOnlyTheSwitchTags()
    {
        w->SliderInt->setValue(10);
        QTest::mouseClick(w->BoxMouse, Qt::LeftButton);
        QVERIFY(w->BoxMouse->isChecked());
        QCOMPARE(w->ButtonNew->toolTip(), QStringLiteral(
            "Creates a new, random tone row with the currently set number of intervals."));
        QCOMPARE(w->ButtonPlay->toolTip(), QStringLiteral(
            "Starts/repeats playback of the tone row.  The spacebar will also start (and stop) "
            "playback."));
        QCOMPARE(w->BoxMouse->toolTip(),
                 QStringLiteral("When selected, holding the mouse over a control will show its help box."));
        QCOMPARE(w->StaticMouseTips->toolTip(), OffTip); // the on step leaves it alone
        for (int i = 0; i <= 9; ++i) {
            QCOMPARE(w->IntMenu[i]->toolTip(), QStringLiteral("Choose the interval played."));
            QVERIFY(!w->Staff[i]->toolTip().isEmpty());
            QVERIFY(!w->NoteLight[i]->toolTip().isEmpty());
            QVERIFY(!w->NoteBox[i]->toolTip().isEmpty());
        }
        // The eleventh note's controls never get a tag.
        QVERIFY(w->Staff[10]->toolTip().isEmpty());
        QVERIFY(w->NoteLight[10]->toolTip().isEmpty());
        QVERIFY(w->NoteBox[10]->toolTip().isEmpty());
        QVERIFY(w->NoteLight[11]->toolTip().isEmpty());

        QTest::mouseClick(w->BoxMouse, Qt::LeftButton);
        const QList<QWidget *> tagged = taggedControls();
        QCOMPARE(tagged.size(), 2);
        QVERIFY(tagged.contains(w->BoxMouse));
        QVERIFY(tagged.contains(w->StaticMouseTips));
    }

    void menuItemFlipsTheBox()
    {
        QVERIFY(!w->BoxMouse->isChecked());
        w->MouseTipsMenu_Action();
        QVERIFY(w->BoxMouse->isChecked());
        QVERIFY(!w->SliderTempo->toolTip().isEmpty());
        w->MouseTipsMenu_Action();
        QVERIFY(!w->BoxMouse->isChecked());
        QVERIFY(w->SliderTempo->toolTip().isEmpty());
    }
};

QTEST_MAIN(TestMouseTips)
#include "test_mousetips.moc"
