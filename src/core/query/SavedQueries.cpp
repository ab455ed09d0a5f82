#include "core/query/SavedQueries.h"

#include "core/model/Text.h"

#include <charconv>

namespace gorlin {

namespace {

constexpr const char* kSection = "Queries";
constexpr const char* kCountKey = "QryCount";
constexpr std::string_view kEntryStems[] = {"QryTab", "QryTitle", "QryQuery"};

std::string EntryKey(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

/// A key of a numbered entry: one of the stems, then digits only.
bool IsEntryKey(std::string_view key) {
    for (std::string_view stem : kEntryStems) {
        if (key.size() <= stem.size() || CompareNoCase(key.substr(0, stem.size()), stem) != 0)
            continue;
        const std::string_view number = key.substr(stem.size());
        if (number.find_first_not_of("0123456789") == std::string_view::npos)
            return true;
    }
    return false;
}

void AppendQuoted(std::string& out, const std::string& text) {
    if (!text.empty()) {
        out += '"';
        for (char c : text) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += ',';
}

/// Trimmed and cut to 20 characters, then trimmed again: the settings file keeps no blanks
/// around a value, so the title reads back as it was saved.
std::string CutTitle(std::string_view title) {
    return std::string(Trim(Trim(title).substr(0, kQueryTitleMax)));
}

} // namespace

std::string EncodeQuery(const QueryDesign& design) {
    std::string out;
    for (const DesignColumn& c : design.Columns()) {
        out += std::to_string(c.FieldId);
        out += c.Sort == SortOrder::Ascending ? ",A," : c.Sort == SortOrder::Descending ? ",D," : ",N,";
        out += c.Include ? "Y," : "N,";
        AppendQuoted(out, c.Criteria);
        AppendQuoted(out, c.Or);
        AppendQuoted(out, c.Title);
    }
    return out;
}

std::vector<std::string> SplitCommaList(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::vector<std::string> items;
    std::size_t i = 0;
    while (i < text.size() && blank(text[i]))
        ++i;
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < text.size() && !blank(text[i]) && text[i] != ',')
                item += text[i++];
        }
        items.push_back(std::move(item));
        while (i < text.size() && blank(text[i]))
            ++i;
        if (i < text.size() && text[i] == ',') {
            ++i;
            while (i < text.size() && blank(text[i]))
                ++i;
        }
    }
    return items;
}

QueryDesign DecodeQuery(std::string_view text, int tab) {
    QueryDesign design(tab);
    const std::vector<std::string> items = SplitCommaList(text);
    if (items.size() % 6 != 0)
        return design;
    for (std::size_t i = 0; i + 6 <= items.size(); i += 6) {
        DesignColumn c;
        int id = 0;
        const std::string& idText = items[i];
        const auto res = std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (res.ec == std::errc{} && res.ptr == idText.data() + idText.size() && FindField(tab, id))
            c.FieldId = id;
        c.Sort = items[i + 1] == "A"   ? SortOrder::Ascending
                 : items[i + 1] == "D" ? SortOrder::Descending
                                       : SortOrder::NotSorted;
        c.Include = items[i + 2] != "N";
        c.Criteria = items[i + 3].substr(0, kDesignTextMax);
        c.Or = items[i + 4].substr(0, kDesignTextMax);
        c.Title = items[i + 5].substr(0, kDesignTextMax);
        if (!design.AppendColumn(std::move(c)))
            break;
    }
    return design;
}

