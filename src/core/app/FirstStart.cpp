#include "core/app/FirstStart.h"

#include "core/app/ProgramFolderRule.h"

namespace gorlin {

bool SettingsNameTableFolder(const IniFile& ini) {
    return ini.HasKey("Options", "FilePath");
}

std::optional<FirstStartPlan> PlanFirstStart(const FirstStartInputs& in) {
    if (!in.SettingsRead || in.HasFilePath || in.TableFolderGiven || in.ExamplesFolder.empty())
        return std::nullopt;
    if (in.UserDataHome.empty() && in.ProgramFolder.empty())
        return std::nullopt;
    FirstStartPlan plan;
    plan.From = WithTrailingSeparator(in.ExamplesFolder);
    plan.To = in.UserDataHome.empty() ? WithTrailingSeparator(in.ProgramFolder) + "examples/"
                                      : WithTrailingSeparator(in.UserDataHome) + "gorlin/examples/";
    return plan;
}

} // namespace gorlin
