#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The interval vocabulary and the tone-row draw. No widget dependency.
namespace intervals {

// A code of 100 means "no answer" ("----"); 0 means a text was not recognised.
inline constexpr int NoAnswer = 100;
// The popup item that reads "----".
inline constexpr int NoAnswerItem = 12;
// Written into the row arrays when the row is cleared.
inline constexpr int ClearedCode = 13;
// The note that "Start on C" starts on (the texts' middle C).
inline constexpr int BaseNote = 72;
inline constexpr int FirstIndexNote = 56; // note index 0

// "+M3", "-tt", "+P8" for codes +-1..+-12.
std::string ConvertInterval(int code);
// Exact, case-sensitive match against the 25 popup texts; 0 for anything else.
int ConvertBackInterval(std::string_view text);
// The popup text of item 0..24 ("+P8" down to "-P8", item 12 "----").
std::string itemText(int item);
// Popup item of an interval code: 12 - code for +-1..+-12, else 0.
int itemForCode(int code);
// A note index written with a flat becomes the natural a semitone above.
int removeflat(int i);

// Uniform real numbers in [0, 1).
using RandomSource = std::function<double()>;
// The draw both picks share: trunc(25 r - 12), truncated toward zero.
int randomDraw(const RandomSource &random);
// First-note offset from the base note.
int PickRnd0(const RandomSource &random);
// An interval code whose size is allowed; 0 at once when nothing is allowed.
int PickRnd(const RandomSource &random, const std::array<bool, 12> &allowed, int tally);

struct Row
{
    std::array<int, 13> NOffset{};    // [0] first-note offset, [1..10] interval codes
    std::array<int, 13> ActualNote{}; // [1..11] note numbers
    int StartOnC = 0;                 // the offset "Start on C" replaced, when on
};

// Draws a first note and ten intervals among the allowed sizes, keeping every
// note within 16 semitones below and 13 above the base note.
Row NewRow(const RandomSource &random, const std::array<bool, 12> &allowed, int tally,
           bool startOnC, int previousStartOnC);

// The cheat read-out: each of the first count names followed by two spaces.
std::string cheatText(const Row &row, int count);

} // namespace intervals
