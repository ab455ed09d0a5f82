#include "core/app/TableFolder.h"

#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

/// The scan as text: "Title=path" for a file, "[Name]" for a folder with its entries indented,
/// then the count and the warnings found.
std::string Render(const TableFolderScan& scan, const std::vector<FolderNode>& nodes,
                   const std::string& indent = "") {
    std::string out;
    for (const FolderNode& n : nodes)
        out += indent +
               (n.IsFolder ? "[" + n.Text + "]\n" + Render(scan, n.Children, indent + "  ")
                           : n.Text + "=" + scan.DivFiles[static_cast<std::size_t>(n.FileIndex)].Path + "\n");
    if (indent.empty())
        out += std::to_string(scan.DivFileCount) + (scan.NotCompatible ? " not compatible" : "") +
               (scan.CouldNotOpen ? " could not open" : "") + "\n";
    return out;
}

TEST(TableFolderTest, FileNamesQualifyByLengthAndExtension) {
    // Six characters at least (characters, not bytes), ending in .DIV in any case.
    for (auto [name, qualifies] : {std::pair{"LEAGUE.DIV", true},
                                   {"league.div", true},
                                   {"Ab.DiV", true},
                                   {"A.DIV", false},
                                   {".DIV", false},
                                   {"LEAGUE.DIV.bak", false},
                                   {"LEAGUE.bak", false},
                                   {"LEAGUEDIV", false},
                                   {"\xC3\xA9t\xC3\xA9.div", true},
                                   {"\xC3\xA9.div", false}})
        EXPECT_EQ(IsDivFileName(name), qualifies) << name;
}

TEST(TableFolderTest, ListsCompatibleLeaguesSortedAndWalksSubFoldersOnlyWhenShown) {
    // tests/data/folder: "tree" of leagues and folders in mixed case with a foreign file in a
    // sub-folder and a league without a title, "versions" of files of every kind; each beside
    // the scans that list it.
    for (const char* name : {"tree", "versions"})
        for (bool sub : {true, false}) {
            const TableFolderScan scan = ScanTableFolder(test::DataDir() / "folder" / name, sub);
            EXPECT_EQ(Render(scan, scan.Nodes),
                      test::ReadFile(test::DataDir() / "folder" /
                                     (std::string(name) + (sub ? ".txt" : "-flat.txt"))));
        }
    // The warning is given once, a rebuild of the same folder does not repeat it.
    bool warned = false;
    const TableFolderScan scan = ScanTableFolder(test::DataDir() / "folder" / "versions", true);
    EXPECT_EQ(FolderWarning(scan, warned), std::string(kNotCompatibleWarning));
    EXPECT_EQ(FolderWarning(scan, warned), std::nullopt);
}

TEST(TableFolderTest, UnopenableFileGivesTheReadOnlyWarningUnlessAForeignOneWasFound) {
    TempDir dir;
    fs::create_symlink(dir / "missing-target", dir / "BROKEN.DIV");
    TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_TRUE(scan.CouldNotOpen);
    EXPECT_EQ(scan.DivFileCount, 0);
    bool warned = false;
    EXPECT_EQ(FolderWarning(scan, warned), std::string(kCouldNotOpenWarning));

    test::WriteFile(dir / "FOREIGN.DIV", std::string(200, 'x'));
    scan = ScanTableFolder(dir.Path(), true);
    warned = false;
    EXPECT_EQ(FolderWarning(scan, warned), std::string(kNotCompatibleWarning));
    EXPECT_EQ(FolderWarning(scan, warned), std::nullopt); // at most one of the two
}

TEST(TableFolderTest, MissingFolderAndFolderLinkLoopsEndTheWalk) {
    TempDir dir;
    EXPECT_EQ(ScanTableFolder(dir / "does-not-exist", true).DivFileCount, 0);

    fs::create_directories(dir / "sub");
    fs::copy_file(test::DataDir() / "folder" / "tree" / "ALPHA.DIV", dir / "sub" / "INNER.DIV");
    fs::create_directory_symlink(dir.Path(), dir / "sub" / "loop");
    const TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_EQ(scan.DivFileCount, 1);
}

} // namespace
} // namespace gorlin
