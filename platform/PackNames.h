// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <QString>

namespace pikora::pictureset {

// A picture fills a picture button of the main window.
inline constexpr int kPictureWidth = 420;
inline constexpr int kPictureHeight = 250;

// The game builds "mymain\" + name into a path of at most 199 bytes (the game's pathBound,
// which pikora-pack checks this against).
inline constexpr qsizetype kMaxFileNameBytes = 199 - 7;

// A voice shorter than this is over before a learner has heard it.
inline constexpr double kMinVoiceSeconds = 0.2;
// A voice whose loudest sample stays below this (1% of full scale) is silent.
inline constexpr int kSilentPeak = 328;

// The list of files this tool made in a picture folder; not a picture (it ends in no .bmp).
inline constexpr char kManifestName[] = ".pikora-pack";
// The lock a run holds on a picture folder, and its work folder there: the prefix, then
// random letters and digits.
inline constexpr char kLockName[] = ".pikora-pack.lock";
inline constexpr char kWorkFolderPrefix[] = ".pikora-pack-";
inline constexpr int kWorkFolderRandomLength = 6;

// Whether a name in a picture folder is one of the files that this tool and the game keep
// beside the pictures (the list above, the lock, a work folder, the game's .hidden list and
// its lock), not a picture or a voice of anyone's.
bool isHousekeepingName(const QString& name);

// Why `word` cannot be the stem of a picture and voice file pair; empty when it can.
QString stemProblem(const QString& word);

// Two names with the same key are one name to the game, which matches file names without
// regard to letter case.
QString caseKey(const QString& name);

// A name or word as a message shows it, on one line: control characters such as a line
// break written as escapes (\n, \x1b).
QString shownOnOneLine(const std::string& bytes);

} // namespace pikora::pictureset
