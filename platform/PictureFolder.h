// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Voices.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

namespace pikora::pictureset {

class WorkFolder;

// A picture of a folder as the game lists it.
struct FolderPicture
{
    QString fileName; // as in the folder: "cat.bmp"
    QString word; // the name up to its first '.', by which the changes below take it
    QString path; // the picture file, to draw from
    bool hidden = false; // listed in .hidden: out of play
    VoiceStatus voice; // whether "<word>.wav" plays
};

// The longest a recording is kept, once its silence is trimmed.
inline constexpr double kMaxRecordingSeconds = 10.0;

// One picture folder as a window changes it, with pikora-pack's making and rules. Each
// change holds the folder's lock (waiting for another program at most lockWaitLimit), makes
// its files in a private work folder and renames them in, so the folder never holds a
// half-made file; the files get the mode of the folder's finished files. Each returns what
// went wrong, in English, empty on success.
class PictureFolder
{
public:
    explicit PictureFolder(const QString& folder);

    // In the order the game lists them.
    std::vector<FolderPicture> pictures() const;
    // Why this user may not change the folder; empty when they may.
    QString writeProblem() const;

    // The picture of the image file `image` (any format Qt reads, or SVG) as "<word>.bmp". A
    // word that cannot name a file, or that the game could not tell from another picture's,
    // is refused.
    QString addPicture(const QString& image, const QString& word);
    // The voice of the picture `word`: the word spoken by espeak-ng in `language`, a sound
    // file that sox reads (WAV, OGG, FLAC ...), or samples recorded at `sampleRate`, 16-bit
    // mono, cut to kMaxRecordingSeconds. Silence is trimmed at both ends; the voice is
    // stored 16-bit mono at the device's rate.
    QString speakVoice(const QString& word, const QString& language);
    QString voiceFromFile(const QString& word, const QString& soundFile);
    QString voiceFromSamples(
        const QString& word, const std::vector<std::int16_t>& samples, int sampleRate);
    // The picture, its voice and its hidden mark under the name `newWord`.
    QString rename(const QString& word, const QString& newWord);
    // The picture, its voice and its hidden mark.
    QString remove(const QString& word);

private:
    using VoiceMaker = std::function<QString(const WorkFolder& work, const QString& out)>;

    QString change(const std::function<QString(const WorkFolder& work)>& step) const;
    QString makeVoice(const QString& word, const VoiceMaker& make) const;
    std::optional<FolderPicture> find(const QString& word) const;
    QString clash(const QString& word, const QString& except) const;
    std::vector<FolderPicture> listed(bool withVoices) const;
    QString voicePath(const QString& word) const;

    QString m_folder;
    Speaker m_speaker;
};

} // namespace pikora::pictureset
