#include "quiz/Intervals.h"

#include <cstdlib>

namespace intervals {
namespace {
constexpr std::array<std::string_view, 12> SizeNames = {"m2", "M2", "m3", "M3", "P4", "tt",
                                                         "P5", "m6", "M6", "m7", "M7", "P8"};
} // namespace

std::string ConvertInterval(int code)
{
    const int size = std::abs(code);
    if (size < 1 || size > 12)
        return "----";
    std::string name(1, code > 0 ? '+' : '-');
    name.append(SizeNames[size - 1]);
    return name;
}

std::string itemText(int item)
{
    if (item < 0 || item > 24 || item == NoAnswerItem)
        return "----";
    return ConvertInterval(12 - item);
}

int ConvertBackInterval(std::string_view text)
{
    for (int item = 0; item <= 24; ++item)
        if (text == itemText(item))
            return item == NoAnswerItem ? NoAnswer : 12 - item;
    return 0;
}

int itemForCode(int code)
{
    return (code != 0 && std::abs(code) <= 12) ? 12 - code : 0;
}

int removeflat(int i)
{
    switch (i % 12) {
    case 0: case 2: case 5: case 7: case 10:
        return i + 1;
    default:
        return i;
    }
}

int randomDraw(const RandomSource &random)
{
    // Truncation toward zero: everything in (-1, 1) gives 0.
    return static_cast<int>(25.0 * random() - 12.0);
}

int PickRnd0(const RandomSource &random)
{
    return randomDraw(random);
}

int PickRnd(const RandomSource &random, const std::array<bool, 12> &allowed, int tally)
{
    if (tally == 0)
        return 0;
    bool any = false;
    for (bool a : allowed)
        any = any || a;
    if (!any)
        return 0; // the tally is out of step with the boxes: never loop forever
    for (;;) {
        const int v = randomDraw(random);
        if (v != 0 && allowed[std::abs(v) - 1])
            return v;
    }
}

Row NewRow(const RandomSource &random, const std::array<bool, 12> &allowed, int tally,
           bool startOnC, int previousStartOnC)
{
    Row row;
    row.StartOnC = previousStartOnC;
    row.NOffset[0] = PickRnd0(random);
    if (startOnC) {
        row.StartOnC = row.NOffset[0];
        row.NOffset[0] = 0;
    }
    int c = row.NOffset[0];
    row.ActualNote[1] = BaseNote + c;
    for (int i = 1; i <= 10; ++i) {
        const int d = PickRnd(random, allowed, tally);
        row.NOffset[i] = d;
        // An interval that would leave the range is turned the other way.
        if (c + d > 13 || c + d < -16)
            row.NOffset[i] = -d;
        c += row.NOffset[i];
        row.ActualNote[i + 1] = BaseNote + c;
    }
    return row;
}

std::string cheatText(const Row &row, int count)
{
    std::string text;
    for (int i = 1; i <= count && i <= 10; ++i)
        text += ConvertInterval(row.NOffset[i]) + "  ";
    return text;
}

} // namespace intervals
