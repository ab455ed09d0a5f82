#include "cli/QueryChoice.h"

#include "core/model/Text.h"
#include "core/query/Catalogue.h"

namespace gorlin::cli {

Expected<QueryChoice> ChooseQuery(const std::vector<SavedQuery>& saved, int tab,
                                  const std::optional<std::string>& savedTitle,
                                  const std::optional<std::string>& design) {
    if (!savedTitle)
        return QueryChoice{tab < 0 ? kTabTeams : tab, Utf8ToWin1252(design.value_or(""))};
    const SavedQuery* query = FindSavedQuery(saved, tab, Utf8ToWin1252(*savedTitle));
    if (!query)
        return Error{"no saved query called " + *savedTitle};
    return QueryChoice{query->Tab, query->Text};
}

} // namespace gorlin::cli
