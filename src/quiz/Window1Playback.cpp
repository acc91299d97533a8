// Playback: the note clock, Play, Stop, New and the three sliders.
#include "quiz/Window1.h"

#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "info/AlertWindow.h"
#include "sound/NotePlayer.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>

void Window1::startNote(int note)
{
    NotePlayer1->playNote(note, 100);
}

void Window1::stopNote(int note)
{
    NotePlayer1->playNote(note, 0);
}

int Window1::notePeriod() const
{
    return 3100 - SliderTempo->value();
}

void Window1::SliderTempo_ValueChanged()
{
    const int period = notePeriod();
    TRowTimer->setInterval(period);
    TRowEndTimer->setInterval(period);
    StaticText1->setText(QString::number(roundHalfUp(60000.0 / period)));
    // A running timer restarts its wait: the next tick is one new period away.
    if (TRowTimer->isActive())
        m_tickDue = std::chrono::steady_clock::now();
}

void Window1::SliderRepeat_ValueChanged()
{
    const int v = SliderRepeat->value();
    repeats = v > 0 ? 2 * v : 2;
    stopNote(LastNote);
    // The next tick starts the row again at its first note.
    RepeatCount = 0;
    position = 1;
    RepeatToggle = 0;
}

void Window1::SliderInt_ValueChanged()
{
    ResetButtons();
    NumIntsDirty = false;
    NumInts = SliderInt->value();
    EnableGuesses();
}

void Window1::ButtonNew_Action()
{
    if (IntSelTally == 0) {
        AlertWindow::showAlert();
        return;
    }
    ButtonStop_Action();
    ButtonPlay->setEnabled(true);
    setDefaultButton(ButtonPlay);
    NumIntsDirty = true;
    NewRow();
    if (testMode())
        ButtonCheck->setEnabled(true);
    if (notesOnly())
        for (int i = 0; i < NumInts; ++i)
            setIntMenuItem(i, DisplayInterval(i));
    PushButton1->setEnabled(true);
}

void Window1::ButtonPlay_Action()
{
    if (testMode())
        CheckPractice();
    stopNote(LastNote);
    RepeatCount = 0;
    position = 1;
    RepeatToggle = 0;
    ButtonPlay->setEnabled(false);
    ButtonStop->setEnabled(true);
    setDefaultButton(ButtonStop);
    TRowTimer->start();
    m_tickDue = {};
    // The first note sounds at once, without waiting for the first tick.
    TimerWork();
}

void Window1::TRowTimer_Action()
{
    TimerWork();
}

void Window1::TimerWork()
{
    // The notes go to the player with the time their tick was due, so that
    // they sound on the grid however late the tick runs.
    const auto now = std::chrono::steady_clock::now();
    const auto period = std::chrono::milliseconds(notePeriod());
    m_tickDue = m_tickDue == std::chrono::steady_clock::time_point{} || now - m_tickDue > 2 * period
        ? now
        : m_tickDue + period;
    position = std::clamp(position + RepeatToggle, 1, NumInts + 1);
    NotePlayer1->playNoteAt(LastNote, 0, m_tickDue);
    Oval1->hide();
    const int note = ActualNote[position];
    NotePlayer1->playNoteAt(note, 100, m_tickDue);
    Oval1->show();
    placeNoteMarker(note);
    InputFocus();
    LastNote = note;

    bool rowEnds = false;
    if (SliderRepeat->value() < 1) {
        if (position == NumInts + 1 && RepeatCount == 0)
            rowEnds = true;
        else
            ++position;
    } else {
        RepeatToggle = RepeatToggle == 1 ? -1 : 1;
        if (++RepeatCount == repeats) {
            RepeatCount = 0;
            RepeatToggle = 0;
        }
        rowEnds = position == NumInts + 1 && RepeatCount == 0;
    }
    if (rowEnds) {
        TRowTimer->stop();
        TRowEndTimer->start();
    }
}

void Window1::InputFocus()
{
    NoteLight[std::clamp(position - 1, 0, 11)]->setChecked(true);
}

void Window1::TRowEndTimer_Action()
{
    NoteLight[11]->setChecked(true);
    ButtonPlay->setEnabled(true);
    setDefaultButton(ButtonPlay);
    ButtonStop->setEnabled(false);
    // The last note lasts one note length in the sound too.
    const auto due = m_tickDue + std::chrono::milliseconds(notePeriod());
    NotePlayer1->playNoteAt(ActualNote[std::clamp(position, 1, 11)], 0, due);
    // A repeat change during the last note moved the position; the note
    // that sounds is the one started last.
    NotePlayer1->playNoteAt(LastNote, 0, due);
    Oval1->hide();
}

void Window1::ButtonStop_Action()
{
    TRowTimer->stop();
    TRowEndTimer->stop();
    NoteLight[11]->setChecked(true);
    ButtonPlay->setEnabled(true);
    setDefaultButton(ButtonPlay);
    ButtonStop->setEnabled(false);
    // In plain playback the position is already one ahead of the sounding
    // note, so the second stop is the one that silences it.
    stopNote(ActualNote[std::clamp(position, 1, 11)]);
    stopNote(LastNote);
    Oval1->hide();
}
