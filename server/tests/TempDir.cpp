#include "TempDir.h"

#include <cstdlib>
#include <stdexcept>

namespace server::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brindle-server-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace server::test
