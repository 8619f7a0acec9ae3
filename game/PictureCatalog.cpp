// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCatalog.h"

#include "platform/PlatformServices.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace pikora {

void PictureCatalog::clear()
{
    // Release the storage too: a rebuild starts again from 500 entries.
    std::vector<PictureEntry>().swap(m_entries);
    m_capacity = growthStep;
    m_entries.reserve(m_capacity);
}

PictureEntry& PictureCatalog::add()
{
    if (m_capacity == 0) {
        clear();
    }
    if (m_entries.size() + 1 >= m_capacity) {
        m_capacity += growthStep;
        // The catalogue's capacity follows its 500-entry steps, but the storage under it
        // grows geometrically: copying every entry each 500 made large folders quadratic.
        if (m_entries.capacity() < m_capacity) {
            m_entries.reserve(std::max(m_capacity, 2 * m_entries.capacity()));
        }
    }
    return m_entries.emplace_back();
}

bool isAddressablePictureName(const std::string& fileName)
{
    return fileName.find('\\') == std::string::npos;
}

std::string stemOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

namespace {

    // Decodes one UTF-8 sequence at text[at]; returns its length, or 0 when it is not valid.
    std::size_t decodeUtf8(const std::string& text, std::size_t at, char32_t& code)
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

    std::string asciiUpper(std::string text)
    {
        for (char& c : text) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        return text;
    }

} // namespace

std::string toUpperWord(const std::string& text)
{
    // Plain ASCII needs no case table: only a to z change, in every locale.
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        return asciiUpper(text);
    }
    const locale_t locale = unicodeLocale();
    if (locale == static_cast<locale_t>(nullptr)) {
        return asciiUpper(text);
    }
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = decodeUtf8(text, at, code);
        if (length == 0) {
            return asciiUpper(text);
        }
        encodeUtf8(static_cast<char32_t>(towupper_l(static_cast<wint_t>(code), locale)), out);
        at += length;
    }
    return out;
}

int BuildCatalog(PictureCatalog& catalog, PlatformServices& platform)
{
    catalog.clear();
    const std::string folder = std::string(pictureFolder) + "\\";
    const auto files = platform.findFiles(folder + "*.bmp");
    if (files.empty()) {
        return -1;
    }
    for (const auto& file : files) {
        if (file.hidden) {
            continue;
        }
        // The paths are rebuilt from the name up to its first '.': a.b.bmp gives mymain\a.bmp.
        const std::string_view stem = std::string_view(file.name).substr(0, file.name.find('.'));
        const std::size_t baseSize = folder.size() + stem.size();
        if (baseSize + 4 > pathBound) {
            continue; // its paths could not be formed within the bound
        }
        PictureEntry& entry = catalog.add();
        entry.picturePath.reserve(baseSize + 4);
        entry.picturePath.append(folder).append(stem).append(".bmp");
        entry.voicePath.reserve(baseSize + 4);
        entry.voicePath.append(folder).append(stem).append(".wav");
        // The word is what follows the last '\' of the base; a name may hold one itself.
        const auto slash = stem.rfind('\\');
        entry.word = toUpperWord(
            std::string(slash == std::string_view::npos ? stem : stem.substr(slash + 1)));
    }
    return 0;
}

} // namespace pikora
