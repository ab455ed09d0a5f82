#include "core/query/Catalogue.h"

#include "core/model/Text.h"

#include <array>

namespace gorlin {

namespace {

constexpr QueryField F(int tab, int id, const char* name, const char* description, FieldKind kind,
                       int width) {
    return {static_cast<u8>(tab),
            name,
            description,
            static_cast<u8>(width),
            static_cast<u16>(id),
            kind == FieldKind::Whole || kind == FieldKind::Decimal,
            kind};
}

constexpr FieldKind W = FieldKind::Whole;
constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind D = FieldKind::Date;
constexpr FieldKind R = FieldKind::Decimal;

constexpr std::array<QueryField, kCatalogueSize> kFields = {
    // Teams
    F(0, 1, "Team", "Name of team", T, 20),
    F(0, 2, "Played", "Games played", W, 6),
    F(0, 3, "Won", "Total games won", W, 5),
    F(0, 4, "Drawn", "Total games drawn", W, 6),
    F(0, 5, "Lost", "Total games lost", W, 5),
    F(0, 6, "For", "Total goals for", W, 5),
    F(0, 7, "Against", "Total goals against", W, 7),
    F(0, 8, "GoalDiff", "Goal Difference", W, 8),
    F(0, 9, "HomePlayed", "Home games played", W, 10),
    F(0, 10, "HomeWon", "Home games won", W, 10),
    F(0, 11, "HomeDrawn", "Home games drawn", W, 11),
    F(0, 12, "HomeLost", "Home games lost", W, 9),
    F(0, 13, "HomeFor", "Home goals for", W, 8),
    F(0, 14, "HomeAgainst", "Home goals against", W, 10),
    F(0, 15, "HomeGD", "Home Goal Difference", W, 9),
    F(0, 16, "AwayPlayed", "Away games played", W, 10),
    F(0, 17, "AwayWon", "Away games won", W, 10),
    F(0, 18, "AwayDrawn", "Away games drawn", W, 11),
    F(0, 19, "AwayLost", "Away games lost", W, 9),
    F(0, 20, "AwayFor", "Away goals for", W, 9),
    F(0, 21, "AwayAgainst", "Away goals against", W, 12),
    F(0, 22, "AwayGD", "Away Goal Difference", W, 9),
    F(0, 23, "PossPoints", "Max possible points", W, 10),
    F(0, 24, "Deducted", "Deducted points", W, 10),
    F(0, 25, "Points", "Total points", W, 6),
    F(0, 26, "AveCrowd", "Average Attendance", W, 10),
    F(0, 27, "MaxCrowd", "Maximum Attendance", W, 10),
    F(0, 28, "MinCrowd", "Minimum Attendance", W, 6),
    F(0, 29, "TotCrowd", "Total Attendance", W, 6),
    F(0, 30, "Yellows", "Number of yellow cards", W, 6),
    F(0, 31, "RedCards", "Number of red cards", W, 6),
    F(0, 32, "Defence", "Goals conceded per match", R, 6),
    F(0, 33, "Attack", "Goals scored per match", R, 6),
    F(0, 34, "Rating", "Average Team Rating", R, 6),
    F(0, 35, "ClnSheets", "No. of Clean Sheets", W, 6),
    F(0, 36, "Cost", "Total Team Cost", R, 6),
    F(0, 37, "Age", "Average Team Age", R, 6),
    F(0, 38, "MissedPens", "Total missed penalties", W, 6),
    // Games
    F(1, 100, "CupGame", "Cup Game Y/N", T, 10),
    F(1, 101, "Date", "Date game was played", D, 9),
    F(1, 102, "HomeTeam", "Name of home team", T, 30),
    F(1, 103, "AwayTeam", "Name of away team", T, 30),
    F(1, 104, "HomeScore", "Home team score", W, 10),
    F(1, 105, "AwayScore", "Away team score", W, 10),
    F(1, 106, "Attendance", "Crowd attendance", W, 10),
    F(1, 107, "HomeWin", "Home team won Y/N", T, 10),
    F(1, 108, "AwayWin", "Away team won Y/N", T, 10),
    F(1, 109, "Draw", "Match drawn Y/N", T, 10),
    F(1, 110, "Goals", "Total goals scored", W, 10),
    F(1, 111, "Yellows", "Number of yellow cards", W, 10),
    F(1, 112, "Reds", "Number of red cards", W, 10),
    F(1, 113, "Competition", "Name of competition", T, 30),
    F(1, 114, "Comment", "Comments on Match", T, 50),
    F(1, 115, "Referee", "Name of match referee", T, 50),
    F(1, 116, "HomeAge", "Average Home Team Age", R, 6),
    F(1, 117, "AwayAge", "Average Away Team Age", R, 6),
    F(1, 118, "MissedPens", "Number of missed pens", W, 6),
    // Goals
    F(2, 200, "CupGoal", "Cup Goal Y/N", T, 10),
    F(2, 201, "Date", "Date goal was scored", D, 9),
    F(2, 202, "HomeTeam", "Name of home team", T, 30),
    F(2, 203, "AwayTeam", "Name of away team", T, 30),
    F(2, 204, "Player", "Name of Scorer", T, 30),
    F(2, 205, "GoalFor", "Team goal scored for", T, 30),
    F(2, 206, "Against", "Team scored against", T, 30),
    F(2, 207, "GoalTime", "Time goal was scored", W, 8),
    F(2, 208, "Penalty", "Goal was Penalty Y/N", T, 8),
    F(2, 209, "OwnGoal", "Goal was own Goal Y/N", T, 8),
    F(2, 210, "HomeScore", "Home team final score", W, 8),
    F(2, 211, "AwayScore", "Away team final score", W, 8),
    F(2, 212, "AwayGoal", "Goal scored away Y/N", T, 8),
    F(2, 213, "Competition", "Name of competition", T, 30),
    F(2, 214, "Referee", "Name of match referee", T, 50),
    // Players
    F(3, 300, "Player", "Name of Player", T, 20),
    F(3, 301, "Team", "Players Team", T, 30),
    F(3, 302, "Position", "Players Position", T, 10),
    F(3, 303, "Squad No.", "Players Squad Number", W, 10),
    F(3, 304, "LeagueGoals", "League Goals Total", W, 10),
    F(3, 305, "OwnGoals", "Own Goals", W, 10),
    F(3, 306, "Penalties", "Penalties scored", W, 10),
    F(3, 307, "OtherGoals", "Goals for other clubs", W, 10),
    F(3, 308, "Yellows", "Number of Yellow cards", W, 10),
    F(3, 309, "Reds", "Number of Red cards", W, 10),
    F(3, 310, "Appear", "Number of Appearances", W, 10),
    F(3, 311, "Started", "Times started a match", W, 6),
    F(3, 312, "Sub", "Times on as a sub", W, 6),
    F(3, 313, "Bench", "Times left on bench", W, 6),
    F(3, 314, "Rating", "Average Rating", R, 10),
    F(3, 315, "TotRating", "Total Rating", R, 10),
    F(3, 316, "CupGoals", "Cup Goals Total", W, 10),
    F(3, 317, "MinsPlay", "Total time in play", W, 10),
    F(3, 318, "MissedPens", "Missed penalties", W, 10),
    F(3, 319, "TotalGoals", "League + cup goals", W, 10),
    F(3, 320, "BirthDate", "Date of Birth", D, 10),
    F(3, 321, "Age", "Players Age", W, 10),
    F(3, 322, "Foreign", "Overseas Player Y/N", T, 10),
    F(3, 323, "Cost", "Players Transfer fee", W, 10),
    F(3, 324, "ClnSheets", "No. of Clean Sheets", W, 10),
    F(3, 325, "Substitutions", "No. of times substituted", W, 10),
    // Squads
    F(4, 400, "Date", "Date of game", D, 9),
    F(4, 401, "HomeTeam", "Name of Home Team", T, 30),
    F(4, 402, "AwayTeam", "Name of away team", T, 30),
    F(4, 403, "Team", "Name of Team", T, 30),
    F(4, 404, "Opponent", "Team name of opponent", T, 30),
    F(4, 405, "Player", "Players name", T, 20),
    F(4, 406, "Position", "Players Position", T, 10),
    F(4, 407, "Squad No.", "Players Squad Number", W, 10),
    F(4, 408, "TimeOn", "Time Player came on", W, 10),
    F(4, 409, "TimeOff", "Time Player went off", W, 10),
    F(4, 410, "Goals", "Number of goals scored", W, 7),
    F(4, 411, "OwnGoals", "Own Goals scored", W, 8),
    F(4, 412, "AppType", "Type of appearance", T, 8),
    F(4, 413, "Yellows", "Number of yellow cards", W, 8),
    F(4, 414, "SentOff", "Sent off Y/N", T, 8),
    F(4, 415, "Rating", "Performance Rating", R, 8),
    F(4, 416, "MinsPlay", "Minutes in play", W, 8),
    F(4, 417, "Referee", "Name of match referee", T, 50),
    F(4, 418, "BirthDate", "Date of Birth", D, 10),
    F(4, 419, "Age", "Age when game played", W, 10),
    F(4, 420, "Foreign", "Overseas Player Y/N", T, 10),
    F(4, 421, "Cost", "Players Transfer fee", W, 10),
};

constexpr std::array<const char*, kQueryTabCount> kTabCaptions = {"Teams", "Games", "Goals", "Players",
                                                                  "Squads"};

} // namespace

std::span<const QueryField> Catalogue() {
    return kFields;
}

const QueryField* FindField(int tab, int id) {
    for (const QueryField& f : kFields)
        if (f.Tab == tab && f.Id == id)
            return &f;
    return nullptr;
}

std::vector<const QueryField*> TabFields(int tab) {
    std::vector<const QueryField*> out;
    for (const QueryField& f : kFields)
        if (f.Tab == tab)
            out.push_back(&f);
    return out;
}

const char* TabCaption(int tab) {
    return tab >= 0 && tab < kQueryTabCount ? kTabCaptions[static_cast<std::size_t>(tab)] : "";
}

std::optional<int> TabFromName(std::string_view name) {
    for (int t = 0; t < kQueryTabCount; ++t)
        if (CompareNoCase(name, kTabCaptions[static_cast<std::size_t>(t)]) == 0)
            return t;
    return std::nullopt;
}

} // namespace gorlin
