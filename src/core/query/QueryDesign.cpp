#include "core/query/QueryDesign.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr std::array<const char*, kDesignRows> kRowLabels = {
    "Field:", "Sort:", "Include:", "Criteria:", "Or:", "Title:"};

} // namespace

const char* DesignRowLabel(int row) {
    return row >= 1 && row <= kDesignRows ? kRowLabels[static_cast<std::size_t>(row - 1)] : "";
}

bool AcceptsDesignText(std::string_view text) {
    return text.find('"') == std::string_view::npos;
}

void QueryDesign::SetTab(int tab) {
    m_tab = tab;
    m_columns.clear();
}

bool QueryDesign::AddField(int fieldId) {
    if (Full() || !OfTab(fieldId))
        return false;
    DesignColumn column;
    column.FieldId = fieldId;
    m_columns.push_back(column);
    return true;
}

bool QueryDesign::DropField(int fieldId, int column) {
    if (!Used(column))
        return AddField(fieldId);
    if (Full() || !OfTab(fieldId))
        return false;
    DesignColumn added;
    added.FieldId = fieldId;
    m_columns.insert(m_columns.begin() + column, added);
    return true;
}

bool QueryDesign::SetField(int column, int fieldId) {
    if (!Used(column))
        return AddField(fieldId);
    if (!OfTab(fieldId))
        return false;
    m_columns[static_cast<std::size_t>(column)].FieldId = fieldId;
    return true;
}

bool QueryDesign::MoveColumn(int from, int to) {
    if (!Used(from))
        return false;
    if (!Used(to))
        to = Count() - 1;
    if (from == to)
        return false;
    const auto first = m_columns.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    return true;
}

bool QueryDesign::DeleteColumn(int column) {
    if (!Used(column))
        return false;
    m_columns.erase(m_columns.begin() + column);
    return true;
}

bool QueryDesign::SetSort(int column, SortOrder sort) {
    if (!Used(column))
        return false;
    m_columns[static_cast<std::size_t>(column)].Sort = sort;
    return true;
}

bool QueryDesign::ToggleInclude(int column) {
    if (!Used(column))
        return false;
    bool& include = m_columns[static_cast<std::size_t>(column)].Include;
    include = !include;
    return true;
}

bool QueryDesign::SetText(int column, int row, std::string_view text) {
    if (!Used(column) || !AcceptsDesignText(text))
        return false;
    DesignColumn& c = m_columns[static_cast<std::size_t>(column)];
    std::string* target = row == kRowCriteria ? &c.Criteria
                          : row == kRowOr     ? &c.Or
                          : row == kRowTitle  ? &c.Title
                                              : nullptr;
    if (!target)
        return false;
    *target = std::string(text.substr(0, kDesignTextMax));
    return true;
}

std::string QueryDesign::CellText(int column, int row) const {
    if (!Used(column))
        return {};
    const DesignColumn& c = m_columns[static_cast<std::size_t>(column)];
    switch (row) {
    case kRowField: {
        const QueryField* f = FindField(m_tab, c.FieldId);
        return f ? f->Name : "";
    }
    case kRowSort:
        return c.Sort == SortOrder::NotSorted ? "" : kSortItems[static_cast<std::size_t>(c.Sort)];
    case kRowInclude:
        return c.Include ? "X" : "";
    case kRowCriteria:
        return c.Criteria;
    case kRowOr:
        return c.Or;
    case kRowTitle:
        return c.Title;
    default:
        return {};
    }
}

bool QueryDesign::AppendColumn(DesignColumn column) {
    if (Full())
        return false;
    m_columns.push_back(std::move(column));
    return true;
}

} // namespace gorlin
