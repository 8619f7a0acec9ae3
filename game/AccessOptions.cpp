// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessOptions.h"

#include "game/GameContext.h"

namespace pikora {

namespace {

constexpr const char* scanName = "SCAN";
constexpr const char* scanMsName = "SCAN_MS";
constexpr const char* fullScreenName = "FULL_SCREEN";
constexpr int typeNumber = 4;

std::vector<std::uint8_t> numberBytes(std::int32_t number)
{
    const auto value = static_cast<std::uint32_t>(number);
    return { static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24) };
}

} // namespace

std::int32_t boundedOptionFromBytes(const std::optional<std::vector<std::uint8_t>>& bytes,
    std::int32_t low, std::int32_t high, std::int32_t fallback)
{
    // Unlike the game's options, a value of another size is not taken: a string such as
    // "1" would otherwise read as the code of its character.
    if (!bytes || bytes->size() != 4) {
        return fallback;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>((*bytes)[i]) << (8 * i);
    }
    const auto number = static_cast<std::int32_t>(value);
    return number >= low && number <= high ? number : fallback;
}

int LoadAccessOptions(GameContext& context)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    AccessOptions& access = context.access;
    access.scan = static_cast<ScanMode>(boundedOptionFromBytes(key->queryValue(scanName), 0, 2, 0));
    access.scanMs
        = boundedOptionFromBytes(key->queryValue(scanMsName), scanMsMin, scanMsMax, scanMsDefault);
    access.fullScreen = boundedOptionFromBytes(key->queryValue(fullScreenName), 0, 1, 0) == 1;
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
    key->setValue(scanName, typeNumber, numberBytes(static_cast<std::int32_t>(access.scan)));
    key->setValue(scanMsName, typeNumber, numberBytes(access.scanMs));
    key->setValue(fullScreenName, typeNumber, numberBytes(access.fullScreen ? 1 : 0));
    return key->close() == 0 ? 0 : -1;
}

} // namespace pikora
