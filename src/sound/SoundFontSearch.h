#pragma once

#include <string>
#include <vector>

// Where the General MIDI SoundFonts of the usual Linux distributions live,
// best first: Debian's default-GM alternative (the administrator's choice),
// then the fonts of the packages themselves, the small TimGM6mb last.
const std::vector<std::string> &soundFontCandidates();

// The first candidate that is a readable regular file (after following
// links), or an empty string.
std::string findSoundFont(const std::vector<std::string> &candidates = soundFontCandidates());
