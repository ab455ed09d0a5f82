#pragma once

#include "core/app/IniFile.h"
#include "core/model/Expected.h"
#include "core/query/QueryDesign.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// One saved query. Texts are Windows-1252.
struct SavedQuery {
    int Tab = kTabTeams;
    std::string Title; // at most 20 characters
    std::string Text;  // the encoded design
};

inline constexpr int kMaxSavedQueries = 50;
inline constexpr std::size_t kQueryTitleMax = 20;
/// The first item of "Predefined Query:".
inline constexpr const char* kNoQueryItem = "** None **";

/// The design as saved-query text: per column its field id, "A"/"D"/"N", "Y"/"N", then the
/// Criteria, Or and title texts in double quotes (nothing when empty), each item followed by a
/// comma. A double quote inside a text is doubled.
std::string EncodeQuery(const QueryDesign& design);

/// The items of a comma list: a double-quoted item may hold commas and blanks ("" is one quote);
/// an unquoted item ends at a comma or a blank; a final comma adds no item.
std::vector<std::string> SplitCommaList(std::string_view text);

/// A saved-query text as a design over `tab`. A text whose item count is not a multiple of six
/// gives an empty design; ids not of this tab leave their column without a field; "A" and "D"
/// sort, anything else does not; "N" excludes, anything else includes; texts are cut to 40
/// characters; columns past the 22nd are left out.
QueryDesign DecodeQuery(std::string_view text, int tab);

/// The nine queries a settings file without saved queries starts with.
const std::vector<SavedQuery>& DefaultQueries();

/// The saved queries of a settings file: entries 1..QryCount (at most 50) whose tab is 0..4
/// (a missing tab is none) and whose title and text are not empty. The defaults when QryCount
/// is missing or not above 0 (nothing is written).
std::vector<SavedQuery> ReadSavedQueries(const IniFile& ini);

/// Writes the defaults when QryCount is missing or not above 0, as the query window does when
/// it opens; true when it wrote them (the caller saves the file).
bool EnsureSavedQueries(IniFile& ini);

/// Rewrites the "Queries" section from the list: QryCount, then QryTab, QryTitle and QryQuery
/// numbered 1..n; entry keys of other numbers go. Texts are written whole.
void WriteSavedQueries(IniFile& ini, const std::vector<SavedQuery>& list);

/// The Save Query dialog's check: "You must enter a title for the query" for a blank title.
Status CheckQueryTitle(std::string_view title);

/// Saves a design's text under a title (trimmed, cut to 20 characters): a query of the same tab
/// with the same title is replaced; otherwise it is appended unless 50 are stored ("Maximum
/// number of queries already saved"). The section is rewritten (the caller saves the file).
/// Returns the entry's number, 1-based.
Expected<int> SaveQuery(std::vector<SavedQuery>& list, IniFile& ini, int tab, std::string_view title,
                        std::string_view text);

/// One item of "Predefined Query:": its text and the entry it loads (0 for "** None **").
struct QueryListItem {
    std::string Text;
    int Entry = 0;
};

/// "** None **", then the titles of the tab's saved queries in entry order.
std::vector<QueryListItem> QueryListItems(const std::vector<SavedQuery>& list, int tab);

/// The first saved query with this exact title, of `tab` or, for a negative tab, of any tab;
/// null when there is none.
const SavedQuery* FindSavedQuery(const std::vector<SavedQuery>& list, int tab, std::string_view title);

} // namespace gorlin
