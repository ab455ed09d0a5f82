#include "core/edit/Fixtures.h"

#include "core/edit/Games.h"
#include "core/engine/Standings.h"
#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace gorlin {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

/// Games the array really holds: 1..G+C, never beyond its storage.
int GameLimit(const League& league) {
    return std::max(0, std::min(league.AllGameCount(), static_cast<int>(league.Games.size()) - 1));
}

/// Replaces each "%s" of a message, in turn, by the given texts.
std::string FillIn(std::string_view message, std::initializer_list<std::string_view> texts) {
    std::string out;
    auto next = texts.begin();
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '%' && i + 1 < message.size() && message[i + 1] == 's' && next != texts.end()) {
            out += *next++;
            ++i;
        } else {
            out += message[i];
        }
    }
    return out;
}

void SetGoals(League& league, int game, int homeGoals, int awayGoals) {
    GameRec& g = league.Games[At(game)];
    g.HomeGoals = static_cast<u8>(homeGoals);
    g.AwayGoals = static_cast<u8>(awayGoals);
    UpdateGameEx(league, game);
}

} // namespace

bool IsFixture(const League& league, int game) {
    return game >= 1 && game <= GameLimit(league) && !league.Games[At(game)].Played;
}

bool IsLeagueGame(const League& league, int game) {
    return game >= 1 && game <= league.GameCount();
}

std::string FixtureRow::Cell(int column) const {
    switch (column) {
    case kFixComp:
        return CompName;
    case kFixDate:
        return DateText;
    case kFixHomeTeam:
        return HomeTeam;
    case kFixAwayTeam:
        return AwayTeam;
    case kFixHomeGoals:
        return std::to_string(HomeGoals);
    case kFixAwayGoals:
        return std::to_string(AwayGoals);
    default:
        return {};
    }
}

FixtureRow MakeFixtureRow(const League& league, int game, const Locale& locale) {
    FixtureRow row;
    row.Game = game;
    if (game < 1 || game > GameLimit(league))
        return row;
    const GameRec& g = league.Games[At(game)];
    row.Predicted = g.Predicted != 0;
    row.Cup = !IsLeagueGame(league, game);
    row.Comp = g.Comp;
    row.Date = GameDay(g);
    row.HomeGoals = g.HomeGoals;
    row.AwayGoals = g.AwayGoals;
    if (g.Comp <= league.Head.CompCount && g.Comp <= kMaxComps)
        row.CompName = league.Comps[g.Comp].ShortName.str();
    row.DateText = row.Date == 0 ? std::string() : FormatShortDate(row.Date, locale);
    row.HomeTeam = TeamName(league, g.HomeTeam);
    row.AwayTeam = TeamName(league, g.AwayTeam);
    return row;
}

FixtureList ListFixtures(const League& league, int team, int sortColumn, const Locale& locale) {
    FixtureList list;
    list.SortColumn = (sortColumn >= 0 && sortColumn < kFixtureColumnCount) ? sortColumn : kFixDate;
    const int games = GameLimit(league);
    for (int g = 1; g <= games; ++g) {
        const GameRec& game = league.Games[At(g)];
        if (game.Played)
            continue;
        if (team != 0 && game.HomeTeam != team && game.AwayTeam != team)
            continue;
        list.Rows.push_back(MakeFixtureRow(league, g, locale));
    }
    SortFixtureRows(list.Rows, list.SortColumn);
    const bool anyCup =
        std::any_of(list.Rows.begin(), list.Rows.end(), [](const FixtureRow& r) { return r.Cup; });
    list.DeleteEnabled = anyCup || league.Head.TimesToPlay == 0;
    return list;
}

void SortFixtureRows(std::vector<FixtureRow>& rows, int column) {
    auto sortBy = [&rows](auto less) { std::stable_sort(rows.begin(), rows.end(), less); };
    using R = const FixtureRow&;
    switch (column) {
    case kFixPredicted:
        sortBy([](R a, R b) {
            if (a.Predicted != b.Predicted)
                return a.Predicted;
            return a.SortDate() < b.SortDate();
        });
        break;
    case kFixComp:
        sortBy([](R a, R b) {
            if (a.Comp != b.Comp)
                return a.Comp < b.Comp;
            return a.SortDate() < b.SortDate();
        });
        break;
    case kFixHomeTeam:
        sortBy([](R a, R b) {
            if (a.HomeTeam != b.HomeTeam)
                return a.HomeTeam < b.HomeTeam;
            return a.AwayTeam < b.AwayTeam;
        });
        break;
    case kFixAwayTeam:
        sortBy([](R a, R b) {
            if (a.AwayTeam != b.AwayTeam)
                return a.AwayTeam < b.AwayTeam;
            return a.HomeTeam < b.HomeTeam;
        });
        break;
    case kFixHomeGoals:
        sortBy([](R a, R b) {
            if (a.HomeGoals != b.HomeGoals)
                return a.HomeGoals > b.HomeGoals;
            return a.SortDate() < b.SortDate();
        });
        break;
    case kFixAwayGoals:
        sortBy([](R a, R b) {
            if (a.AwayGoals != b.AwayGoals)
                return a.AwayGoals > b.AwayGoals;
            return a.SortDate() < b.SortDate();
        });
        break;
    default:
        sortBy([](R a, R b) {
            if (a.SortDate() != b.SortDate())
                return a.SortDate() < b.SortDate();
            return a.HomeTeam < b.HomeTeam;
        });
        break;
    }
}

