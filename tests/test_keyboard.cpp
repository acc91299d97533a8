// The keyboard: keys sounded by pressing them, the pressed-key marker, the
// sounding-note marker in both display choices, and the silent Test mode.
#include "QuizFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

class TestKeyboard : public QObject
{
    Q_OBJECT
    QuizFixture f;

private Q_SLOTS:
    void init()
    {
        CALL(f.create());
        f.slowest();
        f.player->clear();
    }
    void cleanup() { f.destroy(); }

    void pressKey_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("note");
        QTest::addColumn<QRect>("marker");
        QTest::newRow("first white key") << QPoint(4, 70) << 24 << QRect(40, 485, 12, 29);
        QTest::newRow("first black key") << QPoint(13, 20) << 25 << QRect(50, 441, 7, 42);
        QTest::newRow("C of octave 1") << QPoint(116, 70) << 36 << QRect(149, 485, 12, 29);
        QTest::newRow("upper part of a white key") << QPoint(4 + 436 + 70, 20) << 79
                                                   << QRect(539, 485, 12, 29);
        QTest::newRow("F sharp of octave 3") << QPoint(4 + 327 + 60, 10) << 66
                                             << QRect(424, 441, 7, 42);
        QTest::newRow("right edge") << QPoint(672, 70) << 96 << QRect(694, 485, 12, 29);
    }

    void pressKey()
    {
        QFETCH(QPoint, at);
        QFETCH(int, note);
        QFETCH(QRect, marker);
        Window1 *w = f.w;
        QTest::mousePress(w->Canvas2, Qt::LeftButton, {}, at);
        QCOMPARE(f.player->sounding, std::multiset<int>{note});
        QCOMPARE(w->playingnote, note - 24);
        QVERIFY(w->RoundRectangle2->isVisible());
        QCOMPARE(w->RoundRectangle2->geometry(), marker);
        QTest::mouseRelease(w->Canvas2, Qt::LeftButton, {}, at);
        QVERIFY(f.player->sounding.empty());
        QVERIFY(!w->RoundRectangle2->isVisible());
    }

    void pressLeftOfTheFirstKey()
    {
        // Decided: the strip left of the first key plays nothing and leaves
        // the marker where it is, even after an earlier press.
        Window1 *w = f.w;
        QTest::mouseClick(w->Canvas2, Qt::LeftButton, {}, QPoint(116, 70));
        f.player->clear();
        for (int x : {0, 3}) {
            QTest::mousePress(w->Canvas2, Qt::LeftButton, {}, QPoint(x, 70));
            QVERIFY(f.player->events.empty());
            QVERIFY(!w->RoundRectangle2->isVisible());
            QCOMPARE(w->playingnote, 12);
            QTest::mouseRelease(w->Canvas2, Qt::LeftButton, {}, QPoint(x, 70));
            QVERIFY(f.player->sounding.empty());
        }
    }

    void noteMarker_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("place");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("note 60 played") << "play" << 1 << QPoint(369, 502);
        QTest::newRow("note 61 played") << "play" << 2 << QPoint(376, 470);
        QTest::newRow("note 63 played") << "play" << 4 << QPoint(393, 470);
        QTest::newRow("note 60 from its light") << "light" << 1 << QPoint(369, 502);
        QTest::newRow("note 61 from its light") << "light" << 2 << QPoint(376, 470);
        QTest::newRow("note 61 from an interval box") << "box" << 2 << QPoint(376, 470);
    }

    void noteMarker()
    {
        QFETCH(QString, how);
        QFETCH(int, place);
        QFETCH(QPoint, topLeft);
        Window1 *w = f.w;
        w->BoxShow->setChecked(true);
        QVERIFY(w->RadioActualPitch->isChecked());
        CALL(f.newRow(-12, {1, 1, 1, 2, 2, 2, 2, 2, 2, 2}));
        if (how == u"play") {
            w->ButtonPlay->click();
            for (int k = 1; k < place; ++k)
                f.tick();
        } else if (how == u"light") {
            QTest::mousePress(w->NoteLight[place - 1], Qt::LeftButton);
        } else {
            f.chooseInterval(place - 2, 1); // "+m2" from the true note before it
            QTest::mousePress(w->IntBox[place - 2], Qt::LeftButton);
        }
        QCOMPARE(f.player->sounding, std::multiset<int>{w->ActualNote[place]});
        QVERIFY(w->Oval1->isVisible());
        QCOMPARE(w->Oval1->geometry(), QRect(topLeft, QSize(8, 8)));
        QCOMPARE(w->DotOffset, 0);
    }

    void startingOnC()
    {
        Window1 *w = f.w;
        w->BoxShow->setChecked(true);
        w->RadioStartOnC->setChecked(true);
        CALL(f.newRow(-5, QuizFixture::risingInts()));
        QCOMPARE(w->ActualNote[1], 67);
        w->ButtonPlay->click();
        QCOMPARE(f.player->notesStarted().back(), 67);
        QCOMPARE(w->DotOffset, 5);
        QCOMPARE(w->Oval1->geometry(), QRect(478, 502, 8, 8));
        f.tick(); // note 69, shown as 74
        QCOMPARE(w->Oval1->geometry(), QRect(494, 502, 8, 8));
        // Back to the actual pitch: the marker follows at the next note.
        w->RadioActualPitch->setChecked(true);
        f.tick(); // note 71
        QCOMPARE(w->DotOffset, 0);
        QCOMPARE(w->Oval1->geometry(), QRect(463, 502, 8, 8));
    }

    void showNotesWhilePlaying()
    {
        Window1 *w = f.w;
        QCOMPARE(w->Oval1->size(), QSize(0, 0));
        QVERIFY(!w->RadioActualPitch->isEnabled());
        QVERIFY(!w->RadioStartOnC->isEnabled());
        w->ButtonPlay->click();
        f.tick();
        const QPoint place = w->Oval1->pos();
        QVERIFY(w->Oval1->isVisible());
        QCOMPARE(w->Oval1->size(), QSize(0, 0));
        w->BoxShow->setChecked(true);
        QCOMPARE(w->Oval1->geometry(), QRect(place, QSize(8, 8)));
        QVERIFY(w->RadioActualPitch->isEnabled());
        QVERIFY(w->RadioStartOnC->isEnabled());
        w->BoxShow->setChecked(false);
        QCOMPARE(w->Oval1->size(), QSize(0, 0));
        QVERIFY(!w->RadioActualPitch->isEnabled());
        w->BoxShow->setChecked(true);
        QCOMPARE(w->Oval1->geometry(), QRect(place, QSize(8, 8)));
        w->ButtonStop->click();
        QVERIFY(!w->Oval1->isVisible());
    }

    void pressesByMode_data()
    {
        QTest::addColumn<bool>("test");
        QTest::addColumn<QString>("target");
        for (bool test : {false, true}) {
            const char *mode = test ? "Test" : "Practice";
            for (const char *target : {"keyboard", "note light", "interval box", "note box"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(mode, target)))
                    << test << QString::fromLatin1(target);
        }
    }

    void pressesByMode()
    {
        // Presses sound only in Practice mode (never a note box); they never
        // change a box or light; the keyboard explains itself in Test mode.
        QFETCH(bool, test);
        QFETCH(QString, target);
        Window1 *w = f.w;
        if (test)
            w->RadioTest->setChecked(true);
        CALL(f.newRow(-10, QuizFixture::risingInts()));
        f.chooseInterval(1, 2); // right: box ticked
        if (test)
            w->ButtonCheck->click(); // shows the boxes
        f.player->clear();
        QWidget *widget = target == u"keyboard"       ? static_cast<QWidget *>(w->Canvas2)
                          : target == u"note light"   ? static_cast<QWidget *>(w->NoteLight[1])
                          : target == u"interval box" ? static_cast<QWidget *>(w->IntBox[1])
                                                      : static_cast<QWidget *>(w->NoteBox[2]);
        auto *button = qobject_cast<QAbstractButton *>(widget);
        const bool before = button && button->isChecked();
        const QPoint at = target == u"keyboard" ? QPoint(116, 70) : QPoint(5, 10);
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        const bool sounds = !test && target != u"note box";
        QCOMPARE(f.player->notesStarted().size(), size_t(sounds ? 1 : 0));
        if (target == u"keyboard")
            QCOMPARE(w->StaticText43->isVisible(), test);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        QVERIFY(!w->StaticText43->isVisible());
        QVERIFY(f.player->sounding.empty());
        if (button)
            QCOMPARE(button->isChecked(), before);
        QVERIFY(!w->RoundRectangle2->isVisible());
        QVERIFY(!w->Oval1->isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
