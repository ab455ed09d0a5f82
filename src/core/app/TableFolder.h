#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gorlin {

/// One listed league file.
struct DivFileRec {
    /// Path relative to the table folder: sub-folder names from the top down, each followed by
    /// '/', then the file name (UTF-8, as the file system spells it).
    std::string Path;
    /// TableName of the file's header (Windows-1252 bytes, never empty).
    std::string Title;
};

/// A node of the file tree: a folder (FileIndex 0) or a league file (its DivFiles index).
struct FolderNode {
    bool IsFolder = false;
    /// Folder name (UTF-8) or the file's table title (Windows-1252).
    std::string Text;
    int FileIndex = 0;
    std::vector<FolderNode> Children; // folders only
};

/// The result of walking the table folder.
struct TableFolderScan {
    /// 1-based; entry 0 reserved. Entries are numbered in walk order.
    std::vector<DivFileRec> DivFiles{1};
    int DivFileCount = 0;
    /// Top-level nodes, sorted: files before folders at each level, files by relative path and
    /// folders by name, both without regard to case.
    std::vector<FolderNode> Nodes;
    /// A .div file was skipped because its header failed the check.
    bool NotCompatible = false;
    /// A .div file was skipped because it could not be opened.
    bool CouldNotOpen = false;
};

/// Whether a file name qualifies as a league file: at least 6 characters, ending ".DIV" in any case.
bool IsDivFileName(const std::string& name);

/// Walks the folder: qualifying files that pass the header check with a non-empty title are
/// listed; sub-folders are walked (and shown, even when empty) only with showSubFolders. An
/// unreadable folder lists nothing and is not an error; folder links are not walked twice.
TableFolderScan ScanTableFolder(const std::filesystem::path& folder, bool showSubFolders);

inline constexpr const char* kNotCompatibleWarning =
    "One or more .div files were found that were not created by a compatible version of Gorlin. "
    "They have been ignored.";
inline constexpr const char* kCouldNotOpenWarning =
    "One or more .div files could not be opened and have been ignored. Ensure that they are not "
    "marked as Read-Only.";

/// The folder warning to show after a scan, at most one until `warned` is cleared (which happens
/// when the folder changes): not compatible takes precedence. Sets `warned` when it returns one.
std::optional<std::string> FolderWarning(const TableFolderScan& scan, bool& warned);

} // namespace gorlin
