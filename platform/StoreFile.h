// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pikora {

// A settings store kept as a text file in the registry-export form:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\VELMAR\PIKORA]
//   "APP_FOLDER"=hex(1):2f,6f,70,74
//   "FIELD4"=dword:00000001
//
// `dword:` is a 4-byte number, `"text"` a string stored with its terminating NUL, `hex:`
// binary and `hex(N):` exact bytes of type N, so every value keeps its type and size.
// Lines this class does not change are written back byte for byte, so other keys,
// comments and values it cannot read survive a save.
class StoreFile
{
public:
    struct Value
    {
        int type = 0;
        std::vector<std::uint8_t> bytes;
    };

    static constexpr const char* header = "Windows Registry Editor Version 5.00";
    static constexpr int typeString = 1;
    static constexpr int typeBinary = 3;
    static constexpr int typeNumber = 4;

    StoreFile() = default;
    explicit StoreFile(std::string text);

    // Key paths are full ("HKEY_LOCAL_MACHINE\SOFTWARE\...") and compared without regard to
    // ASCII case. When a key stands twice, the first one is used.
    bool hasKey(const std::string& key) const;
    void addKey(const std::string& key);
    std::optional<Value> value(const std::string& key, const std::string& name) const;
    // Replaces the value in place or appends it at the end of the key; false without the key.
    bool setValue(const std::string& key, const std::string& name, const Value& value);

    std::string text() const;

    // One value line for the file, e.g. "FIELD4"=dword:00000001.
    static std::string formatValue(const std::string& name, const Value& value);

private:
    struct Entry
    {
        std::string raw; // physical lines, terminators included
        std::optional<std::string> name; // set for a value line this class could read
        std::optional<Value> value; // empty for a deleted or unreadable value
    };
    struct Section
    {
        std::string key; // empty for the lines before the first key
        std::vector<Entry> entries;
    };

    const Section* findSection(const std::string& key) const;
    std::string lineEnding() const;

    std::vector<Section> m_sections;
};

// The path of the machine's store file: $PIKORA_MACHINE_STORE when set, else the path the
// program was built with.
std::string machineStorePath();

// Opens a key of the store file at `storePath` for reading and writing (nullptr when the
// file or the key is missing, or the file cannot be both read and written). The store is
// locked until the key is closed or destroyed: keep a key open only for one load or save.
std::unique_ptr<SettingsKey> openStoreKey(const std::string& storePath, const std::string& keyPath);

// Makes sure the key exists in the store file, creating the file when missing and never
// changing a value; a key made here gets `firstValues`. Returns 0 or an errno code.
int ensureStoreKey(const std::string& storePath, const std::string& keyPath,
    const std::vector<std::pair<std::string, StoreFile::Value>>& firstValues = {});

} // namespace pikora
