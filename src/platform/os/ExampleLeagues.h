#pragma once

#include "core/model/Expected.h"

#include <filesystem>

namespace gorlin {

/// Copies the league files (*.DIV in any case, regular files only, not below sub-folders) of
/// `from` into `to`, creating `to` as needed. A file of the same name already in `to` is kept as
/// it stands, so the user's changes to an earlier copy survive. Each copy is written through an
/// AtomicFile and so is writable by its owner whatever the shipped file's mode. Stops at the
/// first failure, with a message that names the file or folder and the system's reason.
Status CopyExampleLeagues(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace gorlin
