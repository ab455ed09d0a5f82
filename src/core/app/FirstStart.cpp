#include "core/app/FirstStart.h"

#include "core/app/ProgramFolderRule.h"

namespace gorlin {

bool SettingsNameTableFolder(const IniFile& ini) {
    return ini.HasKey("Options", "FilePath");
}

std::optional<FirstStartPlan> PlanFirstStart(const FirstStartInputs& in) {
    if (!in.SettingsRead || in.HasFilePath || in.ExamplesFolder.empty() || in.ProgramFolder.empty())
        return std::nullopt;
    const std::string programFolder = WithTrailingSeparator(in.ProgramFolder);
    const bool perUser =
        !in.UserConfigHome.empty() && programFolder == PerUserProgramFolder(in.UserConfigHome);
    FirstStartPlan plan;
    plan.From = WithTrailingSeparator(in.ExamplesFolder);
    plan.To = perUser && !in.UserDataHome.empty()
                  ? WithTrailingSeparator(in.UserDataHome) + "gorlin/examples/"
                  : programFolder + "examples/";
    return plan;
}

} // namespace gorlin
