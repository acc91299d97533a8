// Marking the answers: an interval is right when it names the interval
// played, a note when it follows from the student's own previous note and
// interval. The same answers give the same ticks in Practice mode (at once)
// and in Test mode (at Check, with the score).
#include "QuizFixture.h"

#include <QLabel>
#include <QRadioButton>

namespace {
// The row played: 72 +4 76 -1 75 +2 77 -3 74 (four intervals in use).
const std::vector<int> RowInts = {4, -1, 2, -3, 1, 1, -1, -1, 1, -1};
} // namespace

class TestMarking : public QObject
{
    Q_OBJECT
    QuizFixture f;

    void checkTicks(const QList<int> &intTicks, const QList<int> &noteTicks)
    {
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(f.w->IntBox[i]->isChecked() == bool(intTicks[i]), qPrintable(QString::number(i)));
            QVERIFY2(f.w->NoteBox[i + 1]->isChecked() == bool(noteTicks[i]),
                     qPrintable(QString::number(i + 1)));
        }
    }

private Q_SLOTS:
    void init()
    {
        CALL(f.create());
        f.slowest();
        QCOMPARE(f.w->NumInts, 4);
    }
    void cleanup() { f.destroy(); }

    void marks_data()
    {
        QTest::addColumn<int>("offset");        // the row's first note from 72
        QTest::addColumn<QList<int>>("chosen"); // interval codes, 100 = "----"
        QTest::addColumn<QList<int>>("notes");  // staves 0..4, note numbers
        QTest::addColumn<QList<int>>("intTicks");
        QTest::addColumn<QList<int>>("noteTicks");
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("shown");
        const QList<int> right = {4, -1, 2, -3};
        const QList<int> rightNotes = {72, 76, 75, 77, 74};
        QTest::newRow("all right") << 0 << right << rightNotes << QList<int>{1, 1, 1, 1}
                                   << QList<int>{1, 1, 1, 1} << 100.0 << "100%";
        QTest::newRow("one interval wrong, notes follow it")
            << 0 << QList<int>{4, -2, 2, -3} << QList<int>{72, 76, 74, 76, 73}
            << QList<int>{1, 0, 1, 1} << QList<int>{1, 1, 1, 1} << 87.5 << "88%";
        QTest::newRow("a wrong note, the next ones follow from it")
            << 0 << right << QList<int>{72, 77, 76, 78, 75} << QList<int>{1, 1, 1, 1}
            << QList<int>{0, 1, 1, 1} << 87.5 << "88%";
        QTest::newRow("one note off: it and the next are wrong")
            << 0 << right << QList<int>{72, 76, 75, 78, 74} << QList<int>{1, 1, 1, 1}
            << QList<int>{1, 1, 0, 0} << 75.0 << "75%";
        QTest::newRow("every interval wrong, notes follow them")
            << 0 << QList<int>{3, -2, 1, -4} << QList<int>{72, 75, 73, 74, 70}
            << QList<int>{0, 0, 0, 0} << QList<int>{1, 1, 1, 1} << 50.0 << "50%";
        QTest::newRow("direction counts")
            << 0 << QList<int>{-4, -1, 2, -3} << QList<int>{72, 68, 67, 69, 66}
            << QList<int>{0, 1, 1, 1} << QList<int>{1, 1, 1, 1} << 87.5 << "88%";
        QTest::newRow("row on G, answered from C")
            << -5 << right << rightNotes << QList<int>{1, 1, 1, 1} << QList<int>{1, 1, 1, 1}
            << 100.0 << "100%";
        QTest::newRow("one popup left at ----, and the note after it")
            << 0 << QList<int>{4, 100, 2, -3} << rightNotes << QList<int>{1, 0, 1, 1}
            << QList<int>{1, 0, 1, 1} << 75.0 << "75%";
        QTest::newRow("no interval named") << 0 << QList<int>{100, 100, 100, 100} << rightNotes
                                           << QList<int>{0, 0, 0, 0} << QList<int>{0, 0, 0, 0}
                                           << 0.0 << "0%";
    }

    void marks()
    {
        QFETCH(int, offset);
        QFETCH(QList<int>, chosen);
        QFETCH(QList<int>, notes);
        QFETCH(QList<int>, intTicks);
        QFETCH(QList<int>, noteTicks);
        QFETCH(double, score);
        QFETCH(QString, shown);
        Window1 *w = f.w;

        // Practice: every tick shows the moment the answer is given.
        CALL(f.newRow(offset, RowInts));
        CALL(f.answer(chosen, notes));
        CALL(checkTicks(intTicks, noteTicks));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(w->IntBox[i]->isVisible());
            QVERIFY(w->NoteBox[i + 1]->isVisible());
        }
        QCOMPARE(w->StaticScore->text(), QStringLiteral("---%"));

        // Test: the same answers, hidden until Check, then scored.
        w->RadioTest->setChecked(true);
        CALL(f.newRow(offset, RowInts));
        CALL(f.answer(chosen, notes));
        CALL(checkTicks(intTicks, noteTicks));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!w->IntBox[i]->isVisible());
            QVERIFY(!w->NoteBox[i + 1]->isVisible());
        }
        QCOMPARE(w->hist.Counter1, 0);
        w->ButtonCheck->click();
        CALL(checkTicks(intTicks, noteTicks));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(w->IntBox[i]->isVisible());
            QVERIFY(w->NoteBox[i + 1]->isVisible());
        }
        QCOMPARE(w->hist.Counter1, 1);
        QCOMPARE(w->hist.Scores[0], score);
        QCOMPARE(w->ScoreTally, int(score * 8 / 100));
        QCOMPARE(w->StaticScore->text(), shown);
        QCOMPARE(w->StaticAvScore->text(), shown);
        QCOMPARE(w->ButtonCheck->isEnabled(), score < 100);
    }

    void changingAnIntervalRemarksTheNextNote()
    {
        Window1 *w = f.w;
        CALL(f.newRow(0, RowInts));
        CALL(f.answer({4, -1}, {72, 76, 75}));
        CALL(checkTicks({1, 1, 0, 0}, {1, 1, 0, 0}));
        // Note 1 stays where it is, but no longer follows the interval before it.
        f.chooseInterval(0, 5);
        QCOMPARE(w->Staff[1]->indexi, 76 - 56);
        CALL(checkTicks({0, 1, 0, 0}, {0, 1, 0, 0}));
        f.chooseInterval(0, 100);
        CALL(checkTicks({0, 1, 0, 0}, {0, 1, 0, 0}));
        f.chooseInterval(0, 4);
        CALL(checkTicks({1, 1, 0, 0}, {1, 1, 0, 0}));
        // Moving note 1 re-marks note 2 as well.
        f.writeNote(1, 77);
        CALL(checkTicks({1, 1, 0, 0}, {0, 0, 0, 0}));
    }

    void enharmonicNotes_data()
    {
        QTest::addColumn<int>("note");
        QTest::addColumn<int>("staffY"); // the line or space clicked
        QTest::addColumn<int>("acci");
        QTest::newRow("D flat") << 73 << 36 << -1;
        QTest::newRow("C sharp") << 73 << 40 << 1;
        QTest::newRow("E sharp for F") << 77 << 32 << 1;
        QTest::newRow("F flat for E") << 76 << 28 << -1;
        QTest::newRow("F natural") << 77 << 28 << 0;
    }

    void enharmonicNotes()
    {
        // A note is right by its pitch, however it is written.
        QFETCH(int, note);
        QFETCH(int, staffY);
        QFETCH(int, acci);
        Window1 *w = f.w;
        CALL(f.newRow(0, RowInts));
        f.chooseInterval(0, note - 72);
        writeNoteWithMouse(w->Staff[1], staffY, acci);
        QCOMPARE(w->Staff[1]->acci, acci);
        QCOMPARE(w->Staff[1]->indexi, note - 56);
        QVERIFY(w->NoteBox[1]->isChecked());
        // And the next note is marked from it.
        f.chooseInterval(1, 74 - note);
        writeNoteWithMouse(w->Staff[2], 74);
        QCOMPARE(w->Staff[2]->indexi, 74 - 56);
        QVERIFY(w->NoteBox[2]->isChecked());
    }

    void aNewRowClearsTheMarks()
    {
        Window1 *w = f.w;
        CALL(f.newRow(0, RowInts));
        CALL(f.answer({4, -1, 2, -3}, {72, 76, 75, 77, 74}));
        CALL(f.newRow(0, RowInts));
        CALL(checkTicks({0, 0, 0, 0}, {0, 0, 0, 0}));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(w->IntMenu[i]->currentText(), QStringLiteral("----"));
    }
};

QTEST_MAIN(TestMarking)
#include "test_marking.moc"
