// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pikora {

struct GameContext;

// The six options and the two paths fixed at start-up. Every option starts at 0 and keeps
// that value when the settings key cannot be opened.
struct GameSettings
{
    std::int32_t field4 = 0; // FIELD4: four choices a round instead of two
    std::int32_t spell = 0; // SPELL: print the target's word under the pictures
    std::int32_t hideButtons = 0; // HIDEBUTTONS: hide the wrong choices after a wrong one
    std::int32_t useTimer = 0; // USE_TIMER: count down and end with a report
    std::int32_t useWords = 0; // USE_WORDS: choices are printed words
    std::int32_t maxTimer = 0; // MAX_TIMER: length of a timed game in seconds
    std::string appFolder; // folder of the running program, empty until loaded
    std::string reportPath; // empty until loaded
};

inline constexpr const char* settingsKeyPath = "SOFTWARE\\VELMAR\\PIKORA";
inline constexpr std::size_t reportPathBound = 255;

// Stored values are of type 1 (a string) or 4 (a 32-bit number).
inline constexpr int valueTypeNumber = 4;
// A 32-bit number as it is stored: four bytes, lowest-order first.
std::vector<std::uint8_t> numberBytes(std::int32_t number);

// Reads an option from its stored bytes: at most four bytes, lowest-order first, the missing
// high bytes 0, whatever the value's type, so a store edited by hand (a one-character string
// gives that character's code) still starts the game. A missing value or one of more than
// four bytes gives the default. The save that follows every load writes 32-bit numbers back.
std::int32_t optionFromBytes(
    const std::optional<std::vector<std::uint8_t>>& bytes, std::int32_t fallback);

// The folder that holds the running program: the path without its last component.
std::string appFolderOf(const std::string& modulePath);

// The report file lies beside the application folder: the folder cut at its last '/' (or,
// without one, its last '\'), then "\report.txt". Empty when it would not fit its bound.
std::string reportPathFor(const std::string& appFolder);

// Reads the game's options and the access options, and writes the game's options back
// as numbers. 0, or -1 when the settings key cannot be opened (then nothing at all changes).
int LoadSettings(GameContext& context);
// 0, or -1 when the key cannot be opened; a failed write of the file is not reported.
int SaveSettings(GameContext& context);
// Saves only the options whose value differs from `before` (what the window showed), into
// the store as it is now: another program's changes to the other options stay. 0, or -1
// when the key cannot be opened.
int SaveChangedSettings(GameContext& context, const GameSettings& before);

} // namespace pikora
