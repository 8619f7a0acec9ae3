// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FailingAllocation.h"
#include "game/PictureCatalog.h"
#include "platform/LetterCase.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::FakePlatform;

// The application folder is a temporary one, current while the test runs.
class CatalogTest : public ::testing::Test
{
protected:
    void addPictures(int count, const std::string& prefix = "p")
    {
        for (int i = 0; i < count; ++i) {
            dir.write("mymain/" + prefix + std::to_string(i) + ".bmp", "");
        }
    }

    // The entry for a picture path, or nullptr.
    const PictureEntry* entry(const std::string& picturePath) const
    {
        for (std::size_t i = 0; i < catalog.count(); ++i) {
            if (catalog[i].picturePath == picturePath) {
                return &catalog[i];
            }
        }
        return nullptr;
    }

    CurrentTempDir dir;
    FakePlatform platform;
    PictureCatalog catalog;
};

// The storage under the entries is made once for the first 499 of them and moves as the
// 500th comes ("one entry early"); from then on it grows geometrically, so a large folder is
// not copied every 500 entries. A move of the storage shows as a new address of entry 0.
// Clearing gives the storage back: a rebuild starts again from 500, after a large one too.
TEST_F(CatalogTest, StorageIsMadeForUpTo499EntriesAndGrowsGeometrically)
{
    for (const std::size_t before : { 0, 5000 }) {
        SCOPED_TRACE(std::to_string(before) + " entries before");
        for (std::size_t n = 0; n < before; ++n) {
            catalog.add();
        }
        catalog.clear();
        const PictureEntry* storage = &catalog.add();
        std::vector<std::size_t> movedAt; // the counts of entries whose addition moved it
        for (std::size_t n = 2; n <= 20000; ++n) {
            catalog.add();
            if (&catalog[0] != storage) {
                movedAt.push_back(n);
                storage = &catalog[0];
            }
        }
        ASSERT_GE(movedAt.size(), 2u);
        EXPECT_EQ(movedAt[0], 500u);
        EXPECT_EQ(movedAt[1], 1000u);
        // Steps of 500 would move it 39 times on the way to 20,000; doubling, 6 times.
        EXPECT_LE(movedAt.size(), 8u);
    }
}

TEST_F(CatalogTest, EntriesFollowTheFolderOrderAndSkipHiddenFiles)
{
    addPictures(5);
    const auto listed = platform.findFiles("mymain\\*.bmp");
    ASSERT_EQ(listed.size(), 5u);
    // The first file the folder lists is skipped like any later one.
    ASSERT_EQ(platform.writeHiddenMark("mymain\\" + listed[0].name, true), 0);
    ASSERT_EQ(platform.writeHiddenMark("mymain\\" + listed[3].name, true), 0);

    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    ASSERT_EQ(catalog.count(), 3u);
    const std::size_t kept[] = { 1, 2, 4 };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(catalog[i].picturePath, "mymain\\" + listed[kept[i]].name);
    }
}

