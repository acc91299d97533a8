#pragma once

#include <chrono>
#include <memory>

// The General MIDI synthesizer the quiz plays through, used through exactly
// two operations. A started note sounds until the same note number is played
// with velocity 0; a new note does not stop others; stopping a note that does
// not sound is harmless. Note numbers outside 0..127 and programs outside
// 1..128 are ignored.
class NotePlayer
{
public:
    virtual ~NotePlayer() = default;

    // velocity 1..127 starts the note, 0 stops it.
    virtual void playNote(int note, int velocity) = 0;
    // The same, meant to sound at `when` (an ideal time on the steady clock,
    // such as a tick of the note clock): notes given this way keep their
    // spacing in the sound, whatever the lateness of the calls. By default
    // the note is played at once.
    virtual void playNoteAt(int note, int velocity, std::chrono::steady_clock::time_point when)
    {
        (void)when;
        playNote(note, velocity);
    }
    // General MIDI program number, 1..128.
    virtual void setInstrument(int program) = 0;
};

// The desktop's synthesizer: FluidSynth with the system's General MIDI
// SoundFont. Never blocks the caller; silent (with one line on stderr) when
// no SoundFont or no audio device can be had.
std::unique_ptr<NotePlayer> createSystemNotePlayer();
