// Test mode: hidden ticks, Check, the score history with its times and
// averages, Solve, and what switching between the modes resets.
#include "QuizFixture.h"

#include "app/Pictures.h"
#include "controls/cSquareMultiButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {
// The row played: 72 +4 76 -1 75 +2 77 -3 74 (four intervals in use).
const std::vector<int> RowInts = {4, -1, 2, -3, 1, 1, -1, -1, 1, -1};
const QList<int> Right = {4, -1, 2, -3};
const QList<int> RightNotes = {72, 76, 75, 77, 74};
} // namespace

class TestTestMode : public QObject
{
    Q_OBJECT
    QuizFixture f;

    // Which of the boxes of intervals 0..3 and notes 1..4 are in sight.
    QString boxesShown() const
    {
        QString s;
        for (int i = 0; i < 4; ++i)
            s += f.w->IntBox[i]->isVisible() ? u'I' : u'-';
        s += u' ';
        for (int k = 1; k <= 4; ++k)
            s += f.w->NoteBox[k]->isVisible() ? u'N' : u'-';
        return s;
    }

    void newTestRow()
    {
        if (!f.w->RadioTest->isChecked())
            f.w->RadioTest->setChecked(true);
        CALL(f.newRow(0, RowInts));
    }

private Q_SLOTS:
    void init()
    {
        CALL(f.create());
        f.slowest();
    }
    void cleanup() { f.destroy(); }

    void enteringTestMode()
    {
        Window1 *w = f.w;
        w->BoxShow->setChecked(true);
        w->BoxCheat->setChecked(true);
        w->CheckBox1->bButtonVal[0] = true;
        QCOMPARE(w->content()->height(), 680);
        w->RadioTest->setChecked(true);
        QCOMPARE(w->content()->height(), 538);
        QCOMPARE(w->backdrop(), Pics::NewBackground21());
        QVERIFY(!w->BoxShow->isChecked());
        QCOMPARE(w->Oval1->size(), QSize(0, 0));
        QVERIFY(!w->BoxCheat->isChecked());
        QVERIFY(!w->StaticText3->isVisible());
        QVERIFY(!w->CheckBox1->bButtonVal[0]);
        QVERIFY(!w->CheckBox1->isEnabled());
        for (QWidget *c : std::initializer_list<QWidget *>{
                 w->StaticScore, w->StaticText13, w->StaticTestTime, w->StaticAvTime,
                 w->StaticAvScore, w->StaticText14, w->StaticText15, w->StaticText41})
            QVERIFY(c->isEnabled());
        // The row was reset: it can be neither played nor scored until New
        // (a cleared row must not enter the score history).
        QVERIFY(!w->ButtonPlay->isEnabled());
        QVERIFY(!w->ButtonCheck->isEnabled());
        CALL(f.newRow(0, RowInts));
        QVERIFY(w->ButtonCheck->isEnabled());
        QCOMPARE(boxesShown(), QStringLiteral("---- ----"));
    }

