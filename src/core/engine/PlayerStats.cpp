#include "core/engine/PlayerStats.h"

#include "core/engine/Standings.h"
#include "core/engine/StatsLookup.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr std::array<const char*, 10> kBarLabels = {
    "Total:",       "First half:",  "Second half:", "Home:",      "Away:",
    "Pens Scored:", "Pens Missed:", "Hat Tricks:",  "Own Goals:", "Most in Game:"};

const char* TypeText(int type) {
    switch (type) {
    case kStarted:
        return "Started";
    case kSub:
        return "Sub";
    case kBench:
        return "Bench";
    default:
        return "n/a";
    }
}

} // namespace

const std::vector<std::string>& PlayerMatchHeadings() {
    static const std::vector<std::string> headings = {"Com", "Date", "Teams", "Gls", "Type"};
    return headings;
}

const std::vector<std::string>& PlayerMatchDetailHeadings() {
    static const std::vector<std::string> headings = {"Com",      "Date",      "Teams",    "Gls",
                                                      "Type",     "Time on",   "Time off", "Yellow Cards",
                                                      "Red Card", "Penalties", "Rating"};
    return headings;
}

std::string RatingText(int rating) {
    std::string text = std::to_string(rating / 10);
    if (rating % 10 != 0)
        text += "." + std::to_string(rating % 10);
    return text;
}

std::string AverageRatingText(int total, int games, const Locale& locale) {
    if (games <= 0 || total <= 0)
        return "0" + std::string(1, locale.DecimalSeparator) + "00";
    // The average is total / (10 * games); two significant digits, rounded half up.
    const long long t = total;
    const long long g = games;
    long long hundredths = 0;
    if (t >= 100 * g)
        hundredths = (t + 5 * g) / (10 * g) * 100; // 10 and more: whole numbers
    else if (t >= 10 * g)
        hundredths = (2 * t + g) / (2 * g) * 10; // 1 to 10: tenths
    else
        hundredths = (20 * t + g) / (2 * g); // below 1: hundredths
    std::string cents = std::to_string(hundredths % 100);
    if (cents.size() < 2)
        cents.insert(0, "0");
    return std::to_string(hundredths / 100) + locale.DecimalSeparator + cents;
}

int FindPlayer(const League& league, std::string_view name, int team) {
    const int players = PlayerLimit(league);
    for (int p = 1; p <= players; ++p) {
        const PlayerRec& player = league.Players[static_cast<std::size_t>(p)];
        if (player.Name.view() == name && (team < 0 || player.Team == team))
            return p;
    }
    return 0;
}

void SortPlayerMatches(std::vector<PlayerMatchRow>& rows, int key) {
    if (key < 1 || key > 5)
        return;
    std::stable_sort(rows.begin(), rows.end(), [key](const PlayerMatchRow& a, const PlayerMatchRow& b) {
        switch (key) {
        case 1:
            if (a.Comp != b.Comp)
                return a.Comp < b.Comp;
            break;
        case 3:
            if (a.HomeTeam != b.HomeTeam)
                return a.HomeTeam < b.HomeTeam;
            break;
        case 4:
            if (a.Goals != b.Goals)
                return a.Goals > b.Goals;
            break;
        case 5:
            if (a.Type != b.Type)
                return a.Type > b.Type;
            break;
        default:
            break;
        }
        return a.Date > b.Date;
    });
}

