#include "cli/Options.h"

#include "core/engine/GameFilter.h"
#include "core/engine/TableView.h"
#include "core/model/Dates.h"
#include "core/model/League.h"
#include "core/model/Text.h"

namespace gorlin::cli {

Status ParseArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                      const std::function<Status(const std::string&)>& positional) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        const Option* found = nullptr;
        for (const Option& o : options)
            if (o.Name == arg && (o.TakesValue || !inlineValue))
                found = &o;
        if (found != nullptr) {
            std::optional<std::string> value = inlineValue;
            if (found->TakesValue && !value && i + 1 < args.size())
                value = args[++i];
            if (Status st = found->Apply(value); !st)
                return st;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-')
            return Status::Failure("unknown option '" + arg + "'");
        if (Status st = positional(arg); !st)
            return st;
    }
    return Status::Success();
}

Status ParseLeagueFileArguments(const std::vector<std::string>& args, const std::vector<Option>& options,
                                std::string& file) {
    bool haveFile = false;
    const Status st = ParseArguments(args, options, [&](const std::string& arg) {
        if (haveFile)
            return Status::Failure("more than one league file given");
        file = arg;
        haveFile = true;
        return Status::Success();
    });
    if (st && !haveFile)
        return Status::Failure("no league file given");
    return st;
}

Option ChoiceOption(std::string_view name, std::vector<std::string_view> choices, int& target,
                    std::string problem) {
    return {name, true,
            [choices = std::move(choices), &target, problem = std::move(problem)](const auto& value) {
                for (std::size_t k = 0; k < choices.size(); ++k)
                    if (value && *value == choices[k]) {
                        target = static_cast<int>(k);
                        return Status::Success();
                    }
                return Status::Failure(problem);
            }};
}

Option FlagOption(std::string_view name, bool& target) {
    return {name, false, [&target](const auto&) {
                target = true;
                return Status::Success();
            }};
}

Option SelectionOption(std::optional<int>& target) {
    return {"--selection", true, [&target](const auto& v) {
                if (!v || v->size() != 1 || (*v)[0] < '0' || (*v)[0] > '0' + kMaxTeamSels)
                    return Status::Failure("--selection needs a number 0..8");
                target = (*v)[0] - '0';
                return Status::Success();
            }};
}

Option TableColumnsOption(std::string& target) {
    return {"--columns", true, [&target](const auto& v) {
                if (!v || v->empty() || ShownColumns(*v).size() != v->size())
                    return Status::Failure("--columns needs column letters A..V");
                target = *v;
                return Status::Success();
            }};
}

namespace {

/// A value option that hands a non-empty value to `take`.
template <typename Take> Option NonEmptyValue(std::string_view name, std::string problem, Take take) {
    if (problem.empty())
        problem = std::string(name) + " needs a value";
    return {name, true, [problem = std::move(problem), take](const auto& value) {
                if (!value || value->empty())
                    return Status::Failure(problem);
                take(*value);
                return Status::Success();
            }};
}

} // namespace

Option NonEmptyOption(std::string_view name, std::optional<std::string>& target, std::string problem) {
    return NonEmptyValue(name, std::move(problem), [&target](const std::string& v) { target = v; });
}

Option NonEmptyOption(std::string_view name, std::string& target, std::string problem) {
    return NonEmptyValue(name, std::move(problem), [&target](const std::string& v) { target = v; });
}

Option NonEmptyOption(std::string_view name, std::vector<std::string>& target, std::string problem) {
    return NonEmptyValue(name, std::move(problem), [&target](const std::string& v) { target.push_back(v); });
}

Option TodayOption(std::optional<int>& today) {
    return {"--today", true, [&today](const auto& value) {
                Expected<int> day = DateValue("--today", value);
                if (!day)
                    return Status::Failure(day.error().Message);
                today = *day;
                return Status::Success();
            }};
}

Option GamesOption(std::optional<std::string>& games) {
    return {"--games", true, [&games](const auto& value) {
                if (!value || value->empty())
                    return Status::Failure("--games needs league, all or a competition");
                games = *value;
                return Status::Success();
            }};
}

Expected<int> GamesFilterFor(const League& league, const std::string& games) {
    const int type = GameTypeByName(league, Utf8ToWin1252(games));
    if (type < 0)
        return Error{"no competition called " + games};
    return type;
}

Status ApplyGamesFilter(League& league, const std::optional<std::string>& games) {
    if (!games) {
        SelectGameFilter(league);
        return Status::Success();
    }
    const Expected<int> type = GamesFilterFor(league, *games);
    if (!type)
        return Status::Failure(type.error().Message);
    league.Head.GameType = static_cast<u8>(*type);
    return Status::Success();
}

Expected<int> TeamNamed(const League& league, const std::string& utf8Name) {
    const std::string name = Utf8ToWin1252(utf8Name);
    for (int t = 1; t <= league.AllTeamCount() && static_cast<std::size_t>(t) < league.Teams.size(); ++t)
        if (league.Teams[static_cast<std::size_t>(t)].Name.view() == name)
            return t;
    return Error{"no team called " + utf8Name};
}

Expected<int> DateValue(std::string_view name, const std::optional<std::string>& value) {
    const auto day = value ? ParseIsoDate(*value) : std::nullopt;
    if (!day)
        return Error{std::string(name) + " needs a date YYYY-MM-DD"};
    // Day 0 and the days before 1900 mean "no date" in a league: no range can start or end there.
    if (*day < ToDayNumber(1900, 1, 1))
        return Error{std::string(name) + " needs a date from 1900-01-01 on"};
    return *day;
}

} // namespace gorlin::cli
