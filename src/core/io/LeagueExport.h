#pragma once

#include "core/edit/TeamList.h"
#include "core/engine/TableView.h"
#include "core/io/ExportLines.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <array>
#include <string>
#include <vector>

namespace gorlin {

/// The sections of the league export, in the order they are written.
enum class ExportSection { Table, ShortResults, FullResults, Fixtures, Grid, Scorers, Players };
inline constexpr int kExportSectionCount = 7;

/// The first item of the team chooser, standing for all teams.
inline constexpr const char* kExportAllTeams = "*** All Teams ***";

/// What one league export writes.
struct LeagueExportOptions {
    ExportFormat Format = ExportFormat::Csv;
    std::array<bool, kExportSectionCount> Sections{};
    int FromDate = 0; // games dated from .. to, both included
    int ToDate = 0;
    int GameType = 0; // 0 league games, 1 league and cup, k >= 2 competition k - 1 only
    int Team = 0;     // 0 all teams
    std::string TableTag = "<TABLE BORDER>";
    std::array<std::string, 10> Positions{}; // position names by number (settings)

    bool Has(ExportSection s) const { return Sections[static_cast<std::size_t>(s)]; }
    void Set(ExportSection s, bool on) { Sections[static_cast<std::size_t>(s)] = on; }
};

/// The date range an export dialog opens with: From is the earliest played game's date, or
/// today when that is earlier or nothing is played; To is the latest date of any game, so
/// dated fixtures are in range (today when no game has a date).
struct ExportDates {
    int From = 0;
    int To = 0;
};
ExportDates DefaultExportDates(const League& league, int today);

/// Number of matches grids the league gives: 1 when its league games are twice the pairs of
/// league teams, 2 when four times, else 0 (the section cannot be chosen).
int MatchesGridCount(const League& league);

/// The team chooser: "*** All Teams ***" (team 0), then every league and other team by name.
std::vector<TeamListItem> ExportTeamItems(const League& league);

/// "Match Results(Full)" is written in HTML only: while it is chosen the format is HTML.
inline bool FormatLocked(const LeagueExportOptions& o) {
    return o.Has(ExportSection::FullResults);
}

/// True when at least one section is chosen ("&Export" is enabled).
bool AnySection(const LeagueExportOptions& o);

/// Writes the chosen sections, an empty line apart. `table` is the league table as shown (its
/// rows are copied cell by cell, column A giving the row number). Texts are Windows-1252.
/// A section that cannot be written for the league (a grid the games do not allow, full
/// results outside HTML) is skipped.
void WriteLeagueExport(const League& league, const TableViewData& table, const LeagueExportOptions& options,
                       const Locale& locale, LineSink& sink);

} // namespace gorlin
