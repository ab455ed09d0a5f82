#pragma once

#include "core/app/Settings.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

/// The 14 colours the Setup dialog offers, in their order (0x00BBGGRR).
inline constexpr std::array<Colour, 14> kSetupPalette = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                         0x808000, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
/// Names of the palette colours, same order.
inline constexpr std::array<const char*, 14> kSetupPaletteNames = {
    "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Silver",
    "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

/// Index of a colour in the palette, or -1 when it is not there.
int PaletteIndex(Colour colour);

/// The column letters offered for each set, and each set's default.
inline constexpr std::string_view kLongColumnLetters = "ABVCDEFGHIJKLMNOPQRSTU";
inline constexpr std::string_view kShortColumnLetters = "ABVCNOPQRSTU";
inline constexpr std::string_view kLongColumnDefault = "ABCDEFGHIJKLMSU";
inline constexpr std::string_view kShortColumnDefault = "ABCNOPQRSU";

/// A descriptive name of a table column letter for the column list ("Home Won (W)").
std::string ColumnDescription(char letter);

/// One line of the column list.
struct ColumnLine {
    char Letter = 'A';
    bool Ticked = false;
    friend bool operator==(const ColumnLine&, const ColumnLine&) = default;
};

/// The column list of a working string: one line per letter of the full list; the places the
/// full list gives to the letters in use hold those letters in their working order, ticked;
/// every other letter keeps its own place, unticked. Letters the full list does not offer and
/// repeated letters are left out.
std::vector<ColumnLine> BuildColumnList(std::string_view working, std::string_view fullLetters);

/// The ticked letters in list order.
std::string StoreColumnList(const std::vector<ColumnLine>& lines);

/// The Table page's working state: both column strings and the list of the set shown. Only
/// OK takes the strings over (Store() then TableLong()/TableShort()).
class ColumnChooser {
public:
    ColumnChooser(std::string tableLong, std::string tableShort);

    bool ShowingShort() const { return m_showShort; }
    const std::vector<ColumnLine>& Lines() const { return m_lines; }

    /// Switches the set shown: stores the shown list into its working string first.
    void Show(bool shortSet);
    void SetTicked(std::size_t index, bool ticked);
    /// Moves a line one place, keeping its tick; returns its new index (unchanged at the ends
    /// or for an index out of range).
    std::size_t MoveUp(std::size_t index);
    std::size_t MoveDown(std::size_t index);
    /// The working string of the set shown becomes its default; the list is rebuilt.
    void RestoreDefault();
    /// Stores the shown list into the working string of its set.
    void Store();

    const std::string& TableLong() const { return m_longCols; }
    const std::string& TableShort() const { return m_shortCols; }

private:
    void Build();

    std::string m_longCols;
    std::string m_shortCols;
    bool m_showShort = false;
    std::vector<ColumnLine> m_lines;
};

/// A position list line: the number, " - " and the name ("5 - Sweeper").
std::string PositionLine(int number, std::string_view name);
/// The name part of a position line: from its fifth character, at most 20 characters.
std::string PositionNameOfLine(std::string_view line);

/// The message texts of the Setup dialog's OK.
inline constexpr const char* kOwnColourClashMessage =
    "Your Own Team colour cannot be the same as one of the other four";
inline constexpr const char* kProxyAddressMissingMessage =
    "You have selected to use a proxy but have not entered an address/name";
/// The note shown when the dial-up service is absent (the trailing blank is part of it).
inline constexpr const char* kNoDialUpNote =
    "The RAS API is not available on this system so RAS related options have been disabled. ";

/// A proxy port as typed: the number, or 80 when the text (blanks aside) is not a number
/// from 0 to 65535.
int ProxyPortFromText(std::string_view text);

/// What the Setup dialog's controls hold when OK is pressed (texts in Windows-1252).
struct SetupChoices {
    /// Working colours: promoted, play-offs, relegated, own team, default teams.
    std::array<Colour, 5> Colours{};
    bool ShowPoss = false;
    bool ShortTab = false;
    bool ShowHints = true;
    bool TakeBackup = true;
    bool ShowStatus = true;
    bool RecycleOnDelete = true;
    bool ShowSubFolders = true;
    int FormGames = 10;
    int SquadSort = 1;
    /// The position lines 1..9 as shown ("5 - Sweeper"); index 0 unused.
    std::array<std::string, 10> PositionLines{};
    std::string TableTag;
    std::string TableLong;
    std::string TableShort;
    bool ManualConnect = true;
    int DiscOption = 0;
    /// The selected dial-up entry (empty when none), taken only when dial-up is chosen.
    std::string ConnectName;
    bool UseProxy = false;
    std::string ProxyAddressText;
    std::string ProxyPortText;
};

/// OK of the Setup dialog: checks the own-team colour, takes the choices into the settings,
/// checks the proxy address, and on success takes the position names too; the caller then
/// writes them. Fails with kOwnColourClashMessage (nothing changed) or
/// kProxyAddressMissingMessage (taken for this run, positions aside, but not to be written).
Status TakeSetup(const SetupChoices& choices, Settings& settings);

} // namespace gorlin
