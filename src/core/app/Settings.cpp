#include "core/app/Settings.h"

#include <algorithm>
#include <type_traits>
#include <variant>

namespace gorlin {

namespace {

constexpr const char* kColours = "Colours";
constexpr const char* kOptions = "Options";
constexpr const char* kSquads = "Squads";
constexpr const char* kFormSize = "FormSize";
constexpr const char* kHtml = "HTML";
constexpr const char* kQueries = "Queries";
constexpr int kMaxListedQueries = 1000;

/// Which writer stores a key.
enum Writer : unsigned {
    kReadOnly = 0,
    kSetup = 1u << 0,
    kFilePath = 1u << 1,
    kFormSize_ = 1u << 2,
    kPlayerCols = 1u << 3,
};

/// How a stored integer outside [Min, Max] is read: held to the range, or as the default.
enum class OutOfRange { Clamp, Default };

using Member = std::variant<Colour Settings::*, bool Settings::*, int Settings::*, std::string Settings::*>;

/// One key of the settings file. Position names (Position1..9) are the entries with a
/// non-zero Position; their member is the whole array.
struct KeyInfo {
    const char* Section;
    const char* Name;
    Member Field;
    unsigned Writers;
    int Min = 0;
    int Max = 0;
    OutOfRange Range = OutOfRange::Default;
    int Position = 0;
};

// clang-format off
const KeyInfo kKeys[] = {
    {kColours, "Colour1", &Settings::Colour1, kSetup},
    {kColours, "Colour2", &Settings::Colour2, kSetup},
    {kColours, "Colour3", &Settings::Colour3, kSetup},
    {kColours, "Colour4", &Settings::Colour4, kSetup},
    {kColours, "Colour5", &Settings::Colour5, kSetup},
    {kOptions, "ShowPoss", &Settings::ShowPoss, kSetup},
    {kOptions, "ShortTab", &Settings::ShortTab, kSetup},
    {kOptions, "ShowHints", &Settings::ShowHints, kSetup},
    {kOptions, "TakeBackup", &Settings::TakeBackup, kSetup},
    {kOptions, "ShowStatus", &Settings::ShowStatus, kSetup},
    {kOptions, "FilePath", &Settings::FilePath, kFilePath},
    {kOptions, "FormGames", &Settings::FormGames, kSetup, Settings::kFormGamesMin, Settings::kFormGamesMax, OutOfRange::Clamp},
    {kOptions, "FontName", &Settings::FontName, kFormSize_},
    {kOptions, "RecycleOnDelete", &Settings::RecycleOnDelete, kSetup},
    {kOptions, "ShowSubFolders", &Settings::ShowSubFolders, kSetup},
    {kOptions, "UseRas", &Settings::UseRas, kReadOnly},
    {kOptions, "AdminMode", &Settings::AdminMode, kReadOnly},
    {kOptions, "TableLong", &Settings::TableLong, kSetup},
    {kOptions, "TableShort", &Settings::TableShort, kSetup},
    {kOptions, "PlayerCols", &Settings::PlayerCols, kPlayerCols},
    {kOptions, "ManualConnect", &Settings::ManualConnect, kSetup},
    {kOptions, "DiscOption", &Settings::DiscOption, kSetup, 0, 2},
    {kOptions, "ConnectName", &Settings::ConnectName, kSetup},
    {kOptions, "UseProxy", &Settings::UseProxy, kSetup},
    {kOptions, "ProxyName", &Settings::ProxyName, kSetup},
    {kOptions, "ProxyPort", &Settings::ProxyPort, kSetup, 0, 65535},
    {kOptions, "RootHost", &Settings::RootHost, kReadOnly},
    {kSquads, "SquadSort", &Settings::SquadSort, kSetup, 0, 1},
    {kSquads, "Position1", Member{}, kSetup, 0, 0, OutOfRange::Default, 1},
    {kSquads, "Position2", Member{}, kSetup, 0, 0, OutOfRange::Default, 2},
    {kSquads, "Position3", Member{}, kSetup, 0, 0, OutOfRange::Default, 3},
    {kSquads, "Position4", Member{}, kSetup, 0, 0, OutOfRange::Default, 4},
    {kSquads, "Position5", Member{}, kSetup, 0, 0, OutOfRange::Default, 5},
    {kSquads, "Position6", Member{}, kSetup, 0, 0, OutOfRange::Default, 6},
    {kSquads, "Position7", Member{}, kSetup, 0, 0, OutOfRange::Default, 7},
    {kSquads, "Position8", Member{}, kSetup, 0, 0, OutOfRange::Default, 8},
    {kSquads, "Position9", Member{}, kSetup, 0, 0, OutOfRange::Default, 9},
    {kFormSize, "ProcHeight", &Settings::ProcHeight, kFormSize_},
    {kFormSize, "ProcWidth", &Settings::ProcWidth, kFormSize_},
    {kFormSize, "ProcLeft", &Settings::ProcLeft, kFormSize_},
    {kFormSize, "ProcTop", &Settings::ProcTop, kFormSize_},
    {kHtml, "TableTag", &Settings::TableTag, kSetup},
};
// clang-format on

bool Ranged(const KeyInfo& k) {
    return k.Min != 0 || k.Max != 0;
}

void ReadKey(const KeyInfo& k, const IniFile& ini, Settings& s) {
    if (k.Position != 0) {
        std::string& name = s.Positions[static_cast<std::size_t>(k.Position)];
        name = ini.ReadString(k.Section, k.Name, name);
        if (name.size() > Settings::kPositionNameMax)
            name.resize(Settings::kPositionNameMax);
        return;
    }
    std::visit(
        [&](auto member) {
            auto& field = s.*member;
            using T = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<T, Colour>) {
                field =
                    static_cast<Colour>(ini.ReadInt(k.Section, k.Name, static_cast<int>(field))) & 0xFFFFFFu;
            } else if constexpr (std::is_same_v<T, bool>) {
                field = ini.ReadBool(k.Section, k.Name, field);
            } else if constexpr (std::is_same_v<T, int>) {
                const int value = ini.ReadInt(k.Section, k.Name, field);
                if (!Ranged(k))
                    field = value;
                else if (k.Range == OutOfRange::Clamp)
                    field = std::clamp(value, k.Min, k.Max);
                else if (value >= k.Min && value <= k.Max)
                    field = value;
            } else {
                field = ini.ReadString(k.Section, k.Name, field);
            }
        },
        k.Field);
}

/// The key's value as the store writes it: booleans 1/0, colours and integers in decimal.
std::string ValueText(const KeyInfo& k, const Settings& s) {
    if (k.Position != 0)
        return s.Positions[static_cast<std::size_t>(k.Position)];
    return std::visit(
        [&](auto member) -> std::string {
            const auto& field = s.*member;
            using T = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<T, Colour>)
                return std::to_string(field & 0xFFFFFFu);
            else if constexpr (std::is_same_v<T, bool>)
                return field ? "1" : "0";
            else if constexpr (std::is_same_v<T, int>)
                return std::to_string(field);
            else
                return field;
        },
        k.Field);
}

