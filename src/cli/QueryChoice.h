#pragma once

#include "core/model/Expected.h"
#include "core/query/SavedQueries.h"

#include <optional>
#include <string>
#include <vector>

namespace gorlin::cli {

/// The query a command line names, its text in Windows-1252.
struct QueryChoice {
    int Tab = 0;
    std::string Text;
};

/// --saved TITLE (UTF-8): that saved query, of --tab when given, else of any tab; otherwise the
/// --design text on --tab (teams by default). "no saved query called TITLE" when there is none.
Expected<QueryChoice> ChooseQuery(const std::vector<SavedQuery>& saved, int tab,
                                  const std::optional<std::string>& savedTitle,
                                  const std::optional<std::string>& design);

} // namespace gorlin::cli
