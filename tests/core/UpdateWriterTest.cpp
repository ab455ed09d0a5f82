#include "core/update/UpdateWriter.h"

#include "core/update/LineReceiver.h"
#include "core/update/NamesMatch.h"
#include "core/update/VersionId.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin;

namespace {

/// The lines of a written file that begin with one of the letters.
std::vector<std::string> Records(const std::string& text, std::string_view letters) {
    std::vector<std::string> out;
    const std::vector<std::string> lines = SplitUpdateLines(text);
    for (const std::string& line : std::vector(lines.begin() + 2, lines.end()))
        if (!line.empty() && letters.find(line.front()) != std::string_view::npos)
            out.push_back(line);
    return out;
}

} // namespace

TEST(UpdateWriter, HeaderNameAndPlayerRecords) {
    test::LeagueBuilder b;
    b.Teams({"A", "B"});
    b.Get().Head.VersionId = 7;
    b.Player("Hale, Tom", 1);
    b.Player("O\"Neil", 2); // odd number of quotes
    b.Player("Far\x01"
             "Away",
             3); // a non-league team still gets its record
    b.Referee("Arden, K");
    b.Played(1, 2, 0, 0, 45000);
    const std::string text = WriteUpdateText(b.Build(), {45000, true, 45123});
    EXPECT_EQ(UpdateFileName(7), "gnup0007.txt");
    EXPECT_EQ(text.substr(0, 66), "Gorlin Update:100 Date:45123\r\nLeague Version:0007\r\nN,Test League\r\n");
    EXPECT_EQ(Records(text, "OP"),
              (std::vector<std::string>{"O,Arden, K", R"(P,1,"Hale, Tom",0,0)", R"(P,2,"O'Neil",0,0)",
                                        R"(P,3,"Far Away",0,0)"}));
}

TEST(UpdateWriter, PeriodOrderTeamsAtStartAndTransfers) {
    test::LeagueBuilder b;
    b.Teams({"T1", "T2", "T3", "T4", "T5", "T6"});
    const int mover = b.Player("Mover", 6); // scored for 4 before the period, now plays for 6
    const int keeper = b.Player("Keeper", 1);
    const int early = b.Played(4, 1, 1, 0, 100);
    b.Goal(early, 4, mover, 10);
    const int second = b.Played(6, 2, 2, 0, 200); // same day as the next, written first
    b.Goal(second, 6, mover, 5);
    b.Goal(second, 2, keeper, 80, true); // an own goal for the away side: the scorer is home's
    b.Played(3, 5, 0, 0, 200);
    b.Fixture(1, 2, 150); // before the period
    b.Fixture(3, 4, 0);   // undated
    b.Fixture(5, 6, 250);
    const League league = b.Build();
    const std::string text = WriteUpdateText(league, {200, true, 300});
    EXPECT_EQ(Records(text, "PRGTF"),
              (std::vector<std::string>{R"(P,4,"Mover",0,0)", R"(P,6,"Keeper",0,0)", "R,200,6,2,2,0,0,0,0",
                                        "G,6,1,5,0,0", "G,2,2,80,0,1", "T,1,6", "R,200,3,5,0,0,0,0,0",
                                        "F,250,5,6"}));
    EXPECT_EQ(StartOfPeriodTeams(league, 200, true), (std::vector<int>{0, 4, 6}));
}

TEST(LineReceiver, LinesArriveInAnyPieces) {
    const std::string text = "Gorlin Update:100\r\n  O, Arden, K \nS,1,2\r\n\r\nlast";
    const std::vector<std::string> whole = {"Gorlin Update:100", "O, Arden, K", "S,1,2", "", "last"};
    EXPECT_EQ(SplitUpdateLines(text), whole);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        LineReceiver r;
        r.ProcessBody(text.substr(0, cut));
        r.ProcessBody(text.substr(cut));
        r.Finish();
        EXPECT_EQ(r.Lines(), whole) << cut;
        EXPECT_EQ(r.Received(), text.size());
    }
    EXPECT_EQ(SplitUpdateLines(text, false), (std::vector<std::string>{whole[0], whole[1], "", "last"}));
    EXPECT_EQ(SplitUpdateLines(std::string(5000, 'x') + "\n").at(0).size(), kMaxReceivedLine);
}

TEST(NamesMatch, KeepsItsQuirks) {
    for (const char* same : {"Smith, John", "SMITH, J", "SMITH", "smith j", "Smith,  John "})
        EXPECT_TRUE(NamesMatch(same, "Smith, John")) << same;
    for (const char* other : {"Smith", "Smith, Peter", "Smyth, John", "SMITH, JO"})
        EXPECT_FALSE(NamesMatch(other, "Smith, John")) << other;
    EXPECT_FALSE(NamesMatch("Smith", "SMITH"));
}

TEST(UpdateWriter, CreateRefusesAnEmptyPeriodAndReplacesWhole) {
    test::TempDir dir;
    test::LeagueBuilder b;
    b.Teams({"A", "B"});
    b.Fixture(1, 2, 500);
    EXPECT_EQ(CreateUploadFile(b.Get(), dir / "u.txt", {1, true, 1}).Message, kMsgNoGamesPlayed);
    EXPECT_FALSE(std::filesystem::exists(dir / "u.txt"));
    b.Played(2, 1, 1, 1, 100); // before the period: header, N and F only
    ASSERT_TRUE(CreateUploadFile(b.Get(), dir / "u.txt", {200, true, 1}));
    EXPECT_EQ(test::ReadFile(dir / "u.txt"), "Gorlin Update:100 Date:1\r\nLeague Version:0000\r\n"
                                             "N,Test League\r\nF,500,1,2\r\n");
    EXPECT_EQ(CreateUploadFile(b.Get(), dir / "none" / "u.txt", {1, true, 1}).Message, kMsgUploadNotOpened);
    EXPECT_EQ(UploadSinceDefault(1000, 900), 940);
    EXPECT_EQ(UploadSinceDefault(1000, 950), 950);
    EXPECT_EQ(ClampUploadSince(800, 900), 900);
}

TEST(VersionId, BothFieldsCheckedBeforeStoring) {
    struct Case {
        const char* Id;
        const char* Address;
        VersionResult Result;
        int Stored;
        const char* StoredAddress;
    };
    const Case cases[] = {
        {"2000", " h/updates/ ", VersionResult::Stored, 2000, "h/updates"},
        {"2001", "/", VersionResult::Stored, 2001, "/"},
        {"0", "", VersionResult::Stored, 0, ""},
        {"1999", "h", VersionResult::AddressNeedsHighId, 5, "old"},
        {"12a", "", VersionResult::IdNotNumber, 5, "old"},
        {"10000", "", VersionResult::IdNotNumber, 5, "old"},
        {"-1", "", VersionResult::IdNotNumber, 5, "old"},
    };
    for (const Case& c : cases) {
        League league = MakeEmptyLeague();
        league.Head.VersionId = 5;
        league.Head.UpdateAddress = "old";
        EXPECT_EQ(SetLeagueVersion(league, c.Id, c.Address), c.Result) << c.Id;
        EXPECT_EQ(+league.Head.VersionId, c.Stored) << c.Id;
        EXPECT_EQ(league.Head.UpdateAddress.str(), c.StoredAddress) << c.Id;
        EXPECT_EQ(league.DataChanged, c.Result == VersionResult::Stored) << c.Id;
    }
}
