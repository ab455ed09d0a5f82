#include "support/SeasonCsv.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace gorlin::test {

namespace {

std::vector<std::string> SplitLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back().push_back('"');
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back().push_back(c);
        }
    }
    return fields;
}

} // namespace

std::vector<std::vector<std::string>> ReadCsv(const std::filesystem::path& path) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            rows.push_back(SplitLine(line));
    }
    return rows;
}

League BuildSeasonLeague(const std::filesystem::path& results, const std::string& tableName,
                         const std::string& sortRules) {
    const auto rows = ReadCsv(results);
    std::vector<std::string> names;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].size() < 5)
            continue;
        for (int k = 1; k <= 2; ++k) {
            const std::string name = Utf8ToWin1252(rows[r][static_cast<std::size_t>(k)]);
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });

    League league = MakeEmptyLeague();
    league.Head.TableName = Utf8ToWin1252(tableName);
    league.Head.SortRules = sortRules;
    league.Head.WinPoints = 3;
    league.Head.DrawPoints = 1;
    league.Head.LossPoints = 0;
    league.Teams.resize(1);
    std::map<std::string, int> index;
    for (const std::string& n : names) {
        TeamRec t{};
        t.Name = n;
        league.Teams.push_back(t);
        index[n] = static_cast<int>(league.Teams.size()) - 1;
    }
    league.Head.TeamCount = static_cast<u16>(names.size());

    league.Games.resize(1);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].size() < 5)
            continue;
        GameRec g{};
        g.Played = 1;
        g.HomeTeam = static_cast<u8>(index[Utf8ToWin1252(rows[r][1])]);
        g.AwayTeam = static_cast<u8>(index[Utf8ToWin1252(rows[r][2])]);
        g.HomeGoals = static_cast<u8>(std::stoi(rows[r][3]));
        g.AwayGoals = static_cast<u8>(std::stoi(rows[r][4]));
        g.Date = ParseIsoDate(rows[r][0]).value_or(0);
        league.Games.push_back(g);
    }
    league.Head.GameCount = static_cast<u16>(league.Games.size() - 1);
    GrowTo(league.Games, league.Games.size(), 32);
    const std::size_t pairs = names.size() * (names.size() - 1) / 2;
    if (pairs > 0)
        league.Head.TimesToPlay = static_cast<u8>(league.Head.GameCount / pairs);
    UpdateGameEx(league, 0);
    return league;
}

} // namespace gorlin::test
