#include "core/app/ProgramFolderRule.h"

namespace gorlin {

std::string WithTrailingSeparator(std::string path) {
    if (path.empty())
        return "./";
    if (path.back() != '/')
        path += '/';
    return path;
}

std::string ChooseProgramFolder(const ProgramFolderInputs& in) {
    if (!in.ConfigDir.empty())
        return WithTrailingSeparator(in.ConfigDir);
    if (!in.ExeFolder.empty() && (in.ExeFolderHasIni || (in.ExeFolderWritable && !in.ExeFolderInstalled)))
        return WithTrailingSeparator(in.ExeFolder);
    if (!in.UserConfigHome.empty())
        return WithTrailingSeparator(in.UserConfigHome) + "gorlin/";
    return WithTrailingSeparator(in.ExeFolder);
}

} // namespace gorlin
