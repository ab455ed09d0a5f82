#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gorlin::test {

/// tests/data of the source tree.
inline std::filesystem::path DataDir() {
    return GORLIN_TEST_DATA_DIR;
}
/// The built gorlin-cli.
inline std::filesystem::path CliPath() {
    return GORLIN_CLI_PATH;
}

/// The whole contents of a file ("" when it cannot be read).
std::string ReadFile(const std::filesystem::path& path);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
/// Writes bytes as the whole contents of a file, creating its folder first.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

/// A fresh empty folder below the system's temporary folder, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace gorlin::test