FixtureMenuState FixtureMenu(const League& league, int game) {
    FixtureMenuState menu;
    if (!IsFixture(league, game))
        return menu;
    const int times = league.Head.TimesToPlay;
    menu.SetScore = true;
    menu.SetDate = true;
    menu.ClearDate = GameDay(league.Games[At(game)]) != 0;
    menu.SwapTeams = times % 2 == 1;
    menu.DeleteFixture = !IsLeagueGame(league, game) || times == 0;
    return menu;
}

bool TogglePredicted(League& league, int game) {
    if (!IsFixture(league, game))
        return false;
    GameRec& g = league.Games[At(game)];
    g.Predicted = g.Predicted ? 0 : 1;
    league.DataChanged = true;
    return true;
}

bool SpinPredictedGoals(League& league, int game, bool homeSide, bool up) {
    if (!IsFixture(league, game))
        return false;
    GameRec& g = league.Games[At(game)];
    int home = g.HomeGoals;
    int away = g.AwayGoals;
    int& goals = homeSide ? home : away;
    if (up ? goals >= kSpinGoalsMax : goals <= 0)
        return false;
    goals += up ? 1 : -1;
    if (up)
        g.Predicted = 1;
    SetGoals(league, game, home, away);
    league.DataChanged = true;
    return true;
}

int SetDatePreset(const League& league, int game, int lastFixtureDate) {
    if (!IsFixture(league, game))
        return lastFixtureDate;
    const int day = GameDay(league.Games[At(game)]);
    return day != 0 ? day : lastFixtureDate;
}

bool SetFixtureDate(League& league, int game, int chosenDay, int& lastFixtureDate) {
    if (!IsFixture(league, game))
        return false;
    if (chosenDay == 0)
        return true;
    league.Games[At(game)].Date = chosenDay;
    lastFixtureDate = chosenDay;
    league.DataChanged = true;
    return true;
}

bool DateFixtureByDoubleClick(League& league, int game, int lastFixtureDate) {
    if (!IsFixture(league, game))
        return false;
    GameRec& g = league.Games[At(game)];
    if (GameDay(g) == 0 && lastFixtureDate != 0) {
        g.Date = lastFixtureDate;
        league.DataChanged = true;
    }
    return true;
}

bool ClearFixtureDate(League& league, int game) {
    if (!IsFixture(league, game))
        return false;
    league.Games[At(game)].Date = 0;
    league.DataChanged = true;
    return true;
}

bool SwapFixtureTeams(League& league, int game) {
    if (!FixtureMenu(league, game).SwapTeams)
        return false;
    GameRec& g = league.Games[At(game)];
    std::swap(g.HomeTeam, g.AwayTeam);
    std::swap(g.HomeGoals, g.AwayGoals);
    const u16 homeSquad = g.HomeSquad; // packed fields: copy, never bind
    g.HomeSquad = g.AwaySquad;
    g.AwaySquad = homeSquad;
    UpdateGameEx(league, game);
    league.DataChanged = true;
    return true;
}

void ClearPredictions(League& league) {
    const int games = std::min(league.GameCount(), GameLimit(league));
    for (int g = 1; g <= games; ++g) {
        GameRec& game = league.Games[At(g)];
        if (game.Played)
            continue;
        game.Predicted = 0;
        SetGoals(league, g, 0, 0);
    }
    league.DataChanged = true;
}

Expected<std::string> DeleteFixturePrompt(const League& league, int game) {
    if (!IsFixture(league, game))
        return Error{}; // nothing selected: a beep
    if (IsLeagueGame(league, game) && league.Head.TimesToPlay != 0)
        return Error{kMsgCannotDeleteLeagueFixture};
    const GameRec& g = league.Games[At(game)];
    return FillIn(kMsgConfirmDeleteFixture, {TeamName(league, g.HomeTeam), TeamName(league, g.AwayTeam)});
}

Status DeleteFixture(League& league, int game) {
    if (auto prompt = DeleteFixturePrompt(league, game); !prompt)
        return Status::Failure(prompt.error().Message);
    RemoveGame(league, game);
    league.DataChanged = true;
    return Status::Success();
}

