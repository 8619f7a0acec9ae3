// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The Setup window's maximum time: any text the user types is read, and what the window
// shows for the result reads back as the same number of seconds.
#include "FuzzCheck.h"
#include "game/TimeText.h"

#include <cstdint>
#include <cstring>
#include <string>

using namespace pikora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t seconds = ParseHms(text);
    FUZZ_CHECK(ParseHms(FormatHms(seconds)) == seconds);
    // Only the first 199 characters are read.
    if (text.size() > 199) {
        FUZZ_CHECK(ParseHms(text.substr(0, 199)) == seconds);
    }
    // Any 32-bit count shows as text that reads back whole.
    if (size >= 4) {
        std::int32_t count = 0;
        std::memcpy(&count, data, 4);
        const std::string shown = FormatHms(count);
        FUZZ_CHECK(shown.size() >= 8 && shown.find(':') != shown.rfind(':'));
        FUZZ_CHECK(ParseHms(shown) == count);
    }
    return 0;
}
