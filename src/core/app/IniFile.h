#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/Expected.h"

namespace gorlin {

/// A settings file with profile-file semantics: a missing file or key reads as the default;
/// section and key names match without regard to case; a write creates the section or key as
/// needed and keeps every other line (comments included) as it stands. Values are kept exactly
/// as written (commas, quotes and equals signs included), with blanks around them trimmed.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string path);

    /// Reads the file; a missing file is an empty store, not an error.
    Status Load();
    /// Writes the lines back (beside the old file, then renamed into place).
    Status Save() const;

    const std::string& Path() const { return m_path; }

    bool HasKey(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    /// An integer value, or def when the key is missing or not a number.
    int ReadInt(std::string_view section, std::string_view key, int def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    /// Removes a key (no-op when missing).
    void DeleteKey(std::string_view section, std::string_view key);

    /// The file's lines as they stand (for tests and the text round trip).
    const std::vector<std::string>& Lines() const { return m_lines; }
    void SetText(std::string_view text);
    std::string Text() const;

private:
    std::string m_path;
    std::vector<std::string> m_lines;
};

} // namespace gorlin
