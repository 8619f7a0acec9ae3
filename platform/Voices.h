// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/VoiceFile.h"

#include <map>
#include <string>

#include <QString>

namespace pikora::pictureset {

// Speech from espeak-ng, one wave file a word.
class Speaker
{
public:
    // Why espeak-ng cannot speak `language` (not installed, no such voice); empty when it
    // can. Each language is tried once.
    QString languageProblem(const QString& language);
    // Speaks `text` into the wave file `out`; returns what went wrong, empty on success.
    QString speak(const QString& text, const QString& language, const QString& out);

private:
    std::map<QString, QString> m_languages;
};

// A voice as the game plays it best, made with sox from any sound file sox reads (WAV of
// any kind, OGG, FLAC ...): 16-bit mono at the device's rate, silence trimmed at both ends,
// cut to `maxSeconds` (the game's length cap) with a `warning`. The result is judged as the game's
// player judges it. `what` names the source in messages ("the recording x.ogg").
// Returns what went wrong, empty on success.
QString convertVoice(const QString& in, const QString& what, const QString& out, QString& warning,
    double maxSeconds = VoiceLimits::maxSeconds);

// Whether the game plays the voice file at `path`, judged with its own player and limits, and
// why not: the message says what is wrong, and the remedy is the caller's to word.
struct VoiceStatus
{
    enum class Remedy
    {
        None, // it plays, or nothing made here would play (no SDL)
        Make, // it is missing: one is to be made
        Remake, // made again from its source, it would play
        RecordAgain, // its source is silent
    };
    QString fault; // empty when it plays
    Remedy remedy = Remedy::None;

    bool plays() const { return fault.isEmpty(); }
};
// `shownName` names a missing file in its message.
VoiceStatus voiceStatus(const std::string& path, const QString& shownName);

} // namespace pikora::pictureset
