#include "core/app/SetupRules.h"

#include "core/model/Text.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace gorlin {

int PaletteIndex(Colour colour) {
    const auto it = std::find(kSetupPalette.begin(), kSetupPalette.end(), colour);
    return it == kSetupPalette.end() ? -1 : static_cast<int>(it - kSetupPalette.begin());
}

std::string ColumnDescription(char letter) {
    static constexpr std::array<const char*, 22> kNames = {"Position (Pos)",
                                                           "Team (Team)",
                                                           "Played (P)",
                                                           "Home Won (W)",
                                                           "Home Drawn (D)",
                                                           "Home Lost (L)",
                                                           "Home Goals For (F)",
                                                           "Home Goals Against (A)",
                                                           "Away Won (W)",
                                                           "Away Drawn (D)",
                                                           "Away Lost (L)",
                                                           "Away Goals For (F)",
                                                           "Away Goals Against (A)",
                                                           "Total Won (W)",
                                                           "Total Drawn (D)",
                                                           "Total Lost (L)",
                                                           "Total Goals For (F)",
                                                           "Total Goals Against (A)",
                                                           "Goal Difference (GD)",
                                                           "Goals Scored (GS)",
                                                           "Points (Pts)",
                                                           "Position Change (Chg)"};
    if (letter >= 'A' && letter <= 'V')
        return kNames[static_cast<std::size_t>(letter - 'A')];
    return std::string("Column ") + letter;
}

std::vector<ColumnLine> BuildColumnList(std::string_view working, std::string_view fullLetters) {
    // The letters in use, in working order, once each and only those offered.
    std::string inUse;
    for (const char c : working)
        if (fullLetters.find(c) != std::string_view::npos && inUse.find(c) == std::string::npos)
            inUse += c;
    std::vector<ColumnLine> lines;
    lines.reserve(fullLetters.size());
    std::size_t next = 0;
    for (const char c : fullLetters) {
        if (inUse.find(c) != std::string::npos)
            lines.push_back({inUse[next++], true});
        else
            lines.push_back({c, false});
    }
    return lines;
}

std::string StoreColumnList(const std::vector<ColumnLine>& lines) {
    std::string out;
    for (const ColumnLine& l : lines)
        if (l.Ticked)
            out += l.Letter;
    return out;
}

ColumnChooser::ColumnChooser(std::string tableLong, std::string tableShort)
    : m_longCols(std::move(tableLong)), m_shortCols(std::move(tableShort)) {
    Build();
}

void ColumnChooser::Build() {
    m_lines = m_showShort ? BuildColumnList(m_shortCols, kShortColumnLetters)
                          : BuildColumnList(m_longCols, kLongColumnLetters);
}

void ColumnChooser::Store() {
    (m_showShort ? m_shortCols : m_longCols) = StoreColumnList(m_lines);
}

void ColumnChooser::Show(bool shortSet) {
    if (shortSet == m_showShort)
        return;
    Store();
    m_showShort = shortSet;
    Build();
}

void ColumnChooser::SetTicked(std::size_t index, bool ticked) {
    if (index < m_lines.size())
        m_lines[index].Ticked = ticked;
}

std::size_t ColumnChooser::MoveUp(std::size_t index) {
    if (index == 0 || index >= m_lines.size())
        return index;
    std::swap(m_lines[index], m_lines[index - 1]);
    return index - 1;
}

std::size_t ColumnChooser::MoveDown(std::size_t index) {
    if (index + 1 >= m_lines.size())
        return index;
    std::swap(m_lines[index], m_lines[index + 1]);
    return index + 1;
}

void ColumnChooser::RestoreDefault() {
    (m_showShort ? m_shortCols : m_longCols) =
        std::string(m_showShort ? kShortColumnDefault : kLongColumnDefault);
    Build();
}

std::string PositionLine(int number, std::string_view name) {
    return std::to_string(number) + " - " + std::string(name);
}

std::string PositionNameOfLine(std::string_view line) {
    if (line.size() <= 4)
        return {};
    return std::string(line.substr(4, Settings::kPositionNameMax));
}

int ProxyPortFromText(std::string_view text) {
    text = Trim(text);
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size() || value < 0 || value > 65535)
        return 80;
    return value;
}

Status TakeSetup(const SetupChoices& c, Settings& s) {
    const Colour own = c.Colours[3];
    if (own == c.Colours[0] || own == c.Colours[1] || own == c.Colours[2] || own == c.Colours[4])
        return Status::Failure(kOwnColourClashMessage);

    s.Colour1 = c.Colours[0];
    s.Colour2 = c.Colours[1];
    s.Colour3 = c.Colours[2];
    s.Colour4 = c.Colours[3];
    s.Colour5 = c.Colours[4];
    s.ShowPoss = c.ShowPoss;
    s.ShortTab = c.ShortTab;
    s.ShowHints = c.ShowHints;
    s.TakeBackup = c.TakeBackup;
    s.ShowStatus = c.ShowStatus;
    s.RecycleOnDelete = c.RecycleOnDelete;
    s.ShowSubFolders = c.ShowSubFolders;
    s.FormGames = std::clamp(c.FormGames, Settings::kFormGamesMin, Settings::kFormGamesMax);
    s.SquadSort = c.SquadSort;
    s.TableTag = c.TableTag;
    s.TableLong = c.TableLong;
    s.TableShort = c.TableShort;
    s.ManualConnect = c.ManualConnect;
    s.DiscOption = c.DiscOption;
    if (!c.ManualConnect)
        s.ConnectName = c.ConnectName;
    s.UseProxy = c.UseProxy;
    s.ProxyName = std::string(Trim(c.ProxyAddressText));
    s.ProxyPort = ProxyPortFromText(c.ProxyPortText);

    if (s.UseProxy && s.ProxyName.empty())
        return Status::Failure(kProxyAddressMissingMessage);

    for (std::size_t n = 1; n <= 9; ++n)
        s.Positions[n] = PositionNameOfLine(c.PositionLines[n]);
    return Status::Success();
}

} // namespace gorlin
