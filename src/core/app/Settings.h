#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/app/IniFile.h"

namespace gorlin {

/// A 24-bit colour as the settings store it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

/// The program-wide settings: every key of the settings file, read once at start.
/// Member names are the key names.
struct Settings {
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
    std::array<std::string, 10> Positions = {"Not Specified", "Goal Keeper", "Defender", "Midfield", "Forward"};

    // [FormSize]
    int ProcHeight = 0;
    int ProcWidth = 0;
    int ProcLeft = 0;
    int ProcTop = 0;

    // [HTML]
    std::string TableTag = "<TABLE BORDER>";

    /// Reads every key; missing keys give the defaults; programFolder is the default FilePath.
    static Settings Read(const IniFile& ini, const std::string& programFolder);

    /// The writers: each writes only its own keys into the store (the caller saves it).
    void WriteSetup(IniFile& ini) const;        // Setup dialog OK
    void WriteFilePath(IniFile& ini) const;     // folder dialog
    void WriteFormSize(IniFile& ini) const;     // league window closing: FormSize and FontName
    void WritePlayerCols(IniFile& ini) const;   // players grid column chooser
};

} // namespace gorlin
