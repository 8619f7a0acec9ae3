// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "GameContext.h"

#ifndef PIKORA_REPORT_FILE
#define PIKORA_REPORT_FILE ""
#endif

namespace pikora {

namespace {

struct OptionSlot
{
    const char* name;
    std::int32_t GameSettings::*field;
    std::int32_t fallback;
};

// The stored options in the order they are read and written.
constexpr OptionSlot options[] = {
    { "FIELD4", &GameSettings::field4, 1 },
    { "SPELL", &GameSettings::spell, 1 },
    { "HIDEBUTTONS", &GameSettings::hideButtons, 0 },
    { "USE_TIMER", &GameSettings::useTimer, 1 },
    { "USE_WORDS", &GameSettings::useWords, 1 },
    { "MAX_TIMER", &GameSettings::maxTimer, 300 },
};

constexpr int typeString = 1;

void writeSettings(SettingsKey& key, const GameSettings& settings)
{
    const std::string& folder = settings.appFolder;
    key.setValue("APP_FOLDER", typeString, std::vector<std::uint8_t>(folder.begin(), folder.end()));
    for (const auto& option : options) {
        key.setValue(option.name, valueTypeNumber, numberBytes(settings.*option.field));
    }
}

} // namespace

std::vector<std::uint8_t> numberBytes(std::int32_t number)
{
    const auto value = static_cast<std::uint32_t>(number);
    return { static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24) };
}

std::int32_t optionFromBytes(
    const std::optional<std::vector<std::uint8_t>>& bytes, std::int32_t fallback)
{
    if (!bytes || bytes->size() > 4) {
        return fallback;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        value |= static_cast<std::uint32_t>((*bytes)[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

std::string appFolderOf(const std::string& modulePath)
{
    const auto slash = modulePath.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    // A program at the root keeps the root, as "/" is the folder that holds it.
    return slash == 0 ? std::string("/") : modulePath.substr(0, slash);
}

std::string reportPathFor(const std::string& appFolder)
{
    std::string parent = appFolder;
    auto cut = parent.rfind('/');
    if (cut == std::string::npos) {
        cut = parent.rfind('\\');
    }
    if (cut != std::string::npos) {
        parent.resize(cut);
    }
    std::string path = parent + "\\report.txt";
    // A path cut to fit would name some other file; no report file is better than that.
    return path.size() <= reportPathBound ? path : std::string();
}

int LoadSettings(GameContext& context)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    GameSettings& settings = context.settings;
    settings.appFolder = appFolderOf(context.platform.modulePath());
    context.platform.changeDirectory(settings.appFolder);
    // A package that keeps the shared state apart from the program names its report.
    const std::string builtInReport = PIKORA_REPORT_FILE;
    settings.reportPath = builtInReport.empty() ? reportPathFor(settings.appFolder) : builtInReport;
    for (const auto& option : options) {
        settings.*option.field = optionFromBytes(key->queryValue(option.name), option.fallback);
    }
    readAccessOptions(*key, context.access);
    context.clock.remainingSeconds = settings.maxTimer;
    // The options are written back as numbers, with the folder, on the key just read.
    writeSettings(*key, settings);
    key->close();
    return 0;
}

int SaveSettings(GameContext& context)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    writeSettings(*key, context.settings);
    key->close();
    return 0;
}

int SaveChangedSettings(GameContext& context, const GameSettings& before)
{
    auto key = context.platform.openSettingsKey(settingsKeyPath);
    if (!key) {
        return -1;
    }
    for (const auto& option : options) {
        if (context.settings.*option.field != before.*option.field) {
            key->setValue(
                option.name, valueTypeNumber, numberBytes(context.settings.*option.field));
        }
    }
    key->close();
    return 0;
}

} // namespace pikora
