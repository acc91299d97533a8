#include "stats/GraphModel.h"

namespace graphmodel {

namespace {

// The demonstration history: every drawing case in 30 entries (scores of 0
// and 100, entries without a time, times beyond ten minutes, end bars).
constexpr int DemoFirst = 100;
constexpr std::array<double, 30> DemoScores = {
    100, 100, 0, 100, 50, 0, 100, 100, 0, 0, 25, 33, 75, 60, 50,
    30, 100, 100, 100, 50, 0, 25, 0, 100, 0, 100, 100, 100, 100, 100};
constexpr std::array<double, 30> DemoTimes = {
    -240, 300, 800, 360, 800, 800, 180, 120, 800, 800, 800, 800, 800, 800, 800,
    800, -240, 325, -240, 800, 800, 800, 800, -240, 800, 590, -240, 300, 400, 300};
constexpr std::array<double, 30> DemoAverageScores = {
    100, 100, 66.6666667, 70, 58, 41.66666667, 50, 56.25, 50, 45,
    43.18181818, 42.33333333, 44.84615385, 45.92857143, 46.2, 45.1875, 48.41176471, 51.27777778,
    53.84210526, 53.65, 51.0952381, 49.90909091, 47.73913043, 49.91666667, 47.92, 49.92307692,
    51.77777778, 53.5, 55.10344828, 56.6};
constexpr std::array<double, 30> DemoAverageTimes = {
    -240, 30, 30, 140, 140, 140, 150, 144, 144, 144, 144, 144, 144, 144, 144,
    144, 80, 115, 70.625, 70.625, 70.625, 70.625, 70.625, 36.11111111, 36.11111111,
    91.5, 61.36363636, 81.25, 105.7692308, 162.5};

int trunc(double v)
{
    return static_cast<int>(v);
}

} // namespace

const Series &series(const ScoreHistory &history, int index)
{
    switch (index) {
    case 0:
        return history.Scores;
    case 1:
        return history.TimeTo100s;
    case 2:
        return history.AverageScores;
    default:
        return history.Average100s;
    }
}

Kind kind(int index)
{
    return index % 2 == 0 ? Kind::Percentage : Kind::Time;
}

double scale(int index)
{
    return kind(index) == Kind::Percentage ? 1.0 : TimeScale;
}

ShownRange shownRange(int count)
{
    ShownRange range;
    range.count = count;
    if (count <= 0) {
        range.count = 0;
        return range;
    }
    if (count < ShownEntries) {
        range.first = 0;
        range.lastSegment = count - 2;
    } else {
        range.first = count - ShownEntries;
        range.lastSegment = ShownEntries - 2;
    }
    return range;
}

int readoutFirst(int count)
{
    return count < ShownEntries + 1 ? 0 : count - ShownEntries;
}

bool isEmpty(double v)
{
    return v == ScoreHistory::NoTime || v < 0;
}

bool hasEndBar(double v)
{
    return v > -1 && v < 601;
}

bool isBelowRange(double v)
{
    return v < 0;
}

std::optional<int> pointerPosition(int x)
{
    if (x <= 19)
        return std::nullopt;
    return trunc((x - 20) * 0.05);
}

std::optional<int> entryAt(int k, int count)
{
    const int e = readoutFirst(count);
    if (k < 0 || k >= count - e)
        return std::nullopt;
    return e + k;
}

std::optional<int> entryUnderPointer(int x, int count)
{
    const std::optional<int> k = pointerPosition(x);
    if (!k)
        return std::nullopt;
    return entryAt(*k, count);
}

std::optional<std::string> readoutText(int index, double v)
{
    if (kind(index) == Kind::Percentage)
        return percentText(v);
    if (v >= 601)
        return std::nullopt;
    const std::string time = FormatSec(trunc(600 - v));
    // Beyond ten minutes the point sits on the baseline; the brackets say so.
    return v > -1 ? time : "(" + time + ")";
}

std::string entryNumberText(int i)
{
    return std::to_string(i + 1);
}

void FillGraph(ScoreHistory &history)
{
    history.Counter1 = DemoFirst + ShownEntries;
    for (int j = 0; j < ShownEntries; ++j) {
        history.Scores[DemoFirst + j] = DemoScores[j];
        history.TimeTo100s[DemoFirst + j] = DemoTimes[j];
        history.AverageScores[DemoFirst + j] = DemoAverageScores[j];
        history.Average100s[DemoFirst + j] = DemoAverageTimes[j];
    }
}

void EmptyGraph(ScoreHistory &history)
{
    history.Counter1 = 0;
}

Readout readoutAt(const ScoreHistory &history, int index, int k)
{
    Readout r;
    const std::optional<int> i = entryAt(k, history.Counter1);
    if (!i)
        return r; // Hide
    const double v = series(history, index)[*i];
    const std::optional<std::string> text = readoutText(index, v);
    if (!text) {
        r.action = Readout::Keep;
        return r;
    }
    const int X = 70 + 20 * k;
    const int B = baselineRow(index);
    int y = 0;
    if (kind(index) == Kind::Percentage) {
        y = trunc((B - 24) - v);
        r.boxTop = y;
    } else if (v > -1) {
        y = trunc((B - 24) - v * TimeScale);
        r.boxTop = y;
    } else {
        // Beyond ten minutes: the marker sits on the baseline, the box just
        // above the arrow.
        y = B - 24;
        r.boxTop = y - 8;
    }
    r.action = Readout::Show;
    r.value = *text;
    r.number = entryNumberText(*i);
    r.textTop = r.boxTop - 1;
    r.boxWidth = 6 * static_cast<int>(r.value.size()) + 15;
    r.boxLeft = X + 3;
    // Time boxes are pulled back inside the window's right edge; percentage
    // boxes never move.
    if (kind(index) == Kind::Time && X + r.boxWidth + 5 > 690)
        r.boxLeft = 687 - r.boxWidth;
    r.textLeft = r.boxLeft + 3;
    r.lineX = X + 3;
    r.lineTop = y + 20;
    r.lineBottom = B;
    r.ovalLeft = X;
    r.ovalTop = y + 20;
    r.numberLeft = X - 2;
    r.numberTop = B + 1;
    return r;
}

} // namespace graphmodel
