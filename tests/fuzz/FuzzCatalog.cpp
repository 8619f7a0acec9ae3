// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The picture catalogue over a folder of files with names made from the input, and a
// `.hidden` made from it too. Input: the list's bytes, then names each after a '/' (a byte
// no file name can hold; NULs are dropped); each name's first byte says what to make of it:
// bit 0 adds ".bmp", bit 1 makes a folder ('1' a picture file, '3' a folder named *.bmp).
#include "FuzzCheck.h"
#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "platform/FilesOnlyPlatform.h"
#include "platform/LetterCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

using namespace pikora;
namespace fs = std::filesystem;

namespace {

// A fresh folder for the whole run, current from the start; the picture folder in it is
// made anew for each input.
const fs::path& workFolder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "pikora-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        fs::current_path(pattern);
        std::atexit([] { fs::remove_all(workFolder()); });
        return fs::path(pattern);
    }();
    return folder;
}

bool endsWithBmp(const std::string& name)
{
    return name.size() >= 4 && wildcardMatch("*.bmp", name.substr(name.size() - 4));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    workFolder();
    std::error_code ignored;
    fs::remove_all("mymain", ignored);
    fs::create_directory("mymain");
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('/');
    if (split != std::string::npos) {
        std::FILE* list = std::fopen("mymain/.hidden", "wb");
        std::fwrite(input.data(), 1, split, list);
        std::fclose(list);
    }

    std::map<std::string, bool> made; // name -> is a picture
    std::size_t start = split == std::string::npos ? 0 : split + 1;
    while (start < input.size() && made.size() < 64) {
        auto end = input.find('/', start);
        end = end == std::string::npos ? input.size() : end;
        if (end > start) {
            const char flags = input[start];
            std::string name = input.substr(start + 1, std::min<std::size_t>(end - start - 1, 250));
            name.erase(std::remove(name.begin(), name.end(), '\0'), name.end());
            name += (flags & 1) ? ".bmp" : "";
            if (!name.empty() && name != "." && name != ".." && name != ".hidden"
                && !made.count(name)) {
                const fs::path path = fs::path("mymain") / name;
                bool created = false;
                if (flags & 2) {
                    created = fs::create_directory(path, ignored);
                } else if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
                    std::fclose(file);
                    created = true;
                }
                if (created) {
                    made[name] = endsWithBmp(name);
                }
            }
        }
        start = end + 1;
    }

    FilesOnlyPlatform platform;
    PictureCatalog catalog;
    const auto listed = platform.findFiles("mymain\\*.bmp");
    const int result = BuildCatalog(catalog, platform);
    FUZZ_CHECK(result == (listed.empty() ? -1 : 0));
    std::vector<std::string> expected; // picture paths, in the listing's order
    for (const auto& file : listed) {
        FUZZ_CHECK(made.count(file.name) && made[file.name]);
        const std::string stem = stemOf(file.name);
        if (!file.hidden && isAddressablePictureName(file.name)
            && 7 + stem.size() + 4 <= pathBound) {
            expected.push_back("mymain\\" + stem + ".bmp");
        }
    }
    std::vector<std::string> found;
    for (std::size_t i = 0; i < catalog.count(); ++i) {
        const auto& entry = catalog[i];
        FUZZ_CHECK(entry.picturePath.size() <= pathBound && entry.voicePath.size() <= pathBound);
        FUZZ_CHECK(entry.picturePath.compare(0, 7, "mymain\\") == 0);
        const std::string base = entry.picturePath.substr(0, entry.picturePath.size() - 4);
        FUZZ_CHECK(entry.picturePath == base + ".bmp" && entry.voicePath == base + ".wav");
        FUZZ_CHECK(entry.wrongCount == 0 && entry.correctCount == 0);
        for (char c : entry.word) {
            FUZZ_CHECK(c < 'a' || c > 'z'); // upper case throughout
        }
        FUZZ_CHECK(upperCase(base.substr(base.rfind('\\') + 1)) == entry.word);
        found.push_back(entry.picturePath);
    }
    FUZZ_CHECK(found == expected);

    // Marking one picture hides exactly that one: no other file's mark changes.
    if (!listed.empty()) {
        const FoundFile& chosen = listed[static_cast<std::size_t>(data[0]) % listed.size()];
        const std::string path = "mymain\\" + chosen.name;
        if (chosen.name.find('\\') == std::string::npos) {
            const int error = platform.writeHiddenMark(path, !chosen.hidden);
            if (error == 0) {
                std::map<std::string, bool> before;
                for (const auto& file : listed) {
                    before[file.name] = file.hidden;
                }
                const auto after = platform.findFiles("mymain\\*.bmp");
                FUZZ_CHECK(after.size() == listed.size());
                for (const auto& file : after) {
                    const bool changed = file.name == chosen.name;
                    FUZZ_CHECK(before.count(file.name));
                    FUZZ_CHECK(file.hidden == (changed ? !before[file.name] : before[file.name]));
                }
            } else {
                FUZZ_CHECK(error == EINVAL && chosen.name.find('\n') != std::string::npos);
            }
        }
    }
    return 0;
}
