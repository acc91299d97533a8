// Row options: the interval choice with All and None, Notes Only, Start on
// C, Show Last Note, Cheat, and the alert when no interval is chosen.
#include "QuizFixture.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "info/AlertWindow.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>


class TestOptions : public QObject
{
    Q_OBJECT

    QuizFixture f;
    Window1 *w = nullptr;
    RecordingNotePlayer *player = nullptr;

    void clickBox(int i)
    {
        PressCheckBox *box = w->IntSelBox[i];
        QTest::mouseClick(box, Qt::LeftButton, {}, box->indicatorRect().center());
    }
    void clickItem(cSquareMultiButton *bar)
    {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 10));
    }
    int tickedBoxes() const
    {
        int n = 0;
        for (PressCheckBox *box : w->IntSelBox)
            n += box->isChecked() ? 1 : 0;
        return n;
    }

private Q_SLOTS:
    void init()
    {
        f.create();
        w = f.w;
        player = f.player;
    }
    void cleanup()
    {
        f.destroy();
        w = nullptr;
        player = nullptr;
    }

    void boxToggleOnlyOnItsSquare()
    {
        PressCheckBox *box = w->IntSelBox[6];
        // A release on the caption, or a press dragged off the square, changes nothing.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
        QVERIFY(box->isChecked());
        QTest::mousePress(box, Qt::LeftButton, {}, box->indicatorRect().center());
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() - 3, 5));
        QVERIFY(box->isChecked());
        QCOMPARE(w->IntSelTally, 12);
        QVERIFY(w->ButtonAll->isChecked());

        clickBox(6);
        QVERIFY(!box->isChecked());
        QCOMPARE(w->IntSelTally, 11);
        QVERIFY2(!w->ButtonAll->isChecked() && !w->ButtonNone->isChecked(),
                 "after a single box neither All nor None is selected");
    }

    void allAndNoneFromMixedStates()
    {
        for (int i : {0, 3, 5, 7, 8, 9, 10})
            clickBox(i);
        QCOMPARE(w->IntSelTally, 5);
        QCOMPARE(tickedBoxes(), 5);
        QTest::mouseClick(w->ButtonAll, Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(w->IntSelTally, 12);
        QCOMPARE(tickedBoxes(), 12);
        clickBox(2);
        QTest::mouseClick(w->ButtonNone, Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(w->IntSelTally, 0);
        QCOMPARE(tickedBoxes(), 0);
        QVERIFY(w->ButtonNone->isChecked());
    }

    void newWithNoIntervalShowsTheAlertAndMakesNoRow()
    {
        for (int i = 0; i < 12; ++i)
            clickBox(i);
        QCOMPARE(w->IntSelTally, 0);
        const auto row = w->NOffset;
        bool seen = false, modal = false;
        QString message;
        QTimer::singleShot(50, this, [&] {
            AlertWindow *alert = AlertWindow::existing();
            seen = alert && alert->isVisible();
            if (!alert)
                return;
            modal = alert->isModal();
            if (auto *text = alert->findChild<QLabel *>(QStringLiteral("StaticText2")))
                message = text->text();
            auto *ok = alert->findChild<QPushButton *>(QStringLiteral("PushButton1"));
            QVERIFY(ok && ok->isDefault());
            ok->click();
        });
        QTest::mouseClick(w->ButtonNew, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(modal);
        QCOMPARE(message, QStringLiteral("At least one interval must be selected!"));
        QTRY_VERIFY(!AlertWindow::existing());
        QCOMPARE(w->NOffset, row);
        QVERIFY(!w->ButtonPlay->isEnabled());
    }

    void intervalBoxChangeStopsPlaybackAndInvalidatesTheRow()
    {
        w->ButtonPlay->click();
        QVERIFY(w->TRowTimer->isActive());
        clickBox(4);
        QVERIFY(!w->TRowTimer->isActive());
        QVERIFY(!w->ButtonPlay->isEnabled());
        QVERIFY(!w->PushButton1->isEnabled());
        QCOMPARE(w->defaultButton(), w->ButtonNew);
        QVERIFY(player->sounding.empty());
        QVERIFY(w->StaticText3->text().isEmpty());
    }

    void notesOnlyFillsAndHidesTheIntervals()
    {
        clickItem(w->checkbox2);
        QVERIFY(w->checkbox2->bButtonVal.value(0));
        for (int i = 0; i < w->NumInts; ++i) {
            QVERIFY(!w->IntMenu[i]->isVisible());
            QVERIFY(!w->IntBox[i]->isVisible());
            QVERIFY(!w->UPARROW[i]->isVisible());
            QVERIFY2(w->IntBox[i]->isChecked(), "hidden interval boxes hold the right answers");
        }
        QVERIFY(!w->StaticText2->isVisible());
        // Right notes then score full marks.
        for (int k = 1; k <= w->NumInts; ++k)
            w->Staff[k]->setlistindex(w->ActualNote[k + 1] - 56);
        for (int k = 1; k <= w->NumInts; ++k)
            QVERIFY(w->NoteBox[k]->isChecked());
        // Growing the row keeps the new interval controls hidden.
        w->SliderInt->setValue(6);
        QVERIFY(!w->IntMenu[5]->isVisible());
        w->ButtonNew->click();
        QCOMPARE(w->IntMenu[5]->currentIndex(), w->DisplayInterval(5));

        clickItem(w->checkbox2);
        for (int i = 0; i < w->NumInts; ++i) {
            QVERIFY(w->IntMenu[i]->isVisible());
            QCOMPARE(w->IntMenu[i]->currentText(), QStringLiteral("----"));
        }
        QVERIFY(w->StaticText2->isVisible());
    }

    void startOnCInvalidatesAndStartsRowsOnC()
    {
        const int drawn = w->NOffset[0];
        clickItem(w->BoxIntStartC);
        QVERIFY(w->BoxIntStartC->bButtonVal.value(0));
        QVERIFY(!w->ButtonPlay->isEnabled());
        for (int round = 0; round < 20; ++round) {
            w->ButtonNew->click();
            QCOMPARE(w->ActualNote[1], 72);
            QCOMPARE(w->NOffset[0], 0);
        }
        const int saved = w->StartOnC;
        clickItem(w->BoxIntStartC);
        QCOMPARE(w->NOffset[0], saved);
        Q_UNUSED(drawn);
    }

    void showLastNoteOnAndOff()
    {
        clickItem(w->CheckBox1);
        StaffClass1 *last = w->Staff[w->NumInts];
        QCOMPARE(last->indexi, w->ActualNote[w->NumInts + 1] - 56);
        QCOMPARE(last->noteColor, 0);
        QVERIFY(w->Dirty);
        clickItem(w->CheckBox1);
        QCOMPARE(last->indexi, w->removeflat(w->ActualNote[1] - 56));
        QCOMPARE(last->noteColor, 1);
        QVERIFY(w->Dirty);
    }

    void cheatShowsTheNamesWithTwoSpaces()
    {
        // The draws the test scripts: first note 72, then a rising minor
        // third and a falling fourth, over and over.
        w->SliderInt->setValue(2);
        f.script.push_back(0.5);
        for (int i = 0; i < 5; ++i) {
            f.script.push_back(QuizFixture::drawFor(3));
            f.script.push_back(QuizFixture::drawFor(-5));
        }
        w->ButtonNew->click();
        QCOMPARE(w->StaticText3->text(), QStringLiteral("+m3  -P4  "));
        QVERIFY(!w->StaticText3->isVisible());
        w->BoxCheat->setChecked(true);
        QVERIFY(w->StaticText3->isVisible());
        clickBox(7); // any option that invalidates the row empties the read-out
        QVERIFY(w->StaticText3->text().isEmpty());
        w->BoxCheat->setChecked(false);
        QVERIFY(!w->StaticText3->isVisible());
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