PlayerStatsData BuildData(const League& league, int player, int gameType, const Locale& locale, int sortKey) {
    PlayerStatsData d;
    d.Player = player;
    d.SortKey = sortKey;
    const PlayerRec* rec = PlayerAt(league, player);
    if (rec)
        d.Caption =
            "Statistics for " + rec->Name.str() + " (" + std::string(TeamName(league, rec->Team)) + ")";

    const std::vector<char> passes = PassingGames(league, gameType);
    const int half = league.Head.HalfLength;
    // Row of each game in Matches, plus one; 0 = none yet.
    std::vector<int> rowOf(passes.size(), 0);
    auto rowFor = [&](int g) -> PlayerMatchRow& {
        int& at = rowOf[static_cast<std::size_t>(g)];
        if (at == 0) {
            PlayerMatchRow row;
            row.Game = g;
            d.Matches.push_back(row);
            at = static_cast<int>(d.Matches.size());
        }
        return d.Matches[static_cast<std::size_t>(at - 1)];
    };

    if (rec) {
        const int goals = GoalLimit(league);
        for (int i = 1; i <= goals; ++i) {
            const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
            if (goal.Scorer != player || !Passes(passes, goal.Game))
                continue;
            d.GoalList.push_back(i);
            if (goal.OwnGoal) {
                ++d.OwnGoals;
                continue;
            }
            ++d.Goals;
            d.PensScored += goal.Penalty ? 1 : 0;
            if (goal.TeamFor == league.Games[goal.Game].HomeTeam)
                ++d.HomeGoals;
            else
                ++d.AwayGoals;
            if (goal.Minute > 0 && goal.Minute <= half)
                ++d.FirstHalf;
            else if (goal.Minute > half)
                ++d.SecondHalf;
        }
        std::stable_sort(d.GoalList.begin(), d.GoalList.end(), [&](int a, int b) {
            const GoalRec& x = league.Goals[static_cast<std::size_t>(a)];
            const GoalRec& y = league.Goals[static_cast<std::size_t>(b)];
            const int dx = GameDay(league.Games[x.Game]);
            const int dy = GameDay(league.Games[y.Game]);
            if (dx != dy)
                return dx < dy;
            return x.Minute < y.Minute;
        });
        for (const int i : d.GoalList) {
            const GoalRec& goal = league.Goals[static_cast<std::size_t>(i)];
            PlayerMatchRow& row = rowFor(goal.Game);
            if (!goal.OwnGoal) {
                ++row.Goals;
                row.Pens += goal.Penalty ? 1 : 0;
            }
        }

        const int squads = SquadLimit(league);
        for (int s = 1; s <= squads; ++s) {
            const SquadRec& squad = league.Squads[static_cast<std::size_t>(s)];
            if (!Passes(passes, squad.Game))
                continue;
            for (int k = 1; k <= kSquadEntries; ++k) {
                const SquadEntry& e = squad.Entries[k - 1];
                if (e.Player != player)
                    continue;
                PlayerMatchRow& row = rowFor(squad.Game);
                row.Type = e.TimeOn == 0 && e.TimeOff == 0 ? kBench : e.TimeOn > 0 ? kSub : kStarted;
                row.Squad = s;
                row.Entry = k;
                d.InSquad = true;
                d.Yellow += (e.Yellow1 ? 1 : 0) + (e.Yellow2 ? 1 : 0);
                d.Red += e.Red ? 1 : 0;
                if (e.Rating > 0) {
                    d.BestRating = d.RatedGames == 0 ? e.Rating : std::max<int>(d.BestRating, e.Rating);
                    d.WorstRating = d.RatedGames == 0 ? e.Rating : std::min<int>(d.WorstRating, e.Rating);
                    ++d.RatedGames;
                    d.RatingTotal += e.Rating;
                }
            }
        }

        const int missed = std::min<int>(league.Head.MissedPenCount, kMaxMissedPens);
        for (int i = 1; i <= missed; ++i) {
            const MissedPenRec& pen = league.MissedPens[static_cast<std::size_t>(i)];
            if (pen.Player != player || !Passes(passes, pen.Game))
                continue;
            ++d.PensMissed;
            rowFor(pen.Game);
        }
    }

    for (PlayerMatchRow& row : d.Matches) {
        const GameRec& game = league.Games[static_cast<std::size_t>(row.Game)];
        d.HatTricks += row.Goals > 2 ? 1 : 0;
        d.MostInGame = std::max(d.MostInGame, row.Goals);
        row.Comp = game.Comp;
        row.Date = GameDay(game);
        row.HomeTeam = game.HomeTeam;
        const std::string_view comp = game.Comp <= kMaxComps ? league.Comps[game.Comp].ShortName.view() : "";
        std::string teams(TeamName(league, game.HomeTeam));
        teams.append(" v ").append(TeamName(league, game.AwayTeam));
        row.Cells = {std::string(comp), DateText(row.Date, locale), std::move(teams),
                     std::to_string(row.Goals), TypeText(row.Type)};
        row.Details.Penalties = std::to_string(row.Pens);
        if (row.Squad != 0) {
            const SquadEntry& e = league.Squads[static_cast<std::size_t>(row.Squad)].Entries[row.Entry - 1];
            row.Details.TimeOn = std::to_string(e.TimeOn);
            row.Details.TimeOff = std::to_string(e.TimeOff);
            row.Details.YellowCards = std::to_string((e.Yellow1 ? 1 : 0) + (e.Yellow2 ? 1 : 0));
            if (e.Red)
                row.Details.RedCard = "Yes";
            if (e.Rating > 0)
                row.Details.Rating = RatingText(e.Rating);
        }
    }
    SortPlayerMatches(d.Matches, sortKey);

    d.BarValues = {d.Goals,      d.FirstHalf,  d.SecondHalf, d.HomeGoals, d.AwayGoals,
                   d.PensScored, d.PensMissed, d.HatTricks,  d.OwnGoals,  d.MostInGame};
    for (std::size_t i = 0; i < d.Bars.size(); ++i)
        d.Bars[i] = {kBarLabels[i], std::to_string(d.BarValues[i])};
    d.lbYellow = d.InSquad ? std::to_string(d.Yellow) : "n/a";
    d.lbRed = d.InSquad ? std::to_string(d.Red) : "n/a";
    if (d.RatedGames > 0) {
        d.labRatWorst = RatingText(d.WorstRating);
        d.labRatBest = RatingText(d.BestRating);
        d.labRatAve = AverageRatingText(d.RatingTotal, d.RatedGames, locale);
    } else {
        d.labRatWorst = d.labRatBest = d.labRatAve = "n/a";
    }
    return d;
}

std::vector<Shape> DrawGoalTotals(const PlayerStatsData& data, int width, int height,
                                  const TextMeasure& measure) {
    std::vector<Shape> out;
    constexpr int kPoints = 8;
    const int largest = std::max({data.Goals, data.OwnGoals, data.PensMissed, 1});
    const int unit = std::max(0, width - measure.Width(" 99", kPoints) - 4) / largest;
    const int rowHeight = std::max(0, height) / 10;
    const int barHeight = std::max(1, rowHeight - 4);
    for (std::size_t i = 0; i < data.BarValues.size(); ++i) {
        const int value = data.BarValues[i];
        const int length = value * unit * (i == 7 ? 3 : 1); // the hat-tricks bar counts goals
        const int y = static_cast<int>(i) * rowHeight + (rowHeight - barHeight) / 2;
        if (length > 0)
            out.push_back(Shape::MakeRect(0, y, length, y + barHeight, i % 2 == 0 ? kBlue : kRed));
        const int x = length + (value != 0 ? 4 : 0);
        Shape text = Shape::MakeText(x, y, std::max(x, width), y + barHeight, std::to_string(value), kPoints);
        text.Filled = true;
        text.Fill = kButtonFace;
        out.push_back(text);
    }
    return out;
}

} // namespace gorlin
