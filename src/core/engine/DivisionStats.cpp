#include "core/engine/DivisionStats.h"

#include "core/engine/Standings.h"
#include "core/model/Dates.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace gorlin {

namespace {

constexpr std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

std::string_view TeamNameOf(const League& league, int team) {
    return At(team) < league.Teams.size() ? league.Teams[At(team)].Name.view() : std::string_view();
}

int RefereeCount(const League& league) {
    return std::min<int>(league.Head.RefereeCount, kMaxReferees);
}

/// Adds the card marks of a squad's filled entries to a referee's counters. Each entry is read
/// as one little-endian word (player in bytes 0-1; Yellow1, Yellow2 and Red in bytes 4-6) whose
/// mark bytes become 0/1 lanes summed side by side: a season of squads takes one short pass.
void AddCards(const League& league, int squad, RefStatsEntry& entry) {
    if (squad < 1 || squad > league.Head.SquadCount)
        return;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const SquadRec& s = league.Squads[At(squad)];
    std::uint64_t lanes = 0; // byte 0 first yellows, byte 1 second yellows, byte 2 reds (18 at most)
    for (const SquadEntry& e : s.Entries) {
        std::uint64_t w = 0;
        std::memcpy(&w, &e, sizeof w);
        const std::uint64_t nonZero = ((((w & kLow7) + kLow7) | w) >> 7) & kOnes; // 1 per non-zero byte
        const std::uint64_t filled = (nonZero | nonZero >> 8) & 1;                // the player's two bytes
        lanes += (nonZero >> 32) & 0x010101 & (0 - filled);
    }
    entry.Yellows += static_cast<int>((lanes & 0xFF) + ((lanes >> 8) & 0xFF));
    entry.Reds += static_cast<int>((lanes >> 16) & 0xFF);
}

/// The games of each list: scores from `highest` down to 3 (only `highest` when it is below 3),
/// in game order within a score, at most kMaxHighScoreItems. `score(g)` reads one side's goals.
template <typename Score>
std::vector<int> HighScoreGames(const std::vector<int>& played, int highest, Score score) {
    // Counting sort of the played games by score, keeping game order within a score.
    std::array<int, 257> start{};
    for (int g : played)
        ++start[At(score(g)) + 1];
    for (std::size_t v = 1; v < start.size(); ++v)
        start[v] += start[v - 1];
    std::vector<int> byScore(played.size());
    std::array<int, 256> next{};
    std::copy(start.begin(), start.end() - 1, next.begin());
    for (int g : played)
        byScore[At(next[At(score(g))]++)] = g;

    std::vector<int> games;
    const int lowest = std::min(highest, 3);
    for (int v = highest; v >= lowest && games.size() < At(kMaxHighScoreItems); --v)
        for (int i = start[At(v)]; i < start[At(v) + 1] && games.size() < At(kMaxHighScoreItems); ++i)
            games.push_back(byScore[At(i)]);
    return games;
}

/// Widest range of days whose texts ItemWriter keeps (over eleven years: any season).
constexpr int kMaxCachedDays = 4096;

/// "date   h-a Home v Away". Formatting a date costs more than the rest of an item and a list
/// repeats each match day many times, so each day's text is formatted once.
class ItemWriter {
public:
    ItemWriter(const League& league, const Locale& locale, const std::vector<int>& games)
        : m_league(league), m_locale(locale) {
        if (games.empty())
            return;
        int first = GameDay(league.Games[At(games[0])]);
        int last = first;
        for (int g : games) {
            const int day = GameDay(league.Games[At(g)]);
            first = std::min(first, day);
            last = std::max(last, day);
        }
        if (static_cast<long long>(last) - first < kMaxCachedDays) {
            m_firstDay = first;
            m_days.resize(At(last - first) + 1);
        }
    }

    HighScoreItem Item(int g) {
        const GameRec& game = m_league.Games[At(g)];
        const std::string& date = DateText(GameDay(game));
        HighScoreItem item;
        item.Game = g;
        item.HomeTeam = game.HomeTeam;
        item.AwayTeam = game.AwayTeam;
        std::string& text = item.Text;
        text.reserve(date.size() + 80);
        text += date;
        text += "   ";
        text += std::to_string(game.HomeGoals);
        text += '-';
        text += std::to_string(game.AwayGoals);
        text += ' ';
        item.HomeNameAt = text.size();
        text += TeamNameOf(m_league, game.HomeTeam);
        text += " v ";
        item.AwayNameAt = text.size();
        text += TeamNameOf(m_league, game.AwayTeam);
        return item;
    }

private:
    const std::string& DateText(int day) {
        const long long offset = static_cast<long long>(day) - m_firstDay;
        if (offset >= 0 && offset < static_cast<long long>(m_days.size())) {
            std::string& text = m_days[static_cast<std::size_t>(offset)];
            if (text.empty())
                text = FormatShortDate(day, m_locale);
            return text;
        }
        m_other = FormatShortDate(day, m_locale);
        return m_other;
    }

