// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The settings store file as anyone may have edited it: it is read without harm, written
// back byte for byte, and what the program saves into it reads back exactly.
#include "FuzzCheck.h"
#include "game/Settings.h"
#include "platform/StoreFile.h"

#include <cstdint>
#include <string>

using namespace pikora;

namespace {

const std::string key = std::string("HKEY_LOCAL_MACHINE\\") + settingsKeyPath;
const std::string otherKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Other";
const char* const names[]
    = { "APP_FOLDER", "FIELD4", "SPELL", "HIDEBUTTONS", "USE_TIMER", "USE_WORDS", "MAX_TIMER" };

bool same(const std::optional<StoreFile::Value>& a, const std::optional<StoreFile::Value>& b)
{
    return a.has_value() == b.has_value() && (!a || (a->type == b->type && a->bytes == b->bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    StoreFile file(text);
    FUZZ_CHECK(file.text() == text); // nothing is changed by reading
    for (const char* name : names) {
        const auto value = file.value(key, name);
        optionFromBytes(value ? std::optional(value->bytes) : std::nullopt, 1);
    }
    const auto untouched = file.value(otherKey, "X");

    // What installing and then saving do: make sure of the key, write every value. The
    // folder's bytes come from the input too, as a path may hold anything.
    file.addKey(key);
    const std::size_t cut = size / 2;
    StoreFile::Value folder { StoreFile::typeString, std::vector<std::uint8_t>(data, data + cut) };
    StoreFile::Value number { StoreFile::typeNumber, { 0x2c, 0x01, 0, 0 } };
    if (size >= 4) {
        number.bytes.assign(data + size - 4, data + size);
    }
    FUZZ_CHECK(file.setValue(key, "APP_FOLDER", folder));
    for (const char* name : names) {
        if (std::string(name) != "APP_FOLDER") {
            FUZZ_CHECK(file.setValue(key, name, number));
        }
    }

    const std::string saved = file.text();
    const StoreFile again(saved);
    FUZZ_CHECK(again.text() == saved);
    FUZZ_CHECK(again.hasKey(key));
    FUZZ_CHECK(same(again.value(key, "APP_FOLDER"), folder));
    for (const char* name : names) {
        if (std::string(name) != "APP_FOLDER") {
            FUZZ_CHECK(same(again.value(key, name), number));
        }
    }
    FUZZ_CHECK(same(again.value(otherKey, "X"), untouched));
    return 0;
}
