// Making a new tone row and pushing it into the answer controls.
#include "quiz/Window1.h"

#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "sound/NotePlayer.h"
#include "staff/StaffClass1.h"

#include <QComboBox>
#include <QLabel>

int Window1::ConvertBackInterval(const QString &text) const
{
    return intervals::ConvertBackInterval(text.toStdString());
}

int Window1::DisplayInterval(int k) const
{
    return intervals::itemForCode(NOffset[k + 1]);
}

int Window1::PickRnd0()
{
    return intervals::PickRnd0(m_services.random);
}

int Window1::PickRnd()
{
    return intervals::PickRnd(m_services.random, selectedSizes(), IntSelTally);
}

std::array<bool, 12> Window1::selectedSizes() const
{
    std::array<bool, 12> allowed{};
    for (int i = 0; i < 12; ++i)
        allowed[i] = IntSelBox[i]->isChecked();
    return allowed;
}

void Window1::setIntMenuItem(int i, int item)
{
    // Setting the popup runs its change reaction, as the student's choice does.
    IntMenu[i]->setCurrentIndex(item);
}

void Window1::NewRow()
{
    stopNote(LastNote);
    TestStart = m_services.clockSeconds();
    const intervals::Row row =
        intervals::NewRow(m_services.random, selectedSizes(), IntSelTally,
                          BoxIntStartC->bButtonVal.value(0, false), StartOnC);
    NOffset = row.NOffset;
    for (int k = 1; k <= 11; ++k)
        ActualNote[k] = row.ActualNote[k];
    StartOnC = row.StartOnC;

    StaticText3->setText(QString::fromStdString(intervals::cheatText(row, NumInts)));

    IntBox[0]->setChecked(false);
    setIntMenuItem(0, intervals::NoAnswerItem);
    NoteBox[10]->setChecked(false);
    Staff[0]->setlistindex(ActualNote[1] - intervals::FirstIndexNote);

    // Unanswered notes show a grey guide on the first note's letter.
    const int guide = -removeflat(ActualNote[1] - intervals::FirstIndexNote);
    Staff[10]->setlistindex(guide);
    for (int k = 1; k <= 9; ++k) {
        IntBox[k]->setChecked(false);
        setIntMenuItem(k, intervals::NoAnswerItem);
        NoteBox[k]->setChecked(false);
        Staff[k]->setlistindex(guide);
    }
    StaticScore->setText(QStringLiteral("---%"));
    StaticTestTime->setText(QString());

    if (CheckBox1->bButtonVal.value(0, false))
        Staff[NumInts]->setlistindex(ActualNote[NumInts + 1] - intervals::FirstIndexNote);
}