    void ticksHiddenUntilCheck()
    {
        Window1 *w = f.w;
        CALL(newTestRow());
        // Note 1 and interval 2 are wrong; note 3 then does not follow either.
        CALL(f.answer({4, -1, 3, -3}, {72, 77, 76, 77, 74}));
        QCOMPARE(boxesShown(), QStringLiteral("---- ----"));
        w->ButtonCheck->click();
        QCOMPARE(boxesShown(), QStringLiteral("IIII NNNN"));
        QCOMPARE(w->ScoreTally, 5);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("63%")); // 62.5
        // Changing interval 2 hides its boxes and every empty box; the ticks
        // of answers not touched stay in sight.
        f.chooseInterval(2, 2);
        QVERIFY(w->IntBox[2]->isChecked());
        QCOMPARE(boxesShown(), QStringLiteral("II-I -N-N"));
        w->ButtonCheck->click();
        QCOMPARE(boxesShown(), QStringLiteral("IIII NNNN"));
        // Play tidies the same way before it plays.
        w->ButtonPlay->click();
        QCOMPARE(boxesShown(), QStringLiteral("IIII -N-N"));
        QVERIFY(w->TRowTimer->isActive());
    }

    void timeTo100_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("95.4 s") << 95.4 << "1.5 min.";
        QTest::newRow("45.9 s") << 45.9 << "45 sec.";
        QTest::newRow("125 s") << 125.0 << "2.0 min.";
        QTest::newRow("ten and a half minutes") << 630.0 << "10. min.";
    }

    void timeTo100()
    {
        QFETCH(double, seconds);
        QFETCH(QString, shown);
        Window1 *w = f.w;
        f.now = 5000.0;
        CALL(newTestRow());
        CALL(f.answer(Right, RightNotes));
        f.now = 5000.0 + seconds;
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 1);
        QCOMPARE(w->hist.Scores[0], 100.0);
        QCOMPARE(w->hist.TimeTo100s[0], 600.0 - seconds);
        QCOMPARE(w->hist.Average100s[0], 600.0 - seconds);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("100%"));
        QCOMPARE(w->StaticTestTime->text(), shown);
        QCOMPARE(w->StaticAvTime->text(), shown);
        QVERIFY(!w->ButtonCheck->isEnabled());
        QVERIFY(w->PushStats->isVisible());
    }

    void failedThenPassedChecks()
    {
        Window1 *w = f.w;
        f.now = 1000.0;
        CALL(newTestRow());
        QVERIFY(!w->PushStats->isVisible());
        CALL(f.answer({4, -2, 2, -3}, RightNotes)); // interval 1 and note 2 wrong
        f.now = 1030.0;
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 1);
        QCOMPARE(w->hist.Scores[0], 75.0);
        QCOMPARE(w->hist.TimeTo100s[0], 800.0);
        QCOMPARE(w->hist.Average100s[0], 800.0);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("75%"));
        QCOMPARE(w->StaticTestTime->text(), QString());
        QCOMPARE(w->StaticAvTime->text(), QString());
        QVERIFY(w->ButtonCheck->isEnabled());
        QVERIFY(w->PushStats->isVisible());

        // Fixed: the time runs from New, through the failed Check.
        f.chooseInterval(1, -1);
        f.now = 1095.4;
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 2);
        QCOMPARE(w->hist.Scores[1], 100.0);
        QCOMPARE(w->hist.AverageScores[1], 87.5);
        QCOMPARE(w->hist.TimeTo100s[1], 504.6);
        QCOMPARE(w->hist.Average100s[1], 504.6);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("100%"));
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("88%"));
        QCOMPARE(w->StaticTestTime->text(), QStringLiteral("1.5 min."));
        QVERIFY(!w->ButtonCheck->isEnabled());

        // The next row: New resets the row's displays, the averages stay.
        f.now = 1200.0;
        CALL(f.newRow(0, RowInts));
        QVERIFY(w->ButtonCheck->isEnabled());
        QCOMPARE(w->StaticScore->text(), QStringLiteral("---%"));
        QCOMPARE(w->StaticTestTime->text(), QString());
        QCOMPARE(w->StaticAvTime->text(), QStringLiteral("1.5 min."));
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("88%"));
        CALL(f.answer(Right, RightNotes));
        f.now = 1260.0;
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 3);
        QCOMPARE(w->hist.TimeTo100s[2], 540.0);
        QCOMPARE(w->hist.Average100s[2], 600.0 - (95.4 + 60.0) / 2);
        QCOMPARE(w->StaticTestTime->text(), QStringLiteral("1 min."));
        QCOMPARE(w->StaticAvTime->text(), QStringLiteral("1.2 min.")); // 77.7 s
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("92%"));     // 91.67
    }

    void counterWrapsAfterEntry990()
    {
        Window1 *w = f.w;
        CALL(newTestRow());
        CALL(f.answer({3, -2, 1, -4}, {72, 75, 73, 74, 70})); // 50 %
        for (int n = 0; n < 991; ++n) {
            QCOMPARE(w->hist.Counter1, n);
            w->ButtonCheck->click();
        }
        QCOMPARE(w->hist.Counter1, 0);
        QCOMPARE(w->hist.Scores[990], 50.0);
        QCOMPARE(w->hist.TimeTo100s[990], 800.0);
        QCOMPARE(w->hist.Scores[991], 0.0);
        // The next Check writes entry 0 again, and averages over it alone.
        CALL(f.answer({4, -1, 2, 100}, RightNotes)); // 75 %
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 1);
        QCOMPARE(w->hist.Scores[0], 75.0);
        QCOMPARE(w->hist.AverageScores[0], 75.0);
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("75%"));
    }

    void solve_data()
    {
        QTest::addColumn<bool>("test");
        QTest::newRow("Practice") << false;
        QTest::newRow("Test") << true;
    }

    void solve()
    {
        QFETCH(bool, test);
        Window1 *w = f.w;
        if (test) {
            CALL(newTestRow());
            CALL(f.answer({5, -2}, {72, 77})); // every position changes at Solve
            w->ButtonCheck->click();
        } else {
            CALL(f.newRow(0, RowInts));
        }
        const int counter = w->hist.Counter1;
        w->PushButton1->click();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w->IntMenu[i]->currentText(),
                     QString::fromStdString(w->ConvertInterval(RowInts[i])));
            QCOMPARE(w->Staff[i + 1]->indexi, RightNotes[i + 1] - 56);
            QVERIFY(w->IntBox[i]->isChecked());
            QVERIFY(w->NoteBox[i + 1]->isChecked());
        }
        QCOMPARE(boxesShown(), test ? QStringLiteral("---- ----") : QStringLiteral("IIII NNNN"));
        QVERIFY(!w->PushButton1->isEnabled());
        QVERIFY(!w->ButtonCheck->isEnabled());
        QCOMPARE(w->hist.Counter1, counter);
        // A new row can be solved (and, in Test mode, checked) again.
        CALL(f.newRow(0, RowInts));
        QVERIFY(w->PushButton1->isEnabled());
        QCOMPARE(w->ButtonCheck->isEnabled(), test);
    }

    void modeSwitchesStartANewPass()
    {
        Window1 *w = f.w;
        CALL(newTestRow());
        CALL(f.answer({4, -2, 2, -3}, RightNotes));
        w->ButtonCheck->click();
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 2);

        w->RadioPractice->setChecked(true);
        QCOMPARE(w->hist.Counter1, 0);
        QCOMPARE(w->content()->height(), 680);
        QCOMPARE(w->backdrop(), Pics::NewBackground13());
        QVERIFY(!w->PushStats->isVisible());
        QVERIFY(!w->ButtonCheck->isEnabled());
        QCOMPARE(w->StaticScore->text(), QStringLiteral("---%"));
        QVERIFY(!w->StaticScore->isEnabled());
        for (QLabel *l : {w->StaticTestTime, w->StaticAvTime, w->StaticAvScore}) {
            QCOMPARE(l->text(), QString());
            QVERIFY(!l->isEnabled());
        }
        QVERIFY(w->CheckBox1->isEnabled());
        QCOMPARE(boxesShown(), QStringLiteral("IIII NNNN"));
        // Answers given in the old mode are cleared with its row.
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->IntMenu[i]->currentText(), QStringLiteral("----"));

        CALL(newTestRow());
        QCOMPARE(w->hist.Counter1, 0);
        CALL(f.answer(Right, RightNotes));
        w->ButtonCheck->click();
        QCOMPARE(w->hist.Counter1, 1);
        QCOMPARE(w->hist.AverageScores[0], 100.0);
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("100%"));
    }

    void notesOnlyCountsTheGivenIntervals()
    {
        Window1 *w = f.w;
        w->checkbox2->bButtonVal[0] = true;
        w->checkbox2_Action(0);
        CALL(newTestRow());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->IntMenu[i]->currentText(),
                     QString::fromStdString(w->ConvertInterval(RowInts[i])));
        CALL(f.answer({}, RightNotes));
        w->ButtonCheck->click();
        QCOMPARE(boxesShown(), QStringLiteral("---- NNNN"));
        QCOMPARE(w->hist.Scores[0], 100.0);
    }
};

QTEST_MAIN(TestTestMode)
#include "test_testmode.moc"
