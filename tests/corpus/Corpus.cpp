// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Corpus.h"

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

namespace pikora::corpus {

using testing::clamp32;
using testing::putLittleEndian;

namespace {

std::uint32_t rowBytes(std::int32_t width)
{
    return (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
}

void makeFifo(const std::filesystem::path& path)
{
    if (::mkfifo(path.c_str(), 0644) != 0) {
        throw std::runtime_error("cannot make a FIFO at " + path.string());
    }
}

// A deterministic byte stream: the corpus is the same on every run.
class Bytes
{
public:
    char next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<char>(m_state >> 16);
    }
    std::string take(std::size_t count)
    {
        std::string out;
        for (std::size_t i = 0; i < count; ++i) {
            out.push_back(next());
        }
        return out;
    }

private:
    std::uint32_t m_state = 20240601;
};

} // namespace

std::string bitmapHeader(std::int32_t width, std::int32_t height)
{
    const std::uint64_t pixels = static_cast<std::uint64_t>(rowBytes(width))
        * static_cast<std::uint32_t>(std::abs(height));
    std::string out = "BM";
    putLittleEndian(out, clamp32(54 + pixels), 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 54, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(out, 1, 2); // planes
    putLittleEndian(out, 24, 2); // bits a pixel
    putLittleEndian(out, 0, 4); // no compression
    putLittleEndian(out, clamp32(pixels), 4);
    putLittleEndian(out, 2835, 4); // 72 dpi
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);
    return out;
}

std::string bitmap(int width, int height)
{
    std::string out = bitmapHeader(width, height);
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row.push_back(static_cast<char>(x * 255 / std::max(1, width - 1)));
            row.push_back(static_cast<char>(y * 255 / std::max(1, height - 1)));
            row.push_back('\x80');
        }
        row.resize(rowBytes(width), '\0');
        out += row;
    }
    return out;
}

namespace {

// Colours that 5 bits a channel hold exactly; entries past these are black.
constexpr std::uint32_t kPalette[] = { 0x00ff00, 0xff0000, 0x0000ff, 0xffff00 };

int paletteIndex(const BitmapKind& kind, int x, int y)
{
    return kind.bits == 1 ? 1 : 1 + (x / 3 + y) % 3;
}

// One row of pixels: run-length codes ending the line, or the pixels padded to 4 bytes.
std::string bitmapRow(const BitmapKind& kind, int width, int y)
{
    std::string row;
    for (int x = 0; x < width;) {
        const int index = paletteIndex(kind, x, y);
        const std::uint32_t colour = kPalette[index];
        int run = 1;
        if (kind.runLength) {
            while (x + run < width && run < 255 && paletteIndex(kind, x + run, y) == index) {
                ++run;
            }
            row += static_cast<char>(run);
            row += static_cast<char>(kind.bits == 4 ? (index << 4) | index : index);
        } else if (kind.bits <= 8) {
            const int perByte = 8 / kind.bits;
            if (x % perByte == 0) {
                row += '\0';
            }
            row.back() = static_cast<char>(
                row.back() | (index << (kind.bits * (perByte - 1 - x % perByte))));
        } else if (kind.bits == 16) {
            const auto five = [&](int shift) { return ((colour >> shift) & 0xff) >> 3; };
            putLittleEndian(row, (five(16) << 10) | (five(8) << 5) | five(0), 2);
        } else {
            putLittleEndian(row, colour | 0xff000000u, kind.bits / 8); // blue, green, red, (alpha)
        }
        x += run;
    }
    row.resize(kind.runLength ? row.size() : (row.size() + 3) & ~std::size_t(3), '\0');
    return kind.runLength ? row + std::string("\0\0", 2) : row;
}

} // namespace

std::string bitmapOfKind(const BitmapKind& kind, int width, int height)
{
    std::string pixels;
    for (int r = 0; r < height; ++r) {
        pixels += bitmapRow(kind, width, kind.topDown ? r : height - 1 - r);
    }
    if (kind.runLength) {
        pixels += std::string("\0\1", 2); // the end of the picture
    }
    const int colours = kind.bits <= 8 ? 1 << kind.bits : 0;
    std::string out = "BM";
    putLittleEndian(out, 54 + 4 * colours + pixels.size(), 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, static_cast<std::uint64_t>(54 + 4 * colours), 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(kind.topDown ? -height : height), 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, static_cast<std::uint64_t>(kind.bits), 2);
    putLittleEndian(out, kind.runLength ? (kind.bits == 8 ? 1 : 2) : 0, 4);
    putLittleEndian(out, pixels.size(), 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, static_cast<std::uint64_t>(colours), 4);
    putLittleEndian(out, 0, 4);
    for (int i = 0; i < colours; ++i) {
        putLittleEndian(out, i < 4 ? kPalette[i] : 0, 4);
    }
    return out + pixels;
}

