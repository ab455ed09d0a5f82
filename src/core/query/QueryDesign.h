#pragma once

#include "core/query/Catalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// A design column's sort, as the saved-query text and the "Sort:" drop-down order them.
enum class SortOrder : u8 { Ascending = 0, Descending = 1, NotSorted = 2 };

inline constexpr int kMaxDesignColumns = 22;
/// Longest criteria and title texts of a design column.
inline constexpr std::size_t kDesignTextMax = 40;

/// One column of the design grid. Texts are Windows-1252.
struct DesignColumn {
    int FieldId = 0; // catalogue id; 0 = no field
    SortOrder Sort = SortOrder::NotSorted;
    bool Include = true;
    std::string Criteria; // the "Criteria:" row, as typed
    std::string Or;       // the "Or:" row, as typed
    std::string Title;    // heading in the results; the field's name when blank
};

/// Rows of the design grid below its header row.
enum DesignRow : int {
    kRowField = 1,
    kRowSort = 2,
    kRowInclude = 3,
    kRowCriteria = 4,
    kRowOr = 5,
    kRowTitle = 6
};
inline constexpr int kDesignRows = 6;

/// "Field:", "Sort:", "Include:", "Criteria:", "Or:", "Title:" for rows 1..6; "" otherwise.
const char* DesignRowLabel(int row);

/// The "Sort:" drop-down: "Ascending", "Descending", "(not sorted)", in SortOrder order.
inline constexpr std::array<const char*, 3> kSortItems = {"Ascending", "Descending", "(not sorted)"};

/// True when a text may stand in a criteria or title box: a double quote would end the quoted
/// item of a saved query, so the boxes refuse it.
bool AcceptsDesignText(std::string_view text);

/// The design grid: up to 22 columns over one tab. Columns 0..Count()-1 are used; grid columns
/// past them are unused. Every operation that returns false changed nothing (the window beeps
/// where the user asked for something that does not fit).
class QueryDesign {
public:
    explicit QueryDesign(int tab = kTabTeams) : m_tab(tab) {}

    int Tab() const { return m_tab; }
    const std::vector<DesignColumn>& Columns() const { return m_columns; }
    int Count() const { return static_cast<int>(m_columns.size()); }
    bool Full() const { return Count() >= kMaxDesignColumns; }

    /// Another tab: every column goes.
    void SetTab(int tab);
    void Clear() { m_columns.clear(); }

    /// A field of the tab as a new last column (the field list's double click). False when the
    /// grid is full or the field is not of this tab.
    bool AddField(int fieldId);
    /// A field dropped on grid column `column`: inserted there when the column is used (it and
    /// those after it move one place right), added last when it is unused.
    bool DropField(int fieldId, int column);
    /// The "Field:" drop-down: replaces a used column's field; on an unused column adds the field
    /// as a new last column.
    bool SetField(int column, int fieldId);
    /// Column dragging: moves a used column to grid column `to` (an unused one means last).
    bool MoveColumn(int from, int to);
    bool DeleteColumn(int column);
    bool SetSort(int column, SortOrder sort);
    bool ToggleInclude(int column);
    /// Criteria, Or or Title text of a used column, cut to 40 characters; refused (false) when
    /// it holds a double quote.
    bool SetText(int column, int row, std::string_view text);

    /// What grid cell (column, row 1..6) shows: the field's name, "Ascending"/"Descending"/"",
    /// "X"/"" for the include box, the texts. "" for unused columns.
    std::string CellText(int column, int row) const;

    /// A column as stored, without checks but the 22-column limit (the saved-query reader).
    bool AppendColumn(DesignColumn column);

private:
    bool Used(int column) const { return column >= 0 && column < Count(); }
    bool OfTab(int fieldId) const { return FindField(m_tab, fieldId) != nullptr; }

    int m_tab;
    std::vector<DesignColumn> m_columns;
};

} // namespace gorlin
