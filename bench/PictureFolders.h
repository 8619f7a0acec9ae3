// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/PictureCatalog.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace pikora {

// Application folders holding "mymain" with N empty pictures, made once per N and
// removed when the program ends.
class PictureFolders
{
public:
    ~PictureFolders()
    {
        if (!m_root.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_root, ignored);
        }
    }

    const std::filesystem::path& appFolder(int pictures)
    {
        auto found = m_folders.find(pictures);
        if (found != m_folders.end()) {
            return found->second;
        }
        if (m_root.empty()) {
            std::string pattern
                = (std::filesystem::temp_directory_path() / "pikora-bench-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr) {
                std::perror("mkdtemp");
                std::exit(1);
            }
            m_root = pattern;
        }
        const auto folder = m_root / std::to_string(pictures);
        std::filesystem::create_directories(folder / pictureFolder);
        char name[32];
        for (int i = 0; i < pictures; ++i) {
            // Made in a scrambled order, so the folder does not keep them sorted.
            std::snprintf(name, sizeof name, "picture%06d.bmp", static_cast<int>((i * 7919L) % pictures));
            const int fd = ::open(
                (folder / pictureFolder / name).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd >= 0) {
                ::close(fd);
            }
        }
        return m_folders.emplace(pictures, folder).first->second;
    }

private:
    std::filesystem::path m_root;
    std::map<int, std::filesystem::path> m_folders;
};

} // namespace pikora
