// One whole exercise as a student does it: clicks through the window (so
// whatever lies on top of a control gets the click), popup choices made in
// the popup list, the row heard to its end, in Practice and then Test mode.
#include "QuizFixture.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QRadioButton>
#include <QWindow>

namespace {
const std::vector<int> FirstRow = {4, -1, 2, -3, 1, 1, -1, -1, 1, -1};  // 72 76 75 77 74
const std::vector<int> SecondRow = {-2, 5, -7, 3, 1, 1, -1, -1, 1, -1}; // 69 67 72 65 68
} // namespace

class TestExercise : public QObject
{
    Q_OBJECT
    QuizFixture f;

    // A click where the student would click: the window decides which
    // control is under the pointer.
    void clickAt(QWidget *target, QPoint local)
    {
        const QPoint at = target->mapTo(f.w, local);
        QWidget *hit = f.w->childAt(at);
        QVERIFY2(hit && (hit == target || target->isAncestorOf(hit)),
                 qPrintable(QStringLiteral("%1 lies under the pointer, not %2")
                                .arg(hit ? hit->objectName() : QStringLiteral("nothing"),
                                     target->objectName())));
        QTest::mouseClick(f.w->windowHandle(), Qt::LeftButton, {}, at);
    }
    void clickOn(QWidget *target) { clickAt(target, target->rect().center()); }

    // Writes note k of the row on its staff with clicks through the window.
    void writeNote(int k, int note)
    {
        writeNoteWithMouse(f.w->Staff[k], note,
                           [this](StaffClass1 *staff, QPoint at) { clickAt(staff, at); });
        QCOMPARE(f.w->Staff[k]->indexi, note - 56);
    }

    // Opens the popup of interval i with the mouse and clicks the name of code.
    void chooseInPopup(int i, int code)
    {
        QComboBox *menu = f.w->IntMenu[i];
        CALL(clickOn(menu));
        QAbstractItemView *list = menu->view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex item = menu->model()->index(12 - code, 0);
        list->scrollTo(item);
        const QPoint at(list->viewport()->width() / 2, list->visualRect(item).center().y());
        QWindow *popup = list->window()->windowHandle();
        const QPoint inPopup = list->viewport()->mapTo(list->window(), at);
        QTest::mouseMove(popup, inPopup);
        QTest::mouseClick(popup, Qt::LeftButton, {}, inPopup);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(menu->currentText(), QString::fromStdString(f.w->ConvertInterval(code)));
    }

private Q_SLOTS:
    void init() { CALL(f.create()); }
    void cleanup() { f.destroy(); }

    void wholeExercise()
    {
        Window1 *w = f.w;
        QCOMPARE(w->NumInts, 4);

        // Practice: a new row, heard to its end at the fastest tempo.
        f.scriptRow(0, FirstRow);
        CALL(clickOn(w->ButtonNew));
        QCOMPARE(w->ActualNote[5], 74);
        w->SliderTempo->setFocus();
        QTest::keyClick(w->SliderTempo, Qt::Key_End);
        QCOMPARE(w->StaticText1->text(), QStringLiteral("600"));
        f.player->clear();
        CALL(clickOn(w->ButtonPlay));
        QVERIFY(w->ButtonStop->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(w->ButtonPlay->isEnabled(), 5000);
        QCOMPARE(f.player->notesStarted(), (std::vector<int>{72, 76, 75, 77, 74}));
        QVERIFY(f.player->sounding.empty());
        QCOMPARE(f.litLight(), 11);

        // Every answer ticked as soon as it is given.
        for (int i = 0; i < 4; ++i) {
            CALL(chooseInPopup(i, FirstRow[i]));
            QVERIFY(w->IntBox[i]->isVisible());
            QVERIFY(w->IntBox[i]->isChecked());
            CALL(writeNote(i + 1, w->ActualNote[i + 2]));
            QVERIFY(w->NoteBox[i + 1]->isVisible());
            QVERIFY(w->NoteBox[i + 1]->isChecked());
        }
        QVERIFY(w->PushStats->isHidden());

        // Test: a new row by the "n" key, one interval wrong, Check, fix, Check.
        CALL(clickOn(w->RadioTest));
        QVERIFY(w->RadioTest->isChecked());
        QCOMPARE(w->content()->height(), 538);
        f.now = 2000.0;
        f.scriptRow(-3, SecondRow);
        QTest::keyClick(w, Qt::Key_N);
        QCOMPARE(w->ActualNote[5], 68);
        CALL(chooseInPopup(0, -2));
        CALL(chooseInPopup(1, 4)); // +M3 for a +P4
        CALL(chooseInPopup(2, -7));
        CALL(chooseInPopup(3, 3));
        for (int k = 1; k <= 4; ++k)
            CALL(writeNote(k, w->ActualNote[k + 1]));
        for (int k = 1; k <= 4; ++k) {
            QVERIFY(!w->IntBox[k - 1]->isVisible());
            QVERIFY(!w->NoteBox[k]->isVisible());
        }
        f.now = 2040.0;
        CALL(clickOn(w->ButtonCheck));
        QCOMPARE(w->StaticScore->text(), QStringLiteral("75%"));
        QCOMPARE(w->StaticTestTime->text(), QString());
        QVERIFY(!w->IntBox[1]->isChecked());
        QVERIFY(!w->NoteBox[2]->isChecked());
        QVERIFY(w->IntBox[1]->isVisible());
        QVERIFY(w->PushStats->isVisible());

        CALL(chooseInPopup(1, 5));
        QVERIFY(w->IntBox[1]->isChecked());
        f.now = 2095.4;
        CALL(clickOn(w->ButtonCheck));
        for (int k = 1; k <= 4; ++k) {
            QVERIFY(w->IntBox[k - 1]->isVisible() && w->IntBox[k - 1]->isChecked());
            QVERIFY(w->NoteBox[k]->isVisible() && w->NoteBox[k]->isChecked());
        }
        QCOMPARE(w->hist.Counter1, 2);
        QCOMPARE(w->hist.Scores[0], 75.0);
        QCOMPARE(w->hist.TimeTo100s[0], 800.0);
        QCOMPARE(w->hist.Scores[1], 100.0);
        QCOMPARE(w->hist.TimeTo100s[1], 504.6);
        QCOMPARE(w->StaticScore->text(), QStringLiteral("100%"));
        QCOMPARE(w->StaticTestTime->text(), QStringLiteral("1.5 min."));
        QCOMPARE(w->StaticAvScore->text(), QStringLiteral("88%"));
        QCOMPARE(w->StaticAvTime->text(), QStringLiteral("1.5 min."));
        QVERIFY(!w->ButtonCheck->isEnabled());
        QVERIFY(f.player->sounding.empty());
    }
};

QTEST_MAIN(TestExercise)
#include "test_exercise.moc"
