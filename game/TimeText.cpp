// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeText.h"

#include <cstdio>
#include <limits>
#include <string_view>

namespace pikora {

namespace {

    constexpr std::size_t parseBound = 199;
    constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();

    std::int64_t clampToInt32(std::int64_t value)
    {
        return value > int32Max ? int32Max : (value < int32Min ? int32Min : value);
    }

    // atoi without its undefined overflow: the result is held at the 32-bit range.
    std::int64_t readInteger(std::string_view text)
    {
        std::size_t i = 0;
        while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
            ++i;
        }
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        std::int64_t value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            value = value * 10 + (text[i] - '0');
            if (value > int32Max + 1) {
                value = int32Max + 1; // far enough: the sign still decides the end it is held at
            }
        }
        return clampToInt32(negative ? -value : value);
    }

} // namespace

std::string FormatHms(std::int32_t seconds)
{
    const std::int32_t hours = seconds >= 3600 ? seconds / 3600 : 0;
    const std::int32_t rest = seconds - hours * 3600;
    const std::int32_t minutes = rest >= 60 ? rest / 60 : 0;
    char text[48];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d:%2.2d", hours, minutes, rest - minutes * 60);
    return text;
}

std::int32_t ParseHms(const std::string& text)
{
    std::string_view copy(text.data(), std::min(text.size(), parseBound));
    std::string_view hours, minutes, seconds = copy;
    if (const auto last = copy.rfind(':'); last != std::string_view::npos) {
        seconds = copy.substr(last + 1);
        copy = copy.substr(0, last);
        if (const auto middle = copy.rfind(':'); middle != std::string_view::npos) {
            minutes = copy.substr(middle + 1);
            hours = copy.substr(0, middle);
        } else {
            minutes = copy;
        }
    }
    const std::int64_t total
        = readInteger(seconds) + readInteger(minutes) * 60 + readInteger(hours) * 3600;
    return static_cast<std::int32_t>(clampToInt32(total));
}

std::int32_t saturatingSubtract(std::int32_t value, std::int32_t amount)
{
    return static_cast<std::int32_t>(clampToInt32(static_cast<std::int64_t>(value) - amount));
}

} // namespace pikora
