// Row options: the interval choice, All/None, Notes Only, Start on C, Show
// Last Note, Cheat, and the help button.
#include "quiz/Window1.h"

#include "app/Pictures.h"
#include "controls/AutoButton.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "info/InfoWindow.h"
#include "staff/StaffClass1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

bool Window1::IntSelBox_MouseDown(int, int, int)
{
    return true; // the box toggles on release over its square only
}

void Window1::IntSelBox_MouseUp(int i, int x, int y)
{
    if (!IntSelBox[i]->indicatorRect().contains(x, y))
        return;
    IntSelBox[i]->setChecked(!IntSelBox[i]->isChecked());
    // A single box changed: neither "All" nor "None" describes the choice.
    allNoneGroup->setExclusive(false);
    ButtonAll->setChecked(false);
    ButtonNone->setChecked(false);
    allNoneGroup->setExclusive(true);
}

void Window1::IntSelBox_Action(int i)
{
    ResetButtons();
    IntSelTally += IntSelBox[i]->isChecked() ? 1 : -1;
}

void Window1::ButtonAll_Action()
{
    IntSelTally = 0;
    for (int i = 0; i < 12; ++i) {
        if (IntSelBox[i]->isChecked())
            IntSelBox_Action(i);
        else
            IntSelBox[i]->setChecked(true); // runs the box's action
    }
}

void Window1::ButtonNone_Action()
{
    IntSelTally = 12;
    for (int i = 0; i < 12; ++i) {
        if (IntSelBox[i]->isChecked())
            IntSelBox[i]->setChecked(false);
        else
            IntSelBox_Action(i);
    }
}

void Window1::checkbox2_Open()
{
    checkbox2->Additem(QStringLiteral("Notes Only"));
}

void Window1::BoxIntStartC_Open()
{
    BoxIntStartC->Additem(QStringLiteral("Start on C"));
}

void Window1::CheckBox1_Open()
{
    CheckBox1->Additem(QStringLiteral("Show Last Note"));
}

void Window1::checkbox2_Action(int)
{
    if (notesOnly()) {
        for (int i = 0; i < NumInts; ++i) {
            setIntMenuItem(i, DisplayInterval(i));
            IntBox[i]->hide();
            IntMenu[i]->hide();
            UPARROW[i]->hide();
        }
        StaticText2->hide();
        StaticText6->hide();
    } else {
        for (int i = 0; i < NumInts; ++i) {
            setIntMenuItem(i, intervals::NoAnswerItem);
            IntBox[i]->setVisible(!testMode());
            IntMenu[i]->show();
            UPARROW[i]->show();
        }
        StaticText2->show();
        StaticText6->show();
    }
    Canvas4->update();
}

void Window1::BoxIntStartC_Action(int)
{
    ResetButtons();
    if (BoxIntStartC->bButtonVal.value(0, false)) {
        StartOnC = NOffset[0];
        NOffset[0] = 0;
    } else {
        NOffset[0] = StartOnC;
    }
}

void Window1::CheckBox1_Action(int)
{
    if (CheckBox1->bButtonVal.value(0, false)) {
        Staff[NumInts]->setlistindex(ActualNote[NumInts + 1] - intervals::FirstIndexNote);
    } else {
        const int first = ActualNote[1] - intervals::FirstIndexNote;
        Staff[NumInts]->setlistindex(-removeflat(first));
    }
    Dirty = true;
}

void Window1::BoxCheat_Action()
{
    StaticText3->setVisible(BoxCheat->isChecked());
}

void Window1::AutoButton1_MouseDown()
{
    InfoWindow *info = InfoWindow::instance();
    info->show();
    info->raise();
    info->activateWindow();
}

void Window1::AutoButton1_open()
{
    AutoButton1->temp = Pics::QuestLightSEL();
}
