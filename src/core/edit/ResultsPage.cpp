#include "core/edit/ResultsPage.h"

#include "core/edit/EditStatus.h"
#include "core/edit/Games.h"
#include "core/edit/ResultChange.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <string_view>

namespace gorlin {

namespace {

constexpr int kUndatedDay = 99999;

int SortDay(const GameRec& game) {
    const int day = GameDay(game);
    return day == 0 ? kUndatedDay : day;
}

std::string_view NameOf(const League& league, int t) {
    if (t < 0 || static_cast<std::size_t>(t) >= league.Teams.size())
        return {};
    return league.Teams[static_cast<std::size_t>(t)].Name.view();
}

/// Negative, 0 or positive as game a sorts before, with or after game b under `column`.
int Compare(const League& league, ResultColumn column, const GameRec& a, const GameRec& b) {
    const auto num = [](long long x, long long y) { return x < y ? -1 : (x > y ? 1 : 0); };
    const auto name = [&league](int x, int y) { return NameOf(league, x).compare(NameOf(league, y)); };
    int c = 0;
    switch (column) {
    case ResultColumn::Com:
        c = num(a.Comp, b.Comp);
        return c != 0 ? c : num(SortDay(a), SortDay(b));
    case ResultColumn::Date:
        c = num(SortDay(a), SortDay(b));
        return c != 0 ? c : name(a.HomeTeam, b.HomeTeam);
    case ResultColumn::Attend:
        c = num(b.Attendance, a.Attendance);
        c = c != 0 ? c : num(SortDay(a), SortDay(b));
        return c != 0 ? c : name(a.HomeTeam, b.HomeTeam);
    case ResultColumn::HomeTeam:
        c = name(a.HomeTeam, b.HomeTeam);
        return c != 0 ? c : name(a.AwayTeam, b.AwayTeam);
    case ResultColumn::AwayTeam:
        c = name(a.AwayTeam, b.AwayTeam);
        return c != 0 ? c : name(a.HomeTeam, b.HomeTeam);
    case ResultColumn::F:
        c = num(b.HomeGoals, a.HomeGoals);
        return c != 0 ? c : num(SortDay(a), SortDay(b));
    case ResultColumn::A:
        c = num(b.AwayGoals, a.AwayGoals);
        return c != 0 ? c : num(SortDay(a), SortDay(b));
    }
    return 0;
}

} // namespace

std::array<std::string, 7> ResultsPage::Cells(const League& league, int g, const Locale& locale) {
    std::array<std::string, 7> cells;
    if (!IsGame(league, g))
        return cells;
    const GameRec& game = league.Games[static_cast<std::size_t>(g)];
    if (game.Comp <= league.Head.CompCount)
        cells[0] = league.Comps[game.Comp].ShortName.str();
    const int day = GameDay(game);
    cells[1] = day == 0 ? std::string() : FormatShortDate(day, locale);
    const u32 attendance = game.Attendance;
    cells[2] = GroupThousands(attendance, locale);
    cells[3] = TeamName(league, game.HomeTeam);
    cells[4] = TeamName(league, game.AwayTeam);
    cells[5] = std::to_string(game.HomeGoals);
    cells[6] = std::to_string(game.AwayGoals);
    return cells;
}

void ResultsPage::Fill(const League& league, int t, const Locale& locale) {
    m_rows.clear();
    const int last = std::min<int>(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1);
    for (int g = 1; g <= last; ++g) {
        const GameRec& game = league.Games[static_cast<std::size_t>(g)];
        if (game.Played != 0 && (t == 0 || game.HomeTeam == t || game.AwayTeam == t))
            m_rows.push_back({g, {}});
    }
    SortBy(league, m_column, locale);
}

void ResultsPage::SortBy(const League& league, ResultColumn column, const Locale& locale) {
    m_column = column;
    std::erase_if(m_rows, [&league](const ResultsPageRow& row) { return !IsGame(league, row.Game); });
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const ResultsPageRow& a, const ResultsPageRow& b) {
        return Compare(league, column, league.Games[static_cast<std::size_t>(a.Game)],
                       league.Games[static_cast<std::size_t>(b.Game)]) < 0;
    });
    for (ResultsPageRow& row : m_rows)
        row.Cells = Cells(league, row.Game, locale);
}

void ResultsPage::RefreshRow(const League& league, int i, const Locale& locale) {
    if (ValidRow(i))
        m_rows[static_cast<std::size_t>(i)].Cells =
            Cells(league, m_rows[static_cast<std::size_t>(i)].Game, locale);
}

bool ResultsPage::ValidRow(int i) const {
    return i >= 0 && static_cast<std::size_t>(i) < m_rows.size() &&
           m_rows[static_cast<std::size_t>(i)].Game != 0;
}

Status ResultsPage::DeleteRow(League& league, int i) {
    if (!ValidRow(i))
        return Beep();
    ResultsPageRow& row = m_rows[static_cast<std::size_t>(i)];
    const int g = row.Game;
    const auto deleted = DeleteResult(league, g);
    if (!deleted)
        return Status::Failure(deleted.error().Message);
    row.Game = 0;
    row.Cells[1] = "n/a";
    if (deleted->Removed)
        for (ResultsPageRow& other : m_rows)
            if (other.Game > g)
                --other.Game;
    return Status::Success();
}

} // namespace gorlin
