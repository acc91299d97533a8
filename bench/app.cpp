// The program as it ships, except that its note player uses the SoundFont
// given: the memory figure for each font without touching the system's choice.
//   zarn_bench_app SOUNDFONT
#include "app/App.h"
#include "quiz/Window1.h"
#include "sound/FluidSynthNotePlayer.h"

int main(int argc, char *argv[])
{
    const std::string font = argc > 1 ? argv[1] : std::string();
    Window1::setServicesFactory([font] {
        FluidSynthNotePlayer::Options options;
        options.soundFont = font;
        Window1::Services services;
        services.player = std::make_unique<FluidSynthNotePlayer>(options);
        return services;
    });
    return App::run(1, argv);
}
