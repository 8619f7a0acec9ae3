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

// Copies a recording to the wave file `out` as 16-bit PCM, converting it with sox when it is
// another format (OGG, FLAC, 8-bit or float WAV ...); returns what went wrong.
QString convertRecording(const QString& in, const QString& out);

} // namespace pikora::pack
