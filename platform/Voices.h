// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include <QString>

namespace pikora::pack {

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
// cut to the game's length cap with a `warning`. The result is judged as the game's
// player judges it. `what` names the source in messages ("the recording x.ogg").
// Returns what went wrong, empty on success.
QString convertVoice(const QString& in, const QString& what, const QString& out, QString& warning);

} // namespace pikora::pack
