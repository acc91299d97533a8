// The audio device going away while a row plays: the quiz goes on as before,
// with its lights, its timing and its buttons, only without sound.
#include "controls/SimpleControls.h"
#include "quiz/Window1.h"
#include "sound/FailingNotePlayer.h"
#include "sound/RecordingNotePlayer.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {
// The same set-up for the counting run and the failing one.
Window1 *openWindow(std::unique_ptr<NotePlayer> player, int repeat)
{
    Window1::Services services;
    services.player = std::move(player);
    Window1 *w = Window1::create(std::move(services));
    w->show();
    w->SliderTempo->setValue(3000); // 100 ms notes
    w->SliderRepeat->setValue(repeat);
    w->ButtonNew->click();
    return w;
}
} // namespace

class TestSoundFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsPlayOnAfterTheDeviceFails_data()
    {
        QTest::addColumn<int>("callsBeforeFailing"); // counted from Play
        QTest::addColumn<int>("repeat");
        QTest::newRow("at the first note") << 0 << 0;
        QTest::newRow("mid-row") << 4 << 0;
        QTest::newRow("mid-row, with repeats") << 5 << 2;
        QTest::newRow("at the last note") << 10 << 0;
    }
    void rowsPlayOnAfterTheDeviceFails()
    {
        QFETCH(int, callsBeforeFailing);
        QFETCH(int, repeat);
        // How many calls reach the player before Play.
        RecordingNotePlayer counted;
        {
            auto probe = std::make_unique<RecordingNotePlayer>();
            RecordingNotePlayer *p = probe.get();
            Window1 *w = openWindow(std::move(probe), repeat);
            counted.events = p->events;
            delete w;
        }
        const int beforePlay = int(counted.events.size());

        RecordingNotePlayer device;
        auto owned = std::make_unique<FailingNotePlayer>(device, beforePlay + callsBeforeFailing);
        FailingNotePlayer *player = owned.get();
        Window1 *w = openWindow(std::move(owned), repeat);
        QCOMPARE(int(device.events.size()), beforePlay);

        // Which note light comes on, in order.
        QList<int> lights;
        connect(w->noteLightGroup, &QButtonGroup::idToggled, w, [&](int id, bool on) {
            if (on)
                lights.append(id);
        });
        w->ButtonPlay->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->ButtonPlay->isEnabled() && !w->ButtonStop->isEnabled(), 10000);
        QVERIFY(!w->TRowTimer->isActive() && !w->TRowEndTimer->isActive());
        QCOMPARE(w->defaultButton(), w->ButtonPlay);

        // Every note of the row lit its light, then all went off.
        QList<int> expected;
        if (repeat == 0) {
            for (int k = 0; k <= w->NumInts; ++k)
                expected << k;
        } else {
            for (int i = 0; i < w->NumInts; ++i)
                for (int r = 0; r < repeat; ++r)
                    expected << i << i + 1;
        }
        expected << 11;
        QList<int> seen;
        for (int id : lights)
            if (seen.isEmpty() || seen.last() != id)
                seen << id;
        QList<int> want;
        for (int id : expected)
            if (want.isEmpty() || want.last() != id)
                want << id;
        QCOMPARE(seen, want);
        // The device went mid-row, and said so once.
        QVERIFY(player->hasFailed());
        QCOMPARE(player->reports(), 1);
        QCOMPARE(int(device.events.size()), beforePlay + callsBeforeFailing);

        // The quiz goes on: a new row, Play and Stop, a key of the keyboard.
        w->ButtonNew->click();
        w->ButtonPlay->click();
        QVERIFY(w->TRowTimer->isActive());
        w->ButtonStop->click();
        QVERIFY(!w->TRowTimer->isActive() && w->ButtonPlay->isEnabled());
        QTest::mouseClick(w->Canvas2, Qt::LeftButton, {}, QPoint(20, 70));
        QVERIFY(!w->TRowEndTimer->isActive());
        QCOMPARE(player->reports(), 1);
        delete w;
    }
};

QTEST_MAIN(TestSoundFaults)
#include "test_soundfaults.moc"
