// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace pikora::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes. Tests that change the current directory get it back afterwards.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // Writes a file (parent folders made as needed) and returns its path.
    std::filesystem::path write(
        const std::string& relative, const std::string& content = "x") const;
    std::string read(const std::string& relative) const;

private:
    std::filesystem::path m_path;
    std::filesystem::path m_oldCurrent;
};

// A TempDir that is the current directory while it lives, as the program's folder is while
// it runs: the relative paths of the game ("mymain", "correct.wav") reach into it. The
// directory that was current before is current again once it goes.
class CurrentTempDir : public TempDir
{
public:
    CurrentTempDir();
};

} // namespace pikora::testing
