// The main window without a mouse: the Tab chain, the keys of the staff and
// the instrument list, the focus marks, and a whole exercise done with key
// presses only.
#include "QuizFixture.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "quiz/InstrumentList.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

class TestKeyboardAccess : public QObject
{
    Q_OBJECT

    QuizFixture f;
    Window1 *w = nullptr;
    RecordingNotePlayer *player = nullptr;

    QWidget *focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(focus() ? focus() : w, k, mods);
    }
    void key(char c) { QTest::keyClick(focus() ? focus() : w, c); }

    // Presses Tab until the focus is on target; false if it never gets there.
    bool tabTo(QWidget *target)
    {
        for (int i = 0; i < 80 && focus() != target; ++i)
            key(Qt::Key_Tab);
        return focus() == target;
    }

    // Writes a note index on the focused staff with its keys only, reaching
    // a black key from the natural below (sharp) or above (flat).
    bool writeNote(StaffMember *staff, int target, bool viaFlat)
    {
        if (target == 0)
            viaFlat = true; // A-flat 3 has no natural below it on the staff
        if (target == 29)
            viaFlat = false; // C-sharp 6 has none above
        key('=');
        for (int i = 0; i < 20 && (viaFlat ? staff->indexi < target : staff->indexi + 1 < target); ++i)
            key(Qt::Key_Up);
        for (int i = 0; i < 20 && (viaFlat ? staff->indexi - 1 > target : staff->indexi > target); ++i)
            key(Qt::Key_Down);
        if (staff->indexi != target)
            key(viaFlat ? (target % 2 ? 'b' : '-') : (target % 2 ? '#' : '+'));
        return staff->indexi == target;
    }

    // Names each interval with its popup's keys and writes each note with
    // its staff's keys, moving on with Tab.
    void answerRowFromKeys()
    {
        QVERIFY(tabTo(w->IntMenu[0]));
        for (int i = 0; i < w->NumInts; ++i) {
            QCOMPARE(focus(), w->IntMenu[i]);
            key(Qt::Key_Home);
            const int item = 12 - w->NOffset[i + 1];
            for (int n = 0; n < item; ++n)
                key(Qt::Key_Down);
            QCOMPARE(w->IntMenu[i]->currentIndex(), item);
            key(Qt::Key_Tab);
            QCOMPARE(focus(), w->Staff[i + 1]);
            QVERIFY(writeNote(w->Staff[i + 1], w->ActualNote[i + 2] - 56, i % 2 == 1));
            QCOMPARE(w->Staff[i + 1]->noteColor, 0);
            key(Qt::Key_Tab);
        }
    }