const std::vector<SavedQuery>& DefaultQueries() {
    static const std::vector<SavedQuery> kDefaults = {
        {kTabTeams, "Table Summary",
         "1,N,Y,,,,26,N,Y,,,,2,N,Y,,,,3,N,Y,,,,4,N,Y,,,,5,N,Y,,,,6,N,Y,,,,7,N,Y,,,,8,N,Y,,,,25,D,Y,,,,8,D,N,,"
         ",,"},
        {kTabTeams, "Crowd Summary", "1,N,Y,,,,28,N,Y,,,,27,N,Y,,,,26,D,Y,,,,29,N,Y,,,,"},
        {kTabTeams, "Best Attack", "1,N,Y,,,,2,N,Y,,,,6,N,Y,,,,33,D,Y,,,,"},
        {kTabTeams, "Best Defence", "1,N,Y,,,,2,N,Y,,,,7,N,Y,,,,32,A,Y,,,,"},
        {kTabGames, "High scoring games",
         "101,N,Y,,,,102,N,Y,,,,103,N,Y,,,,104,N,Y,,,,105,N,Y,,,,110,D,Y,>5,,,101,A,N,,,,"},
        {kTabGoals, "Penalty Goals", "201,A,Y,,,,205,N,Y,,,,206,N,Y,,,,204,N,Y,,,,207,A,Y,,,,208,N,N,Y,,,"},
        {kTabGoals, "Own Goals", "201,A,Y,,,,205,N,Y,,,,206,N,Y,,,,204,N,Y,,,,207,A,Y,,,,209,N,N,Y,,,"},
        {kTabPlayers, "Top Scorers", "300,N,Y,,,,301,N,Y,,,,302,N,Y,,,,304,D,Y,\">4\",,,"},
        {kTabSquads, "Red Card List", "400,A,Y,,,,405,N,Y,,,,403,N,Y,,,,404,N,Y,,,,409,A,Y,,,,414,N,N,Y,,,"},
    };
    return kDefaults;
}

std::vector<SavedQuery> ReadSavedQueries(const IniFile& ini) {
    const int count = ini.ReadInt(kSection, kCountKey, 0);
    if (count <= 0)
        return DefaultQueries();
    std::vector<SavedQuery> list;
    for (int n = 1; n <= std::min(count, kMaxSavedQueries); ++n) {
        SavedQuery q;
        q.Tab = ini.ReadInt(kSection, EntryKey("QryTab", n), 99);
        q.Title = CutTitle(ini.ReadString(kSection, EntryKey("QryTitle", n), ""));
        q.Text = ini.ReadString(kSection, EntryKey("QryQuery", n), "");
        if (q.Tab >= 0 && q.Tab < kQueryTabCount && !q.Title.empty() && !q.Text.empty())
            list.push_back(std::move(q));
    }
    return list;
}

bool EnsureSavedQueries(IniFile& ini) {
    if (ini.ReadInt(kSection, kCountKey, 0) > 0)
        return false;
    WriteSavedQueries(ini, DefaultQueries());
    return true;
}

void WriteSavedQueries(IniFile& ini, const std::vector<SavedQuery>& list) {
    for (const std::string& key : ini.Keys(kSection))
        if (IsEntryKey(key))
            ini.DeleteKey(kSection, key);
    ini.WriteInt(kSection, kCountKey, static_cast<int>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        ini.WriteInt(kSection, EntryKey("QryTab", n), list[i].Tab);
        ini.WriteString(kSection, EntryKey("QryTitle", n), list[i].Title);
        ini.WriteString(kSection, EntryKey("QryQuery", n), list[i].Text);
    }
}

Status CheckQueryTitle(std::string_view title) {
    return Trim(title).empty() ? Status::Failure("You must enter a title for the query") : Status::Success();
}

Expected<int> SaveQuery(std::vector<SavedQuery>& list, IniFile& ini, int tab, std::string_view title,
                        std::string_view text) {
    if (Status s = CheckQueryTitle(title); !s)
        return Error{s.Message};
    const std::string cut = CutTitle(title);
    std::size_t entry = 0;
    while (entry < list.size() && !(list[entry].Tab == tab && list[entry].Title == cut))
        ++entry;
    if (entry == list.size()) {
        if (list.size() >= static_cast<std::size_t>(kMaxSavedQueries))
            return Error{"Maximum number of queries already saved"};
        list.push_back({tab, cut, {}});
    }
    list[entry].Text = std::string(text);
    WriteSavedQueries(ini, list);
    return static_cast<int>(entry) + 1;
}

std::vector<QueryListItem> QueryListItems(const std::vector<SavedQuery>& list, int tab) {
    std::vector<QueryListItem> items = {{kNoQueryItem, 0}};
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].Tab == tab)
            items.push_back({list[i].Title, static_cast<int>(i) + 1});
    return items;
}

const SavedQuery* FindSavedQuery(const std::vector<SavedQuery>& list, int tab, std::string_view title) {
    for (const SavedQuery& q : list)
        if ((tab < 0 || q.Tab == tab) && q.Title == title)
            return &q;
    return nullptr;
}

} // namespace gorlin
