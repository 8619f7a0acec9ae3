// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace pikora {

// Seconds as "hh:mm:ss" ("%2.2d:%2.2d:%2.2d"): 125 gives 00:02:05. A negative count stays
// whole in the seconds field (-5 gives 00:00:-05).
std::string FormatHms(std::int32_t seconds);

// Reads "h:m:s", "m:s" or plain seconds back into seconds. Each part reads like atoi
// (leading blanks and a sign, digits up to the first other character, 0 without digits);
// only the first 199 characters are looked at, and results beyond the 32-bit range are
// held at its ends.
std::int32_t ParseHms(const std::string& text);

// Subtraction held at the lower end of the 32-bit range instead of wrapping.
std::int32_t saturatingSubtract(std::int32_t value, std::int32_t amount);

} // namespace pikora
