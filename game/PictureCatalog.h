// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pikora {

class PlatformServices;

// One picture in play and its score in the current game.
struct PictureEntry
{
    std::string picturePath; // "mymain\" + stem + ".bmp"
    std::string voicePath; // "mymain\" + stem + ".wav"
    std::string word; // the stem in upper case
    std::int32_t wrongCount = 0;
    std::int32_t correctCount = 0;
};

// The pictures in play, in the order the folder lists them. Storage is made for 500 entries
// and doubles one entry early: adding the 500th entry already makes room for 1000.
class PictureCatalog
{
public:
    std::size_t count() const { return m_entries.size(); }
    PictureEntry& operator[](std::size_t index) { return m_entries[index]; }
    const PictureEntry& operator[](std::size_t index) const { return m_entries[index]; }
    PictureEntry& at(std::int32_t index) { return m_entries[static_cast<std::size_t>(index)]; }
    const PictureEntry& at(std::int32_t index) const
    {
        return m_entries[static_cast<std::size_t>(index)];
    }
    bool contains(std::int32_t index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < m_entries.size();
    }

    void clear();
    PictureEntry& add();

    // Choices judged since the catalogue was built: 0 before the first choice of a game.
    long long judgedChoices() const { return m_judgedChoices; }
    void countJudgedChoice() { ++m_judgedChoices; }
    // When the catalogue was built, and so the game began (elapsed ms of the platform).
    std::int64_t builtAtMs() const { return m_builtAtMs; }
    void setBuiltAtMs(std::int64_t ms) { m_builtAtMs = ms; }

private:
    static constexpr std::size_t initialRoom = 500;
    long long m_judgedChoices = 0;
    std::int64_t m_builtAtMs = 0;
    std::vector<PictureEntry> m_entries;
};

inline constexpr const char* pictureFolder = "mymain";
// Paths are bounded to 199 characters; with the folder prefix "mymain\" that leaves a
// picture file name at most 192.
inline constexpr std::size_t pathBound = 199;

// The picture's stem: its file name up to the first '.'.
std::string stemOf(const std::string& fileName);

// Whether the program's paths can name this file of the picture folder. They are built
// with '\' separators, so a name holding a '\' would be read as a path through other folders
// (back\slash.bmp as mymain/back/slash.bmp, ..\x.bmp outside the picture folder).
bool isAddressablePictureName(const std::string& fileName);

// The entry of the picture file `fileName` of the picture folder; none when its paths would
// not fit the path bound. Its paths are rebuilt from the name up to its first '.': a.b.bmp
// gives mymain\a.bmp.
std::optional<PictureEntry> pictureEntryOf(const std::string& fileName);

// Rebuilds the catalogue from "mymain\*.bmp", in the folder's listing order, leaving out
// files with the hidden mark, names the paths cannot address and names whose paths would
// not fit the path bound. 0, or -1 when nothing could be listed or storage ran out (the
// entries made until then stay, each whole).
int BuildCatalog(PictureCatalog& catalog, PlatformServices& platform);

} // namespace pikora
