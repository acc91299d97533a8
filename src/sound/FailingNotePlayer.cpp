#include "sound/FailingNotePlayer.h"

FailingNotePlayer::FailingNotePlayer(NotePlayer &inner, int callsBeforeFailure)
    : m_inner(inner), m_callsBeforeFailure(callsBeforeFailure)
{
}

bool FailingNotePlayer::pass()
{
    ++m_calls;
    if (!hasFailed())
        return true;
    if (m_reports == 0)
        ++m_reports;
    return false;
}

void FailingNotePlayer::playNote(int note, int velocity)
{
    if (pass())
        m_inner.playNote(note, velocity);
}

void FailingNotePlayer::setInstrument(int program)
{
    if (pass())
        m_inner.setInstrument(program);
}

std::string FailingNotePlayer::problem() const
{
    return hasFailed() ? "the audio output was lost; notes are silent." : std::string();
}