    const League& m_league;
    const Locale& m_locale;
    int m_firstDay = 0;
    std::vector<std::string> m_days; // texts of days m_firstDay.., empty until needed
    std::string m_other;
};

/// a.num / a.den compared with b.num / b.den, exactly; a den of 0 stands for the rate 0.
int CompareRates(long long aNum, long long aDen, long long bNum, long long bDen) {
    if (aDen == 0) {
        aNum = 0;
        aDen = 1;
    }
    if (bDen == 0) {
        bNum = 0;
        bDen = 1;
    }
    const long long l = aNum * bDen;
    const long long r = bNum * aDen;
    return l < r ? -1 : (l > r ? 1 : 0);
}

} // namespace

std::string FormatQuotient2(long long num, long long den, const Locale& locale) {
    if (den <= 0 || num < 0)
        return {};
    const long long hundredths = (200 * num + den) / (2 * den);
    const long long frac = hundredths % 100;
    std::string text = std::to_string(hundredths / 100);
    text += locale.DecimalSeparator;
    text += static_cast<char>('0' + frac / 10);
    text += static_cast<char>('0' + frac % 10);
    return text;
}

std::optional<int> RefSortKeyOfHeading(std::string_view heading) {
    for (std::size_t i = 0; i < kRefHeadings.size(); ++i)
        if (heading == kRefHeadings[i])
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

RefStats BuildRefStats(const League& league, bool includeCup) {
    const int referees = RefereeCount(league);
    RefStats stats;
    stats.Entries.assign(At(referees) + 1, RefStatsEntry{});
    for (int r = 1; r <= referees; ++r)
        stats.Order.push_back(r);
    const int last = std::min<int>(includeCup ? league.AllGameCount() : league.GameCount(),
                                   static_cast<int>(league.Games.size()) - 1);
    // The referee each counted game adds to, 0 for games that do not count.
    std::vector<u8> refereeOf(At(std::max(last, 0)) + 1, 0);
    for (int g = 1; g <= last; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (!game.Played || game.Referee == 0 || game.Referee > referees)
            continue;
        refereeOf[At(g)] = game.Referee;
        RefStatsEntry& entry = stats.Entries[game.Referee];
        ++entry.Games;
        AddCards(league, game.HomeSquad, entry);
        AddCards(league, game.AwaySquad, entry);
    }
    const auto refereeOfGame = [&](int g) { return g >= 1 && g <= last ? refereeOf[At(g)] : 0; };
    for (int i = 1; i <= league.Head.GoalCount; ++i) {
        const GoalRec& goal = league.Goals[At(i)];
        if (goal.Penalty)
            if (const int r = refereeOfGame(goal.Game); r != 0)
                ++stats.Entries[At(r)].Pens;
    }
    for (int i = 1; i <= std::min<int>(league.Head.MissedPenCount, kMaxMissedPens); ++i)
        if (const int r = refereeOfGame(league.MissedPens[At(i)].Game); r != 0)
            ++stats.Entries[At(r)].Pens;
    return stats;
}

std::vector<RefGridRow> SortRefStats(RefStats& stats, const League& league, int key, const Locale& locale) {
    const auto name = [&](int r) { return league.Referees[At(r)].Name.view(); };
    const auto entry = [&](int r) -> const RefStatsEntry& { return stats.Entries[At(r)]; };
    const auto countOf = [&](int r) {
        const RefStatsEntry& e = entry(r);
        switch (key) {
        case kRefGames:
            return e.Games;
        case kRefPens:
            return e.Pens;
        case kRefYellows:
            return e.Yellows;
        default:
            return e.Reds;
        }
    };
    // Referees past the table (a stale order) are dropped rather than read.
    std::erase_if(stats.Order,
                  [&](int r) { return r < 1 || At(r) >= stats.Entries.size() || r > kMaxReferees; });
    auto& order = stats.Order;
    switch (key) {
    case kRefName:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return name(a) < name(b); });
        break;
    case kRefGames:
    case kRefPens:
    case kRefYellows:
    case kRefReds:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int ca = countOf(a);
            const int cb = countOf(b);
            return ca != cb ? ca > cb : name(a) < name(b);
        });
        break;
    case kRefYellowRate:
    case kRefRedRate: {
        const bool yellow = key == kRefYellowRate;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const RefStatsEntry& ea = entry(a);
            const RefStatsEntry& eb = entry(b);
            return CompareRates(yellow ? ea.Yellows : ea.Reds, ea.Games, yellow ? eb.Yellows : eb.Reds,
                                eb.Games) > 0;
        });
        break;
    }
    default:
        break;
    }

    std::vector<RefGridRow> rows;
    for (int r : order) {
        const RefStatsEntry& e = entry(r);
        RefGridRow row;
        row.Referee = r;
        row.Cells = {std::string(name(r)),
                     std::to_string(e.Games),
                     std::to_string(e.Pens),
                     std::to_string(e.Yellows),
                     std::to_string(e.Reds),
                     FormatQuotient2(e.Yellows, e.Games, locale),
                     FormatQuotient2(e.Reds, e.Games, locale)};
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        rows.emplace_back();
    return rows;
}

