#include "core/app/BaseTables.h"

#include "core/app/NewTable.h"
#include "core/model/LeagueFile.h"
#include "support/LeagueBuilder.h"
#include "support/TestPaths.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace gorlin;
using gorlin::test::LeagueBuilder;
using gorlin::test::TempDir;

namespace {

/// Player names with their team numbers: "A2@2 B1@5".
std::string Roster(const PlayerRec* first, std::size_t count) {
    std::string out;
    for (const PlayerRec* p = first; p != first + count; ++p)
        out += (out.empty() ? "" : " ") + p->Name.str() + "@" + std::to_string(p->Team);
    return out;
}

std::string Referees(const League& l) {
    std::string out;
    for (int r = 1; r <= l.Head.RefereeCount; ++r)
        out += l.Referees[static_cast<std::size_t>(r)].Name.str() + ";";
    return out;
}

/// Two base tables sharing United: A (scheduled, saved in the compact layout) and B (no schedule).
class BaseFiles : public ::testing::Test {
protected:
    void SetUp() override {
        LeagueBuilder a;
        a.Teams({"City", "United", "Rovers"}).OtherTeams({"Cup Side"}).TimesToPlay(2);
        for (int home = 1; home <= 3; ++home)
            for (int away = 1; away <= 3; ++away)
                if (home != away)
                    a.Fixture(home, away, 0);
        for (auto [name, team] : {std::pair{"A1", 1}, {"A2", 2}, {"gone", 0}, {"cup", 4}, {"A5", 2}})
            a.Player(name, team);
        a.Referee("Ref One");
        a.Referee("Ref Two");
        League la = a.Build();
        ASSERT_TRUE(SaveLeague(la, m_a, {false}));
        ASSERT_EQ(la.LoadedVersion, 45);

        LeagueBuilder b;
        b.Teams({"Athletic", " United "}); // blanks that a new team name loses
        b.Player("B1", 2);
        b.Player("B2", 1);
        b.Referee("Ref Two");
        b.Referee("Ref Three");
        m_old = b.Build();
        ASSERT_TRUE(SaveLeague(m_old, m_b, {false}));
    }

    TempDir m_dir;
    std::filesystem::path m_a = m_dir / "A.DIV";
    std::filesystem::path m_b = m_dir / "B.DIV";
    League m_old;
};

} // namespace

TEST_F(BaseFiles, PlayersOfEveryTeamOfTheSameNameAreCopied) {
    auto base = LoadBaseFiles({m_a, m_b});
    ASSERT_TRUE(base) << base.error().Message;
    EXPECT_EQ(base->DistinctNames(), (std::vector<std::string>{"City", "United", "Rovers", "Athletic"}));
    EXPECT_EQ(Roster(base->Players.data(), base->Players.size()), "A1@1 A2@2 A5@2 B1@5 B2@4");

    NewTableInput in;
    in.TableName = "Next Season";
    in.TeamNames = {"United", "Zeta", "City", "Athletic"};
    in.Base = *base;
    auto bare = BuildNewLeague(in);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->Head.PlayerCount + bare->Head.RefereeCount, 0) << "nothing is copied unless asked";

    in.CopyPlayers = in.CopyReferees = true;
    auto built = BuildNewLeague(in);
    ASSERT_TRUE(built);
    ASSERT_TRUE(SaveNewLeague(*built, m_dir / "NEW.DIV"));
    auto loaded = LoadLeague(m_dir / "NEW.DIV");
    ASSERT_TRUE(loaded) << loaded.error().Message;
    // Athletic 1, City 2, United 3 (from both tables), Zeta 4; duplicate referees merged.
    EXPECT_EQ(Roster(&loaded->Players[1], loaded->Head.PlayerCount), "B2@1 A1@2 A2@3 A5@3 B1@3");
    EXPECT_EQ(Referees(*loaded), "Ref One;Ref Two;Ref Three;");
}

TEST_F(BaseFiles, RefusedFilesStopTheReading) {
    const auto old = gorlin::test::ReadBytes(gorlin::test::DataDir() / "eras" / "v44.DIV");
    std::ofstream(m_dir / "OLD.DIV", std::ios::binary)
        .write(reinterpret_cast<const char*>(old.data()), 140); // old, and cut short
    std::ofstream(m_dir / "JUNK.DIV") << std::string(200, 'x');
    const std::string count = "You must select at least one and not more than three tables";
    const std::pair<std::vector<std::filesystem::path>, std::string> cases[] = {
        {{m_a, m_dir / "OLD.DIV"}, "One or more selected base file is downlevel"},
        {{m_dir / "NONE.DIV"}, "The base file " + (m_dir / "NONE.DIV").string() + " could not be opened"},
        {{m_dir / "JUNK.DIV"},
         "The base file " + (m_dir / "JUNK.DIV").string() + " could not be read: This is not a league file."},
        {{}, count},
        {{m_a, m_b, m_a, m_b}, count},
    };
    for (const auto& [files, message] : cases) {
        auto base = LoadBaseFiles(files);
        ASSERT_FALSE(base) << message;
        EXPECT_EQ(base.error().Message, message);
    }
}

TEST(BaseCopies, RefereesAreMergedAndCutTo250PlayersRefusedPast5800) {
    NewTableInput in;
    in.TableName = "Big";
    in.TeamNames = {"Athletic", "City", "Rovers", "United"};
    in.CopyReferees = in.CopyPlayers = true;
    in.Base.emplace();
    in.Base->Teams.push_back({"United", true});
    std::vector<std::string> names;
    for (int i = 1; i <= 300; ++i)
        names.push_back("Ref " + std::to_string(i));
    const std::vector<std::string> again(names.begin(), names.begin() + 200);
    names.insert(names.begin() + 200, again.begin(), again.end());
    names.insert(names.begin() + 400, "ref 1"); // differs in case
    for (const std::string& name : names)
        in.Base->Referees.emplace_back().Name = name;

    auto built = BuildNewLeague(in);
    ASSERT_TRUE(built) << built.error().Message;
    TempDir dir;
    ASSERT_TRUE(SaveNewLeague(*built, dir / "BIG.DIV"));
    auto loaded = LoadLeague(dir / "BIG.DIV");
    ASSERT_TRUE(loaded) << loaded.error().Message;
    EXPECT_EQ(+loaded->Head.RefereeCount, 250);
    EXPECT_EQ(loaded->Referees[201].Name.view(), "ref 1");
    EXPECT_EQ(loaded->Referees[250].Name.view(), "Ref 249");

    in.Base->Players.assign(kMaxPlayers + 1, PlayerRec{});
    for (PlayerRec& p : in.Base->Players)
        p.Team = 1;
    EXPECT_EQ(BuildNewLeague(in).error().Message,
              "The teams of the new table have 5801 players in the base tables; a table holds at most 5800");
}
