#pragma once

#include <string>

// Looks over a SoundFont's chunk layout before FluidSynth parses it. Garbage
// that reached FluidSynth would fail there too, but only after its fallback
// loaders had printed warnings of their own; a cut-off download is told
// apart as such. Returns an empty string, or what is wrong as the end of a
// sentence ("is truncated").
std::string checkSoundFont(const std::string &path);
