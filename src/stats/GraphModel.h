#pragma once

#include "quiz/ScoreHistory.h"

#include <array>
#include <optional>
#include <string>

// The rules behind the four graphs of the score history, free of any widget:
// which entries are shown, where a value is plotted, how values are
// classified, which entry lies under the pointer and what its read-out says.
namespace graphmodel {

using Series = std::array<double, ScoreHistory::Size>;

enum class Kind { Percentage = 0, Time = 1 };

constexpr int GraphCount = 4;
constexpr int ShownEntries = 30;
constexpr int CanvasWidth = 630;
constexpr int CanvasHeight = 120;
constexpr int Baseline = 110;   // canvas row of a value of 0
constexpr double TimeScale = 0.1666; // not one sixth: a time value of 600 is 99.96 high

// Graph 0: Scores, 1: TimeTo100s, 2: AverageScores, 3: Average100s.
const Series &series(const ScoreHistory &history, int index);
Kind kind(int index);
double scale(int index);

// The newest 30 entries at most: entries first .. count - 1, position
// k = i - first; the segments 0 .. lastSegment join neighbouring positions.
struct ShownRange
{
    int count = 0;
    int first = 0;
    int lastSegment = -2;
    bool empty() const { return count == 0; }
    int shown() const { return count - first; }
};
ShownRange shownRange(int count);
// The read-out works the first entry out its own way; both give the same e.
int readoutFirst(int count);

// The three value tests differ at their edges; each is used where stated.
bool isEmpty(double v);      // no line to or from it: 800 or below 0
bool hasEndBar(double v);    // first/last shown entry gets a bar: -1 < v < 601
bool isBelowRange(double v); // gets the downward arrow: below 0

// Canvas x of shown position k.
constexpr int positionX(int k) { return 30 + 20 * k; }

// Shown position under canvas x (each owns 20 pixels around its point);
// none left of x = 20.
std::optional<int> pointerPosition(int x);
// History index at shown position k, if that position holds an entry.
std::optional<int> entryAt(int k, int count);
std::optional<int> entryUnderPointer(int x, int count);

// "67%", "45 sec.", "(14 min.)"; none for a time entry without a time.
std::optional<std::string> readoutText(int index, double v);
// Entries are numbered from 1 for the user.
std::string entryNumberText(int i);

// Loads the fixed 30-entry demonstration history (entries 100 to 129).
void FillGraph(ScoreHistory &history);
// The graphs become empty; the arrays keep their data.
void EmptyGraph(ScoreHistory &history);

// Window row of graph index's baseline.
constexpr int baselineRow(int index) { return 14 + 136 * index + Baseline; }

// Where the pointer read-out goes for shown position k of graph index, in
// window coordinates.
struct Readout
{
    enum Action {
        Hide, // nothing shown at that position
        Keep, // a time entry without a time: the read-out stays as it was
        Show,
    } action = Hide;
    std::string value;  // text on the dark box
    std::string number; // entry number under the baseline
    int boxLeft = 0, boxTop = 0, boxWidth = 0;
    int textLeft = 0, textTop = 0;
    int lineX = 0, lineTop = 0, lineBottom = 0; // the drop line
    int ovalLeft = 0, ovalTop = 0;
    int numberLeft = 0, numberTop = 0;
};
Readout readoutAt(const ScoreHistory &history, int index, int k);

} // namespace graphmodel
