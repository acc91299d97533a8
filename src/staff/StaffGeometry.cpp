#include "staff/StaffGeometry.h"

#include <algorithm>
#include <array>

namespace staffgeometry {

namespace {

// Per semitone above A-flat: the position in the lowest octave and the
// accidental it is written with.
constexpr std::array<Notation, 12> OctaveTable = {{
    {76, -1}, // A-flat
    {76, 0},  // A
    {72, -1}, // B-flat
    {72, 0},  // B
    {68, 0},  // C
    {64, -1}, // D-flat
    {64, 0},  // D
    {60, -1}, // E-flat
    {60, 0},  // E
    {56, 0},  // F
    {52, -1}, // G-flat
    {52, 0},  // G
}};
constexpr int OctaveHeight = 28; // seven staff degrees

// Semitones above A-flat of the naturals A, B, C, D, E, F, G.
constexpr std::array<int, 7> NaturalStep = {1, 3, 4, 6, 8, 9, 11};

int floorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

Notation notationOf(int index)
{
    index = std::clamp(index, 0, HighestIndex);
    if (index == HighestIndex)
        return {TopY, 1};
    const Notation base = OctaveTable[static_cast<std::size_t>(index % 12)];
    return {base.y - OctaveHeight * (index / 12), base.acci};
}

int indexOf(int staffY, int acci)
{
    // s counts staff degrees up from A3 (0) to C6 (16)
    const int s = 17 - floorDiv(staffY - 8, 4);
    const int degree = ((s % 7) + 7) % 7;
    return 12 * floorDiv(s, 7) + NaturalStep[static_cast<std::size_t>(degree)] + acci;
}

int staffPosition(int y)
{
    return 4 * floorDiv(y, 4);
}

int limitDrawY(int y)
{
    return std::clamp(y, TopY, BottomY);
}

std::vector<int> ledgerLines(int drawY, int staffY)
{
    if (drawY >= 24 && drawY <= 67)
        return {};
    switch (staffY) {
    case 12:
        return {12, 20};
    case 16:
    case 20:
        return {20};
    case 68:
    case 72:
        return {68};
    case 76:
        return {76, 68};
    default:
        return {};
    }
}

NoteGlyph noteGlyph(int drawY, int staffY)
{
    if (drawY < 44)
        return {true, QPoint(18, staffY - 5)};
    return {false, QPoint(18, staffY - 32)};
}

QPoint accidentalAt(int acci, int staffY)
{
    return acci < 0 ? QPoint(5, staffY - 18) : QPoint(1, staffY - 15);
}

Zone zoneAt(int x, int y)
{
    if (x <= StaffZoneRight)
        return Zone::Staff;
    return y < SelectorSplitY ? Zone::SharpSelector : Zone::FlatSelector;
}

} // namespace staffgeometry
