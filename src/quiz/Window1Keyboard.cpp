// The keyboard: its two markers and notes played by clicking its keys.
#include "quiz/Window1.h"

#include "controls/SimpleControls.h"
#include "quiz/KeyboardGeometry.h"
#include "sound/NotePlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

int Window1::DrawDot(int a)
{
    // "Starting on C" moves the row's first note onto the base note.
    DotOffset = RadioStartOnC->isChecked() ? -NOffset[0] : 0;
    a += DotOffset;
    Oval1->move(Oval1->x(), keyboard::noteMarkerTop(a));
    return keyboard::noteMarkerLeft(a);
}

void Window1::placeNoteMarker(int note)
{
    // DrawDot sets the marker's Top first; only then is its Top read.
    const int left = DrawDot(note);
    Oval1->move(left, Oval1->y());
}

int Window1::DrawGDot(int n)
{
    const keyboard::MarkerBox box = keyboard::pressedKeyMarker(n);
    RoundRectangle2->setGeometry(RoundRectangle2->x(), box.top, box.width, box.height);
    return box.left;
}

void Window1::Canvas2_MouseDown(int x, int y)
{
    if (testMode()) {
        StaticText43->show();
        return;
    }
    const int key = keyboard::keyAt(x, y);
    if (key < 0)
        return; // the strip left of the first key plays nothing
    playingnote = key;
    RoundRectangle2->show();
    // DrawGDot sets the marker's Top and size first; only then is its Top read.
    const int left = DrawGDot(playingnote);
    RoundRectangle2->move(left, RoundRectangle2->y());
    m_keyboardNote = playingnote + keyboard::LowestNote;
    startNote(m_keyboardNote);
}

void Window1::Canvas2_MouseUp(int, int)
{
    StaticText43->hide();
    RoundRectangle2->hide();
    // Only the note this press started is stopped: a silent press (Test
    // mode, left strip) must not cut a note of the playing row.
    if (m_keyboardNote >= 0)
        stopNote(m_keyboardNote);
    m_keyboardNote = -1;
}

void Window1::BoxShow_Action()
{
    const bool on = BoxShow->isChecked();
    Oval1->resize(on ? 8 : 0, on ? 8 : 0);
    RadioActualPitch->setEnabled(on);
    RadioStartOnC->setEnabled(on);
    // The frame around the keyboard appears or goes.
    content()->update(QRect(34, 418, 695, 104));
}
