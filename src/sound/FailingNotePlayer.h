#pragma once

#include "sound/NotePlayer.h"

#include <string>

// For tests: a note player whose device gives out after a number of calls,
// as when a USB headset is pulled out while a row plays. Until then calls
// reach the inner player; after that they are swallowed, and the failure is
// reported once, as the real player reports a lost output.
class FailingNotePlayer final : public NotePlayer
{
public:
    FailingNotePlayer(NotePlayer &inner, int callsBeforeFailure);

    void playNote(int note, int velocity) override;
    void setInstrument(int program) override;

    bool hasFailed() const { return m_calls > m_callsBeforeFailure; }
    int reports() const { return m_reports; }
    std::string problem() const;

private:
    bool pass();

    NotePlayer &m_inner;
    int m_callsBeforeFailure;
    int m_calls = 0;
    int m_reports = 0;
};
