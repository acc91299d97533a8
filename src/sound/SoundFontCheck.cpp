#include "sound/SoundFontCheck.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

struct Chunk
{
    std::string id;
    std::uint64_t size = 0;
    std::uint64_t start = 0; // offset of the data
};

std::uint32_t littleEndian(const unsigned char *bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
           | std::uint32_t(bytes[3]) << 24;
}

bool readChunk(std::ifstream &in, std::uint64_t at, Chunk &chunk)
{
    unsigned char header[8];
    in.seekg(std::streamoff(at));
    if (!in.read(reinterpret_cast<char *>(header), sizeof header))
        return false;
    chunk.id.assign(reinterpret_cast<char *>(header), 4);
    chunk.size = littleEndian(header + 4);
    chunk.start = at + 8;
    return true;
}

std::string readId(std::ifstream &in, std::uint64_t at)
{
    char id[4] = {};
    in.seekg(std::streamoff(at));
    in.read(id, 4);
    return in ? std::string(id, 4) : std::string();
}

// The preset data: nine sub-chunks of fixed-size records, in this order,
// each closed by a terminal record.
bool presetDataIsSound(std::ifstream &in, const Chunk &pdta)
{
    struct Expected
    {
        const char *id;
        std::uint64_t record;
    };
    static constexpr std::array<Expected, 9> layout = {{{"phdr", 38}, {"pbag", 4}, {"pmod", 10}, {"pgen", 4},
                                                        {"inst", 22}, {"ibag", 4}, {"imod", 10}, {"igen", 4},
                                                        {"shdr", 46}}};
    std::uint64_t at = pdta.start + 4;
    const std::uint64_t end = pdta.start + pdta.size;
    for (const Expected &expected : layout) {
        Chunk chunk;
        if (!readChunk(in, at, chunk) || chunk.id != expected.id || chunk.size % expected.record != 0
            || chunk.size < expected.record || chunk.start + chunk.size > end)
            return false;
        at = chunk.start + chunk.size;
    }
    return true;
}

} // namespace

std::string checkSoundFont(const std::string &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return "is not a file";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot be opened";
    const std::uint64_t fileSize = std::filesystem::file_size(path, error);
    Chunk riff;
    if (error || !readChunk(in, 0, riff))
        return "is too short to be a SoundFont";
    if (riff.id != "RIFF" || readId(in, 8) != "sfbk")
        return "is not a SoundFont";
    if (fileSize < riff.start + riff.size)
        return "is truncated";

    // INFO, the samples and the preset data, each a LIST chunk.
    std::uint64_t at = riff.start + 4;
    const std::uint64_t end = riff.start + riff.size;
    for (const char *kind : {"INFO", "sdta", "pdta"}) {
        Chunk list;
        if (!readChunk(in, at, list) || list.id != "LIST" || list.start + list.size > end
            || readId(in, list.start) != kind)
            return "is damaged";
        if (std::string(kind) == "pdta" && !presetDataIsSound(in, list))
            return "is damaged";
        at = list.start + list.size + (list.size & 1);
    }
    return {};
}
