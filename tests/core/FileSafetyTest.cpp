// Hostile and special files: nothing hangs, nothing is clobbered, no planted link is followed,
// and a save killed at any moment leaves the old or the new file.

#include "cli/Cli.h"
#include "core/app/IniFile.h"
#include "core/app/TableFolder.h"
#include "core/model/LeagueFile.h"
#include "core/model/SafeFile.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace gorlin {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

League Small(const std::string& name = "Safe League") {
    League l = test::LeagueBuilder().Teams({"Ash", "Birch", "Cedar", "Deal"}).TimesToPlay(0).Build();
    l.Head.TableName = name;
    return l;
}

unsigned ModeOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::size_t Temporaries(const fs::path& folder) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().rfind(".gorlin-", 0) == 0)
            ++n;
    return n;
}

int RunCheck(const std::vector<std::string>& files, std::string& out) {
    std::vector<std::string> args = {"check"};
    args.insert(args.end(), files.begin(), files.end());
    std::ostringstream o, e;
    const int exit = cli::Main(args, o, e);
    out = o.str();
    return exit;
}

/// The folder holds no listed league, only `file`, which could not be opened for `reason`, as the
/// folder scan and the check command say.
void ExpectNotListed(const TempDir& dir, const fs::path& file, const std::string& reason) {
    const TableFolderScan scan = ScanTableFolder(dir.Path().string(), true);
    EXPECT_TRUE(scan.CouldNotOpen);
    EXPECT_EQ(scan.DivFileCount, 0);
    std::string out;
    EXPECT_EQ(RunCheck({file.string()}, out), 1);
    EXPECT_EQ(out, file.string() + "\tcould not be opened\t" + reason + "\n");
}

TEST(FileSafety, SpecialFilesAreNeverReadAndSaidToBeSo) {
    TempDir dir;
    const fs::path fifo = dir / "PIPE.DIV";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir / "FOLDER.DIV");

    // Each of these returns at once: a FIFO without a writer would block a plain open.
    EXPECT_EQ(VerifyDivFile(fifo).Result, HeaderCheck::CouldNotOpen);
    EXPECT_EQ(VerifyDivFile(fifo).Reason, kNotRegularFile);
    for (const fs::path& p : {fifo, dir / "FOLDER.DIV", fs::path("/dev/zero")}) {
        const auto loaded = LoadLeague(p);
        ASSERT_FALSE(loaded) << p;
        EXPECT_NE(loaded.error().Message.find("is not a regular file"), std::string::npos)
            << loaded.error().Message;
    }
    ExpectNotListed(dir, fifo, "is not a regular file");

    IniFile ini(fifo.string());
    const Status read = ini.Load();
    EXPECT_FALSE(read);
    EXPECT_NE(read.Message.find("is not a regular file"), std::string::npos) << read.Message;

    League l = Small();
    EXPECT_FALSE(SaveLeague(l, fifo)) << "a FIFO is not replaced either";
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(FileSafety, ANameEndingInBakSavesWithoutCopyingItselfAndSaysSo) {
    TempDir dir;
    const fs::path path = dir / "OLD.bak";
    League l = Small("First");
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{false}));
    l.Head.TableName = "Second";
    SaveReport report;
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{true}, &report));
    EXPECT_TRUE(report.BackupSkipped);
    EXPECT_EQ(LoadLeague(path)->Head.TableName.view(), "Second");
    EXPECT_EQ(Temporaries(dir.Path()), 0u);

    const fs::path normal = dir / "NEW.DIV";
    ASSERT_TRUE(SaveLeague(l, normal, SaveOptions{true}));
    ASSERT_TRUE(SaveLeague(l, normal, SaveOptions{true}, &report));
    EXPECT_FALSE(report.BackupSkipped);
    EXPECT_TRUE(fs::exists(dir / "NEW.bak"));
}

TEST(FileSafety, PlantedLinksAtTemporaryNamesAreNeverFollowed) {
    TempDir dir;
    const fs::path path = dir / "LEAGUE.DIV";
    const fs::path victim = dir / "victim";
    std::ofstream(victim) << "precious";
    League l = Small();
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{false}));

    // The names older saves used, and names of this process's temporaries.
    for (const char* old : {"LEAGUE.DIV.tmp", "LEAGUE.bak.tmp", "gorlin.ini.new"})
        fs::create_symlink(victim, dir / old);
    for (int n = 0; n < 200; ++n) {
        char name[64];
        std::snprintf(name, sizeof name, ".gorlin-%d-%016x.tmp", static_cast<int>(::getpid()), n);
        fs::create_symlink(victim, dir / name);
    }

    l.Head.TableName = "Changed";
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{true}));
    IniFile ini((dir / "gorlin.ini").string());
    ini.WriteString("Options", "FormGames", "12");
    ASSERT_TRUE(ini.Save());

    EXPECT_EQ(Slurp(victim), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "gorlin.ini")));
    EXPECT_EQ(LoadLeague(path)->Head.TableName.view(), "Changed");
}

