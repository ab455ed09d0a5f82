#pragma once

#include "core/model/Expected.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gorlin {

/// A settings file with profile-file semantics: a missing file or key reads as the default;
/// section and key names match without regard to case; a write creates the section or key as
/// needed and keeps every other line (comments included) as it stands. Values are kept exactly
/// as written (commas, quotes and equals signs included), with blanks around them trimmed.
/// When a section or key occurs twice, the first occurrence counts (reads and writes alike).
/// Texts are bytes as they stand (the program writes Windows-1252, like its league files).
/// The store is read once; a save writes only the keys written or deleted through it since it was
/// loaded or last saved, onto the file as it stands then, so what another program (a second
/// window, the command line, an editor) stored meanwhile under other keys is kept.
class IniFile {
public:
    /// Files larger than this are refused by Load (a settings file is a few kilobytes).
    static constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;

    IniFile() = default;
    explicit IniFile(std::string path);

    /// Reads the file; a missing file is an empty store, not an error. On failure the store
    /// is left empty.
    Status Load();
    /// Reads the file again, applies this store's writes and deletions since the last load or
    /// save, and writes the result into a file beside the old one, then renamed into place, so a
    /// failed write never leaves a half-written settings file; the store then holds what was
    /// written. Creates a missing folder. After SetText the whole text is written instead.
    /// A file that cannot be read again is not overwritten: the failure is returned.
    Status Save();

    const std::string& Path() const { return m_path; }

    bool HasKey(std::string_view section, std::string_view key) const;
    /// The keys of a section in file order, as the file spells them (none when it is missing).
    std::vector<std::string> Keys(std::string_view section) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    /// An integer value, or def when the key is missing or its whole value (blanks aside) is
    /// not a decimal number within the range of int.
    int ReadInt(std::string_view section, std::string_view key, int def) const;
    /// True when the stored integer is not 0; def when missing or not a number.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    /// Line breaks in the value become blanks, so a value can never add lines of its own.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int value);
    /// Written as 1 or 0.
    void WriteBool(std::string_view section, std::string_view key, bool value);

    /// Removes a key (no-op when missing).
    void DeleteKey(std::string_view section, std::string_view key);

    /// The file's lines as they stand (for tests and the text round trip).
    const std::vector<std::string>& Lines() const { return m_lines; }
    /// Replaces the whole store with the lines of text (LF or CR LF); the next Save writes them
    /// all, whatever the file holds.
    void SetText(std::string_view text);
    /// The lines joined with the line ending the loaded text used (LF when none).
    std::string Text() const;

private:
    /// One write (a value) or deletion (none) to repeat on the file as it stands when saving.
    struct Edit {
        std::string Section;
        std::string Key;
        std::optional<std::string> Value;
    };

    void Parse(std::string_view text);
    void Apply(const Edit& edit);

    /// The line index of the section header, or npos.
    std::size_t FindSection(std::string_view section) const;
    /// The end of the section starting at header line `header` (the next header or the end).
    std::size_t SectionEnd(std::size_t header) const;
    /// The key's line within the section, or npos.
    std::size_t FindKey(std::size_t header, std::string_view key) const;

    /// Where every counted section and key stands, built on the first lookup after a change:
    /// lookups cost a hash, not a pass over the lines. Names are kept in ASCII lower case.
    struct Index {
        std::unordered_map<std::string, std::size_t> Sections; // name -> header
        std::unordered_map<std::size_t, std::unordered_map<std::string, std::size_t>>
            Keys; // header -> key -> line
    };
    const Index& Indexed() const;
    void Changed() { m_index.reset(); }

    std::string m_path;
    mutable std::optional<Index> m_index;
    std::vector<std::string> m_lines;
    std::string m_eol = "\n";
    bool m_bom = false;
    std::vector<Edit> m_edits; // since the last load or save
    bool m_replaced = false;   // SetText since then: write the whole store
};

} // namespace gorlin
