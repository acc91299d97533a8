#include "sound/RecordingNotePlayer.h"

void RecordingNotePlayer::playNote(int note, int velocity)
{
    events.push_back({Event::Note, note, velocity});
    if (velocity > 0)
        sounding.insert(note);
    else
        sounding.erase(note); // a note-off silences the note however often it was started
}

void RecordingNotePlayer::setInstrument(int program)
{
    events.push_back({Event::Instrument, program, 0});
    if (program >= 1 && program <= 128)
        instrument = program;
}

std::vector<int> RecordingNotePlayer::notesStarted() const
{
    std::vector<int> notes;
    for (const Event &e : events)
        if (e.kind == Event::Note && e.velocity > 0)
            notes.push_back(e.value);
    return notes;
}

void RecordingNotePlayer::clear()
{
    events.clear();
    sounding.clear();
}