TEST_F(CatalogTest, EntryIsBuiltFromTheTextBeforeTheFirstDot)
{
    const struct
    {
        const char* file;
        const char* picture;
        const char* voice;
        const char* word;
    } rows[] = {
        { "a.b.bmp", "mymain\\a.bmp", "mymain\\a.wav", "A" },
        { "good job.bmp", "mymain\\good job.bmp", "mymain\\good job.wav", "GOOD JOB" },
        { "CAT.BMP", "mymain\\CAT.bmp", "mymain\\CAT.wav", "CAT" },
        { ".bmp", "mymain\\.bmp", "mymain\\.wav", "" },
        { "\xc3\xa9t\xc3\xa9.bmp", "mymain\\\xc3\xa9t\xc3\xa9.bmp", "mymain\\\xc3\xa9t\xc3\xa9.wav",
            "\xc3\x89T\xc3\x89" },
        { "\xce\xb3\xce\xac\xcf\x84\xce\xb1.bmp", "mymain\\\xce\xb3\xce\xac\xcf\x84\xce\xb1.bmp",
            "mymain\\\xce\xb3\xce\xac\xcf\x84\xce\xb1.wav", "\xce\x93\xce\x86\xce\xa4\xce\x91" },
        // Not UTF-8 (Latin-1 e-acute): only the ASCII letters change.
        { "caf\xe9.bmp", "mymain\\caf\xe9.bmp", "mymain\\caf\xe9.wav", "CAF\xe9" },
        { "\xc3\xa9t\xc3.bmp", "mymain\\\xc3\xa9t\xc3.bmp", "mymain\\\xc3\xa9t\xc3.wav",
            "\xc3\xa9T\xc3" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        std::filesystem::remove_all(dir / "mymain");
        dir.write(std::string("mymain/") + row.file, "");
        ASSERT_EQ(BuildCatalog(catalog, platform), 0);
        ASSERT_EQ(catalog.count(), 1u);
        EXPECT_EQ(catalog[0].picturePath, row.picture);
        EXPECT_EQ(catalog[0].voicePath, row.voice);
        EXPECT_EQ(catalog[0].word, row.word);
        EXPECT_EQ(catalog[0].wrongCount, 0);
        EXPECT_EQ(catalog[0].correctCount, 0);
    }
}

TEST_F(CatalogTest, MatchesIgnoringCaseAndTakesFoldersNamedBmp)
{
    dir.write("MyMain/CAT.BMP", "");
    dir.write("MyMain/x.bmp/inside", "");
    dir.write("MyMain/cat.wav", "");
    dir.write("MyMain/dog.bmp.txt", "");
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    EXPECT_EQ(catalog.count(), 2u);
    EXPECT_NE(entry("mymain\\CAT.bmp"), nullptr);
    EXPECT_NE(entry("mymain\\x.bmp"), nullptr);
}

TEST_F(CatalogTest, NamesWithABackslashAreLeftOut)
{
    // On Linux '\' is a letter of a name, but the paths would read it as a separator:
    // back\slash.bmp as mymain/back/slash.bmp, ..\x.bmp outside the picture folder.
    dir.write("x.bmp", "");
    dir.write("mymain/back/slash.bmp", "");
    for (const char* name : { "cat.bmp", "back\\slash.bmp", "..\\x.bmp", "\\.bmp" }) {
        dir.write(std::string("mymain/") + name, "");
    }
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    ASSERT_EQ(catalog.count(), 1u);
    EXPECT_EQ(catalog[0].picturePath, "mymain\\cat.bmp");
}

TEST_F(CatalogTest, NoFolderOrNoPictureGivesMinusOneAndNothing)
{
    addPictures(1);
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    EXPECT_EQ(catalog.count(), 1u);
    std::filesystem::remove_all(dir / "mymain");
    EXPECT_EQ(BuildCatalog(catalog, platform), -1);
    EXPECT_EQ(catalog.count(), 0u);

    dir.write("mymain/cat.wav", "");
    EXPECT_EQ(BuildCatalog(catalog, platform), -1);
    EXPECT_EQ(catalog.count(), 0u);
}

TEST_F(CatalogTest, NamesBeyondThePathBoundAreLeftOut)
{
    // "mymain\" + stem + ".bmp" must stay within 199 bytes: a 192-byte name fits.
    const std::string fits = std::string(188, 'f') + ".bmp";
    const std::string tooLong = std::string(189, 'g') + ".bmp";
    // The bound counts bytes: 94 two-byte letters make a stem of 188 bytes.
    std::string wide;
    for (int i = 0; i < 94; ++i) {
        wide += "\xc3\xa9";
    }
    const std::string wideTooLong = wide + "e.bmp";
    // Only the stem goes into the paths; the rest of a long name does not count.
    const std::string longTail = "t." + std::string(200, 'x') + ".bmp";
    for (const auto& name : { fits, tooLong, wide + ".bmp", wideTooLong, longTail }) {
        dir.write("mymain/" + name, "");
    }
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    EXPECT_EQ(catalog.count(), 3u);
    const auto* kept = entry("mymain\\" + fits);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->voicePath.size(), pathBound);
    EXPECT_EQ(kept->word, std::string(188, 'F'));
    EXPECT_NE(entry("mymain\\" + wide + ".bmp"), nullptr);
    EXPECT_NE(entry("mymain\\t.bmp"), nullptr);
    for (std::size_t i = 0; i < catalog.count(); ++i) {
        EXPECT_LE(catalog[i].picturePath.size(), pathBound);
        EXPECT_LE(catalog[i].word.size(), pathBound);
    }
}

TEST_F(CatalogTest, RunningOutOfStorageStopsTheBuildWithWholeEntries)
{
    // Names too long to be kept inside a string object: every entry allocates.
    addPictures(600, "a-picture-named-at-length-");
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    const std::size_t all = catalog.count();
    int failedMidway = 0;
    for (long allowed = 0;; allowed += 53) {
        int result = 0;
        {
            testing::AllocationFailure failure(allowed);
            result = BuildCatalog(catalog, platform);
        }
        if (result == 0) {
            EXPECT_EQ(catalog.count(), all);
            break;
        }
        ASSERT_EQ(result, -1) << allowed;
        ASSERT_LT(catalog.count(), all);
        failedMidway += catalog.count() > 0 ? 1 : 0;
        for (std::size_t i = 0; i < catalog.count(); ++i) {
            const auto& entry = catalog[i];
            const std::string stem = entry.picturePath.substr(7, entry.picturePath.size() - 11);
            ASSERT_EQ(entry.picturePath, "mymain\\" + stem + ".bmp") << allowed;
            ASSERT_EQ(entry.voicePath, "mymain\\" + stem + ".wav") << allowed;
            ASSERT_EQ(entry.word, upperCase(stem)) << allowed;
        }
    }
    EXPECT_GT(failedMidway, 3) << "storage never ran out half-way through the pictures";
}

TEST_F(CatalogTest, RebuildStartsAfresh)
{
    addPictures(500);
    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    catalog[0].wrongCount = 3;
    catalog[499].correctCount = 5;
    std::filesystem::remove(dir / "mymain" / "p7.bmp");

    ASSERT_EQ(BuildCatalog(catalog, platform), 0);
    EXPECT_EQ(catalog.count(), 499u);
    for (std::size_t i = 0; i < catalog.count(); ++i) {
        EXPECT_EQ(catalog[i].wrongCount, 0);
        EXPECT_EQ(catalog[i].correctCount, 0);
    }
    EXPECT_EQ(entry("mymain\\p7.bmp"), nullptr);
}

} // namespace
} // namespace pikora
