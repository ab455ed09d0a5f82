#include "cli/ListSubject.h"

#include "cli/Cli.h"
#include "cli/Options.h"
#include "core/engine/PlayerStats.h"
#include "core/model/Text.h"

namespace gorlin::cli {

ListSubjectChoice ChooseListSubject(const League& league, const ListGridInfo& info,
                                    const std::optional<std::string>& team,
                                    const std::optional<std::string>& player) {
    ListSubjectChoice choice;
    const std::string list = std::string("list:") + info.Name;
    auto refuse = [&choice](int exit, std::string problem) {
        choice.Exit = exit;
        choice.Problem = std::move(problem);
        return choice;
    };
    if (team && info.Needs == ListSubject::None)
        return refuse(kExitUsage, "--team is not used by " + list);
    if (player && info.Needs != ListSubject::Player)
        return refuse(kExitUsage, "--player is not used by " + list);
    if (team) {
        const Expected<int> named = TeamNamed(league, *team);
        if (!named)
            return refuse(kExitUsage, named.error().Message);
        choice.Subject.Team = *named;
    }
    if (info.Needs == ListSubject::Team && !team)
        return refuse(kExitUsage, list + " needs --team");
    if (info.Needs == ListSubject::Player) {
        if (!player)
            return refuse(kExitUsage, list + " needs --player");
        choice.Subject.Player = FindPlayer(league, Utf8ToWin1252(*player), team ? choice.Subject.Team : -1);
        if (choice.Subject.Player == 0)
            return refuse(kExitFailure, "no player called " + *player + (team ? " in " + *team : ""));
    }
    return choice;
}

} // namespace gorlin::cli