std::vector<std::pair<std::string, std::string>> DivisionStatsData::Edits() const {
    return {{"edDivGames", edDivGames}, {"edHomeGoals", edHomeGoals},   {"edAwayGoals", edAwayGoals},
            {"edTotGoals", edTotGoals}, {"edAveGoals", edAveGoals},     {"edMostGoals", edMostGoals},
            {"edClnShts", edClnShts},   {"edDivHome", edDivHome},       {"edDivAway", edDivAway},
            {"edDivDraws", edDivDraws}, {"edDivScDraws", edDivScDraws}, {"edDivNsDraws", edDivNsDraws}};
}

DivisionStatsData DivisionStats(const League& league, const Locale& locale, int refSortKey) {
    DivisionStatsData data;
    DivisionTotals& t = data.Totals;
    const int last = std::min<int>(league.GameCount(), static_cast<int>(league.Games.size()) - 1);
    std::vector<int> played;
    played.reserve(At(std::max(last, 0)));
    for (int g = 1; g <= last; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (!game.Played)
            continue;
        played.push_back(g);
        const int home = game.HomeGoals;
        const int away = game.AwayGoals;
        ++t.Games;
        t.HomeGoals += home;
        t.AwayGoals += away;
        t.CleanSheets += (home == 0 ? 1 : 0) + (away == 0 ? 1 : 0);
        t.HighestHome = std::max(t.HighestHome, home);
        t.HighestAway = std::max(t.HighestAway, away);
        t.MostGoals = std::max(t.MostGoals, home + away);
        const u8 outcome = game.Outcome;
        if (outcome == 1) {
            ++t.HomeWins;
        } else if (outcome == 2) {
            ++t.AwayWins;
        } else {
            ++t.Draws;
            ++(home > 0 ? t.ScoreDraws : t.NoScoreDraws);
        }
    }

    if (!played.empty()) {
        const auto homeScore = [&](int g) { return static_cast<int>(league.Games[At(g)].HomeGoals); };
        const auto awayScore = [&](int g) { return static_cast<int>(league.Games[At(g)].AwayGoals); };
        const std::vector<int> home = HighScoreGames(played, t.HighestHome, homeScore);
        const std::vector<int> away = HighScoreGames(played, t.HighestAway, awayScore);
        std::vector<int> listed = home;
        listed.insert(listed.end(), away.begin(), away.end());
        ItemWriter writer(league, locale, listed);
        data.HighHome.reserve(home.size());
        for (int g : home)
            data.HighHome.push_back(writer.Item(g));
        data.HighAway.reserve(away.size());
        for (int g : away)
            data.HighAway.push_back(writer.Item(g));
    }

    data.edHomeGoals = std::to_string(t.HomeGoals);
    data.edAwayGoals = std::to_string(t.AwayGoals);
    data.edTotGoals = std::to_string(t.HomeGoals + t.AwayGoals);
    data.edAveGoals =
        t.Games == 0 ? std::string() : FormatQuotient2(t.HomeGoals + t.AwayGoals, t.Games, locale);
    data.edMostGoals = std::to_string(t.MostGoals);
    data.edClnShts = std::to_string(t.CleanSheets);
    data.edDivGames = std::to_string(t.Games);
    data.edDivHome = std::to_string(t.HomeWins);
    data.edDivAway = std::to_string(t.AwayWins);
    data.edDivDraws = std::to_string(t.Draws);
    data.edDivScDraws = std::to_string(t.ScoreDraws);
    data.edDivNsDraws = std::to_string(t.NoScoreDraws);

    data.Referees = BuildRefStats(league, false);
    data.sgDivRefs = SortRefStats(data.Referees, league, refSortKey, locale);
    return data;
}

} // namespace gorlin
