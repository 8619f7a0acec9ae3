// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AccessOptions.h"
#include "game/GameContext.h"
#include "game/Settings.h"
#include "platform/StoreFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace pikora::testing {

// The settings key's name as the store file writes it.
inline const std::string settingsKey = std::string("HKEY_LOCAL_MACHINE\\") + settingsKeyPath;

// The number `name` of the settings key in the text of a store file, read as the game reads
// an option; nothing when there is no such number.
inline std::optional<std::int32_t> storedNumber(const std::string& storeText, const char* name)
{
    const auto value = StoreFile(storeText).value(settingsKey, name);
    if (!value || value->type != StoreFile::typeNumber) {
        return std::nullopt;
    }
    return boundedOptionFromBytes(value->bytes, INT32_MIN, INT32_MAX, 0);
}

// A program installed in <temp>/games/Pikora with a store that holds the empty key, on the
// fake platform.
class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        storePath = (dir / "machine.reg").string();
        ASSERT_EQ(ensureStoreKey(storePath, settingsKeyPath), 0);
        appFolder = (dir / "games" / "Pikora").string();
        std::filesystem::create_directories(appFolder);
        platform.storePath = storePath;
        platform.module = appFolder + "/pikora";
    }

    // Adds value lines to the key, which is the last one of the file.
    void addLines(const std::string& lines)
    {
        std::ofstream(storePath, std::ios::app | std::ios::binary) << lines;
    }

    TempDir dir; // first made, last gone: restores the current directory
    std::string storePath;
    std::string appFolder;
    FakePlatform platform;
    GameContext context { platform };
};

} // namespace pikora::testing
