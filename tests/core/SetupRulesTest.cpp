#include "core/app/SetupRules.h"

#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace gorlin;

namespace {

std::string Letters(const std::vector<ColumnLine>& lines) {
    std::string out;
    for (const ColumnLine& l : lines)
        out += l.Ticked ? l.Letter : static_cast<char>(l.Letter - 'A' + 'a');
    return out;
}

SetupChoices ChoicesOf(const Settings& s) {
    SetupChoices c;
    c.Colours = {s.Colour1, s.Colour2, s.Colour3, s.Colour4, s.Colour5};
    c.FormGames = s.FormGames;
    c.SquadSort = s.SquadSort;
    for (int n = 1; n <= 9; ++n)
        c.PositionLines[static_cast<std::size_t>(n)] =
            PositionLine(n, s.Positions[static_cast<std::size_t>(n)]);
    c.TableTag = s.TableTag;
    c.TableLong = s.TableLong;
    c.TableShort = s.TableShort;
    c.ProxyPortText = std::to_string(s.ProxyPort);
    return c;
}

} // namespace

// Upper case = ticked, lower case = unticked.
TEST(SetupColumns, ListFromWorkingString) {
    EXPECT_EQ(Letters(BuildColumnList("ABCDEFGHIJKLMSU", kLongColumnLetters)), "ABvCDEFGHIJKLMnopqrStU");
    EXPECT_EQ(Letters(BuildColumnList("ABCNOPQRSU", kShortColumnLetters)), "ABvCNOPQRStU");
    // Letters in use fill the places of the letters in use, in working order.
    EXPECT_EQ(Letters(BuildColumnList("UBA", kShortColumnLetters)), "UBvcnopqrstA");
    EXPECT_EQ(Letters(BuildColumnList("VA", kLongColumnLetters)), "VbAcdefghijklmnopqrstu");
    // Unoffered and repeated letters are left out; an empty set ticks nothing.
    EXPECT_EQ(Letters(BuildColumnList("AXDAZ", kShortColumnLetters)), "Abvcnopqrstu");
    EXPECT_EQ(Letters(BuildColumnList("", kLongColumnLetters)), "abvcdefghijklmnopqrstu");
}

TEST(SetupColumns, StoreGivesTickedLettersInListOrder) {
    auto lines = BuildColumnList("ABCNOPQRSU", kShortColumnLetters);
    EXPECT_EQ(StoreColumnList(lines), "ABCNOPQRSU");
    lines[2].Ticked = true; // V
    lines[0].Ticked = false;
    EXPECT_EQ(StoreColumnList(lines), "BVCNOPQRSU");
    // Round trip of any stored string.
    for (const char* w : {"ABCDEFGHIJKLMSU", "UTSRQPONMLKJIHGFEDCVBA", "V", "BA"})
        EXPECT_EQ(StoreColumnList(BuildColumnList(w, kLongColumnLetters)), w);
}

TEST(SetupColumns, ChooserMovesSwitchesAndRestores) {
    ColumnChooser c("ABCDEFGHIJKLMSU", "ABCNOPQRSU");
    EXPECT_TRUE(!c.ShowingShort() && c.Lines().size() == kLongColumnLetters.size());
    // Up and Down keep the tick and stop at the ends.
    EXPECT_EQ(c.MoveUp(0), 0u);
    EXPECT_EQ(c.MoveDown(c.Lines().size() - 1), c.Lines().size() - 1);
    EXPECT_EQ(c.MoveUp(2), 1u); // unticked V above B
    EXPECT_EQ(Letters(c.Lines()).substr(0, 4), "AvBC");
    EXPECT_EQ(c.MoveDown(0), 1u);
    EXPECT_EQ(Letters(c.Lines()).substr(0, 4), "vABC");
    c.SetTicked(0, true);
    c.SetTicked(99, true); // out of range: ignored

    // Switching stores the long list and builds the short one; switching back rebuilds.
    c.Show(true);
    EXPECT_TRUE(c.ShowingShort() && c.TableLong() == "VABCDEFGHIJKLMSU");
    EXPECT_EQ(Letters(c.Lines()), "ABvCNOPQRStU");
    c.SetTicked(0, false);
    c.Show(false);
    EXPECT_EQ(c.TableShort(), "BCNOPQRSU");
    EXPECT_EQ(Letters(c.Lines()).substr(0, 4), "VABC");

    // Unticking B then Restore Default gives the default of the set shown only.
    c.SetTicked(2, false);
    c.RestoreDefault();
    c.Store();
    EXPECT_EQ(c.TableLong() + " " + c.TableShort(), "ABCDEFGHIJKLMSU BCNOPQRSU");
    c.Show(true);
    c.RestoreDefault();
    c.Store();
    EXPECT_EQ(c.TableShort(), "ABCNOPQRSU");
}

