// Mouse tips: the help tags of the main window (and of an open Stats
// window), switched on and off by the "Mouse Tips" box and the menu.
#include "quiz/Window1.h"

#include "controls/AutoButton.h"
#include "controls/SimpleControls.h"
#include "controls/cSquareMultiButton.h"
#include "quiz/InstrumentList.h"
#include "staff/StaffClass1.h"
#include "stats/GraphWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <utility>
#include <vector>

namespace {
const QString MouseTipsOffTip = QStringLiteral(
    "When selected, holding the mouse over a control will show its help box (like this one).");
}

void Window1::BoxMouse_Action()
{
    const bool on = BoxMouse->isChecked();
    const std::vector<std::pair<QWidget *, QString>> single = {
        {ButtonNew, QStringLiteral("Creates a new, random tone row with the currently set number "
                                   "of intervals.")},
        {ButtonPlay, QStringLiteral("Starts/repeats playback of the tone row.  The spacebar will "
                                    "also start (and stop) playback.")},
        {ButtonStop, QStringLiteral("Stops playback of the tone row.  The spacebar will also stop "
                                    "(and start) playback.")},
        {SliderInt, QStringLiteral("Sets the number of intervals played.  Up to ten intervals (11 "
                                   "notes) can be practiced.")},
        {SliderTempo, QStringLiteral("Sets the note playback speed.")},
        {SliderRepeat, QStringLiteral("Sets the number of times each interval is played.")},
        {BoxIntStartC, QStringLiteral("When checked, creates tone rows that always begin on middle C.")},
        {GroupBPM, QStringLiteral("The note playback speed in beats per minute (B.P.M.).")},
        {GroupIntSel, QStringLiteral("Select the Intervals to be used.")},
        {checkbox2, QStringLiteral("When selected, just notes are used to solve the tone rows.")},
        {CheckBox1, QStringLiteral("When selected, the last note of the row is displayed.")},
        {PushButton1, QStringLiteral("Press to see the correct intervals and notes.")},
        {GroupInst, QStringLiteral("Click on an instrument sound for playback.")},
        {Canvas2, QStringLiteral("Click on the keyboard to play notes.")},
        {GroupCheat, QStringLiteral("When \"Cheat\" is selected, the intervals are displayed here.")},
        {BoxCheat, QStringLiteral("When selected, the intervals are displayed.")},
        {BoxShow, QStringLiteral("When selected, the notes being played are displayed on the keyboard.")},
        {RadioActualPitch, QStringLiteral("When selected, the displayed notes on the keyboard are at "
                                          "their actual pitch (untransposed).")},
        {RadioStartOnC, QStringLiteral("When selected, the displayed notes on the keyboard are "
                                       "transposed so that the first one always starts on middle C.")},
        {AutoButton1, QStringLiteral("Displays Z.A.R.N. instructions.")},
        {BoxMouse, QStringLiteral("When selected, holding the mouse over a control will show its "
                                  "help box.")},
        {ImageWell1, QStringLiteral("Displays the score when the \"Check\" button is pressed.")},
        {RadioPractice, QStringLiteral("Push to switch to Practice mode.")},
        {StaticPractice, QStringLiteral("Push to switch to Practice mode.")},
        {RadioTest, QStringLiteral("Push to switch to Test mode.")},
        {StaticTest, QStringLiteral("Push to switch to Test mode.")},
        {ButtonCheck, QStringLiteral("Push to score your test.")},
        {GroupAvTime, QStringLiteral("Displays the average time it took to score 100% on tests.")},
        {GroupAvScore, QStringLiteral("Displays the average test scores.")},
        {ImageWell2, QStringLiteral("Displays the time it took to reach a score of 100%.")},
        {StaticMinutes, QStringLiteral("Displays the total time the Z.A.R.N. application has been "
                                       "running.")},
        {PushStats, QStringLiteral("Opens the \"Stats\" window.")},
    };
    const QString lightTip = QStringLiteral(
        "A reference to the current note being played.  Click to hear the note.");
    const QString menuTip = QStringLiteral("Choose the interval played.");
    const QString intBoxTip = QStringLiteral("A check mark appears if you have chosen the correct "
                                             "interval (below).  Click to hear the interval you "
                                             "have chosen.");
    const QString staffTip =
        QStringLiteral("Choose the note played, based on the previous note and interval.");
    const QString noteBoxTip = QStringLiteral(
        "A check mark appears if you have chosen the correct note (above), based on your previous "
        "note and your chosen interval.");

    // Both steps cover members 0 to 9 of the arrays, never the eleventh note.
    for (const auto &[widget, tip] : single)
        widget->setToolTip(on ? tip : QString());
    for (int i = 0; i <= 9; ++i) {
        NoteLight[i]->setToolTip(on ? lightTip : QString());
        IntMenu[i]->setToolTip(on ? menuTip : QString());
        IntBox[i]->setToolTip(on ? intBoxTip : QString());
        Staff[i]->setToolTip(on ? staffTip : QString());
        NoteBox[i]->setToolTip(on ? noteBoxTip : QString());
    }
    if (!on) {
        BoxMouse->setToolTip(MouseTipsOffTip);
        StaticMouseTips->setToolTip(MouseTipsOffTip);
    }
    if (StatsOpen)
        if (GraphWindow *stats = GraphWindow::existing())
            stats->setHelpTags(on);
}

bool Window1::MouseTipsMenu_Action()
{
    BoxMouse->setChecked(!BoxMouse->isChecked());
    return false;
}
