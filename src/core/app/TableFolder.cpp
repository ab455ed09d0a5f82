#include "core/app/TableFolder.h"

#include "core/model/LeagueFile.h"
#include "core/model/Text.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace gorlin {

namespace {

namespace fs = std::filesystem;

/// Deep enough for any real folder tree, shallow enough that a hostile tree cannot exhaust the stack.
constexpr int kMaxDepth = 64;

/// Characters of a UTF-8 name (continuation bytes not counted).
std::size_t CharCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

struct Walker {
    TableFolderScan& Scan;
    bool ShowSubFolders;
    std::set<fs::path> Visited;

    void Walk(const fs::path& folder, const std::string& prefix, std::vector<FolderNode>& into, int depth) {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(folder, ec);
        if (!ec && !Visited.insert(canonical).second)
            return; // a link back into a folder already walked
        fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
        if (ec)
            return;
        std::vector<std::pair<std::string, fs::path>> subFolders;
        for (; it != fs::directory_iterator(); it.increment(ec)) {
            if (ec)
                break;
            const fs::directory_entry& entry = *it;
            const std::string name = entry.path().filename().string();
            std::error_code typeEc;
            if (entry.is_directory(typeEc)) {
                if (ShowSubFolders && name != "." && name != "..")
                    subFolders.emplace_back(name, entry.path());
                continue;
            }
            if (!IsDivFileName(name))
                continue;
            // A FIFO, device or socket is never opened: it could block the scan.
            if (!entry.is_regular_file(typeEc)) {
                Scan.CouldNotOpen = true;
                continue;
            }
            const HeaderInfo info = VerifyDivFile(entry.path());
            if (info.Result == HeaderCheck::NotCompatible) {
                Scan.NotCompatible = true;
            } else if (info.Result == HeaderCheck::CouldNotOpen) {
                Scan.CouldNotOpen = true;
            } else if (!info.TableName.empty()) {
                Scan.DivFiles.push_back({prefix + name, info.TableName});
                ++Scan.DivFileCount;
                FolderNode node;
                node.Text = info.TableName;
                node.FileIndex = Scan.DivFileCount;
                into.push_back(std::move(node));
            }
        }
        for (auto& [name, path] : subFolders) {
            FolderNode node;
            node.IsFolder = true;
            node.Text = name;
            if (depth < kMaxDepth)
                Walk(path, prefix + name + "/", node.Children, depth + 1);
            into.push_back(std::move(node));
        }
    }

    void Sort(std::vector<FolderNode>& nodes) {
        std::stable_sort(nodes.begin(), nodes.end(), [this](const FolderNode& a, const FolderNode& b) {
            if (a.IsFolder != b.IsFolder)
                return !a.IsFolder;
            if (a.IsFolder)
                return CompareNoCase(a.Text, b.Text) < 0;
            return CompareNoCase(Scan.DivFiles[static_cast<std::size_t>(a.FileIndex)].Path,
                                 Scan.DivFiles[static_cast<std::size_t>(b.FileIndex)].Path) < 0;
        });
        for (FolderNode& n : nodes)
            Sort(n.Children);
    }
};

} // namespace

bool IsDivFileName(const std::string& name) {
    if (CharCount(name) < 6 || name.size() < 4)
        return false;
    return AsciiUpper(std::string_view(name).substr(name.size() - 4)) == ".DIV";
}

TableFolderScan ScanTableFolder(const std::filesystem::path& folder, bool showSubFolders) {
    TableFolderScan scan;
    Walker walker{scan, showSubFolders, {}};
    walker.Walk(folder, std::string(), scan.Nodes, 0);
    walker.Sort(scan.Nodes);
    return scan;
}

std::optional<std::string> FolderWarning(const TableFolderScan& scan, bool& warned) {
    if (warned)
        return std::nullopt;
    if (scan.NotCompatible) {
        warned = true;
        return std::string(kNotCompatibleWarning);
    }
    if (scan.CouldNotOpen) {
        warned = true;
        return std::string(kCouldNotOpenWarning);
    }
    return std::nullopt;
}

} // namespace gorlin
