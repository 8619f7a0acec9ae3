// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessOptions.h"

#include "game/GameContext.h"
#include "game/Settings.h"

namespace pikora {

namespace {

constexpr const char* scanName = "SCAN";
constexpr const char* scanMsName = "SCAN_MS";
constexpr const char* acceptMsName = "SCAN_ACCEPT_MS";
constexpr const char* fullScreenName = "FULL_SCREEN";

} // namespace

std::int32_t boundedOptionFromBytes(const std::optional<std::vector<std::uint8_t>>& bytes,
    std::int32_t low, std::int32_t high, std::int32_t fallback)
{
    // Unlike the game's options, a value of another size is not taken: a string such as
    // "1" would otherwise read as the code of its character.
    if (!bytes || bytes->size() != 4) {
        return fallback;
    }
    const std::int32_t number = optionFromBytes(bytes, fallback);
    return number >= low && number <= high ? number : fallback;
}

void readAccessOptions(const SettingsKey& key, AccessOptions& access)
{
    access.scan = static_cast<ScanMode>(boundedOptionFromBytes(key.queryValue(scanName), 0, 2, 0));
    access.scanMs
        = boundedOptionFromBytes(key.queryValue(scanMsName), scanMsMin, scanMsMax, scanMsDefault);
    access.acceptMs = boundedOptionFromBytes(key.queryValue(acceptMsName), 0, acceptMsMax, 0);
    access.fullScreen = boundedOptionFromBytes(key.queryValue(fullScreenName), 0, 1, 0) == 1;
}

int LoadAccessOptions(GameContext& context)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    readAccessOptions(*key, context.access);
    key->close();
    return 0;
}

int SaveAccessOptions(const GameContext& context)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    const AccessOptions& access = context.access;
    key->setValue(scanName, valueTypeNumber, numberBytes(static_cast<std::int32_t>(access.scan)));
    key->setValue(scanMsName, valueTypeNumber, numberBytes(access.scanMs));
    key->setValue(acceptMsName, valueTypeNumber, numberBytes(access.acceptMs));
    key->setValue(fullScreenName, valueTypeNumber, numberBytes(access.fullScreen ? 1 : 0));
    return key->close() == 0 ? 0 : -1;
}

} // namespace pikora
