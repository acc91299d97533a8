#include "info/ManualPages.h"

#include "info/ManualText.h"

namespace ManualPages {

namespace {
constexpr int WideWidth = 684;
// From the names' left edge to the descriptions', less a small gap.
constexpr int NameWidth = 130;
constexpr int DescriptionWidth = 548;
constexpr int ColumnsTop = 72;
} // namespace

QString header()
{
    return QStringLiteral("Z.A.R.N. Dozi   (ZARN Interval and Melodic Dictation Quiz)");
}

QString general(const QFont &font)
{
    ManualText t(font, WideWidth, 47);
    t.centred(header());
    t.skipTo(90);
    t.paragraph(QStringLiteral(
        "Z.A.R.N. trains your ear to recognise intervals in a series and to write them with staff "
        "notation: a short melodic dictation. It works in two modes, Practice and Test, chosen "
        "with the switch below."));
    t.skipTo(192);
    t.paragraph(QStringLiteral(
        "Test mode scores your answers only when you press \"Check\", and it keeps statistics of "
        "every check so that you can follow your progress. The helps of Practice mode are out of "
        "reach in Test mode."));
    t.skipTo(262);
    t.paragraph(QStringLiteral("Taking a test:"));
    t.paragraph(QStringLiteral(
        "1.  Under Settings, tick the intervals you want to hear and set the number of intervals "
        "in each row."));
    t.paragraph(QStringLiteral(
        "2.  Choose a Repeat type and a Tempo. About 60 B.P.M. is a good speed to start with."));
    t.paragraph(QStringLiteral(
        "3.  Press \"New\" to make a row, then \"Play\" to hear it. Return or the space bar "
        "pushes the highlighted button; the space bar also stops a row that is playing, and the "
        "\"n\" key makes a new row."));
    t.paragraph(QStringLiteral(
        "4.  Choose each interval you hear from the menu above the staves (\"+\" rises, \"-\" "
        "falls)."));
    t.paragraph(QStringLiteral(
        "5.  Write each note on its staff: click or drag on the staff to place the note, and use "
        "the sharp and flat signs at its right-hand edge. The first pitch is given; you may move "
        "it if you like."));
    t.paragraph(QStringLiteral(
        "6.  Press \"Check\". Right answers get a check mark, wrong ones an empty box. An "
        "interval is right when it matches the row that was played; a note is right when it "
        "follows from your previous note and the interval you entered."));
    t.paragraph(QStringLiteral(
        "7.  Fix the wrong answers and press \"Check\" again until you reach 100%. Every check "
        "counts in the statistics."));
    t.blank();
    t.paragraph(QStringLiteral(
        "\"Stats.\", above \"Check\", appears after your first check and draws graphs of your "
        "results. \"Solve\" shows the answer when you give up. In Test mode the keyboard only "
        "shows the notes and makes no sound; the row is played with the instrument you chose in "
        "Practice mode."));
    return t.text();
}

QString practice(const QFont &font)
{
    ManualText t(font, WideWidth, 47);
    t.centred(header());
    t.skipTo(163);
    t.paragraph(QStringLiteral(
        "Practice mode marks every answer the moment you enter it, and it offers helps that Test "
        "mode does not:"));
    t.paragraph(QStringLiteral(
        "-  Click a key of the keyboard to hear its note."));
    t.paragraph(QStringLiteral(
        "-  Tick \"Show Notes\" to see each note on the keyboard as it plays."));
    t.paragraph(QStringLiteral(
        "-  Hold the mouse on a note light above a staff to hear that note again."));
    t.paragraph(QStringLiteral(
        "-  Hold the mouse on the check box above an interval to hear the interval you entered."));
    t.paragraph(QStringLiteral(
        "-  Tick \"Cheat\" to see the names of the intervals, and press \"Solve\" as a last "
        "resort."));
    t.skipTo(294);
    t.paragraph(QStringLiteral("Practising:"));
    t.paragraph(QStringLiteral(
        "1.  Under Settings, tick the intervals you want to practise and set the number of "
        "intervals in each row."));
    t.paragraph(QStringLiteral(
        "2.  Choose a Repeat type and a Tempo, and pick an instrument under Sound."));
    t.paragraph(QStringLiteral(
        "3.  Press \"New\", then \"Play\". Return or the space bar pushes the highlighted "
        "button; the space bar also stops a row that is playing, and \"n\" makes a new row."));
    t.paragraph(QStringLiteral(
        "4.  Choose the intervals from the menus above the staves and write the notes on the "
        "staves. A check mark appears as soon as an answer is right."));
    t.paragraph(QStringLiteral(
        "5.  When every answer has its check mark, press \"New\" for the next row."));
    t.blank();
    t.paragraph(QStringLiteral(
        "The first pitch of each row is written on the first staff for you. When \"Show Notes\" "
        "is ticked, \"Actual Pitch\" shows the notes on the keyboard where they really sound, "
        "and \"Starting on C\" shows them moved so that every row starts on middle C, which "
        "makes the shape of the row easy to see in any key."));
    return t.text();
}

Columns settings(const QFont &font)
{
    TwoColumnText t(font, NameWidth, DescriptionWidth, ColumnsTop);
    t.note(QStringLiteral("These controls allow you to set up and play the intervals."));
    t.skipTo(108);
    t.entry(QStringLiteral("Interval Checkboxes"),
            QStringLiteral(
                "Tick the intervals that rows may use, from the minor second (m2) to the octave "
                "(P8); each is used rising and falling. \"All\" ticks them all and \"None\" "
                "clears them. At least one interval must be selected."));
    t.blank();
    t.entry(QStringLiteral("New"),
            QStringLiteral("Makes a new row from the selected intervals. The \"n\" key does the "
                           "same."));
    t.blank();
    t.entry(QStringLiteral("Number of Intervals"),
            QStringLiteral("Sets how many intervals each row has, from 1 to 10. A row plays one "
                           "note more than it has intervals, so at most eleven notes."));
    t.blank();
    t.entry(QStringLiteral("Notes Only"),
            QStringLiteral("Fills in the intervals for you and hides their menus, so that you "
                           "only write the notes."));
    t.blank();
    t.entry(QStringLiteral("Start on C"),
            QStringLiteral("Makes every new row start on middle C."));
    t.blank();
    t.entry(QStringLiteral("Show Last Note"),
            QStringLiteral("Writes the last note of the row on its staff, so that you can "
                           "check where the row ends."));
    t.blank();
    t.entry(QStringLiteral("Solve"),
            QStringLiteral("Shows the right intervals and notes of the row."));
    t.blank();
    t.entry(QStringLiteral("Play"),
            QStringLiteral("Plays the row. Return or the space bar pushes it when it is "
                           "highlighted."));
    t.blank();
    t.entry(QStringLiteral("Stop"),
            QStringLiteral("Stops the row. The space bar also stops a row that is playing."));
    t.blank();
    t.entry(QStringLiteral("Tempo"),
            QStringLiteral("Sets the speed from 20 to 600 beats per minute (B.P.M.), one note "
                           "to each beat. The speed changes at once, even while a row plays."));
    t.blank();
    t.entry(QStringLiteral("Repeat"),
            QStringLiteral("At 0 the row plays straight through. At 1 each interval is played "
                           "on its own, one after the other; at a higher setting each interval "
                           "is played that many times before the next one."));
    return {t.names(), t.descriptions()};
}

QString soundIntro()
{
    return QStringLiteral(
        "Click a sound in the list under Sound to play the rows with it. Some General MIDI sounds "
        "(drums, sound effects) have no clear pitch and do not suit the quiz.");
}

Columns test(const QFont &font)
{
    TwoColumnText t(font, NameWidth, DescriptionWidth, ColumnsTop);
    t.note(QStringLiteral("These controls choose the mode and score a test."));
    t.skipTo(110);
    t.entry(QStringLiteral("Practice"),
            QStringLiteral("Switches to Practice mode: answers are marked at once and the "
                           "helps are available. Switching ends the test and its statistics."));
    t.blank();
    t.entry(QStringLiteral("Test"),
            QStringLiteral("Switches to Test mode: the marks stay hidden until you check, and "
                           "the statistics start afresh."));
    t.blank();
    t.entry(QStringLiteral("Check"),
            QStringLiteral("Works only in Test mode. Marks your answers, shows the score and "
                           "adds an entry to the statistics. After 100% it waits for the next "
                           "\"New\"."));
    t.blank();
    t.entry(QStringLiteral("Stats"),
            QStringLiteral("Appears after the first check and opens the Stats window with the "
                           "graphs of your results."));
    t.skipTo(342);
    t.heading(QStringLiteral("TEST WINDOWS:"));
    t.note(QStringLiteral("SCORE:  the percentage of right answers at the last check."));
    t.blank();
    t.note(QStringLiteral("TIME TO 100%:  the time from \"New\" to the first check that scored "
                          "100%."));
    t.blank();
    t.note(QStringLiteral("AVERAGE SCORE:  the average of all scores since Test mode was "
                          "chosen."));
    t.blank();
    t.note(QStringLiteral("Av. 100% Time:  the average time to 100% over the rows you "
                          "completed."));
    t.blank();
    t.note(QStringLiteral("Running for:  how many minutes the quiz has been open."));
    return {t.names(), t.descriptions()};
}

Columns help(const QFont &font)
{
    TwoColumnText t(font, NameWidth, DescriptionWidth, ColumnsTop);
    t.note(QStringLiteral("These helps work only in Practice mode."));
    t.skipTo(108);
    t.entry(QStringLiteral("Cheat"),
            QStringLiteral("Shows the names of the row's intervals in the small window under "
                           "the staves:"));
    t.skipTo(190);
    t.entry(QStringLiteral("Show Notes"),
            QStringLiteral("Shows each note on the keyboard as it plays."));
    t.blank();
    t.entry(QStringLiteral("Actual Pitch"),
            QStringLiteral("With Show Notes, the keyboard shows the notes where they really "
                           "sound."));
    t.blank();
    t.entry(QStringLiteral("Starting on C"),
            QStringLiteral("With Show Notes, the keyboard shows the row moved so that it starts "
                           "on middle C, whatever its real first note."));
    t.blank();
    t.entry(QStringLiteral("?"),
            QStringLiteral("Shows these instructions."));
    t.blank();
    t.entry(QStringLiteral("Mouse Tips"),
            QStringLiteral("Shows a help box when the mouse rests on a control. It is also in "
                           "the Help menu."));
    t.skipTo(503);
    t.note(QStringLiteral("Keys: Return pushes the highlighted button, the space bar plays and "
                          "stops the row, and \"n\" makes a new row."));
    return {t.names(), t.descriptions()};
}

Columns stats(const QFont &font)
{
    TwoColumnText t(font, NameWidth, DescriptionWidth, ColumnsTop);
    t.note(QStringLiteral("The Stats window draws the results of your checks in Test mode, the "
                          "newest at the right. It is redrawn after every check."));
    t.skipTo(124);
    t.entry(QStringLiteral("Scores Graph"),
            QStringLiteral("The score of each check, in percent."));
    t.blank();
    t.entry(QStringLiteral("100% Time Graph"),
            QStringLiteral("The time each row took from \"New\" to 100%; a check that did not "
                           "reach 100% has no time."));
    t.blank();
    t.entry(QStringLiteral("Av. Scores"),
            QStringLiteral("The average score after each check."));
    t.blank();
    t.entry(QStringLiteral("Av. 100% Time"),
            QStringLiteral("The average time to 100% after each check."));
    t.skipTo(284);
    t.entry(QStringLiteral("Grid Size"),
            QStringLiteral("Grid lines every 10, 20, 33.3 or 50 units, or none (\"Off\")."));
    t.entry(QStringLiteral("Ticks"), QStringLiteral("Marks each entry with a dot."));
    t.entry(QStringLiteral("Color"),
            QStringLiteral("Colours the lines from green (excellent) to red (poor); when off, "
                           "they are black."));
    t.entry(QStringLiteral("Shadow"), QStringLiteral("Draws the lines with a drop shadow."));
    t.entry(QStringLiteral("Straight"),
            QStringLiteral("Joins the entries with straight lines; when off, the lines are "
                           "skewed, which many find easier to read."));
    t.entry(QStringLiteral("Mouse #"),
            QStringLiteral("Shows the exact value of the entry under the mouse."));
    t.entry(QStringLiteral("?"),
            QStringLiteral("A reminder that these instructions are always at hand: choose "
                           "Instructions in the Help menu."));
    t.entry(QStringLiteral("Close"), QStringLiteral("Closes the Stats window."));
    t.blank();
    t.note(QStringLiteral("To see how the graphs look with many entries, hold Ctrl and Shift "
                          "while clicking \"Stats.\": a demonstration history is loaded. Ctrl "
                          "and Alt while clicking \"Stats.\" empties the history."));
    return {t.names(), t.descriptions()};
}

} // namespace ManualPages
