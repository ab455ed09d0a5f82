#include "core/app/IniFile.h"

#include "core/model/SafeFile.h"
#include "core/model/Text.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

namespace gorlin {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

/// True for a header line "[Name]", with its name (up to ']' or the end) in name.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    name = Trim(close == npos ? line : line.substr(0, close));
    return true;
}

/// Splits a key line "key=value"; false for comments, blank lines and lines without a key.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return false;
    const std::size_t eq = t.find('=');
    if (eq == npos)
        return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return !key.empty();
}

/// A section or key name as the index keeps it: ASCII lower case (names match without regard
/// to case).
std::string Lower(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string OneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

Status IniFile::Load() {
    m_lines.clear();
    Changed();
    m_eol = "\n";
    m_bom = false;
    m_edits.clear();
    m_replaced = false;
    std::error_code ec;
    if (std::filesystem::symlink_status(m_path, ec).type() == std::filesystem::file_type::not_found)
        return Status::Success();
    Expected<std::string> text = ReadWholeFile(m_path, kMaxFileSize);
    if (!text)
        return Status::Failure("The settings file " + m_path + " " + text.error().Message);
    Parse(*text);
    return Status::Success();
}

Status IniFile::Save() {
    namespace fs = std::filesystem;
    IniFile current(m_path);
    if (m_replaced) {
        current = *this;
    } else {
        if (const Status read = current.Load(); !read)
            return read;
        for (const Edit& edit : m_edits)
            current.Apply(edit);
    }
    std::error_code ec;
    const fs::path target(m_path);
    if (target.has_parent_path() && !fs::exists(target.parent_path(), ec)) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            return Status::Failure("Cannot create the folder " + target.parent_path().string() + ": " +
                                   ec.message());
    }
    const Status written = WriteFileAtomically(target, current.Text());
    if (written) {
        m_lines = std::move(current.m_lines);
        m_eol = current.m_eol;
        m_bom = current.m_bom;
        Changed();
        m_edits.clear();
        m_replaced = false;
    }
    return written;
}

void IniFile::SetText(std::string_view text) {
    Parse(text);
    m_edits.clear();
    m_replaced = true;
}

void IniFile::Apply(const Edit& edit) {
    if (edit.Value)
        WriteString(edit.Section, edit.Key, *edit.Value);
    else
        DeleteKey(edit.Section, edit.Key);
}

void IniFile::Parse(std::string_view text) {
    m_lines.clear();
    Changed();
    m_bom = text.substr(0, kBom.size()) == kBom;
    if (m_bom)
        text.remove_prefix(kBom.size());
    const std::size_t firstLf = text.find('\n');
    m_eol = firstLf != npos && firstLf > 0 && text[firstLf - 1] == '\r' ? "\r\n" : "\n";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == npos ? text.size() : end + 1;
        if (end == npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        // Only the file's own line ending is taken off, so a stray CR round-trips.
        if (m_eol.size() == 2 && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        start = next;
    }
}

std::string IniFile::Text() const {
    std::string out;
    if (m_bom)
        out += kBom;
    for (const std::string& line : m_lines) {
        out += line;
        out += m_eol;
    }
    return out;
}

const IniFile::Index& IniFile::Indexed() const {
    if (m_index)
        return *m_index;
    Index index;
    std::unordered_map<std::string, std::size_t>* keys = nullptr; // of the section being read
    std::string_view name;
    std::string_view value;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (SectionName(m_lines[i], name)) {
            // A section that occurs again is not read: the first one counts.
            keys = index.Sections.emplace(Lower(name), i).second ? &index.Keys[i] : nullptr;
        } else if (keys != nullptr && KeyValue(m_lines[i], name, value)) {
            keys->emplace(Lower(name), i);
        }
    }
    m_index = std::move(index);
    return *m_index;
}

std::size_t IniFile::FindSection(std::string_view section) const {
    const Index& index = Indexed();
    const auto found = index.Sections.find(Lower(section));
    return found == index.Sections.end() ? npos : found->second;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::string_view name;
    std::size_t i = header + 1;
    while (i < m_lines.size() && !SectionName(m_lines[i], name))
        ++i;
    return i;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    const Index& index = Indexed();
    const auto section = index.Keys.find(header);
    if (section == index.Keys.end())
        return npos;
    const auto found = section->second.find(Lower(key));
    return found == section->second.end() ? npos : found->second;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    return header != npos && FindKey(header, key) != npos;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const std::size_t header = FindSection(section);
    if (header == npos)
        return keys;
    const std::size_t end = SectionEnd(header);
    std::string_view k;
    std::string_view v;
    for (std::size_t i = header + 1; i < end; ++i)
        if (KeyValue(m_lines[i], k, v))
            keys.emplace_back(k);
    return keys;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const std::size_t header = FindSection(section);
    if (header == npos)
        return std::string(def);
    const std::size_t line = FindKey(header, key);
    if (line == npos)
        return std::string(def);
    std::string_view k;
    std::string_view v;
    KeyValue(m_lines[line], k, v);
    return std::string(v);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int def) const {
    const std::string text = ReadString(section, key, "");
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc{} || ptr != last)
        return def;
    return value;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInt(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = OneLine(value);
    m_edits.push_back({std::string(section), std::string(key), text});
    std::size_t header = FindSection(section);
    if (header == npos) {
        if (!m_lines.empty() && !Trim(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::string(key) + "=" + text);
        Changed();
        return;
    }
    const std::size_t line = FindKey(header, key);
    if (line != npos) {
        // Keep the key as the file spells it.
        std::string_view k;
        std::string_view v;
        KeyValue(m_lines[line], k, v);
        m_lines[line] = std::string(k) + "=" + text;
        return;
    }
    // New key: after the section's last key (comments and blanks before the next section
    // belong to what follows), or right after the header.
    std::size_t insertAt = header + 1;
    const std::size_t end = SectionEnd(header);
    std::string_view k;
    std::string_view v;
    for (std::size_t i = header + 1; i < end; ++i)
        if (KeyValue(m_lines[i], k, v))
            insertAt = i + 1;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::string(key) + "=" + text);
    Changed();
}

void IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    m_edits.push_back({std::string(section), std::string(key), std::nullopt});
    const std::size_t header = FindSection(section);
    if (header == npos)
        return;
    const std::size_t line = FindKey(header, key);
    if (line != npos) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(line));
        Changed();
    }
}

} // namespace gorlin
