#pragma once

#include "core/app/IniFile.h"
#include "core/model/Colour.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gorlin {

/// The settings file's name, in the program folder.
inline constexpr const char* kSettingsFileName = "gorlin.ini";

/// The program-wide settings: every key of the settings file, read once at start.
/// Member names are the key names. Texts are Windows-1252 bytes, like the league's, except
/// `FilePath`, a file-system path in the system's own encoding (UTF-8 here).
struct Settings {
    /// Longest position name kept.
    static constexpr std::size_t kPositionNameMax = 20;
    static constexpr int kFormGamesMin = 2;
    static constexpr int kFormGamesMax = 30;

    // [Colours]
    Colour Colour1 = 0x00FFFF; // promoted teams (yellow)
    Colour Colour2 = 0x00FF00; // play-off places (lime)
    Colour Colour3 = 0xFFFF00; // relegated teams (aqua)
    Colour Colour4 = 0x0000FF; // own team text (red)
    Colour Colour5 = 0xC0C0C0; // other teams (silver)

    // [Options]
    bool ShowPoss = false;
    bool ShortTab = false;
    bool ShowHints = true;
    bool TakeBackup = true;
    bool ShowStatus = true;
    std::string FilePath; // default: the program folder
    int FormGames = 10;
    std::string FontName = "Arial";
    bool RecycleOnDelete = true;
    bool ShowSubFolders = true;
    bool UseRas = true;
    bool AdminMode = false;
    std::string TableLong = "ABCDEFGHIJKLMSU";
    std::string TableShort = "ABCNOPQRSU";
    std::string PlayerCols = "ABCDEFGHI";
    bool ManualConnect = true;
    int DiscOption = 0;
    std::string ConnectName;
    bool UseProxy = false;
    std::string ProxyName;
    int ProxyPort = 80;
    std::string RootHost = "updates.gorlin.example/leagues/";

    // [Squads]
    int SquadSort = 1;
    /// Position names 1..9 (index 0 is always "Not Specified").
    std::array<std::string, 10> Positions = {"Not Specified", "Goal Keeper", "Defender", "Midfield",
                                             "Forward"};

    // [FormSize]
    int ProcHeight = 0;
    int ProcWidth = 0;
    int ProcLeft = 0;
    int ProcTop = 0;

    // [HTML]
    std::string TableTag = "<TABLE BORDER>";

    /// Reads every key; missing keys give the defaults; programFolder is the default FilePath.
    /// Values the program could not work with read as their defaults: `FormGames` is held to
    /// 2..30, `DiscOption` outside 0..2 and `SquadSort` outside 0..1 read as the default,
    /// `ProxyPort` outside 0..65535 reads as 80, colours keep their low 24 bits and position
    /// names are cut to 20 characters.
    static Settings Read(const IniFile& ini, const std::string& programFolder);

    /// The writers: each writes only its own keys into the store (the caller saves it).
    void WriteSetup(IniFile& ini) const;      // Setup dialog OK
    void WriteFilePath(IniFile& ini) const;   // folder dialog
    void WriteFormSize(IniFile& ini) const;   // league window closing: FormSize and FontName
    void WritePlayerCols(IniFile& ini) const; // players grid column chooser
};

/// The settings file of a program folder, read: its store, the values in force (defaults
/// where the file or a key is missing) and the reason when it could not be read (then the
/// store is empty and every value is its default).
struct SettingsFile {
    IniFile Ini;
    Settings Values;
    Status Problem;
};

/// Reads gorlin.ini of the program folder (a path ending with '/'), as both programs do at start.
SettingsFile LoadSettingsFile(const std::string& programFolder);

/// One line of the settings listing.
struct SettingEntry {
    std::string Section;
    std::string Key;
    std::string Value;
};

/// Every key with its value after defaults, in a fixed order: the sections Colours, Options,
/// Squads, FormSize, HTML with their keys as the settings table orders them (values as the
/// store writes them: booleans 1/0, colours and integers in decimal), then `Queries`:
/// `QryCount` (0 when missing) and, for each stored query 1..QryCount, those of its keys
/// `QryTab`, `QryTitle`, `QryQuery` that are present (at most the first 1000 queries).
std::vector<SettingEntry> ListSettings(const IniFile& ini, const std::string& programFolder);

} // namespace gorlin