/// Writes the writer's keys in table order; the keys of `firstSection` (when given) go first,
/// which decides where a new section lands in the file.
void WriteKeys(const Settings& s, IniFile& ini, unsigned writer, std::string_view firstSection = {}) {
    for (const int pass : {0, 1})
        for (const KeyInfo& k : kKeys)
            if ((k.Writers & writer) != 0 && ((k.Section == firstSection) == (pass == 0)))
                ini.WriteString(k.Section, k.Name, ValueText(k, s));
}

} // namespace

Settings Settings::Read(const IniFile& ini, const std::string& programFolder) {
    Settings s;
    s.FilePath = programFolder;
    for (const KeyInfo& k : kKeys)
        ReadKey(k, ini, s);
    return s;
}

SettingsFile LoadSettingsFile(const std::string& programFolder) {
    SettingsFile file{IniFile(programFolder + kSettingsFileName), Settings{}, Status::Success()};
    file.Problem = file.Ini.Load();
    file.Values = Settings::Read(file.Ini, programFolder);
    return file;
}

void Settings::WriteSetup(IniFile& ini) const {
    WriteKeys(*this, ini, kSetup);
}

void Settings::WriteFilePath(IniFile& ini) const {
    WriteKeys(*this, ini, kFilePath);
}

void Settings::WriteFormSize(IniFile& ini) const {
    WriteKeys(*this, ini, kFormSize_, kFormSize);
}

void Settings::WritePlayerCols(IniFile& ini) const {
    WriteKeys(*this, ini, kPlayerCols);
}

std::vector<SettingEntry> ListSettings(const IniFile& ini, const std::string& programFolder) {
    const Settings s = Settings::Read(ini, programFolder);
    std::vector<SettingEntry> out;
    for (const KeyInfo& k : kKeys)
        out.push_back({k.Section, k.Name, ValueText(k, s)});
    const int count = ini.ReadInt(kQueries, "QryCount", 0);
    out.push_back({kQueries, "QryCount", std::to_string(count)});
    for (int n = 1; n <= std::min(count, kMaxListedQueries); ++n) {
        for (const char* stem : {"QryTab", "QryTitle", "QryQuery"}) {
            const std::string key = stem + std::to_string(n);
            if (ini.HasKey(kQueries, key))
                out.push_back({kQueries, key, ini.ReadString(kQueries, key, "")});
        }
    }
    return out;
}

} // namespace gorlin
