#include "core/query/QueryRun.h"

#include <algorithm>

namespace gorlin {

std::vector<int> QueryData(const CompiledQuery& query, const QuerySource& source) {
    std::vector<int> list;
    const int rows = source.Rows.Count(query.Tab);
    for (int row = 0; row < rows; ++row)
        if (CheckCriteria(query, source, row))
            list.push_back(row);
    return list;
}

void SortData(std::vector<int>& list, const CompiledQuery& query, const QuerySource& source) {
    struct Key {
        FieldKind Kind;
        bool Descending;
        std::vector<FieldValue> Values; // by position in the list
    };
    std::vector<Key> keys;
    for (const CompiledColumn& c : query.Columns) {
        if (c.Sort == SortOrder::NotSorted)
            continue;
        Key key{c.Field->Kind, c.Sort == SortOrder::Descending, {}};
        key.Values.reserve(list.size());
        for (int row : list)
            key.Values.push_back(ReadFieldValue(source, *c.Field, row));
        keys.push_back(std::move(key));
    }
    if (keys.empty())
        return;
    std::vector<std::size_t> order(list.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&keys](std::size_t a, std::size_t b) {
        for (const Key& k : keys) {
            const int c = CompareValues(k.Kind, k.Values[a], k.Values[b]);
            if (c != 0)
                return k.Descending ? c > 0 : c < 0;
        }
        return false;
    });
    std::vector<int> sorted(list.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        sorted[i] = list[order[i]];
    list = std::move(sorted);
}

std::string RowCountText(int rows) {
    return " Number of rows: " + std::to_string(rows);
}

Expected<QueryResult> RunQuery(const QueryDesign& design, const QuerySource& source) {
    auto compiled = QueryValid(design, source.Format.Conventions);
    if (!compiled)
        return compiled.error();
    const CompiledQuery& query = *compiled;

    QueryResult result;
    result.Tab = query.Tab;
    result.RowIndex = QueryData(query, source);
    SortData(result.RowIndex, query, source);

    std::vector<const QueryField*> shown;
    for (const CompiledColumn& c : query.Columns) {
        if (!c.Include)
            continue;
        shown.push_back(c.Field);
        result.Headings.push_back(c.Heading);
        result.FieldIds.push_back(c.Field->Id);
        result.Numeric.push_back(c.Field->Numeric);
        result.Widths.push_back(static_cast<int>(c.Heading.size()));
    }
    result.Cells.reserve(result.RowIndex.size());
    for (int row : result.RowIndex) {
        std::vector<std::string> cells;
        cells.reserve(shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            cells.push_back(GetData(source, *shown[i], row));
            result.Widths[i] = std::max(result.Widths[i], static_cast<int>(cells.back().size()));
        }
        result.Cells.push_back(std::move(cells));
    }
    result.StatusText = RowCountText(static_cast<int>(result.RowIndex.size()));
    return result;
}

} // namespace gorlin
