#include "sound/SoundFontSearch.h"

#include <filesystem>
#include <fstream>

const std::vector<std::string> &soundFontCandidates()
{
    static const std::vector<std::string> candidates = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/MuseScore_General.sf3",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/default.sf3",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
        "/usr/share/soundfonts/FluidR3_GM2-2.sf2",
        "/usr/share/soundfonts/TimGM6mb.sf2",
        "/usr/share/sounds/sf3/FluidR3Mono_GM.sf3",
        "/usr/local/share/soundfonts/default.sf2",
    };
    return candidates;
}

std::string findSoundFont(const std::vector<std::string> &candidates)
{
    for (const std::string &path : candidates) {
        std::error_code error;
        // A dangling default-GM link (alternative removed) must not end the search.
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        if (std::ifstream(path, std::ios::binary).good())
            return path;
    }
    return {};
}
