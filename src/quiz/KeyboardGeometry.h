#pragma once

// The piano keyboard picture's keys, and where its two markers go.
// No widget dependency: the keyboard canvas and its tests share it.
namespace keyboard {

inline constexpr int FirstKeyX = 4;   // keys start 4 pixels into the canvas
inline constexpr int OctaveWidth = 109;
inline constexpr int BlackKeyDepth = 48; // y <= 48 is the upper part
inline constexpr int LowestNote = 24;    // key index 0

bool isBlack(int pitchClass);
// Key index (note - 24) under a canvas point; -1 left of the first key.
int keyAt(int x, int y);

struct MarkerBox { int left, top, width, height; };
// The pressed-key marker over key index n, in window coordinates.
MarkerBox pressedKeyMarker(int n);
// Left of the sounding-note marker for note a, and its top (black/white key).
int noteMarkerLeft(int note);
int noteMarkerTop(int note);

} // namespace keyboard
