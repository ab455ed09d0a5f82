#include "support/TestPaths.h"

#include <atomic>
#include <random>
#include <string>
#include <system_error>

namespace gorlin::test {

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
