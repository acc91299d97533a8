// A main window for tests: a recording note player, a scripted random source
// and a clock the test moves by hand.
#pragma once

#include "controls/SimpleControls.h"
#include "quiz/Window1.h"
#include "sound/RecordingNotePlayer.h"
#include "staff/StaffClass1.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <random>
#include <set>
#include <vector>

class QuizFixture
{
public:
    Window1 *w = nullptr;
    RecordingNotePlayer *player = nullptr;
    double now = 1000.0;        // seconds, what the window's clock reads
    std::deque<double> script;  // random values used before the generator's
    std::mt19937 generator{20261211};

    // Makes the window (its open handler makes a first row from the
    // generator) and shows it offscreen. A player of the test's own may be
    // given; then `player` stays null.
    void create(std::unique_ptr<NotePlayer> ownPlayer = {})
    {
        Window1::Services services;
        if (ownPlayer) {
            services.player = std::move(ownPlayer);
        } else {
            auto recording = std::make_unique<RecordingNotePlayer>();
            player = recording.get();
            services.player = std::move(recording);
        }
        services.random = [this] {
            if (!script.empty()) {
                const double r = script.front();
                script.pop_front();
                return r;
            }
            return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
        };
        services.clockSeconds = [this] { return now; };
        w = Window1::create(std::move(services));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    // Chooses intervals 0.. and writes notes 0.. as given.
    void answer(const QList<int> &intervals, const QList<int> &notes)
    {
        for (int i = 0; i < intervals.size(); ++i)
            chooseInterval(i, intervals[i]);
        for (int k = 0; k < notes.size(); ++k)
            writeNote(k, notes[k]);
    }

    void destroy()
    {
        delete w;
        w = nullptr;
        player = nullptr;
    }

    // A random value whose draw trunc(25 r - 12) gives v (-12..12).
    static double drawFor(int v)
    {
        if (v == -12)
            return 0.0;
        if (v > 0)
            return (v + 12.5) / 25.0;
        if (v < 0)
            return (v + 11.5) / 25.0;
        return 12.3 / 25.0;
    }

    // Scripts the next row: first-note offset from 72 and ten intervals that
    // stay in range (so none is turned).
    void scriptRow(int offset, const std::vector<int> &ints)
    {
        script.push_back(drawFor(offset));
        for (int d : ints)
            script.push_back(drawFor(d));
    }

    // Makes a scripted row with "New" and checks that the window holds it.
    void newRow(int offset, const std::vector<int> &ints)
    {
        QCOMPARE(int(ints.size()), 10);
        scriptRow(offset, ints);
        QVERIFY(w->ButtonNew->isEnabled());
        w->ButtonNew->click();
        QVERIFY(script.empty());
        int note = 72 + offset;
        QCOMPARE(w->ActualNote[1], note);
        for (int i = 1; i <= 10; ++i) {
            note += ints[i - 1];
            QCOMPARE(w->NOffset[i], ints[i - 1]);
            QCOMPARE(w->ActualNote[i + 1], note);
        }
    }

    // Rows whose notes are all different, so a note names its place.
    static std::vector<int> risingInts() { return {2, 2, 2, 1, 2, 2, 2, 1, 2, 2}; }

    // The slowest tempo: the real timers cannot fire while a test drives the
    // playback handlers by hand.
    void slowest() { w->SliderTempo->setValue(w->SliderTempo->minimum()); }

    // One tick of the note clock, as its timeout runs it.
    void tick() { w->TRowTimer_Action(); }
    // The row-end timer firing: a single-shot timer is off once it fired.
    void fireEnd()
    {
        QVERIFY(w->TRowEndTimer->isActive());
        w->TRowEndTimer->stop();
        w->TRowEndTimer_Action();
    }
    // Ticks until the note clock stops (the row's last note), then ends the row.
    void playToEnd()
    {
        for (int guard = 0; w->TRowTimer->isActive() && guard < 1000; ++guard)
            tick();
        QVERIFY(!w->TRowTimer->isActive());
        fireEnd();
    }

    // The note-on events since the last clear, as places in the row (1 = first note).
    std::vector<int> placesStarted() const
    {
        std::vector<int> places;
        for (int note : player->notesStarted()) {
            int place = 0;
            for (int k = 1; k <= 11; ++k)
                if (w->ActualNote[k] == note)
                    place = k;
            places.push_back(place);
        }
        return places;
    }

    // True when every note-on found no note of the program still sounding:
    // each note is stopped before the next one starts.
    bool eachNoteStoppedBeforeNext() const
    {
        std::multiset<int> on;
        for (const auto &e : player->events) {
            if (e.kind != RecordingNotePlayer::Event::Note)
                continue;
            if (e.velocity > 0) {
                if (!on.empty())
                    return false;
                on.insert(e.value);
            } else {
                on.erase(e.value);
            }
        }
        return true;
    }

    int litLight() const
    {
        for (int k = 0; k <= 11; ++k)
            if (w->NoteLight[k]->isChecked())
                return k;
        return -1;
    }

    // Sets the popup of interval i to the name of a code (100 = "----").
    void chooseInterval(int i, int code)
    {
        const int item = code == 100 ? 12 : 12 - code;
        w->IntMenu[i]->setCurrentIndex(item);
    }
    // Writes note k on its staff, as a note number.
    void writeNote(int k, int note) { w->Staff[k]->setlistindex(note - 56); }
};

// Runs a helper that may fail a check, and leaves the test when it did.
#define CALL(expr)                                                                                 \
    do {                                                                                           \
        expr;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

#include "staff/StaffGeometry.h"

#include <functional>

// How a test clicks a point of a staff; by default straight at the staff.
using StaffClick = std::function<void(StaffClass1 *, QPoint)>;
inline void clickStaff(StaffClass1 *staff, QPoint at)
{
    QTest::mousePress(staff, Qt::LeftButton, {}, at);
    QTest::mouseRelease(staff, Qt::LeftButton, {}, at);
}

// Writes a note on a staff with the mouse, as the student does: the sharp or
// flat selector first when the spelling needs another one than is on, then a
// click on the note's line or space. `acci` picks the spelling: -1 flat,
// 0 none, 1 sharp.
inline void writeNoteWithMouse(StaffClass1 *staff, int staffY, int acci,
                               const StaffClick &click = clickStaff)
{
    const QPoint sharpSelector(44, 20), flatSelector(44, 60);
    if (acci != staff->acci) {
        // A selector switches its own sign on, or off when it is on.
        const int selector = acci != 0 ? acci : staff->acci;
        click(staff, selector > 0 ? sharpSelector : flatSelector);
    }
    click(staff, QPoint(20, staffY + 1));
}

// The same for a note number, in the spelling the staff itself would use.
inline void writeNoteWithMouse(StaffClass1 *staff, int note, const StaffClick &click = clickStaff)
{
    const staffgeometry::Notation n = staffgeometry::notationOf(note - 56);
    writeNoteWithMouse(staff, n.y, n.acci, click);
}
