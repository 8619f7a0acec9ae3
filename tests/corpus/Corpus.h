// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// A picture folder of everything a user's folder can hold that a picture set should not:
// broken and hostile bitmaps and waves, odd names, special files and a binary `.hidden`.
// Made by code, so nothing binary is kept in the repository.
#pragma once

#include "support/WaveFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pikora::corpus {

// What loading a picture or playing a voice of an item gives.
enum class Image
{
    Shown, // the bitmap loads at its own size
    None, // the button is left without an image
    Either, // a damaged file that the image reader may half-read: either is fine
};

enum class Voice
{
    Heard, // the file's own samples play
    Chime, // the built-in default sound plays instead
    Either,
};

struct Item
{
    std::string stem; // file name up to ".bmp" / ".wav", exact bytes
    std::string what; // for test messages
    Image image = Image::Shown;
    Voice voice = Voice::Heard;
    bool catalogued = true; // false: the catalogue leaves it out
    int width = 0; // of a shown image
    int height = 0;
};

// --- Files

std::string bitmap(int width, int height); // 24-bit, a colour gradient
// The 54 bytes that start a 24-bit BMP of the given size; no pixels follow.
std::string bitmapHeader(std::int32_t width, std::int32_t height);

// The BMP encodings: 1, 4 and 8 bits a pixel with a palette (4 and 8 also run-length
// coded), 16 (5 bits a colour), 24 and 32 bits; rows bottom-up or top-down.
struct BitmapKind
{
    int bits = 24;
    bool runLength = false;
    bool topDown = false;
    const char* name = "";
};
// A picture of stripes in three colours (one with 1 bit a pixel) in the given encoding.
// The palette's first colour is never drawn, nor white.
std::string bitmapOfKind(const BitmapKind& kind, int width, int height);
// The colour, 0xRRGGBB, of a pixel of such a picture; index 0 of its palette.
std::uint32_t bitmapColour(const BitmapKind& kind, int x, int y);
std::uint32_t bitmapPaletteFirst();

// A RIFF wave around samples, 8 kHz 8-bit mono unless told otherwise.
using testing::wave;
using testing::WaveFormat;
// 8-bit mono samples of a tone at 8 kHz.
std::string tone(double seconds);
// A wave of `seconds` of 8 kHz 8-bit mono silence whose data is a hole in a sparse file.
void writeSparseWave(const std::filesystem::path& path, double seconds);

void writeFile(const std::filesystem::path& path, const std::string& content);

// --- The folder

struct Options
{
    int plainPictures = 0; // extra small pictures "p0".."pN-1" without voices
    bool longWave = true; // a real 20-minute wave (9.6 MB)
};

// Fills `folder` (the picture folder, made when missing) with the corpus and returns its
// items. Also writes a binary `.hidden` that hides the item "hidden".
std::vector<Item> makePictureFolder(const std::filesystem::path& folder, const Options& options);

// The stem of the hidden item and the bytes of the binary `.hidden` that hides it.
inline const std::string hiddenStem = "hidden";
std::string binaryHiddenList();

// Fills `folder` with the four feedback media, each broken in its own way.
void writeBrokenFeedbackMedia(const std::filesystem::path& folder);

} // namespace pikora::corpus
