#include <cmath>
#include <cstdint>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/Cli.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

namespace gorlin::cli {

const char* const kDumpUsage =
    "Usage: gorlin-cli dump FILE\n"
    "\n"
    "Loads the league file (converting an older layout as the program does) and prints it as\n"
    "JSON: \"DivHead\" with every header field, \"LoadedVersion\", and the arrays \"Teams\",\n"
    "\"Games\", \"Goals\", \"Players\", \"Squads\" (each with its 18 \"Entries\"), \"Comps\",\n"
    "\"TeamSels\" (\"Name\" and \"Members\", the member team numbers), \"Referees\" and\n"
    "\"MissedPens\" holding entries 1 to their count. Fields carry the record field names;\n"
    "texts are UTF-8, dates are day numbers (day 0 = 30 December 1899).\n"
    "\n"
    "Exit status: 0 on success, 1 when the file cannot be read or is damaged (reason on\n"
    "standard error), 2 on a usage error.\n";

namespace {

using Json = nlohmann::ordered_json;

template <std::size_t N>
std::string Text(const PString<N>& s) {
    return Win1252ToUtf8(s.view());
}

/// A day number: whole days as an integer, anything else as it is stored.
Json Day(double date) {
    if (std::isfinite(date) && date == std::floor(date) && std::fabs(date) < 1e15)
        return static_cast<std::int64_t>(date);
    return date;
}

Json Head(const DivHead& h) {
    Json j;
    j["Signature"] = Text(h.Signature);
    j["Version"] = h.Version;
    j["TableName"] = Text(h.TableName);
    j["TeamCount"] = h.TeamCount;
    j["GameCount"] = h.GameCount;
    j["GoalCount"] = h.GoalCount;
    j["PlayerCount"] = h.PlayerCount;
    j["TrackGoals"] = h.TrackGoals;
    j["WinPoints"] = h.WinPoints;
    j["Relegated"] = h.Relegated;
    j["Promoted"] = h.Promoted;
    j["OwnTeam"] = h.OwnTeam;
    j["SortRules"] = Text(h.SortRules);
    j["PlayOffs"] = h.PlayOffs;
    j["CompCount"] = h.CompCount;
    j["CupGameCount"] = h.CupGameCount;
    j["SquadCount"] = h.SquadCount;
    j["TeamSize"] = h.TeamSize;
    j["DrawPoints"] = h.DrawPoints;
    j["OtherTeamCount"] = h.OtherTeamCount;
    j["GameType"] = h.GameType;
    j["TeamSelCount"] = h.TeamSelCount;
    j["RelPlayOffs"] = h.RelPlayOffs;
    j["RefereeCount"] = h.RefereeCount;
    j["LossPoints"] = h.LossPoints;
    j["MissedPenCount"] = h.MissedPenCount;
    j["HalfLength"] = h.HalfLength;
    j["VersionId"] = h.VersionId;
    j["TimesToPlay"] = h.TimesToPlay;
    j["UpdateAddress"] = Text(h.UpdateAddress);
    return j;
}

Json Team(const TeamRec& t) {
    return Json{{"Name", Text(t.Name)}, {"PointsAdjust", t.PointsAdjust}, {"Increment", t.Increment}};
}

Json Game(const GameRec& g) {
    Json j;
    j["Played"] = g.Played;
    j["HomeTeam"] = g.HomeTeam;
    j["AwayTeam"] = g.AwayTeam;
    j["HomeGoals"] = g.HomeGoals;
    j["AwayGoals"] = g.AwayGoals;
    j["Date"] = Day(g.Date);
    j["Attendance"] = g.Attendance;
    j["Predicted"] = g.Predicted;
    j["HomeSquad"] = g.HomeSquad;
    j["AwaySquad"] = g.AwaySquad;
    j["Comp"] = g.Comp;
    j["Comment"] = Text(g.Comment);
    j["Referee"] = g.Referee;
    j["Awarded"] = g.Awarded;
    j["Outcome"] = g.Outcome;
    return j;
}

Json Goal(const GoalRec& g) {
    return Json{{"Game", g.Game},     {"TeamFor", g.TeamFor}, {"Scorer", g.Scorer},
                {"Minute", g.Minute}, {"OwnGoal", g.OwnGoal}, {"Penalty", g.Penalty}};
}

Json Player(const PlayerRec& p) {
    return Json{{"Name", Text(p.Name)},     {"Team", p.Team},       {"Position", p.Position},
                {"SquadNo", p.SquadNo},     {"BirthDate", p.BirthDate}, {"Foreign", p.Foreign},
                {"Cost", p.Cost}};
}

Json Squad(const SquadRec& s) {
    Json entries = Json::array();
    for (const SquadEntry& e : s.Entries)
        entries.push_back(Json{{"Player", e.Player}, {"TimeOn", e.TimeOn}, {"TimeOff", e.TimeOff},
                               {"Yellow1", e.Yellow1}, {"Yellow2", e.Yellow2}, {"Red", e.Red},
                               {"Rating", e.Rating}});
    return Json{{"Game", s.Game}, {"Team", s.Team}, {"Entries", std::move(entries)}};
}

Json TeamSel(const TeamSelRec& s) {
    Json members = Json::array();
    for (int t = 1; t <= kMaxTeams; ++t)
        if (s.IsMember(t))
            members.push_back(t);
    return Json{{"Name", Text(s.Name)}, {"Members", std::move(members)}};
}

/// Entries 1..count of an array, each made by fn.
template <typename Array, typename Fn>
Json Entries(const Array& array, int count, Fn fn) {
    Json list = Json::array();
    for (int i = 1; i <= count && static_cast<std::size_t>(i) < array.size(); ++i)
        list.push_back(fn(array[static_cast<std::size_t>(i)]));
    return list;
}

} // namespace

int RunDump(const Invocation& inv, std::ostream& out, std::ostream& err) {
    if (inv.Args.size() != 1) {
        err << "gorlin-cli dump: " << (inv.Args.empty() ? "no league file given" : "one league file only")
            << '\n'
            << kDumpUsage;
        return kExitUsage;
    }
    const std::string& file = inv.Args.front();
    auto loaded = LoadLeague(file);
    if (!loaded) {
        err << "gorlin-cli dump: " << file << ": " << loaded.error().Message << '\n';
        return kExitFailure;
    }
    const League& l = *loaded;
    const DivHead& h = l.Head;
    Json j;
    j["DivHead"] = Head(h);
    j["LoadedVersion"] = l.LoadedVersion;
    j["Teams"] = Entries(l.Teams, l.AllTeamCount(), Team);
    j["Games"] = Entries(l.Games, l.AllGameCount(), Game);
    j["Goals"] = Entries(l.Goals, h.GoalCount, Goal);
    j["Players"] = Entries(l.Players, h.PlayerCount, Player);
    j["Squads"] = Entries(l.Squads, h.SquadCount, Squad);
    j["Comps"] = Entries(l.Comps, h.CompCount,
                         [](const CompRec& c) { return Json{{"Name", Text(c.Name)}, {"ShortName", Text(c.ShortName)}}; });
    j["TeamSels"] = Entries(l.TeamSels, h.TeamSelCount, TeamSel);
    j["Referees"] = Entries(l.Referees, h.RefereeCount, [](const RefereeRec& r) { return Json{{"Name", Text(r.Name)}}; });
    j["MissedPens"] = Entries(l.MissedPens, h.MissedPenCount, [](const MissedPenRec& m) {
        return Json{{"Game", m.Game}, {"Player", m.Player}, {"Team", m.Team}, {"Minute", m.Minute}};
    });
    out << j.dump(2) << '\n';
    return kExitOk;
}

} // namespace gorlin::cli
