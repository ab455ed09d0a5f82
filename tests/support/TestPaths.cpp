#include "support/TestPaths.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace gorlin::test {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    const std::string text = ReadFile(path);
    return {text.begin(), text.end()};
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        const auto name = "gorlin-test-" + std::to_string(rd()) + "-" + std::to_string(counter++);
        std::error_code ec;
        if (std::filesystem::create_directory(base / name, ec)) {
            m_path = base / name;
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

} // namespace gorlin::test
