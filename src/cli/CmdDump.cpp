#include "cli/Cli.h"
#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <ostream>

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

/// A copy of a packed record field (they cannot bind to references).
template <typename T> T Num(T value) {
    return value;
}

template <std::size_t N> std::string Text(const PString<N>& s) {
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
    j["Version"] = Num(h.Version);
    j["TableName"] = Text(h.TableName);
    j["TeamCount"] = Num(h.TeamCount);
    j["GameCount"] = Num(h.GameCount);
    j["GoalCount"] = Num(h.GoalCount);
    j["PlayerCount"] = Num(h.PlayerCount);
    j["TrackGoals"] = Num(h.TrackGoals);
    j["WinPoints"] = Num(h.WinPoints);
    j["Relegated"] = Num(h.Relegated);
    j["Promoted"] = Num(h.Promoted);
    j["OwnTeam"] = Num(h.OwnTeam);
    j["SortRules"] = Text(h.SortRules);
    j["PlayOffs"] = Num(h.PlayOffs);
    j["CompCount"] = Num(h.CompCount);
    j["CupGameCount"] = Num(h.CupGameCount);
    j["SquadCount"] = Num(h.SquadCount);
    j["TeamSize"] = Num(h.TeamSize);
    j["DrawPoints"] = Num(h.DrawPoints);
    j["OtherTeamCount"] = Num(h.OtherTeamCount);
    j["GameType"] = Num(h.GameType);
    j["TeamSelCount"] = Num(h.TeamSelCount);
    j["RelPlayOffs"] = Num(h.RelPlayOffs);
    j["RefereeCount"] = Num(h.RefereeCount);
    j["LossPoints"] = Num(h.LossPoints);
    j["MissedPenCount"] = Num(h.MissedPenCount);
    j["HalfLength"] = Num(h.HalfLength);
    j["VersionId"] = Num(h.VersionId);
    j["TimesToPlay"] = Num(h.TimesToPlay);
    j["UpdateAddress"] = Text(h.UpdateAddress);
    return j;
}

Json Team(const TeamRec& t) {
    return Json{
        {"Name", Text(t.Name)}, {"PointsAdjust", Num(t.PointsAdjust)}, {"Increment", Num(t.Increment)}};
}

Json Game(const GameRec& g) {
    Json j;
    j["Played"] = Num(g.Played);
    j["HomeTeam"] = Num(g.HomeTeam);
    j["AwayTeam"] = Num(g.AwayTeam);
    j["HomeGoals"] = Num(g.HomeGoals);
    j["AwayGoals"] = Num(g.AwayGoals);
    j["Date"] = Day(Num(g.Date));
    j["Attendance"] = Num(g.Attendance);
    j["Predicted"] = Num(g.Predicted);
    j["HomeSquad"] = Num(g.HomeSquad);
    j["AwaySquad"] = Num(g.AwaySquad);
    j["Comp"] = Num(g.Comp);
    j["Comment"] = Text(g.Comment);
    j["Referee"] = Num(g.Referee);
    j["Awarded"] = Num(g.Awarded);
    j["Outcome"] = Num(g.Outcome);
    return j;
}

Json Goal(const GoalRec& g) {
    return Json{{"Game", Num(g.Game)},     {"TeamFor", Num(g.TeamFor)}, {"Scorer", Num(g.Scorer)},
                {"Minute", Num(g.Minute)}, {"OwnGoal", Num(g.OwnGoal)}, {"Penalty", Num(g.Penalty)}};
}

Json Player(const PlayerRec& p) {
    return Json{{"Name", Text(p.Name)},      {"Team", Num(p.Team)},           {"Position", Num(p.Position)},
                {"SquadNo", Num(p.SquadNo)}, {"BirthDate", Num(p.BirthDate)}, {"Foreign", Num(p.Foreign)},
                {"Cost", Num(p.Cost)}};
}

Json Squad(const SquadRec& s) {
    Json entries = Json::array();
    for (const SquadEntry& e : s.Entries)
        entries.push_back(Json{{"Player", Num(e.Player)},
                               {"TimeOn", Num(e.TimeOn)},
                               {"TimeOff", Num(e.TimeOff)},
                               {"Yellow1", Num(e.Yellow1)},
                               {"Yellow2", Num(e.Yellow2)},
                               {"Red", Num(e.Red)},
                               {"Rating", Num(e.Rating)}});
    return Json{{"Game", Num(s.Game)}, {"Team", Num(s.Team)}, {"Entries", std::move(entries)}};
}

Json TeamSel(const TeamSelRec& s) {
    Json members = Json::array();
    for (int t = 1; t <= kMaxTeams; ++t)
        if (s.IsMember(t))
            members.push_back(t);
    return Json{{"Name", Text(s.Name)}, {"Members", std::move(members)}};
}

/// Entries 1..count of an array, each made by fn.
template <typename Array, typename Fn> Json Entries(const Array& array, int count, Fn fn) {
    Json list = Json::array();
    for (int i = 1; i <= count && static_cast<std::size_t>(i) < array.size(); ++i)
        list.push_back(fn(array[static_cast<std::size_t>(i)]));
    return list;
}

} // namespace

int RunDump(const Invocation& inv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    Status st = FileArguments(inv.Args, files);
    if (st && files.size() != 1)
        st = Status::Failure(files.empty() ? "no league file given" : "one league file only");
    if (!st) {
        err << "gorlin-cli dump: " << st.Message << '\n' << kDumpUsage;
        return kExitUsage;
    }
    const auto loaded = LoadLeagueFor("dump", files.front(), err);
    if (!loaded)
        return kExitFailure;
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
    j["Comps"] = Entries(l.Comps, h.CompCount, [](const CompRec& c) {
        return Json{{"Name", Text(c.Name)}, {"ShortName", Text(c.ShortName)}};
    });
    j["TeamSels"] = Entries(l.TeamSels, h.TeamSelCount, TeamSel);
    j["Referees"] = Entries(l.Referees, h.RefereeCount, [](const RefereeRec& r) {
        return Json{{"Name", Text(r.Name)}};
    });
    j["MissedPens"] = Entries(l.MissedPens, h.MissedPenCount, [](const MissedPenRec& m) {
        return Json{{"Game", Num(m.Game)},
                    {"Player", Num(m.Player)},
                    {"Team", Num(m.Team)},
                    {"Minute", Num(m.Minute)}};
    });
    out << j.dump(2) << '\n';
    return kExitOk;
}

} // namespace gorlin::cli
