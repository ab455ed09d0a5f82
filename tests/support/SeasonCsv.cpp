#include "support/SeasonCsv.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"
#include "support/LeagueBuilder.h"

#include <algorithm>
#include <fstream>

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
    auto rows = ReadCsv(results); // the header line goes with the short rows
    if (!rows.empty())
        rows.front().clear();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const auto& row) { return row.size() < 5; }),
               rows.end());
    std::vector<std::string> names;
    for (const auto& row : rows)
        for (std::size_t k = 1; k <= 2; ++k)
            if (std::find(names.begin(), names.end(), Utf8ToWin1252(row[k])) == names.end())
                names.push_back(Utf8ToWin1252(row[k]));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    const auto index = [&names](const std::string& name) {
        return static_cast<int>(std::find(names.begin(), names.end(), Utf8ToWin1252(name)) - names.begin()) +
               1;
    };
    LeagueBuilder b;
    b.Teams(names).Points(3, 1, 0).Rules(sortRules);
    for (const auto& row : rows)
        b.Played(index(row[1]), index(row[2]), std::stoi(row[3]), std::stoi(row[4]),
                 ParseIsoDate(row[0]).value_or(0));
    League league = b.Build();
    league.Head.TableName = Utf8ToWin1252(tableName);
    const std::size_t pairs = names.size() * (names.size() - 1) / 2;
    if (pairs > 0)
        league.Head.TimesToPlay = static_cast<u8>(league.Head.GameCount / pairs);
    return league;
}

} // namespace gorlin::test
