#pragma once

#include <filesystem>
#include <string>

namespace gorlin::test {

/// tests/data of the source tree.
inline std::filesystem::path DataDir() {
    return GORLIN_TEST_DATA_DIR;
}
/// The built gorlin-cli.
inline std::filesystem::path CliPath() {
    return GORLIN_CLI_PATH;
}

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
