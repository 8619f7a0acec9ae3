// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace pikora::testing {

TempDir::TempDir()
    : m_oldCurrent(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pikora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

CurrentTempDir::CurrentTempDir()
{
    std::filesystem::current_path(path());
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::current_path(m_oldCurrent, ignored);
    // Restore rights a test may have taken away, so everything can be removed.
    std::filesystem::permissions(
        m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempDir::write(const std::string& relative, const std::string& content) const
{
    const auto file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file;
}

std::string TempDir::read(const std::string& relative) const
{
    std::ifstream in(m_path / relative, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace pikora::testing