private Q_SLOTS:
    void init()
    {
        f.create();
        w = f.w;
        player = f.player;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        f.destroy();
        w = nullptr;
        player = nullptr;
    }

    void tabChainFollowsTheWindow()
    {
        QStringList expected;
        for (int i = 0; i < 12; ++i)
            expected << QStringLiteral("IntSelBox[%1]").arg(i);
        // A group of radio buttons is one stop, its selected button; the
        // arrow keys move within it.
        expected << "ButtonAll" << "checkbox2" << "BoxIntStartC" << "CheckBox1"
                 << "ButtonNew" << "SliderInt" << "PushButton1" << "ButtonPlay" << "SliderTempo"
                 << "SliderRepeat"; // Stop is disabled while nothing plays
        expected << "Staff[0]";
        for (int i = 0; i < 4; ++i)
            expected << QStringLiteral("IntMenu[%1]").arg(i) << QStringLiteral("Staff[%1]").arg(i + 1);
        // In Practice mode the Check button is disabled and Stats is hidden.
        expected << "RadioPractice" << "BoxCheat" << "BoxShow" << "BoxMouse"
                 << "AutoButton1" << "ListBox1";

        w->IntSelBox[0]->setFocus(Qt::TabFocusReason);
        QStringList seen{focus()->objectName()};
        for (int i = 1; i < expected.size() + 1; ++i) {
            key(Qt::Key_Tab);
            seen << focus()->objectName();
        }
        QCOMPARE(seen.mid(0, expected.size()), expected);
        QCOMPARE(seen.last(), expected.first()); // round to the start
    }

    void focusIsAlwaysMarked()
    {
        // Every stop of the Tab chain looks different with the focus.
        w->IntSelBox[0]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        key(Qt::Key_Backtab); // the focus now counts as moved by the keyboard
        QWidget *first = focus();
        QWidget *current = first;
        int stops = 0;
        do {
            QApplication::processEvents();
            const QImage focused = current->grab().toImage();
            key(Qt::Key_Tab);
            QApplication::processEvents();
            const QImage plain = current->grab().toImage();
            QVERIFY2(focused != plain, qPrintable(current->objectName()));
            current = focus();
            ++stops;
        } while (current != first && stops < 60);
        QVERIFY(stops > 20);
    }

    void staffKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys"); // u = Up, d = Down, others typed
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("written");
        QTest::newRow("up a degree") << 16 << "u" << 18 << "D5";
        QTest::newRow("down a degree") << 16 << "d" << 15 << "B4";
        QTest::newRow("sharp by +") << 16 << "+" << 17 << "C5 sharp";
        QTest::newRow("sharp by #") << 16 << "#" << 17 << "C5 sharp";
        QTest::newRow("flat by -") << 16 << "-" << 15 << "C5 flat";
        QTest::newRow("flat by b") << 16 << "b" << 15 << "C5 flat";
        QTest::newRow("natural by =") << 17 << "=" << 18 << "D5"; // 17 is written D-flat 5
        QTest::newRow("natural by 0") << 14 << "0" << 15 << "B4";
        QTest::newRow("sign kept while moving up") << 17 << "u" << 19 << "E5 flat";
        QTest::newRow("sign kept while moving down") << 29 << "d" << 28 << "B5 sharp";
        QTest::newRow("stops at C6") << 28 << "uu" << 28 << "C6";
        QTest::newRow("C6 sharp at the top") << 28 << "#" << 29 << "C6 sharp";
        QTest::newRow("stops at A3") << 1 << "dd" << 1 << "A3";
        QTest::newRow("A3 flat at the bottom") << 1 << "b" << 0 << "A3 flat";
        QTest::newRow("grey guide turns black") << -16 << "u" << 18 << "D5";
    }
    void staffKeys()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(int, index);
        QFETCH(QString, written);
        StaffMember *staff = w->Staff[1];
        staff->setlistindex(start);
        staff->setFocus(Qt::TabFocusReason);
        QList<int> changes;
        connect(staff, &StaffClass1::changed, this, [&](int member) { changes << member; });
        for (QChar c : keys) {
            if (c == QLatin1Char('u'))
                key(Qt::Key_Up);
            else if (c == QLatin1Char('d'))
                key(Qt::Key_Down);
            else
                key(c.toLatin1());
        }
        QCOMPARE(staff->indexi, index);
        QCOMPARE(staff->writtenNote(), written);
        QCOMPARE(staff->noteColor, 0);
        // Every key commits, as a release does, and the window re-marks.
        QCOMPARE(changes.size(), keys.size());
        QVERIFY(changes.count(1) == changes.size());
        QCOMPARE(w->NoteBox[1]->isChecked(),
                 w->ConvertBackInterval(w->IntMenu[0]->currentText()) == index - w->Staff[0]->indexi);
    }

    void instrumentListKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("highlight");
        QTest::newRow("down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2;
        QTest::newRow("up at the top") << QList<int>{Qt::Key_Up} << 0;
        QTest::newRow("page down") << QList<int>{Qt::Key_PageDown} << 7;
        QTest::newRow("end") << QList<int>{Qt::Key_End} << 127;
        QTest::newRow("end then down") << QList<int>{Qt::Key_End, Qt::Key_Down} << 127;
        QTest::newRow("end then page up") << QList<int>{Qt::Key_End, Qt::Key_PageUp} << 120;
        QTest::newRow("home") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Home} << 0;
    }
    void instrumentListKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, highlight);
        w->ListBox1->setFocus(Qt::TabFocusReason);
        for (int k : keys)
            key(static_cast<Qt::Key>(k));
        QCOMPARE(w->Highlight, highlight);
        QCOMPARE(player->instrument, highlight + 1);
        // The highlighted row is in view.
        const QRect row = w->ListBox1->visualItemRect(w->ListBox1->item(highlight));
        QVERIFY(row.top() >= 0 && row.bottom() < w->ListBox1->viewport()->height());
        // Typing a letter neither moves the highlight nor changes the instrument.
        key('t');
        QCOMPARE(w->Highlight, highlight);
        QCOMPARE(player->instrument, highlight + 1);
    }

    void spaceAndNKeepTheirMeaningEverywhere()
    {
        for (QWidget *target : std::initializer_list<QWidget *>{
                 w->IntMenu[0], w->Staff[1], w->ListBox1, w->ButtonNew, w->IntSelBox[3]}) {
            target->setFocus(Qt::TabFocusReason);
            QVERIFY(!w->TRowTimer->isActive());
            key(Qt::Key_Space);
            QVERIFY2(w->TRowTimer->isActive(), qPrintable(target->objectName()));
            key(Qt::Key_Space);
            QVERIFY(!w->TRowTimer->isActive());
            const double before = w->TestStart;
            int rows = 0;
            connect(w->ButtonNew, &QPushButton::clicked, this, [&] { ++rows; });
            key(Qt::Key_N);
            QCOMPARE(rows, 1);
            QVERIFY(w->TestStart >= before);
            disconnect(w->ButtonNew, nullptr, this, nullptr);
            QCOMPARE(focus(), target);
        }
    }

    void returnPressesTheFocusedControl()
    {
        // A focused interval box is ticked and unticked as a click on its square does.
        w->IntSelBox[2]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        QVERIFY(!w->IntSelBox[2]->isChecked());
        QCOMPARE(w->IntSelTally, 11);
        QVERIFY(!w->ButtonAll->isChecked());
        key(Qt::Key_Return);
        QVERIFY(w->IntSelBox[2]->isChecked());
        // A segmented button toggles its item.
        w->BoxIntStartC->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        QVERIFY(w->BoxIntStartC->bButtonVal.value(0));
        // On a popup, Return pushes the default button.
        key('n');
        QCOMPARE(w->defaultButton(), w->ButtonPlay);
        w->IntMenu[0]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        QVERIFY(w->TRowTimer->isActive());
        key(Qt::Key_Space);
    }

    void wholeExerciseWithKeysOnly()
    {
        w->IntSelBox[0]->setFocus(Qt::TabFocusReason);
        key(Qt::Key_N);
        QVERIFY(w->ButtonPlay->isEnabled());
        key(Qt::Key_Space); // Play
        QVERIFY(w->TRowTimer->isActive());
        QVERIFY(!player->events.empty());
        key(Qt::Key_Space); // Stop
        QVERIFY(!w->TRowTimer->isActive());

        answerRowFromKeys();
        for (int i = 0; i < w->NumInts; ++i) {
            QVERIFY2(w->IntBox[i]->isChecked() && w->IntBox[i]->isVisible(),
                     qPrintable(QString::number(i)));
            QVERIFY2(w->NoteBox[i + 1]->isChecked() && w->NoteBox[i + 1]->isVisible(),
                     qPrintable(QString::number(i + 1)));
        }

        // Test mode from the keyboard: the arrow keys move the mode choice.
        QVERIFY(tabTo(w->RadioPractice));
        key(Qt::Key_Down);
        QVERIFY(w->RadioTest->isChecked());
        key(Qt::Key_N);
        answerRowFromKeys();
        for (int i = 0; i < w->NumInts; ++i)
            QVERIFY(!w->IntBox[i]->isVisible()); // ticks wait for Check
        QVERIFY(tabTo(w->ButtonCheck));
        key(Qt::Key_Return);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("100%"));
        for (int i = 0; i < w->NumInts; ++i)
            QVERIFY(w->IntBox[i]->isVisible() && w->IntBox[i]->isChecked());
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboardaccess.moc"
