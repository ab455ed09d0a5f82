#include "core/app/TableFolder.h"

#include "core/model/LeagueFile.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace gorlin {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

/// A league file of one team with the title and the version byte given.
void WriteDiv(const fs::path& path, const std::string& title, char version = 46) {
    League league = test::LeagueBuilder().Teams({"Club"}).Build();
    league.Head.TableName = title;
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(SaveLeague(league, path, SaveOptions{false}));
    std::string bytes = test::ReadFile(path);
    bytes[6] = version;
    test::WriteFile(path, bytes);
}

std::vector<std::string> Titles(const TableFolderScan& scan, const std::vector<FolderNode>& nodes) {
    std::vector<std::string> out;
    for (const FolderNode& n : nodes)
        out.push_back(n.IsFolder ? "[" + n.Text + "]"
                                 : n.Text + "=" + scan.DivFiles[static_cast<std::size_t>(n.FileIndex)].Path);
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

TEST(TableFolderTest, ListsOnlyCompatibleLeagueFilesAndWarnsOnce) {
    TempDir dir;
    WriteDiv(dir / "LEAGUE.DIV", "Premier League");
    test::WriteFile(dir / "notes.txt", "not a league");
    WriteDiv(dir / "A.DIV", "Too Short A Name");
    test::WriteFile(dir / "FOREIGN.DIV", std::string(200, 'x'));
    WriteDiv(dir / "NEWER.DIV", "From The Future", 47);
    WriteDiv(dir / "OLDEST.DIV", "Version Six", 6);
    WriteDiv(dir / "OLDER.DIV", "Version Five", 5);
    WriteDiv(dir / "EMPTY.DIV", "");

    const TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_EQ(scan.DivFileCount, 2);
    EXPECT_EQ(Titles(scan, scan.Nodes),
              (std::vector<std::string>{"Premier League=LEAGUE.DIV", "Version Six=OLDEST.DIV"}));
    EXPECT_TRUE(scan.NotCompatible);
    EXPECT_FALSE(scan.CouldNotOpen);

    bool warned = false;
    EXPECT_EQ(FolderWarning(scan, warned), std::string(kNotCompatibleWarning));
    EXPECT_TRUE(warned);
    // A rebuild of the same folder does not repeat it.
    EXPECT_EQ(FolderWarning(ScanTableFolder(dir.Path(), true), warned), std::nullopt);
}

TEST(TableFolderTest, EmptyTitleIsLeftOutSilently) {
    TempDir dir;
    WriteDiv(dir / "NONAME.DIV", "");
    const TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_TRUE(scan.Nodes.empty());
    bool warned = false;
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

TEST(TableFolderTest, SubFoldersAreWalkedOnlyWhenShown) {
    TempDir dir;
    WriteDiv(dir / "TOP.DIV", "Top");
    WriteDiv(dir / "Cups" / "FACUP.DIV", "FA Cup");
    WriteDiv(dir / "Cups" / "Old" / "CUP1999.DIV", "Cup 1999");
    fs::create_directories(dir / "Empty");
    test::WriteFile(dir / "Cups" / "FOREIGN.DIV", std::string(200, 'x'));

    const TableFolderScan flat = ScanTableFolder(dir.Path(), false);
    EXPECT_EQ(flat.DivFileCount, 1);
    EXPECT_EQ(Titles(flat, flat.Nodes), (std::vector<std::string>{"Top=TOP.DIV"}));
    EXPECT_FALSE(flat.NotCompatible); // the foreign file lies in a folder that was not walked

    const TableFolderScan tree = ScanTableFolder(dir.Path(), true);
    EXPECT_EQ(tree.DivFileCount, 3);
    ASSERT_EQ(Titles(tree, tree.Nodes), (std::vector<std::string>{"Top=TOP.DIV", "[Cups]", "[Empty]"}));
    const FolderNode& cups = tree.Nodes[1];
    EXPECT_EQ(cups.FileIndex, 0);
    ASSERT_EQ(Titles(tree, cups.Children), (std::vector<std::string>{"FA Cup=Cups/FACUP.DIV", "[Old]"}));
    EXPECT_EQ(Titles(tree, cups.Children[1].Children),
              (std::vector<std::string>{"Cup 1999=Cups/Old/CUP1999.DIV"}));
    EXPECT_TRUE(tree.Nodes[2].Children.empty());
    EXPECT_TRUE(tree.NotCompatible);
}

TEST(TableFolderTest, SortsFilesByPathAndFoldersByNameIgnoringCase) {
    TempDir dir;
    WriteDiv(dir / "beta.div", "Aaa first by title");
    WriteDiv(dir / "ALPHA.DIV", "Zzz last by title");
    WriteDiv(dir / "Gamma.Div", "Middle");
    fs::create_directories(dir / "zoo");
    fs::create_directories(dir / "Abc");
    fs::create_directories(dir / "mid");
    const TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_EQ(Titles(scan, scan.Nodes),
              (std::vector<std::string>{"Zzz last by title=ALPHA.DIV", "Aaa first by title=beta.div",
                                        "Middle=Gamma.Div", "[Abc]", "[mid]", "[zoo]"}));
    // Every listed entry's index points at its own record.
    for (const FolderNode& n : scan.Nodes) {
        if (!n.IsFolder) {
            EXPECT_EQ(scan.DivFiles[static_cast<std::size_t>(n.FileIndex)].Title, n.Text);
        }
    }
}

TEST(TableFolderTest, MissingFolderAndFolderLinkLoopsEndTheWalk) {
    TempDir dir;
    EXPECT_EQ(ScanTableFolder(dir / "does-not-exist", true).DivFileCount, 0);

    WriteDiv(dir / "sub" / "INNER.DIV", "Inner");
    fs::create_directory_symlink(dir.Path(), dir / "sub" / "loop");
    const TableFolderScan scan = ScanTableFolder(dir.Path(), true);
    EXPECT_EQ(scan.DivFileCount, 1);
}

} // namespace
} // namespace gorlin
