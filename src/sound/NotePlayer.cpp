#include "sound/NotePlayer.h"

namespace {
class SilentNotePlayer final : public NotePlayer
{
public:
    void playNote(int, int) override {}
    void setInstrument(int) override {}
};
} // namespace

std::unique_ptr<NotePlayer> createSystemNotePlayer()
{
    return std::make_unique<SilentNotePlayer>();
}