TEST(FileSafety, PermissionsAndLinksOfTheSavedFileAreKept) {
    TempDir dir;
    League l = Small();

    const fs::path locked = dir / "LOCKED.DIV";
    ASSERT_TRUE(SaveLeague(l, locked, SaveOptions{false}));
    const std::string before = Slurp(locked);
    ::chmod(locked.c_str(), 0444);
    l.DataChanged = true;
    const Status refused = SaveLeague(l, locked);
    EXPECT_EQ(refused.Message, locked.string() + " is read-only");
    EXPECT_TRUE(l.DataChanged);
    EXPECT_EQ(Slurp(locked), before);
    EXPECT_FALSE(fs::exists(dir / "LOCKED.bak"));
    // Nor is it offered in the folder list: it could be opened but never saved.
    EXPECT_EQ(VerifyDivFile(locked).Result, HeaderCheck::CouldNotOpen);
    ExpectNotListed(dir, locked, "is read-only");

    const fs::path secret = dir / "SECRET.DIV";
    ASSERT_TRUE(SaveLeague(l, secret, SaveOptions{false}));
    ::chmod(secret.c_str(), 0600);
    ASSERT_TRUE(SaveLeague(l, secret, SaveOptions{true}));
    EXPECT_EQ(ModeOf(secret), 0600u);
    EXPECT_EQ(ModeOf(dir / "SECRET.bak"), 0600u);

    // A league reached through a link stays a link; the file it names is replaced.
    fs::create_directory(dir / "real");
    const fs::path target = dir / "real" / "TARGET.DIV";
    ASSERT_TRUE(SaveLeague(l, target, SaveOptions{false}));
    const fs::path link = dir / "LINK.DIV";
    fs::create_symlink(fs::path("real") / "TARGET.DIV", link);
    l.Head.TableName = "Through the link";
    ASSERT_TRUE(SaveLeague(l, link, SaveOptions{true}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LoadLeague(target)->Head.TableName.view(), "Through the link");
    EXPECT_TRUE(fs::exists(dir / "LINK.bak"));
}

TEST(FileSafety, OversizedFilesAreRefusedUnread) {
    TempDir dir;
    const fs::path path = dir / "TAIL.DIV";
    League l = Small();
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{false}));
    // Gigabytes of trailing bytes (sparse, so the test writes nothing to the disk).
    fs::resize_file(path, 4ull << 30);
    const auto loaded = LoadLeague(path);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().Message.find("too large"), std::string::npos);

#if !defined(__SANITIZE_ADDRESS__)
    // The command line under a memory limit: a message and status 1, never an abort.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{256ull << 20, 256ull << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        std::ostringstream out, err;
        const int exit = cli::Main({"--config-dir", dir.Path().string(), "save", path.string()}, out, err);
        ::_exit(exit == 1 && err.str().find("too large") != std::string::npos ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
#endif
}

TEST(FileSafety, ANameCannotForgeCheckLines) {
    TempDir dir;
    const fs::path path = dir / "FORGED.DIV";
    League l = Small("X\tok\t46\tFake\nY");
    ASSERT_TRUE(SaveLeague(l, path, SaveOptions{false}));
    std::string out;
    EXPECT_EQ(RunCheck({path.string()}, out), 0);
    EXPECT_EQ(out, path.string() + "\tok\t46\tX\\tok\\t46\\tFake\\nY\n");
}

// A save killed at a random moment leaves the league file whole (the old or the new one), the
// backup the one before it (or, killed between the two renames, the same), and at most one
// temporary file.
TEST(FileSafety, KilledSavesLeaveTheOldOrTheNewFile) {
    TempDir dir;
    const fs::path path = dir / "BIG.DIV";
    test::LeagueBuilder b;
    std::vector<std::string> names;
    for (int t = 1; t <= 20; ++t)
        names.push_back("Team " + std::to_string(t));
    b.Teams(names).TimesToPlay(0);
    for (int g = 0; g < 3000; ++g) {
        const int game = b.Played(1 + g % 20, 1 + (g + 1 + g / 20) % 20, 2, 1, 40000 + g);
        for (int k = 0; k < 20; ++k)
            b.Goal(game, 1 + g % 20);
    }
    League league = b.Build();
    if (std::getenv("GORLIN_LARGEST_LEAGUE") != nullptr) {
        // The largest file the format allows (about 14 MB): every squad and player slot used.
        for (int s = 1; s <= kMaxGrowableCount; ++s)
            b.Squad(1 + s % 3000, 1 + (s % 3000) % 20, {SquadEntry{1, 0, 90, 0, 0, 0, 70}});
        for (int p = 1; p <= kMaxPlayers; ++p)
            b.Player("Player " + std::to_string(p), 1 + p % 20);
        league = b.Build();
    }
    league.Head.TableName = "Start";
    ASSERT_TRUE(SaveLeague(league, path, SaveOptions{false}));
    ASSERT_TRUE(SaveLeague(league, path, SaveOptions{true}));

    const auto tableOf = [](const fs::path& p) {
        const auto loaded = LoadLeague(p);
        return loaded ? loaded->Head.TableName.str() : "damaged: " + loaded.error().Message;
    };
    std::mt19937 random(20261206);
    std::string file = "Start";
    std::string previousBackup = "Start";
    for (int round = 0; round < 50; ++round) {
        const std::string prefix = "R" + std::to_string(round) + "-";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int k = 1;; ++k) {
                league.Head.TableName = prefix + std::to_string(k);
                SaveLeague(league, path, SaveOptions{true});
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 60000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = tableOf(path);
        const std::string backup = tableOf(BackupPath(path));
        // What the backup holds after the last completed save, if the kill did not come between
        // the two renames of the next one.
        std::string predecessor = previousBackup; // no save of this round completed
        if (now == prefix + "1")
            predecessor = file;
        else if (now.rfind(prefix, 0) == 0)
            predecessor = prefix + std::to_string(std::stoi(now.substr(prefix.size())) - 1);
        EXPECT_TRUE(now == file || now.rfind(prefix, 0) == 0) << "round " << round << ": " << now;
        EXPECT_TRUE(backup == now || backup == predecessor)
            << "round " << round << ": " << now << " with backup " << backup;
        EXPECT_LE(Temporaries(dir.Path()), 1u) << "round " << round;
        file = now;
        previousBackup = backup;
    }
}

} // namespace
} // namespace gorlin
