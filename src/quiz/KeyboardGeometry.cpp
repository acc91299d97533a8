#include "quiz/KeyboardGeometry.h"

#include <array>

namespace keyboard {
namespace {
// Upper part: where each range of r (distance into the octave) ends.
constexpr std::array<int, 12> UpperEnds = {7, 18, 23, 34, 45, 53, 64, 70, 81, 86, 97, 108};
constexpr std::array<int, 7> LowerEnds = {14, 29, 45, 61, 77, 92, 108};
constexpr std::array<int, 7> WhitePitch = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 12> L1 = {40, 50, 56, 67, 72, 87, 97, 103, 114, 119, 130, 134};
constexpr std::array<int, 12> L2 = {42, 49, 58, 66, 74, 89, 96, 105, 113, 121, 129, 136};

int mod12(int v)
{
    return ((v % 12) + 12) % 12;
}
} // namespace

bool isBlack(int pitchClass)
{
    switch (mod12(pitchClass)) {
    case 1: case 3: case 6: case 8: case 10:
        return true;
    default:
        return false;
    }
}

int keyAt(int x, int y)
{
    if (x < FirstKeyX)
        return -1;
    const int octave = (x - FirstKeyX) / OctaveWidth;
    const int r = (x - FirstKeyX) % OctaveWidth;
    int pitch = 11;
    if (y <= BlackKeyDepth) {
        for (int i = 0; i < 12; ++i)
            if (r <= UpperEnds[i]) {
                pitch = i;
                break;
            }
    } else {
        for (int i = 0; i < 7; ++i)
            if (r <= LowerEnds[i]) {
                pitch = WhitePitch[i];
                break;
            }
    }
    return 12 * octave + pitch;
}

MarkerBox pressedKeyMarker(int n)
{
    const int left = 109 * (n / 12) + L1[mod12(n)];
    if (isBlack(n))
        return {left, 441, 7, 42};
    return {left, 485, 12, 29};
}

int noteMarkerLeft(int note)
{
    // trunc(a / 12 - 2) in real arithmetic, truncated toward zero.
    const int octave = static_cast<int>(note / 12.0 - 2.0);
    return 109 * octave + L2[mod12(note)];
}

int noteMarkerTop(int note)
{
    return isBlack(note) ? 470 : 502;
}

} // namespace keyboard
