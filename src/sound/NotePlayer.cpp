#include "sound/NotePlayer.h"

#include "sound/FluidSynthNotePlayer.h"

std::unique_ptr<NotePlayer> createSystemNotePlayer()
{
    return std::make_unique<FluidSynthNotePlayer>();
}
