#include "gui/league/LeagueHost.h"

namespace gorlin {

const char* LeagueHost::PageTitle(int index) {
    static const char* const kTitles[kPageCount] = {
        "League Table",  "Team Statistics", "Goal Statistics",  "Division Statistics",
        "Enter Results", "Fixtures",        "Table Maintenance"};
    return index >= 0 && index < kPageCount ? kTitles[index] : "";
}

} // namespace gorlin
