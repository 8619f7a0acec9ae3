// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace pikora {

struct GameContext;
class SettingsKey;

// How a learner who cannot use a mouse plays: by one or two switches that scan the choices.
enum class ScanMode : std::int32_t
{
    Off = 0,
    OneSwitch = 1, // the highlight moves by itself; Space or Enter chooses
    TwoSwitches = 2, // Space moves the highlight, Enter chooses
};

inline constexpr std::int32_t scanMsDefault = 1500;
inline constexpr std::int32_t scanMsMin = 300;
inline constexpr std::int32_t scanMsMax = 10000;
// A switch press this soon after the last one taken is ignored: a tremor or a bounce is one
// press. 0, the default, takes every press.
inline constexpr std::int32_t acceptMsMax = 2000;

// The ways to play without a mouse, kept in the settings key beside the game's options
// (values SCAN, SCAN_MS, SCAN_ACCEPT_MS and FULL_SCREEN). All off by default: then the game plays,
// and the store looks, exactly as without them.
struct AccessOptions
{
    ScanMode scan = ScanMode::Off;
    std::int32_t scanMs = scanMsDefault; // how long the highlight rests on each choice
    bool fullScreen = false;
    std::int32_t acceptMs = 0; // presses closer than this to the last one taken are ignored
};

// A stored access value: a 32-bit number of exactly four bytes within [low, high]; anything
// else (missing, a string, negative, huge) gives the fallback.
std::int32_t boundedOptionFromBytes(const std::optional<std::vector<std::uint8_t>>& bytes,
    std::int32_t low, std::int32_t high, std::int32_t fallback);

// Reads the access options from an open settings key; every bad or missing value takes its
// default. LoadSettings reads them with the game's options.
void readAccessOptions(const SettingsKey& key, AccessOptions& access);
// Reads the access options into context.access; every bad or missing value takes its
// default. 0, or -1 when the settings key cannot be opened (the defaults then stay). Writes
// nothing, so a store that never had them keeps its form.
int LoadAccessOptions(GameContext& context);
// Writes the four values, keeping every other value of the store. 0, or -1 when the key
// cannot be opened or the store not written.
int SaveAccessOptions(const GameContext& context);

} // namespace pikora
