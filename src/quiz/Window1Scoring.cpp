// Marking, Check and the score history, Solve, and the two modes.
#include "quiz/Window1.h"

#include "app/Pictures.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "staff/StaffClass1.h"
#include "stats/GraphWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

bool Window1::testMode() const
{
    return RadioTest->isChecked();
}

bool Window1::notesOnly() const
{
    return checkbox2->bButtonVal.value(0, false);
}

void Window1::CheckNotes()
{
    // A note is right when it follows from the student's own previous note
    // and interval, so any first note and any enharmonic spelling count.
    for (int k = NumInts; k >= 1; --k) {
        const int c = ConvertBackInterval(IntMenu[k - 1]->currentText());
        NoteBox[k]->setChecked(c == Staff[k]->indexi - Staff[k - 1]->indexi);
    }
}

void Window1::CheckPractice()
{
    for (int i = 0; i < NumInts; ++i) {
        if (!IntBox[i]->isChecked())
            IntBox[i]->hide();
        if (!NoteBox[i]->isChecked())
            NoteBox[i]->hide();
    }
    if (!NoteBox[NumInts]->isChecked())
        NoteBox[NumInts]->hide();
    RoundRectangle1->update();
}

void Window1::ButtonCheck_Action()
{
    for (int k = 1; k <= NumInts; ++k) {
        if (!notesOnly())
            IntBox[k - 1]->show();
        NoteBox[k]->show();
    }
    GetScore();
    RoundRectangle1->update();
}

void Window1::GetScore()
{
    const double now = m_services.clockSeconds();
    ScoreTally = 0;
    for (int i = 0; i < NumInts; ++i) {
        ScoreTally += IntBox[i]->isChecked() ? 1 : 0;
        ScoreTally += NoteBox[i + 1]->isChecked() ? 1 : 0;
    }
    const ScoreHistory::Entry entry = hist.record(ScoreTally, NumInts, now - TestStart);
    StaticScore->setText(QString::fromStdString(percentText(entry.score)));
    StaticAvScore->setText(QString::fromStdString(percentText(entry.averageScore)));
    if (entry.full) {
        ButtonCheck->setEnabled(false);
        StaticTestTime->setText(FormatSec(static_cast<int>(entry.seconds)));
    }
    if (entry.hasAverageTime)
        StaticAvTime->setText(FormatSec(static_cast<int>(entry.averageSeconds)));
    PushStats->show();
    if (StatsOpen)
        if (GraphWindow *stats = GraphWindow::existing())
            stats->redrawGraphs();
}

void Window1::RadioTest_Action()
{
    if (NumIntsDirty)
        ResetButtons();
    NumIntsDirty = false;
    for (QWidget *w : std::initializer_list<QWidget *>{
             StaticScore, StaticText13, ImageWell1, GroupAvScore, StaticTestTime, GroupAvTime,
             StaticText14, StaticText15, StaticText41, ImageWell2, StaticAvTime, StaticAvScore})
        w->setEnabled(true);
    // Only a row that can still be solved can be scored: a cleared or solved
    // row would put a meaningless entry into the score history.
    ButtonCheck->setEnabled(PushButton1->isEnabled());
    BoxShow->setChecked(false);
    BoxCheat->setChecked(false);
    for (int k = 1; k <= NumInts; ++k) {
        IntBox[k - 1]->hide();
        NoteBox[k]->hide();
    }
    // Writing the value raises no reaction: the last staff keeps its note.
    if (!CheckBox1->bButtonVal.isEmpty())
        CheckBox1->bButtonVal[0] = false;
    CheckBox1->setEnabled(false);
    CheckBox1->update();
    hist.Counter1 = 0;
    setBackdrop(Pics::NewBackground21());
    setContentHeight(538);
}

void Window1::RadioPractice_Action()
{
    hist.Counter1 = 0;
    if (NumIntsDirty)
        ResetButtons();
    NumIntsDirty = false;
    for (QWidget *w : std::initializer_list<QWidget *>{GroupAvScore, StaticTestTime, GroupAvTime,
                                                       StaticText14, StaticText15, StaticText41,
                                                       ImageWell2, StaticAvTime, StaticAvScore})
        w->setEnabled(false);
    StaticTestTime->setText(QString());
    StaticAvTime->setText(QString());
    StaticAvScore->setText(QString());
    ButtonCheck->setEnabled(false);
    StaticScore->setEnabled(false);
    StaticText13->setEnabled(false);
    StaticScore->setText(QStringLiteral("---%"));
    ImageWell1->setEnabled(false);
    setBackdrop(Pics::NewBackground13());
    setContentHeight(680);
    for (int k = 1; k <= NumInts; ++k) {
        if (!notesOnly())
            IntBox[k - 1]->show();
        NoteBox[k]->show();
    }
    CheckBox1->setEnabled(true);
    CheckBox1->update();
    PushStats->hide();
    if (GraphWindow *stats = GraphWindow::existing())
        stats->close();
}

void Window1::PushButton1_Action()
{
    for (int i = 0; i < NumInts; ++i) {
        setIntMenuItem(i, DisplayInterval(i));
        Staff[i]->setlistindex(ActualNote[i + 1] - intervals::FirstIndexNote);
    }
    Staff[NumInts]->setlistindex(ActualNote[NumInts + 1] - intervals::FirstIndexNote);
    // A solved row can no longer be scored.
    ButtonCheck->setEnabled(false);
    PushButton1->setEnabled(false);
}

void Window1::PushStats_Action(Qt::KeyboardModifiers modifiers)
{
    // Ctrl+Shift loads the demonstration history, Ctrl+Alt empties the history.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    GraphWindow *stats = GraphWindow::instance();
    if (held == (Qt::ControlModifier | Qt::ShiftModifier))
        stats->FillGraph();
    else if (held == (Qt::ControlModifier | Qt::AltModifier))
        stats->EmptyGraph();
    stats->show();
    stats->raise();
    stats->activateWindow();
}