Expected<int> AddFixture(League& league, int comp, int homeTeam, int date, int awayTeam) {
    const bool leagueGame = comp == 0;
    const int lastTeam = leagueGame ? league.TeamCount() : league.AllTeamCount();
    auto validTeam = [&](int t) {
        return t >= 1 && t <= lastTeam && At(t) < league.Teams.size() && t <= 255;
    };
    if (comp < 0 || comp > league.Head.CompCount || comp > kMaxComps || !validTeam(homeTeam) ||
        !validTeam(awayTeam))
        return Error{kMsgFixtureNotInLeague};
    if (homeTeam == awayTeam)
        return Error{kMsgTeamsMustDiffer};
    const Expected<int> slot = InsertGame(league, comp);
    if (!slot)
        return slot.error();
    const int index = *slot;
    GameRec g{};
    g.HomeTeam = static_cast<u8>(homeTeam);
    g.AwayTeam = static_cast<u8>(awayTeam);
    g.Date = date;
    g.Comp = static_cast<u8>(comp);
    league.Games[At(index)] = g;
    UpdateGameEx(league, index);
    league.DataChanged = true;
    return index;
}

AddFixtureChoices AddFixtureCompetitions(const League& league) {
    AddFixtureChoices choices;
    choices.LeagueListed = league.Head.TimesToPlay == 0;
    const int first = choices.LeagueListed ? 0 : 1;
    const int last = std::min<int>(league.Head.CompCount, kMaxComps);
    for (int c = first; c <= last; ++c)
        choices.Competitions.push_back(league.Comps[At(c)].Name.str());
    return choices;
}

std::optional<int> CompetitionOfItem(const League& league, int item) {
    const AddFixtureChoices choices = AddFixtureCompetitions(league);
    if (item < 0 || At(item) >= choices.Competitions.size())
        return std::nullopt;
    return choices.LeagueListed ? item : item + 1;
}

std::vector<TeamListItem> AddFixtureTeams(const League& league, int comp) {
    std::vector<TeamListItem> items = TeamListItems(league);
    items.erase(items.begin()); // " [All Teams]"
    if (comp == 0)
        std::erase_if(items, [&](const TeamListItem& item) { return item.Team > league.TeamCount(); });
    return items;
}

Expected<int> AddFixtureOk(League& league, const AddFixtureInput& input, const Locale& locale) {
    if (input.HomeTeam != 0 && input.HomeTeam == input.AwayTeam)
        return Error{kMsgTeamsMustDiffer};
    const std::optional<int> comp = CompetitionOfItem(league, input.CompetitionItem);
    if (!comp)
        return Error{kMsgNoCompetition};
    const std::vector<TeamListItem> teams = AddFixtureTeams(league, *comp);
    auto listed = [&](int t) {
        return std::any_of(teams.begin(), teams.end(),
                           [t](const TeamListItem& item) { return item.Team == t; });
    };
    if (!listed(input.HomeTeam) || !listed(input.AwayTeam))
        return Error{kMsgBothTeamsNeeded};
    int date = 0;
    if (!Trim(input.DateText).empty()) {
        const std::optional<int> parsed = ParseShortDate(input.DateText, locale);
        if (!parsed || *parsed <= 0)
            return Error{kMsgFixtureDateInvalid};
        date = *parsed;
    }
    return AddFixture(league, *comp, input.HomeTeam, date, input.AwayTeam);
}

std::optional<PredictScoreView> OpenPredictScore(const League& league, int game, int lastChosenDate,
                                                 const Locale& locale) {
    if (!IsFixture(league, game))
        return std::nullopt;
    const GameRec& g = league.Games[At(game)];
    PredictScoreView view;
    view.Heading = TeamName(league, g.HomeTeam) + " v " + TeamName(league, g.AwayTeam);
    view.HomeGoals = std::min<int>(g.HomeGoals, kPredictScoreGoalsMax);
    view.AwayGoals = std::min<int>(g.AwayGoals, kPredictScoreGoalsMax);
    const int day = GameDay(g);
    view.Date = day != 0 ? day : lastChosenDate;
    view.DateText = view.Date == 0 ? std::string() : FormatShortDate(view.Date, locale);
    return view;
}

bool ApplyPredictScore(League& league, int game, int homeGoals, int awayGoals, int date) {
    if (!IsFixture(league, game))
        return false;
    GameRec& g = league.Games[At(game)];
    if (date != 0)
        g.Date = date;
    g.Predicted = 1;
    SetGoals(league, game, std::clamp(homeGoals, 0, kPredictScoreGoalsMax),
             std::clamp(awayGoals, 0, kPredictScoreGoalsMax));
    league.DataChanged = true;
    return true;
}

} // namespace gorlin
