// Loads arbitrary bytes as a league file. A file that loads must save and load again, and
// saving that league once more must give the same bytes.

#include "core/model/LeagueFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    auto league = gorlin::DecodeLeague(bytes);
    if (!league)
        return 0;
    const std::vector<std::uint8_t> saved = gorlin::EncodeLeague(*league);
    auto again = gorlin::DecodeLeague(saved);
    if (!again)
        std::abort();
    if (gorlin::EncodeLeague(*again) != saved)
        std::abort();
    return 0;
}
