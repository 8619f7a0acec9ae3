// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pikora::testing {

// Writes a 16-bit PCM wave file of `frames` frames: a quiet tone, so a capture can tell it
// from silence. False when the file cannot be written.
bool writeWave(const std::string& path, int frames, int rate = 44100, int channels = 2);

} // namespace pikora::testing
