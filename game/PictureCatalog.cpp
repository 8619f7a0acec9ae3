// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCatalog.h"

#include "platform/LetterCase.h"
#include "platform/PlatformServices.h"

#include <algorithm>
#include <new>

namespace pikora {

void PictureCatalog::clear()
{
    m_judgedChoices = 0;
    // Release the storage too: a rebuild starts again from room for 500 entries.
    std::vector<PictureEntry>().swap(m_entries);
    m_entries.reserve(initialRoom);
}

PictureEntry& PictureCatalog::add()
{
    // Grow one entry early, and geometrically: copying every entry each 500 made large
    // folders quadratic.
    if (m_entries.size() + 1 >= m_entries.capacity()) {
        m_entries.reserve(std::max(initialRoom, 2 * m_entries.capacity()));
    }
    return m_entries.emplace_back();
}

bool isAddressablePictureName(const std::string& fileName)
{
    return fileName.find('\\') == std::string::npos;
}

std::string stemOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

std::optional<PictureEntry> pictureEntryOf(const std::string& fileName)
{
    const std::string_view folder = pictureFolder;
    const std::string_view stem = std::string_view(fileName).substr(0, fileName.find('.'));
    const std::size_t baseSize = folder.size() + 1 + stem.size();
    if (baseSize + 4 > pathBound) {
        return std::nullopt;
    }
    PictureEntry entry;
    entry.picturePath.reserve(baseSize + 4);
    entry.picturePath.append(folder).append("\\").append(stem).append(".bmp");
    entry.voicePath.reserve(baseSize + 4);
    entry.voicePath.append(folder).append("\\").append(stem).append(".wav");
    entry.word = upperCase(stem);
    return entry;
}

int BuildCatalog(PictureCatalog& catalog, PlatformServices& platform)
{
    // Storage can run out anywhere in the build of a large folder: the build stops there
    // and keeps the entries made so far, each of them whole.
    try {
        catalog.clear();
        catalog.setBuiltAtMs(platform.elapsedMs());
        const std::string folder = std::string(pictureFolder) + "\\";
        const auto files = platform.findFiles(folder + "*.bmp");
        if (files.empty()) {
            return -1;
        }
        for (const auto& file : files) {
            // A name holding '\' would be read as a path through other folders.
            if (file.hidden || !isAddressablePictureName(file.name)) {
                continue;
            }
            // Each entry is made whole before it joins the catalogue, so that running out of
            // storage half-way leaves no entry without its paths or word.
            if (std::optional<PictureEntry> entry = pictureEntryOf(file.name)) {
                catalog.add() = std::move(*entry);
            }
        }
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

} // namespace pikora
