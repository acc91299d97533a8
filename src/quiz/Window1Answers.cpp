// Answer entry: which answer controls show, marking on every change, notes
// sounded from the note lights and tick boxes, clearing the answers.
#include "quiz/Window1.h"

#include "app/Picture.h"
#include "controls/SimpleControls.h"
#include "sound/NotePlayer.h"
#include "staff/StaffClass1.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

void Window1::EnableGuesses()
{
    if (NumInts < LastNumInts) {
        for (int i = LastNumInts - 1; i >= NumInts; --i) {
            NoteLight[i + 1]->hide();
            UPARROW[i]->hide();
            IntMenu[i]->hide();
            Staff[i + 1]->hide();
            // The staff that now holds the last note takes the rounded corners.
            Staff[i]->update();
            IntBox[i]->hide();
            NoteBox[i + 1]->hide();
        }
    } else {
        for (int k = LastNumInts + 1; k <= NumInts; ++k) {
            NoteLight[k]->show();
            Staff[k]->show();
            Staff[k - 1]->update();
            if (!notesOnly()) {
                IntBox[k - 1]->setVisible(!testMode());
                IntMenu[k - 1]->show();
                UPARROW[k - 1]->show();
            }
            NoteBox[k]->setVisible(!testMode());
        }
    }
    LastNumInts = NumInts;
}

void Window1::IntMenu_Change(int i)
{
    Dirty = true;
    if (testMode()) {
        IntBox[i]->hide();
        NoteBox[i + 1]->hide();
    }
    IntBox[i]->setChecked(ConvertBackInterval(IntMenu[i]->currentText()) == NOffset[i + 1]);
    CheckNotes();
    if (testMode())
        CheckPractice();
}

void Window1::Staff_Change(int k)
{
    if (k < 0 || k > 10)
        return;
    Dirty = true;
    if (testMode())
        NoteBox[k]->hide();
    CheckNotes();
    if (testMode())
        CheckPractice();
}

void Window1::NoteLight_MouseDown(int k)
{
    if (testMode() || k < 0 || k > 10)
        return;
    m_pressNote = ActualNote[k + 1];
    startNote(m_pressNote);
    Oval1->show();
    placeNoteMarker(m_pressNote);
}

void Window1::NoteLight_MouseUp(int k)
{
    if (k >= 0 && k <= 10)
        stopNote(ActualNote[k + 1]);
    // The row may have changed while the light was held: stop what sounded.
    if (m_pressNote >= 0)
        stopNote(m_pressNote);
    m_pressNote = -1;
    Oval1->hide();
}

void Window1::IntBox_MouseDown(int i)
{
    if (testMode())
        return;
    const int code = ConvertBackInterval(IntMenu[i]->currentText());
    // With no interval chosen ("----") there is no note to sound.
    if (code == intervals::NoAnswer || code == 0)
        return;
    m_pressNote = ActualNote[i + 1] + code;
    startNote(m_pressNote);
    Oval1->show();
    placeNoteMarker(m_pressNote);
}

void Window1::IntBox_MouseUp(int i)
{
    const int code = ConvertBackInterval(IntMenu[i]->currentText());
    if (code != intervals::NoAnswer && code != 0)
        stopNote(ActualNote[i + 1] + code);
    if (m_pressNote >= 0)
        stopNote(m_pressNote);
    m_pressNote = -1;
    Oval1->hide();
}

void Window1::NoteBox_MouseDown(int)
{
    // The press is taken: the student cannot tick a box.
}

void Window1::UPARROW_Open(int i)
{
    UPARROW[i]->picture()->setTransparent(true);
}

void Window1::ClearBoxes()
{
    for (int i = 0; i <= 9; ++i) {
        IntBox[i]->setChecked(false);
        setIntMenuItem(i, intervals::NoAnswerItem);
        NOffset[i] = intervals::ClearedCode;
        ActualNote[i] = intervals::BaseNote;
        Staff[i]->setlistindex(-16); // a grey C5
        NoteBox[i]->setChecked(false);
    }
    NOffset[10] = intervals::ClearedCode;
    ActualNote[10] = intervals::BaseNote;
    ActualNote[11] = intervals::BaseNote;
    Staff[10]->setlistindex(-16);
    NoteBox[10]->setChecked(false);
    Dirty = false;
}

void Window1::ResetButtons()
{
    ButtonStop_Action();
    ButtonPlay->setEnabled(false);
    setDefaultButton(ButtonNew);
    ButtonNew->setEnabled(true);
    StaticText3->setText(QString());
    if (Dirty)
        ClearBoxes();
    PushButton1->setEnabled(false);
}
