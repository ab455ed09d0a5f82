#pragma once

#include "core/app/BaseTables.h"
#include "core/app/NewTable.h"
#include "core/app/TableFolder.h"
#include "core/edit/TeamList.h"
#include "core/model/Expected.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The pages of the new-table wizard, in order.
inline constexpr int kIntroPage = 0;
inline constexpr int kSourcePage = 1;
inline constexpr int kNameSizePage = 2;
inline constexpr int kBaseTablePage = 3;
inline constexpr int kSelectTeamsPage = 4;
inline constexpr int kTeamNamesPage = 5;
inline constexpr int kTimesToPlayPage = 6;
inline constexpr int kGamePointsPage = 7;
inline constexpr int kOwnTeamPage = 8;
inline constexpr int kPromotionPage = 9;
inline constexpr int kTeamSizePage = 10;
inline constexpr int kWizardPageCount = 11;

/// Each page's text: the heading, ">", the sub-heading.
inline constexpr std::array<const char*, kWizardPageCount> kWizardPageTexts = {
    "Gorlin New Table Wizard>",
    "Table Source>Select how to create the table",
    "Table Name and Size>Enter the table name and number of teams",
    "Base Table>Select existing table(s) as a base for the new table",
    "Select Teams>Select the teams to be included in the new table",
    "Team Names>Enter the name of each team",
    "Times to Play>Enter the number of times teams play each other",
    "Game Points>Enter the points awarded for a win, draw and loss",
    "Own Team>Select your own team",
    "Promotion/Relegation>Enter number of teams promoted/relegated and in playoffs",
    "Team Size/Half Time>Enter the number of players in a team and the length of each half",
};

// Captions of the wizard's controls.
inline constexpr const char* kFromScratchCaption = "Create table from scratch";
inline constexpr const char* kFromTablesCaption = "Create table from existing Gorlin tables";
inline constexpr const char* kBaseLevelNote = "The base tables must be at this level of Gorlin.";
inline constexpr const char* kCopyPlayersCaption = "Copy Players to new table";
inline constexpr const char* kCopyRefereesCaption = "Copy Referees to new table";
inline constexpr const char* kSelectAllCaption = "Select All";
inline constexpr const char* kClearAllCaption = "Clear All";
inline constexpr const char* kAddCaption = "Add";
inline constexpr const char* kEditCaption = "Edit";
inline constexpr const char* kNextCaption = "Next >";
inline constexpr const char* kFinishCaption = "Finish";
/// The save dialog of Finish.
inline constexpr const char* kNewTableFileFilter = "League Division|*.div";
inline constexpr const char* kNewTableDefaultExtension = "div";
inline constexpr int kWizardHelpContext = 1100;

// Messages of the page checks (the table name's is kTableNameMissingMessage, the base table
// count's kBaseTableCountMessage, duplicates kDuplicateTeamNamesMessage).
inline constexpr const char* kNoTeamSelectedMessage = "Please select at least one team";
inline constexpr const char* kTooManyTeamsSelectedMessage = "You have selected too many teams";
inline constexpr const char* kTeamNamesMissingMessage = "You have not yet added all the team names";
inline constexpr const char* kTooManyTeamNamesMessage =
    "You have entered more team names than the number of teams, please remove some";

struct PageHeading {
    std::string Heading;
    std::string SubHeading;
};

/// Splits a page text at its first ">" (no ">" = all heading).
PageHeading SplitPageText(std::string_view text);
/// The heading texts of page 0..10 (empty for another page).
PageHeading WizardPageHeading(int page);

/// Where Next goes once the page's checks pass: page 2 goes on to the team names when building
/// from scratch; -1 on the last page (Finish).
int NextWizardPage(int page, bool fromScratch);
/// Where Back goes: the team names go back to page 2 from scratch, to page 4 otherwise; -1 on
/// page 0 (Back is disabled there).
int PreviousWizardPage(int page, bool fromScratch);
/// "Finish" on the last page, "Next >" elsewhere.
const char* NextButtonCaption(int page);

/// The DivFiles indexes (entry 0 left out) in the order page 3 lists the tables: by relative
/// path without regard to case, as the folder tree orders files (the folder walk itself comes
/// in no particular order); paths equal but for case by character code.
std::vector<int> BaseTableListOrder(const std::vector<DivFileRec>& divFiles);

/// The caption of the team tab of base slot 1..3: "Table 1".
std::string BaseTabCaption(int slot);

/// Page 2: the name must hold more than blanks.
Status CheckTableName(std::string_view name);
/// Page 4: at least one and at most teamCount base teams ticked.
Status CheckTickedTeams(const BaseTables& base, int teamCount);
/// Page 5: exactly teamCount names, no two equal (compared exactly, case included).
Status CheckTeamNames(const std::vector<std::string>& names, int teamCount);

/// The remaining panel of page 5.
std::string RemainingText(int remaining);

/// The team-name list of page 5: names kept in TeamNameBefore order, as a sorted list box
/// keeps them.
class TeamNameList {
public:
    const std::vector<std::string>& Names() const { return m_names; }
    int Count() const { return static_cast<int>(m_names.size()); }

    /// "Add" (and Enter): the name, tidied by TidyName, goes into its sorted place; returns that
    /// place, or nothing (a beep) when no name is left.
    std::optional<std::size_t> Add(std::string_view typed);
    /// "Edit" (and double click): removes the name and returns it for the name box; empty for
    /// an index out of range.
    std::string Take(std::size_t index);
    /// Going forward from page 4: the ticked names replace the list.
    void Replace(const std::vector<std::string>& names);

    /// Names still to add; below 0 when the team count was lowered after adding.
    int Remaining(int teamCount) const { return teamCount - Count(); }
    /// "Add" is enabled while names are still to add.
    bool AddEnabled(int teamCount) const { return Remaining(teamCount) > 0; }

private:
    std::vector<std::string> m_names;
};

/// The lines of page 8: "*** None ***", then the names in list order (line k is team k).
std::vector<std::string> OwnTeamItems(const std::vector<std::string>& names);
/// The line page 8 keeps when it is refilled: the previous one while it still exists, else 0.
int KeptOwnTeamLine(int previousLine, int lineCount);
/// The own team of a line of page 8 (empty for line 0 or a line out of range).
std::string OwnTeamOfLine(const std::vector<std::string>& names, int line);

} // namespace gorlin
