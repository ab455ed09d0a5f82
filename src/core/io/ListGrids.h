#pragma once

#include "core/model/Expected.h"
#include "core/model/League.h"
#include "core/model/Locale.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

struct Settings;

/// What a list grid needs besides the league.
enum class ListSubject {
    None,         // the whole league
    OptionalTeam, // one team, or every team when none is given
    Team,         // one team
    Player,       // one player
};

/// One entry of the list grid catalogue: the name the command line uses, the title the grid is
/// printed under and what it needs.
struct ListGridInfo {
    const char* Name;
    const char* Title;
    ListSubject Needs;
};

/// The list grids of the league window, in the order of their pages.
std::span<const ListGridInfo> ListGridCatalogue();
/// The entry of a name; null for an unknown one.
const ListGridInfo* FindListGrid(std::string_view name);

/// A list grid as plain cells, as its export and print write it.
struct ListGrid {
    std::string Title;
    /// Windows-1252 cells; the first HeadingRows rows are the heading bar.
    std::vector<std::vector<std::string>> Rows;
    std::size_t HeadingRows = 1;
    /// Per column: the grid shows its cells right-aligned.
    std::vector<bool> RightAligned;
};

/// The subject of a list: a team (0 for every team where that is allowed) or a player.
struct ListGridSubject {
    int Team = 0;
    int Player = 0;
};

/// The rows of the list called `name` as its page shows them when the league is opened (each
/// grid in its first sort), under the game filter league.Head.GameType where the page follows
/// it. Texts are formatted with `locale`; position names and the players grid's columns come
/// from `settings`. Refused: an unknown name ("no list called NAME"), a missing team or player.
Expected<ListGrid> BuildListGrid(const League& league, std::string_view name, const ListGridSubject& subject,
                                 const Settings& settings, const Locale& locale);

} // namespace gorlin