TEST(SetupPositions, Lines) {
    EXPECT_EQ(PositionLine(5, "Sweeper"), "5 - Sweeper");
    EXPECT_EQ(PositionLine(6, ""), "6 - ");
    EXPECT_EQ(PositionNameOfLine("5 - Sweeper"), "Sweeper");
    EXPECT_EQ(PositionNameOfLine("6 - "), "");
    EXPECT_EQ(PositionNameOfLine("7"), "");
    EXPECT_EQ(PositionNameOfLine("1 - 123456789012345678901234"), "12345678901234567890");
}

TEST(SetupOk, ProxyPortText) {
    for (auto [text, port] : {std::pair{"8080", 8080},
                              {" 3128 ", 3128},
                              {"0", 0},
                              {"65535", 65535},
                              {"8x", 80},
                              {"", 80},
                              {"-1", 80},
                              {"65536", 80}})
        EXPECT_EQ(ProxyPortFromText(text), port) << text;
}

TEST(SetupPalette, TheNamedColoursInTheirOrder) {
    const std::pair<const char*, std::array<Colour, 3>> named[] = {
        {"Maroon", {128, 0, 0}},     {"Green", {0, 128, 0}},    {"Olive", {128, 128, 0}},
        {"Navy", {0, 0, 128}},       {"Purple", {128, 0, 128}}, {"Teal", {0, 128, 128}},
        {"Silver", {192, 192, 192}}, {"Red", {255, 0, 0}},      {"Lime", {0, 255, 0}},
        {"Yellow", {255, 255, 0}},   {"Blue", {0, 0, 255}},     {"Fuchsia", {255, 0, 255}},
        {"Aqua", {0, 255, 255}},     {"White", {255, 255, 255}}};
    for (std::size_t i = 0; i < kSetupPalette.size(); ++i) {
        const auto& [name, rgb] = named[i];
        EXPECT_STREQ(kSetupPaletteNames[i], name);
        EXPECT_EQ(kSetupPalette[i], rgb[0] | rgb[1] << 8 | rgb[2] << 16) << name << ", stored as 0x00BBGGRR";
        EXPECT_EQ(PaletteIndex(kSetupPalette[i]), static_cast<int>(i));
    }
    EXPECT_EQ(PaletteIndex(0x123456), -1);
}

TEST(SetupOk, OwnColourMustDifferFromTheOthers) {
    Settings s;
    const Settings before = s;
    for (std::size_t other : {0u, 1u, 2u, 4u}) {
        SetupChoices c = ChoicesOf(s);
        c.ShowPoss = true;
        c.Colours[other] = c.Colours[3];
        EXPECT_EQ(TakeSetup(c, s).Message, kOwnColourClashMessage);
        EXPECT_FALSE(s.ShowPoss); // nothing taken
        EXPECT_EQ(s.Colour1, before.Colour1);
    }
}

TEST(SetupOk, TakesEveryChoice) {
    Settings s;
    SetupChoices c = ChoicesOf(s);
    c.Colours = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080};
    c.ShowPoss = c.ShortTab = true;
    c.ShowHints = c.TakeBackup = c.ShowStatus = c.RecycleOnDelete = c.ShowSubFolders = false;
    c.FormGames = 30;
    c.SquadSort = 0;
    c.PositionLines[5] = "5 - Sweeper";
    c.PositionLines[9] = "9 - 123456789012345678901234";
    c.TableTag = "<TABLE>";
    c.TableLong = "AB";
    c.TableShort = "UA";
    c.ManualConnect = false;
    c.ConnectName = "Dial";
    c.DiscOption = 2;
    c.UseProxy = true;
    c.ProxyAddressText = "  proxy.example  ";
    c.ProxyPortText = " 3128 ";
    ASSERT_TRUE(TakeSetup(c, s).Ok);
    IniFile written;
    s.WriteSetup(written);
    EXPECT_EQ(written.Text(),
              gorlin::test::ReadFile(gorlin::test::DataDir() / "settings" / "setup-taken.ini"));
    // Manual connection keeps the stored entry name.
    c.ManualConnect = true;
    c.ConnectName = "";
    ASSERT_TRUE(TakeSetup(c, s).Ok);
    EXPECT_EQ(s.ConnectName, "Dial");
}

TEST(SetupOk, ProxyWithoutAddressTakesButKeepsPositions) {
    Settings s;
    SetupChoices c = ChoicesOf(s);
    c.ShowPoss = true;
    c.UseProxy = true;
    c.ProxyAddressText = "   ";
    c.PositionLines[5] = "5 - Sweeper";
    EXPECT_EQ(TakeSetup(c, s).Message, kProxyAddressMissingMessage);
    EXPECT_TRUE(s.ShowPoss); // in force for this run
    EXPECT_TRUE(s.UseProxy);
    EXPECT_EQ(s.Positions[5], ""); // positions are taken only with the write
}
