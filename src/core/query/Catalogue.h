#pragma once

#include "core/model/Records.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gorlin {

/// The five row kinds of the query window, in the order of its speed buttons.
enum QueryTab : int { kTabTeams = 0, kTabGames = 1, kTabGoals = 2, kTabPlayers = 3, kTabSquads = 4 };
inline constexpr int kQueryTabCount = 5;

/// How a field's text is read for criteria and sorting.
enum class FieldKind : u8 { Whole = 0, Text = 1, Date = 2, Decimal = 3 };

/// One entry of the field catalogue. `Width` is the catalogue's display width in characters; a
/// run reports the width of each result column beside it (QueryResult::Widths) instead of
/// changing this table.
struct QueryField {
    u8 Tab;
    const char* Name;        // default column heading, at most 15 characters
    const char* Description; // shown in the field list, at most 30 characters
    u8 Width;
    u16 Id; // stored in saved queries
    bool Numeric;
    FieldKind Kind;
};

inline constexpr int kCatalogueSize = 120;

/// The whole catalogue, tab by tab in id order.
std::span<const QueryField> Catalogue();

/// The field with this id on this tab; null for an id of another tab or no field at all.
const QueryField* FindField(int tab, int id);

/// The fields of one tab in catalogue order (empty for a tab outside 0..4).
std::vector<const QueryField*> TabFields(int tab);

/// "Teams", "Games", "Goals", "Players", "Squads"; "" outside 0..4.
const char* TabCaption(int tab);

/// The tab a name stands for, in any case ("teams", "Squads"); nullopt for anything else.
std::optional<int> TabFromName(std::string_view name);

} // namespace gorlin