std::uint32_t bitmapColour(const BitmapKind& kind, int x, int y)
{
    return kPalette[paletteIndex(kind, x, y)];
}

std::uint32_t bitmapPaletteFirst()
{
    return kPalette[0];
}

std::string tone(double seconds)
{
    const int frames = static_cast<int>(seconds * 8000);
    std::string out(static_cast<std::size_t>(frames), '\0');
    for (int i = 0; i < frames; ++i) {
        out[static_cast<std::size_t>(i)]
            = static_cast<char>(128 + static_cast<int>(60 * std::sin(2 * M_PI * 440.0 * i / 8000)));
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void writeSparseWave(const std::filesystem::path& path, double seconds)
{
    const auto bytes = static_cast<std::uint64_t>(seconds * 8000);
    const std::string header = wave(std::string(), {}, bytes);
    writeFile(path, header);
    std::filesystem::resize_file(path, header.size() + bytes);
}

std::string binaryHiddenList()
{
    // Garbage with NULs and line feeds around one real line (ended CR LF) and no line feed
    // at the end, so a rewrite must add one before appending.
    Bytes bytes;
    return bytes.take(3000) + "\n" + hiddenStem + ".bmp\r\n" + bytes.take(1000) + '\0'
        + bytes.take(50);
}

namespace {

struct Maker
{
    std::filesystem::path folder;
    std::vector<Item> items;

    std::filesystem::path at(const std::string& stem, const char* suffix) const
    {
        return folder / (stem + suffix);
    }

    // A small good picture and a short good voice, then the item's own files.
    Item& good(Item item, int width = 16, int height = 16)
    {
        item.width = width;
        item.height = height;
        writeFile(at(item.stem, ".bmp"), bitmap(width, height));
        writeFile(at(item.stem, ".wav"), wave(tone(0.1)));
        items.push_back(std::move(item));
        return items.back();
    }

    // `width` and `height` are the size of the image if a damaged file loads at all.
    void badPicture(const std::string& stem, const std::string& what, const std::string& bytes,
        Image image = Image::None, int width = 0, int height = 0)
    {
        Item& item = good({ stem, what, image, Voice::Heard });
        writeFile(at(stem, ".bmp"), bytes);
        item.width = width;
        item.height = height;
    }

    void badVoice(const std::string& stem, const std::string& what, const std::string& bytes,
        Voice voice = Voice::Chime)
    {
        good({ stem, what, Image::Shown, voice });
        writeFile(at(stem, ".wav"), bytes);
    }

    // An item whose two files are special files made by `make`.
    template<typename Make>
    void special(const std::string& stem, const std::string& what, Make make)
    {
        items.push_back({ stem, what, Image::None, Voice::Chime });
        make(at(stem, ".bmp"));
        make(at(stem, ".wav"));
    }
};

} // namespace

std::vector<Item> makePictureFolder(const std::filesystem::path& folder, const Options& options)
{
    std::filesystem::create_directories(folder);
    Maker m { folder, {} };
    m.good({ "good", "a sound picture and voice" }, 32, 24);

    const std::string picture = bitmap(64, 64);
    m.badPicture("zero", "a zero-byte bitmap", "");
    m.badPicture("cut-header", "a bitmap cut inside its header", picture.substr(0, 20));
    m.badPicture("truncated", "a bitmap cut half way through its pixels",
        picture.substr(0, 54 + (picture.size() - 54) / 2), Image::Either, 64, 64);
    m.badPicture("huge", "a header claiming 100,000 x 100,000 pixels",
        bitmapHeader(100000, 100000) + std::string(4096, '\x40'));
    m.badPicture("huge-top-down", "a top-down header claiming 100,000 x 100,000 pixels",
        bitmapHeader(100000, -100000) + std::string(4096, '\x40'));
    m.items.push_back({ "x", "a folder named x.bmp, no voice", Image::None, Voice::Chime });
    std::filesystem::create_directory(m.at("x", ".bmp"));
    m.special("pipe", "a FIFO named like a picture and a voice", makeFifo);
    m.special("devzero", "links to /dev/zero", [](const std::filesystem::path& path) {
        std::filesystem::create_symlink("/dev/zero", path);
    });
    m.special("loop", "links that point at themselves", [](const std::filesystem::path& path) {
        std::filesystem::create_symlink(path.filename(), path);
    });

    const std::string voice = wave(tone(1.0));
    m.badVoice("v-empty", "a zero-byte wave", "");
    m.badVoice("v-cut-header", "a wave cut inside its header", voice.substr(0, 20));
    m.badVoice("v-truncated", "a wave claiming 1 s that holds 0.2 s", voice.substr(0, 44 + 1600),
        Voice::Heard);
    m.badVoice("v-mp3", "a wave of encoding 0x55 (MP3)", wave(tone(0.2), { 0x55, 8000, 1, 8 }));
    m.badVoice("v-unknown", "a wave of encoding 0x9999", wave(tone(0.2), { 0x9999, 8000, 1, 8 }));
    m.badVoice("v-claims-hours", "a wave claiming hours that holds 0.2 s",
        wave(tone(0.2), {}, 0xffffff00u), Voice::Heard);
    m.good({ "v-sparse-hour", "a sparse wave of one hour (28.8 MB)", Image::Shown, Voice::Chime });
    writeSparseWave(m.at("v-sparse-hour", ".wav"), 3600);
    m.good({ "v-sparse-3h", "a sparse wave of three hours (86 MB)", Image::Shown, Voice::Chime });
    writeSparseWave(m.at("v-sparse-3h", ".wav"), 3 * 3600);
    if (options.longWave) {
        m.badVoice(
            "v-20-minutes", "a real wave of 20 minutes at 8 kHz (9.6 MB)", wave(tone(20 * 60)));
    }
    m.good({ "no-voice", "a picture without a voice", Image::Shown, Voice::Chime });
    std::filesystem::remove(m.at("no-voice", ".wav"));

    // A picture file name of 192 bytes is the longest whose paths fit in 199.
    m.good({ "n192-" + std::string(183, 'a'), "a name of 192 bytes" });
    m.good({ "n250-" + std::string(241, 'b'), "a name of 250 bytes", Image::Shown, Voice::Heard,
        false });
    m.good({ "caf\xe9", "a Latin-1 name (not UTF-8)" });
    m.good({ "\xff\xfe", "a name of two bytes that are never UTF-8" });
    m.good({ "cut\xc3", "a name ending inside a UTF-8 sequence" });
    m.good({ "new\nline", "a name with a line feed" });
    m.good({ "line", "a name that is the second line of another" });
    m.items.push_back({ "back\\slash", "a name with a backslash, which the paths cannot address",
        Image::None, Voice::Chime, false });
    writeFile(m.at("back\\slash", ".bmp"), bitmap(16, 16));
    writeFile(m.at("back\\slash", ".wav"), wave(tone(0.1)));
    m.good({ hiddenStem, "a picture listed in the binary .hidden", Image::Shown, Voice::Heard,
        false });
    writeFile(folder / ".hidden", binaryHiddenList());

    const std::string small = bitmap(4, 4);
    for (int i = 0; i < options.plainPictures; ++i) {
        const std::string stem = "p" + std::to_string(i);
        writeFile(m.at(stem, ".bmp"), small);
        m.items.push_back(
            { stem, "a plain picture without a voice", Image::Shown, Voice::Chime, true, 4, 4 });
    }
    return m.items;
}

void writeBrokenFeedbackMedia(const std::filesystem::path& folder)
{
    writeFile(folder / "correct.bmp", bitmapHeader(100000, 100000));
    writeFile(folder / "correct.wav", wave(tone(1.0)).substr(0, 30));
    writeFile(folder / "no.wav", wave(tone(0.2), { 0x9999, 8000, 1, 8 }));
    writeFile(folder / "applause.wav", wave(tone(0.2), {}, 0xffffff00u));
}

} // namespace pikora::corpus
