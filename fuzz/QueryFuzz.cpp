// Reads arbitrary text as a saved query (the settings file holds them, and a user may edit it)
// over the tab the first byte names, runs it over a small league, and checks that the design
// saves as text that reads back to the same design.

#include "FuzzLeague.h"
#include "core/model/Dates.h"
#include "core/query/QueryRows.h"
#include "core/query/QueryRun.h"
#include "core/query/SavedQueries.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

/// Four teams with results, goals, players, a referee and a cup game.
const gorlin::League& SmallLeague() {
    static const gorlin::League league = [] {
        using namespace gorlin;
        League l = fuzz::FourTeams();
        auto import = [&](ImportWhat what, std::string_view text) {
            ImportLines(l, ImportTextLines(text), fuzz::ImportOf(what));
        };
        import(ImportWhat::MatchResults, "10/08/2018,Alpha,Bravo,2,1\n"
                                         "11/08/2018,Charlie,Delta,0,0,12345,,,Quiet,A Referee,2\n"
                                         "12/08/2018,Delta,Alpha,1,3,,,,,A Referee\n"
                                         "19/08/2018,Bravo,Alpha,1,0,,,CU,,,2\n");
        import(ImportWhat::Players, "Ann,Alpha,10,Forward,01/02/1990,N,500000\nBob,Bravo,4,Defender\n");
        import(ImportWhat::GoalScorers, "Ann,Alpha,Alpha,Bravo,10/08/2018,12,1,0\n"
                                        "Bob,Alpha,Alpha,Bravo,10/08/2018,30,0,1\n"
                                        "Ann,Alpha,Delta,Alpha,12/08/2018,88,0,0\n");
        return l;
    }();
    return league;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gorlin;
    if (size == 0)
        return 0;
    const int tab = data[0] % 5;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const QueryDesign design = DecodeQuery(text, tab);
    const std::string saved = EncodeQuery(design);
    if (EncodeQuery(DecodeQuery(saved, tab)) != saved)
        std::abort();

    const League& league = SmallLeague();
    static const QueryRows rows = BuildData(league, ToDayNumber(2019, 5, 12));
    static const QueryFormat format = [] {
        QueryFormat f;
        f.Conventions.Today = ToDayNumber(2019, 5, 12);
        return f;
    }();
    const auto result = RunQuery(design, QuerySource{league, rows, format});
    if (result && result->Cells.size() < result->RowIndex.size())
        std::abort();
    return 0;
}
