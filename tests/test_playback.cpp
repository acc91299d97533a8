// Playing a row: the order of its notes, the Play/Stop states, the lights,
// tempo and repeat changes, and that no note is ever left sounding.
#include "QuizFixture.h"

#include "controls/SimpleControls.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

QList<int> pairsOrder(int repeat, int numInts)
{
    // Each interval k as `repeat` back-and-forth pairs (k, k+1).
    QList<int> order;
    for (int k = 1; k <= numInts; ++k)
        for (int p = 0; p < repeat; ++p)
            order << k << k + 1;
    return order;
}

QList<int> plainOrder(int numInts)
{
    QList<int> order;
    for (int k = 1; k <= numInts + 1; ++k)
        order << k;
    return order;
}

enum State { AwaitingNew, Idle, Playing, Ending };

// A note player that notes when each call came.
class TimedPlayer final : public NotePlayer
{
public:
    struct Call { qint64 ms; int note; int velocity; };
    QElapsedTimer clock;
    std::vector<Call> calls;
    TimedPlayer() { clock.start(); }
    void playNote(int note, int velocity) override { calls.push_back({clock.elapsed(), note, velocity}); }
    void setInstrument(int) override {}
};

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT
    QuizFixture f;

    // Runs a route of user actions, one word each.
    void run(const QString &route)
    {
        for (const QString &step : route.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"play")
                f.w->ButtonPlay->click();
            else if (step == u"tick")
                f.tick();
            else if (step == u"last")
                for (int guard = 0; f.w->TRowTimer->isActive() && guard < 1000; ++guard)
                    f.tick();
            else if (step == u"end")
                CALL(f.fireEnd());
            else if (step == u"stop")
                f.w->ButtonStop->click();
            else if (step == u"new")
                f.w->ButtonNew->click();
            else if (step == u"slider")
                f.w->SliderInt->setValue(f.w->SliderInt->value() == 4 ? 3 : 4);
            else if (step == u"repeat")
                f.w->SliderRepeat->setValue(f.w->SliderRepeat->value() == 2 ? 1 : 2);
            else if (step == u"space")
                QTest::keyClick(f.w, Qt::Key_Space);
            else if (step == u"n")
                QTest::keyClick(f.w, Qt::Key_N);
            else if (step == u"test")
                f.w->RadioTest->setChecked(true);
            else if (step == u"practice")
                f.w->RadioPractice->setChecked(true);
            else if (step == u"choose")
                f.chooseInterval(1, 5);
            else if (step == u"pressLight")
                QTest::mousePress(f.w->NoteLight[2], Qt::LeftButton);
            else if (step == u"releaseLight")
                QTest::mouseRelease(f.w->NoteLight[2], Qt::LeftButton);
            else if (step == u"pressBox")
                QTest::mousePress(f.w->IntBox[1], Qt::LeftButton);
            else if (step == u"releaseBox")
                QTest::mouseRelease(f.w->IntBox[1], Qt::LeftButton);
            else if (step == u"pressKey")
                QTest::mousePress(f.w->Canvas2, Qt::LeftButton, {}, QPoint(300, 70));
            else if (step == u"releaseKey")
                QTest::mouseRelease(f.w->Canvas2, Qt::LeftButton, {}, QPoint(300, 70));
            else
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    void checkState(State state)
    {
        Window1 *w = f.w;
        const bool running = state == Playing || state == Ending;
        QCOMPARE(w->TRowTimer->isActive(), state == Playing);
        QCOMPARE(w->TRowEndTimer->isActive(), state == Ending);
        QCOMPARE(w->ButtonPlay->isEnabled(), state == Idle);
        QCOMPARE(w->ButtonStop->isEnabled(), running);
        QPushButton *expectedDefault =
            state == AwaitingNew ? w->ButtonNew : (running ? w->ButtonStop : w->ButtonPlay);
        QCOMPARE(w->defaultButton(), expectedDefault);
        QVERIFY(expectedDefault->isDefault());
        for (QPushButton *b : {w->ButtonNew, w->ButtonPlay, w->ButtonStop})
            if (b != expectedDefault)
                QVERIFY(!b->isDefault());
        if (running) {
            // One note sounds, and its light is the one lit.
            QCOMPARE(int(f.player->sounding.size()), 1);
            const int note = *f.player->sounding.begin();
            QCOMPARE(w->ActualNote[f.litLight() + 1], note);
            QCOMPARE(note, w->LastNote);
        } else {
            QVERIFY(f.player->sounding.empty());
            QCOMPARE(f.litLight(), 11);
        }
    }

private Q_SLOTS:
    void init()
    {
        CALL(f.create());
        f.slowest();
        CALL(f.newRow(-10, QuizFixture::risingInts()));
        f.player->clear();
    }
    void cleanup() { f.destroy(); }

    void noteOrder_data()
    {
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("numInts");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("plain, 1 interval") << 0 << 1 << QList<int>{1, 2};
        QTest::newRow("plain, 3 intervals") << 0 << 3 << QList<int>{1, 2, 3, 4};
        QTest::newRow("plain, 10 intervals") << 0 << 10 << plainOrder(10);
        QTest::newRow("repeat 1, 1 interval") << 1 << 1 << QList<int>{1, 2};
        QTest::newRow("repeat 1, 3 intervals") << 1 << 3 << QList<int>{1, 2, 2, 3, 3, 4};
        QTest::newRow("repeat 1, 10 intervals") << 1 << 10 << pairsOrder(1, 10);
        QTest::newRow("repeat 2, 2 intervals") << 2 << 2 << QList<int>{1, 2, 1, 2, 2, 3, 2, 3};
        QTest::newRow("repeat 2, 4 intervals") << 2 << 4 << pairsOrder(2, 4);
        QTest::newRow("repeat 9, 1 interval") << 9 << 1 << pairsOrder(9, 1);
        QTest::newRow("repeat 9, 3 intervals") << 9 << 3 << pairsOrder(9, 3);
        QTest::newRow("repeat 9, 10 intervals") << 9 << 10 << pairsOrder(9, 10);
    }

    void noteOrder()
    {
        QFETCH(int, repeat);
        QFETCH(int, numInts);
        QFETCH(QList<int>, order);
        Window1 *w = f.w;
        w->SliderInt->setValue(numInts);
        w->SliderRepeat->setValue(repeat);
        CALL(f.newRow(-10, QuizFixture::risingInts()));
        f.player->clear();

        w->ButtonPlay->click();
        CALL(checkState(Playing));
        for (int guard = 0; w->TRowTimer->isActive() && guard < 1000; ++guard) {
            // The lit light follows the sounding note.
            QCOMPARE(f.litLight(), f.placesStarted().back() - 1);
            f.tick();
        }
        CALL(checkState(Ending));
        QCOMPARE(f.litLight(), numInts);
        CALL(f.fireEnd());
        CALL(checkState(Idle));

        const std::vector<int> places = f.placesStarted();
        QCOMPARE(QList<int>(places.begin(), places.end()), order);
        QVERIFY(f.eachNoteStoppedBeforeNext());
    }

    void states_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("state");
        QTest::newRow("after New") << "" << int(Idle);
        QTest::newRow("settings changed") << "slider" << int(AwaitingNew);
        QTest::newRow("New after a settings change") << "slider new" << int(Idle);
        QTest::newRow("first note") << "play" << int(Playing);
        QTest::newRow("a middle note") << "play tick tick" << int(Playing);
        QTest::newRow("last note") << "play last" << int(Ending);
        QTest::newRow("row ended") << "play last end" << int(Idle);
        QTest::newRow("Stop while playing") << "play tick stop" << int(Idle);
        QTest::newRow("Stop during the last note") << "play last stop" << int(Idle);
        QTest::newRow("settings changed while playing") << "play tick slider" << int(AwaitingNew);
        QTest::newRow("New while playing") << "play tick new" << int(Idle);
        QTest::newRow("played again after the end") << "play last end play" << int(Playing);
        QTest::newRow("space plays") << "space" << int(Playing);
        QTest::newRow("space stops") << "play tick space" << int(Idle);
        QTest::newRow("space during the last note") << "play last space" << int(Idle);
        // A cleared row is never played: the space bar pushes the disabled Play.
        QTest::newRow("space after a settings change") << "slider space" << int(AwaitingNew);
        QTest::newRow("n while playing") << "play tick n" << int(Idle);
    }

    void states()
    {
        QFETCH(QString, route);
        QFETCH(int, state);
        CALL(run(route));
        CALL(checkState(State(state)));
        if (route == u"slider space")
            QVERIFY(f.player->notesStarted().empty());
    }

    void stopDuringTheLastNote()
    {
        Window1 *w = f.w;
        w->SliderInt->setValue(1);
        CALL(f.newRow(-10, QuizFixture::risingInts()));
        w->ButtonPlay->click();
        f.tick();
        QVERIFY(w->TRowEndTimer->isActive());
        QCOMPARE(f.player->sounding, std::multiset<int>{w->ActualNote[2]});
        // Short notes from here, so that a forgotten end step would come soon.
        w->SliderTempo->setValue(w->SliderTempo->maximum());
        w->ButtonStop->click();
        QVERIFY(!w->TRowTimer->isActive());
        QVERIFY(!w->TRowEndTimer->isActive());
        QVERIFY(f.player->sounding.empty());
        const auto events = f.player->events.size();
        QTest::qWait(350);
        QCOMPARE(f.player->events.size(), events);
        CALL(checkState(Idle));
    }

    void repeatChangeWhilePlaying_data()
    {
        QTest::addColumn<int>("numInts");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("newRepeat");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("plain to repeat 1 on note 2") << 3 << 0 << 1 << 1 << QList<int>{1, 2, 2, 3, 3, 4};
        QTest::newRow("repeat 2 to plain mid-pair") << 2 << 2 << 2 << 0 << QList<int>{1, 2, 3};
        QTest::newRow("repeat 1 to repeat 2 at the seam") << 2 << 1 << 2 << 2 << pairsOrder(2, 2);
        // The last note: the note clock is already off, so the row ends.
        QTest::newRow("during the last note") << 2 << 0 << 2 << 1 << QList<int>{};
    }

    void repeatChangeWhilePlaying()
    {
        QFETCH(int, numInts);
        QFETCH(int, repeat);
        QFETCH(int, ticks);
        QFETCH(int, newRepeat);
        QFETCH(QList<int>, after);
        Window1 *w = f.w;
        w->SliderInt->setValue(numInts);
        w->SliderRepeat->setValue(repeat);
        CALL(f.newRow(-10, QuizFixture::risingInts()));
        w->ButtonPlay->click();
        for (int t = 0; t < ticks; ++t)
            f.tick();
        QCOMPARE(int(f.player->sounding.size()), 1);
        f.player->clear();
        w->SliderRepeat->setValue(newRepeat);
        // The sounding note stops at once; the next tick starts at note 1.
        QVERIFY(f.player->sounding.empty());
        CALL(f.playToEnd());
        const std::vector<int> places = f.placesStarted();
        QCOMPARE(QList<int>(places.begin(), places.end()), after);
        QVERIFY(f.eachNoteStoppedBeforeNext());
        CALL(checkState(Idle));
    }

    void tempo_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("readOut");
        QTest::newRow("slowest") << 100 << 3000 << "20";
        QTest::newRow("at open") << 2100 << 1000 << "60";
        QTest::newRow("fastest") << 3000 << 100 << "600";
        QTest::newRow("62.5 rounds up") << 2140 << 960 << "63";
        QTest::newRow("312.5 rounds up") << 2908 << 192 << "313";
        QTest::newRow("below a half") << 2099 << 1001 << "60";
    }

    void tempo()
    {
        QFETCH(int, slider);
        QFETCH(int, period);
        QFETCH(QString, readOut);
        f.w->SliderTempo->setValue(slider);
        QCOMPARE(f.w->TRowTimer->interval(), period);
        QCOMPARE(f.w->TRowEndTimer->interval(), period);
        QCOMPARE(f.w->StaticText1->text(), readOut);
    }

    void tempoChangeWhilePlaying()
    {
        Window1 *w = f.w;
        w->ButtonPlay->click();
        f.tick();
        w->SliderTempo->setValue(2140);
        QVERIFY(w->TRowTimer->isActive());
        QCOMPARE(w->TRowTimer->interval(), 960);
        // The place in the row is kept: the next tick plays note 3.
        f.tick();
        QCOMPARE(f.placesStarted(), (std::vector<int>{1, 2, 3}));
        for (int guard = 0; w->TRowTimer->isActive() && guard < 100; ++guard)
            f.tick();
        w->SliderTempo->setValue(100);
        QVERIFY(w->TRowEndTimer->isActive());
        QCOMPARE(w->TRowEndTimer->interval(), 3000);
    }

    void newWhilePlaying()
    {
        Window1 *w = f.w;
        w->ButtonPlay->click();
        f.tick();
        f.scriptRow(-3, {1, 2, 3, 4, -1, -2, -3, -4, 1, 2});
        w->ButtonNew->click();
        CALL(checkState(Idle));
        QCOMPARE(w->ActualNote[1], 69);
        // Nothing of the new row sounds until Play.
        QCOMPARE(f.placesStarted().size(), size_t(2));
        f.player->clear();
        w->ButtonPlay->click();
        QCOMPARE(f.player->notesStarted(), std::vector<int>{69});
    }

    void nothingLeftSounding_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("Stop") << "play tick stop";
        QTest::newRow("end of row") << "play last end";
        QTest::newRow("end of a repeated row") << "repeat play last end";
        QTest::newRow("repeat change on the last note") << "play last repeat end";
        QTest::newRow("Test mode while playing") << "play tick test";
        QTest::newRow("Practice mode while playing") << "test new play tick practice";
        QTest::newRow("New while playing") << "play tick new";
        QTest::newRow("settings change while playing") << "play tick slider";
        QTest::newRow("note light released") << "pressLight releaseLight";
        QTest::newRow("note light held while the row plays") << "play pressLight tick releaseLight stop";
        QTest::newRow("note light held over a new row") << "pressLight n releaseLight";
        QTest::newRow("interval box released") << "choose pressBox releaseBox";
        QTest::newRow("interval box held over a new row") << "choose pressBox n releaseBox";
        QTest::newRow("key released") << "pressKey releaseKey";
        QTest::newRow("key held over the row's end") << "play pressKey last end releaseKey";
        QTest::newRow("key held over Stop") << "play pressKey stop releaseKey";
        QTest::newRow("key held over a mode change") << "play pressKey tick test releaseKey";
    }

    void nothingLeftSounding()
    {
        QFETCH(QString, route);
        CALL(run(route));
        QVERIFY(!f.player->notesStarted().empty());
        QVERIFY(f.player->sounding.empty());
    }

    void realTimersAtTheFastestTempo()
    {
        f.destroy();
        auto own = std::make_unique<TimedPlayer>();
        TimedPlayer *timed = own.get();
        CALL(f.create(std::move(own)));
        Window1 *w = f.w;
        w->SliderTempo->setValue(3000); // notes of 100 ms
        timed->calls.clear();
        w->ButtonPlay->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->ButtonPlay->isEnabled(), 5000);
        QCOMPARE(f.litLight(), 11);

        std::vector<TimedPlayer::Call> ons;
        for (const auto &c : timed->calls)
            if (c.velocity > 0)
                ons.push_back(c);
        QCOMPARE(int(ons.size()), 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(ons[k].note, w->ActualNote[k + 1]);
        // Notes start on a 100 ms grid counted from the first one, so
        // event-loop delays do not add up.
        for (int k = 1; k < 5; ++k) {
            const qint64 offset = ons[k].ms - ons[0].ms;
            QVERIFY2(offset >= 100 * k - 5 && offset <= 100 * k + 60,
                     qPrintable(QStringLiteral("note %1 at %2 ms").arg(k).arg(offset)));
        }
        // The last note is stopped one note length after it started.
        const auto &last = timed->calls.back();
        QCOMPARE(last.velocity, 0);
        QVERIFY(last.ms - ons[4].ms >= 95);
        std::multiset<int> on;
        for (const auto &c : timed->calls)
            if (c.velocity > 0)
                on.insert(c.note);
            else
                on.erase(c.note);
        QVERIFY(on.empty());
    }
};

QTEST_MAIN(TestPlayback)
#include "test_playback.moc"
