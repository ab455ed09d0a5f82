// Writes the example leagues of examples/ from the real seasons in tests/data.
// Usage: gorlin-make-examples DATA_DIR OUT_DIR

#include "core/model/Dates.h"
#include "core/model/LeagueFile.h"
#include "support/SeasonCsv.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace gorlin;

namespace {

void SetPlaces(League& league, int promoted, int playOffs, int relegated) {
    league.Head.Promoted = static_cast<u8>(promoted);
    league.Head.PlayOffs = static_cast<u8>(playOffs);
    league.Head.Relegated = static_cast<u8>(relegated);
}

/// Turns every game after `day` back into an unplayed fixture, as the season stood that day.
void StopAt(League& league, int day) {
    for (int g = 1; g <= league.GameCount(); ++g) {
        GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (game.Date > day) {
            game.Played = 0;
            game.HomeGoals = 0;
            game.AwayGoals = 0;
        }
    }
    UpdateGameEx(league, 0);
}

bool Write(League league, const std::filesystem::path& path) {
    league.DataChanged = true;
    const Status saved = SaveLeague(league, path, SaveOptions{false});
    if (!saved)
        std::fprintf(stderr, "%s: %s\n", path.string().c_str(), saved.Message.c_str());
    return saved.Ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: gorlin-make-examples DATA_DIR OUT_DIR\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    bool ok = true;

    League eng = test::BuildSeasonLeague(data / "eng1_2018-19_results.csv", "Premier League 2018-19");
    SetPlaces(eng, 4, 2, 3);
    ok &= Write(eng, out / "PREMIER1819.DIV");

    League engXmas = eng;
    engXmas.Head.TableName = "Premier League Christmas 2018";
    StopAt(engXmas, ToDayNumber(2018, 12, 26));
    ok &= Write(engXmas, out / "PREMIERXMAS.DIV");

    League aut = test::BuildSeasonLeague(data / "aut1_2015-16_results.csv", "Bundesliga Austria 2015-16");
    SetPlaces(aut, 1, 2, 1);
    ok &= Write(aut, out / "AUSTRIA1516.DIV");
    return ok ? 0 : 1;
}
