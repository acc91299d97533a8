#pragma once

#include "sound/NotePlayer.h"

#include <set>
#include <vector>

// A note player for tests: records every call and which notes sound.
class RecordingNotePlayer final : public NotePlayer
{
public:
    struct Event
    {
        enum Kind { Note, Instrument } kind;
        int value;    // note number or program
        int velocity; // 0 for Instrument events
        bool operator==(const Event &) const = default;
    };

    void playNote(int note, int velocity) override;
    void setInstrument(int program) override;

    std::vector<Event> events;
    std::multiset<int> sounding; // notes started and not yet stopped
    int instrument = 1;

    // Note numbers of the note-on events, in order.
    std::vector<int> notesStarted() const;
    void clear();
};
