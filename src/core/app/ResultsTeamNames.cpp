#include "core/app/ResultsTeamNames.h"

#include "core/model/SafeFile.h"
#include "core/model/Text.h"

#include <optional>
#include <set>

namespace gorlin {
namespace {

/// Splits CSV text into records of fields and hands each non-blank record to `take`, which
/// returns false to stop.
template <typename Take> void ForEachRecord(std::string_view text, Take take) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    bool stopped = false;
    auto finish = [&] {
        if (fields.size() > 1 || !fields[0].empty())
            stopped = !take(fields);
        fields.assign(1, std::string());
    };
    for (std::size_t i = 0; i < text.size() && !stopped; ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                fields.back().push_back(c);
            else if (i + 1 < text.size() && text[i + 1] == '"')
                fields.back().push_back(text[++i]);
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            finish();
        } else if (c != '\r') {
            fields.back().push_back(c);
        }
    }
    if (!stopped)
        finish();
}

} // namespace

Expected<std::vector<std::string>> TeamNamesFromResultsCsv(std::string_view utf8) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (utf8.substr(0, kBom.size()) == kBom)
        utf8.remove_prefix(kBom.size());

    std::size_t homeColumn = 0;
    std::size_t awayColumn = 0;
    int row = 0;
    std::vector<std::string> names;
    std::set<std::string> seen;
    std::optional<Error> error;
    ForEachRecord(utf8, [&](const std::vector<std::string>& fields) {
        if (++row == 1) {
            bool home = false;
            bool away = false;
            for (std::size_t f = 0; f < fields.size(); ++f) {
                const std::string_view name = Trim(fields[f]);
                if (!home && name == "HomeTeam") {
                    homeColumn = f;
                    home = true;
                } else if (!away && name == "AwayTeam") {
                    awayColumn = f;
                    away = true;
                }
            }
            if (!home || !away)
                error = Error{"The results file has no HomeTeam and AwayTeam columns"};
            return !error;
        }
        for (std::size_t column : {homeColumn, awayColumn}) {
            const std::string name =
                column < fields.size() ? Utf8ToWin1252(Trim(fields[column])) : std::string();
            if (name.empty()) {
                error = Error{"Row " + std::to_string(row) + " of the results file lacks a team name"};
                return false;
            }
            if (seen.insert(name).second)
                names.push_back(name);
        }
        return true;
    });
    if (error)
        return *error;
    if (row == 0)
        return Error{"The results file has no HomeTeam and AwayTeam columns"};
    return names;
}

Expected<std::vector<std::string>> ReadResultsTeamNames(const std::filesystem::path& path) {
    Expected<std::string> text = ReadWholeFile(path, kMaxResultsFileSize);
    if (!text)
        return Error{"The results file " + path.string() + " " + text.error().Message};
    return TeamNamesFromResultsCsv(*text);
}

} // namespace gorlin
