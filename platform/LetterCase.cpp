// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterCase.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace pikora {

namespace {

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

template<class Map> std::string mapAscii(std::string_view text, Map map)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), map);
    return out;
}

// Decodes one UTF-8 sequence at text[at]; returns its length, or 0 when it is not valid.
std::size_t decodeUtf8(std::string_view text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80 ? 1
        : (lead >> 5) == 0x6         ? 2
        : (lead >> 4) == 0xE         ? 3
        : (lead >> 3) == 0x1E        ? 4
                                     : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0; // overlong, out of range or a surrogate
    }
    return length;
}

void encodeUtf8(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

locale_t unicodeLocale()
{
    // C.UTF-8 carries the full Unicode case table and is always present in glibc.
    static const locale_t locale
        = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

// Maps every character of valid UTF-8 with `map`; text that is not valid UTF-8, or a
// system without the Unicode table, gets the ASCII mapping instead.
template<class Map, class AsciiMap>
std::string mapUnicode(std::string_view text, Map map, AsciiMap ascii)
{
    const locale_t locale = unicodeLocale();
    if (isAscii(text) || locale == static_cast<locale_t>(nullptr)) {
        return mapAscii(text, ascii);
    }
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, at, code);
        if (length == 0) {
            return mapAscii(text, ascii);
        }
        encodeUtf8(map(code, locale), out);
        at += length;
    }
    return out;
}

char32_t upperOf(char32_t code, locale_t locale)
{
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(code), locale));
}

// Lower case of the upper case gives the simple folding for every character but the
// Turkish i's: İ (U+0130) and ı (U+0131) fold to themselves, so they must not become i.
char32_t foldOf(char32_t code, locale_t locale)
{
    if (code == 0x130 || code == 0x131) {
        return code;
    }
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(upperOf(code, locale)), locale));
}

} // namespace

std::string foldCase(std::string_view text)
{
    return mapUnicode(text, foldOf, asciiLower);
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return asciiLower(x) == asciiLower(y);
    });
}

std::string upperCase(std::string_view text)
{
    return mapUnicode(text, upperOf, asciiUpper);
}

} // namespace pikora
