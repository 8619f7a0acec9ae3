// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace pikora {

// Letter case of file names and words. Names are bytes: text that is valid UTF-8 follows
// Unicode's case tables, any other text ASCII rules (only A-Z and a-z change), so a name
// that is not UTF-8 still matches itself and its ASCII variants.

// Unicode simple case folding: two names are the same without regard to case when their
// folded forms are equal (ÉTÉ.BMP and été.bmp, Σ, σ and ς). Dotted and dotless i stay
// apart from I and i, as outside Turkish.
std::string foldCase(std::string_view text);

// Every byte is ASCII.
bool isAscii(std::string_view text);
// A-Z to a-z; any other byte as it is.
constexpr char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
// Equal byte for byte under asciiLower.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Unicode simple upper case (ß stays ß).
std::string upperCase(std::string_view text);

} // namespace pikora
