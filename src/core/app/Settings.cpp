#include "core/app/Settings.h"

#include <algorithm>

namespace gorlin {

namespace {

constexpr const char* kColours = "Colours";
constexpr const char* kOptions = "Options";
constexpr const char* kSquads = "Squads";
constexpr const char* kFormSize = "FormSize";
constexpr const char* kHtml = "HTML";
constexpr const char* kQueries = "Queries";
constexpr int kMaxListedQueries = 1000;

Colour ReadColour(const IniFile& ini, const char* key, Colour def) {
    return static_cast<Colour>(ini.ReadInt(kColours, key, static_cast<int>(def))) & 0xFFFFFFu;
}

void WriteColour(IniFile& ini, const char* key, Colour value) {
    ini.WriteInt(kColours, key, static_cast<int>(value & 0xFFFFFFu));
}

std::string PositionKey(int n) {
    return "Position" + std::to_string(n);
}

int InRangeOr(int value, int low, int high, int def) {
    return value < low || value > high ? def : value;
}

} // namespace

Settings Settings::Read(const IniFile& ini, const std::string& programFolder) {
    Settings s;
    s.Colour1 = ReadColour(ini, "Colour1", s.Colour1);
    s.Colour2 = ReadColour(ini, "Colour2", s.Colour2);
    s.Colour3 = ReadColour(ini, "Colour3", s.Colour3);
    s.Colour4 = ReadColour(ini, "Colour4", s.Colour4);
    s.Colour5 = ReadColour(ini, "Colour5", s.Colour5);

    s.ShowPoss = ini.ReadBool(kOptions, "ShowPoss", s.ShowPoss);
    s.ShortTab = ini.ReadBool(kOptions, "ShortTab", s.ShortTab);
    s.ShowHints = ini.ReadBool(kOptions, "ShowHints", s.ShowHints);
    s.TakeBackup = ini.ReadBool(kOptions, "TakeBackup", s.TakeBackup);
    s.ShowStatus = ini.ReadBool(kOptions, "ShowStatus", s.ShowStatus);
    s.FilePath = ini.ReadString(kOptions, "FilePath", programFolder);
    s.FormGames = std::clamp(ini.ReadInt(kOptions, "FormGames", s.FormGames), kFormGamesMin, kFormGamesMax);
    s.FontName = ini.ReadString(kOptions, "FontName", s.FontName);
    s.RecycleOnDelete = ini.ReadBool(kOptions, "RecycleOnDelete", s.RecycleOnDelete);
    s.ShowSubFolders = ini.ReadBool(kOptions, "ShowSubFolders", s.ShowSubFolders);
    s.UseRas = ini.ReadBool(kOptions, "UseRas", s.UseRas);
    s.AdminMode = ini.ReadBool(kOptions, "AdminMode", s.AdminMode);
    s.TableLong = ini.ReadString(kOptions, "TableLong", s.TableLong);
    s.TableShort = ini.ReadString(kOptions, "TableShort", s.TableShort);
    s.PlayerCols = ini.ReadString(kOptions, "PlayerCols", s.PlayerCols);
    s.ManualConnect = ini.ReadBool(kOptions, "ManualConnect", s.ManualConnect);
    s.DiscOption = InRangeOr(ini.ReadInt(kOptions, "DiscOption", s.DiscOption), 0, 2, 0);
    s.ConnectName = ini.ReadString(kOptions, "ConnectName", s.ConnectName);
    s.UseProxy = ini.ReadBool(kOptions, "UseProxy", s.UseProxy);
    s.ProxyName = ini.ReadString(kOptions, "ProxyName", s.ProxyName);
    s.ProxyPort = InRangeOr(ini.ReadInt(kOptions, "ProxyPort", s.ProxyPort), 0, 65535, 80);
    s.RootHost = ini.ReadString(kOptions, "RootHost", s.RootHost);

    s.SquadSort = InRangeOr(ini.ReadInt(kSquads, "SquadSort", s.SquadSort), 0, 1, 1);
    for (int n = 1; n <= 9; ++n) {
        auto& name = s.Positions[static_cast<std::size_t>(n)];
        name = ini.ReadString(kSquads, PositionKey(n), name);
        if (name.size() > kPositionNameMax)
            name.resize(kPositionNameMax);
    }

    s.ProcHeight = ini.ReadInt(kFormSize, "ProcHeight", s.ProcHeight);
    s.ProcWidth = ini.ReadInt(kFormSize, "ProcWidth", s.ProcWidth);
    s.ProcLeft = ini.ReadInt(kFormSize, "ProcLeft", s.ProcLeft);
    s.ProcTop = ini.ReadInt(kFormSize, "ProcTop", s.ProcTop);

    s.TableTag = ini.ReadString(kHtml, "TableTag", s.TableTag);
    return s;
}

void Settings::WriteSetup(IniFile& ini) const {
    WriteColour(ini, "Colour1", Colour1);
    WriteColour(ini, "Colour2", Colour2);
    WriteColour(ini, "Colour3", Colour3);
    WriteColour(ini, "Colour4", Colour4);
    WriteColour(ini, "Colour5", Colour5);

    ini.WriteBool(kOptions, "ShowPoss", ShowPoss);
    ini.WriteBool(kOptions, "ShortTab", ShortTab);
    ini.WriteBool(kOptions, "ShowHints", ShowHints);
    ini.WriteBool(kOptions, "TakeBackup", TakeBackup);
    ini.WriteBool(kOptions, "ShowStatus", ShowStatus);
    ini.WriteInt(kOptions, "FormGames", FormGames);
    ini.WriteBool(kOptions, "RecycleOnDelete", RecycleOnDelete);
    ini.WriteBool(kOptions, "ShowSubFolders", ShowSubFolders);
    ini.WriteInt(kSquads, "SquadSort", SquadSort);
    for (int n = 1; n <= 9; ++n)
        ini.WriteString(kSquads, PositionKey(n), Positions[static_cast<std::size_t>(n)]);
    ini.WriteString(kHtml, "TableTag", TableTag);
    ini.WriteString(kOptions, "TableLong", TableLong);
    ini.WriteString(kOptions, "TableShort", TableShort);
    ini.WriteBool(kOptions, "ManualConnect", ManualConnect);
    ini.WriteInt(kOptions, "DiscOption", DiscOption);
    ini.WriteString(kOptions, "ConnectName", ConnectName);
    ini.WriteBool(kOptions, "UseProxy", UseProxy);
    ini.WriteString(kOptions, "ProxyName", ProxyName);
    ini.WriteInt(kOptions, "ProxyPort", ProxyPort);
}

void Settings::WriteFilePath(IniFile& ini) const {
    ini.WriteString(kOptions, "FilePath", FilePath);
}

void Settings::WriteFormSize(IniFile& ini) const {
    ini.WriteInt(kFormSize, "ProcHeight", ProcHeight);
    ini.WriteInt(kFormSize, "ProcWidth", ProcWidth);
    ini.WriteInt(kFormSize, "ProcLeft", ProcLeft);
    ini.WriteInt(kFormSize, "ProcTop", ProcTop);
    ini.WriteString(kOptions, "FontName", FontName);
}

void Settings::WritePlayerCols(IniFile& ini) const {
    ini.WriteString(kOptions, "PlayerCols", PlayerCols);
}

std::vector<SettingEntry> ListSettings(const IniFile& ini, const std::string& programFolder) {
    const Settings s = Settings::Read(ini, programFolder);
    std::vector<SettingEntry> out;
    const auto add = [&out](const char* section, std::string key, std::string value) {
        out.push_back({section, std::move(key), std::move(value)});
    };
    const auto num = [](long long v) { return std::to_string(v); };
    const auto flag = [](bool b) { return std::string(b ? "1" : "0"); };

    add(kColours, "Colour1", num(s.Colour1));
    add(kColours, "Colour2", num(s.Colour2));
    add(kColours, "Colour3", num(s.Colour3));
    add(kColours, "Colour4", num(s.Colour4));
    add(kColours, "Colour5", num(s.Colour5));

    add(kOptions, "ShowPoss", flag(s.ShowPoss));
    add(kOptions, "ShortTab", flag(s.ShortTab));
    add(kOptions, "ShowHints", flag(s.ShowHints));
    add(kOptions, "TakeBackup", flag(s.TakeBackup));
    add(kOptions, "ShowStatus", flag(s.ShowStatus));
    add(kOptions, "FilePath", s.FilePath);
    add(kOptions, "FormGames", num(s.FormGames));
    add(kOptions, "FontName", s.FontName);
    add(kOptions, "RecycleOnDelete", flag(s.RecycleOnDelete));
    add(kOptions, "ShowSubFolders", flag(s.ShowSubFolders));
    add(kOptions, "UseRas", flag(s.UseRas));
    add(kOptions, "AdminMode", flag(s.AdminMode));
    add(kOptions, "TableLong", s.TableLong);
    add(kOptions, "TableShort", s.TableShort);
    add(kOptions, "PlayerCols", s.PlayerCols);
    add(kOptions, "ManualConnect", flag(s.ManualConnect));
    add(kOptions, "DiscOption", num(s.DiscOption));
    add(kOptions, "ConnectName", s.ConnectName);
    add(kOptions, "UseProxy", flag(s.UseProxy));
    add(kOptions, "ProxyName", s.ProxyName);
    add(kOptions, "ProxyPort", num(s.ProxyPort));
    add(kOptions, "RootHost", s.RootHost);

    add(kSquads, "SquadSort", num(s.SquadSort));
    for (int n = 1; n <= 9; ++n)
        add(kSquads, PositionKey(n), s.Positions[static_cast<std::size_t>(n)]);

    add(kFormSize, "ProcHeight", num(s.ProcHeight));
    add(kFormSize, "ProcWidth", num(s.ProcWidth));
    add(kFormSize, "ProcLeft", num(s.ProcLeft));
    add(kFormSize, "ProcTop", num(s.ProcTop));

    add(kHtml, "TableTag", s.TableTag);

    const int count = ini.ReadInt(kQueries, "QryCount", 0);
    add(kQueries, "QryCount", num(count));
    for (int n = 1; n <= std::min(count, kMaxListedQueries); ++n) {
        for (const char* stem : {"QryTab", "QryTitle", "QryQuery"}) {
            const std::string key = stem + std::to_string(n);
            if (ini.HasKey(kQueries, key))
                add(kQueries, key, ini.ReadString(kQueries, key, ""));
        }
    }
    return out;
}

} // namespace gorlin
