#pragma once

#include <QPoint>

#include <vector>

// Where things sit on a staff control, kept apart from the widget so that the
// mapping between note indexes and staff positions is tested on its own.
// Positions are pixels inside the control; note positions run from y 12 (C6)
// down to y 76 (A3), four pixels per staff degree.
namespace staffgeometry {

constexpr int TopY = 12;            // C6, the highest position
constexpr int BottomY = 76;         // A3, the lowest position
constexpr int StaffZoneRight = 36;  // x <= 36 is the staff, x >= 37 the selectors
constexpr int SelectorSplitY = 40;  // the sharp selector lies above, the flat one from here
constexpr int PressTop = 12;        // a press in the staff moves the note only
constexpr int PressBottom = 78;     // between these heights
constexpr int ProgramDrawX = 25;    // placement x of a note set by the program
constexpr int HighestIndex = 29;    // C#6

// A note index shown on the staff: position and accidental (-1, 0, 1).
struct Notation
{
    int y;
    int acci;
};

// Black keys are written with flats, except the top note, which is written
// C#6 because D-flat 6 lies above the highest position.
Notation notationOf(int index);

// The note index of a staff position and accidental.
int indexOf(int staffY, int acci);

// A placement's height rounded down to a staff position (a multiple of 4).
int staffPosition(int y);

// A placement's height limited to the positions that can be drawn.
int limitDrawY(int y);

// Heights L of the ledger lines for a placement; each is drawn on row L - 1.
std::vector<int> ledgerLines(int drawY, int staffY);
constexpr int LedgerLeft = 14;
constexpr int LedgerRight = 32;

// The note picture to draw: stem down from the head in the upper half of the
// staff, stem up in the lower half, and where its top-left corner goes.
struct NoteGlyph
{
    bool upper;
    QPoint topLeft;
};
NoteGlyph noteGlyph(int drawY, int staffY);

// Top-left corner of the sharp (acci 1) or flat (acci -1) sign.
QPoint accidentalAt(int acci, int staffY);

enum class Zone { Staff, SharpSelector, FlatSelector };
Zone zoneAt(int x, int y);

} // namespace staffgeometry
