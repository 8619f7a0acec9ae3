// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderCheck.h"

#include "PackNames.h"
#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "platform/FilesOnlyPlatform.h"
#include "platform/QtBitmap.h"
#include "platform/VoiceFile.h"

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>

namespace pikora::pack {

namespace {

const std::string kFolderPrefix = std::string(pictureFolder) + "\\";

QString shown(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

// The check runs in the picture folder, so the game's "mymain\cat.bmp" is "cat.bmp" here.
std::string inFolder(const std::string& gamePath)
{
    return gamePath.starts_with(kFolderPrefix) ? gamePath.substr(kFolderPrefix.size()) : gamePath;
}

std::string local(const std::string& gamePath)
{
    return localPath(inFolder(gamePath));
}

// The game's file services over the folder being checked. What the tool and the game keep
// beside the pictures (the list, the locks, a run's work folder) is neither a picture nor a
// voice, whatever a pattern matches.
class FolderPlatform : public FilesOnlyPlatform
{
public:
    std::vector<FoundFile> findFiles(const std::string& pattern) override
    {
        std::vector<FoundFile> found = FilesOnlyPlatform::findFiles(inFolder(pattern));
        std::erase_if(
            found, [](const FoundFile& file) { return isHousekeepingName(shown(file.name)); });
        return found;
    }
};

// Makes a folder the current one for its lifetime.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString& folder)
        : m_previous(QDir::currentPath())
        , m_entered(QDir::setCurrent(folder))
    { }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }
    bool entered() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered;
};

class Checker
{
public:
    explicit Checker(FolderReport& report)
        : m_report(report)
    { }

    void run();

private:
    void fault(const std::string& name, const QString& message)
    {
        m_report.findings.push_back({ shown(name), message, true });
    }
    void note(const std::string& name, const QString& message)
    {
        m_report.findings.push_back({ shown(name), message, false });
    }
    const PictureEntry* leftOut(const FoundFile& file, const PictureEntry* entry);
    void checkPicture(const FoundFile& file, const PictureEntry& entry);
    void checkVoice(const std::string& pictureName, const PictureEntry& entry);
    void checkSameWords();
    void checkVoicesWithoutPicture();

    FolderReport& m_report;
    FolderPlatform m_platform;
    std::map<std::string, std::vector<std::string>> m_words; // word shown -> pictures in play
    std::set<std::string> m_voicesUsed; // what the voice paths of all pictures resolve to
    std::set<std::string> m_voicesJudged;
};

void Checker::run()
{
    // The listing the game reads, and the catalogue entry it makes of each picture.
    const std::vector<FoundFile> files = m_platform.findFiles(kFolderPrefix + "*.bmp");
    for (const FoundFile& file : files) {
        m_voicesUsed.insert(localPath(stemOf(file.name) + ".wav"));
        const std::optional<PictureEntry> catalogued = pictureEntryOf(file.name);
        const PictureEntry* entry = leftOut(file, catalogued ? &*catalogued : nullptr);
        if (entry != nullptr) {
            ++m_report.inPlay;
            checkPicture(file, *entry);
        }
    }
    checkSameWords();
    checkVoicesWithoutPicture();
    m_report.pictures = int(files.size());
    if (m_report.inPlay < 2) {
        fault(".",
            QStringLiteral("%1 in play: the game needs 2 for a round and shows none")
                .arg(m_report.inPlay == 1 ? QStringLiteral("only 1 picture")
                                          : QStringLiteral("no picture")));
    }
}

// The catalogue entry of a picture in play; nullptr, with the reason reported, for one the
// game leaves out.
const PictureEntry* Checker::leftOut(const FoundFile& file, const PictureEntry* entry)
{
    if (file.hidden) {
        note(file.name, QStringLiteral("hidden (listed in .hidden): not in play"));
        return nullptr;
    }
    if (!isAddressablePictureName(file.name)) {
        fault(file.name,
            QStringLiteral("the game cannot reach a name holding '\\': its paths read it as "
                           "folders, so it leaves the picture out"));
        return nullptr;
    }
    if (entry == nullptr) {
        fault(file.name,
            file.name.size() > std::size_t(kMaxFileNameBytes)
                ? QStringLiteral("the name is %1 bytes long; the game leaves out names over %2")
                      .arg(file.name.size())
                      .arg(kMaxFileNameBytes)
                : QStringLiteral("the game leaves this picture out"));
    }
    return entry;
}

void Checker::checkPicture(const FoundFile& file, const PictureEntry& entry)
{
    const std::string stem = stemOf(file.name);
    m_words[entry.word].push_back(file.name);
    if (stem.size() + 4 != file.name.size()) {
        fault(file.name,
            QStringLiteral("the game cuts the name at its first '.': it shows %1 and looks for "
                           "%2.bmp and %2.wav")
                .arg(shown(entry.word), shown(stem)));
    } else if (const DecodedPicture picture = decodePicture(local(entry.picturePath));
               picture.image.isNull()) {
        fault(file.name,
            shown(picture.problem) + QStringLiteral(": the game leaves its button blank"));
    } else if (picture.truncated) {
        fault(file.name,
            QStringLiteral("the file ends before its pixels do: the game draws the rest in one "
                           "plain colour"));
    } else if (picture.image.width() > kPictureWidth || picture.image.height() > kPictureHeight) {
        note(file.name,
            QStringLiteral("%1 × %2 is larger than a picture button (%3 × %4): its edges are "
                           "cut off")
                .arg(picture.image.width())
                .arg(picture.image.height())
                .arg(kPictureWidth)
                .arg(kPictureHeight));
    }
    checkVoice(file.name, entry);
}

void Checker::checkVoice(const std::string& pictureName, const PictureEntry& entry)
{
    const std::string path = local(entry.voicePath);
    if (!m_voicesJudged.insert(path).second) {
        return;
    }
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        fault(pictureName,
            QStringLiteral("no voice: %1 is missing, so the game plays the chime")
                .arg(shown(inFolder(entry.voicePath))));
        return;
    }
    const VoiceVerdict voice = judgeVoice(path, kSilentPeak);
    if (!voice.problem.empty()) {
        fault(path, shown(voice.problem) + QStringLiteral(": the game plays the chime instead"));
    } else if (voice.seconds < kMinVoiceSeconds) {
        fault(path,
            QStringLiteral("it lasts %1 s: too short to be heard (a voice needs %2 s)")
                .arg(voice.seconds, 0, 'f', 2)
                .arg(kMinVoiceSeconds));
    } else if (voice.peak < kSilentPeak) {
        fault(path, QStringLiteral("it is silent: the learner hears nothing"));
    }
}

void Checker::checkSameWords()
{
    for (const auto& [word, pictures] : m_words) {
        if (pictures.size() > 1) {
            QStringList names;
            for (const std::string& name : pictures) {
                names << shown(name);
            }
            m_report.findings.push_back({ names.join(QStringLiteral(", ")),
                QStringLiteral("these pictures in play all show the word %1: the game cannot "
                               "tell them apart")
                    .arg(shown(word)),
                true });
        }
    }
}

void Checker::checkVoicesWithoutPicture()
{
    const std::vector<FoundFile> voices = m_platform.findFiles(kFolderPrefix + "*.wav");
    m_report.voices = int(voices.size());
    for (const FoundFile& voice : voices) {
        if (m_voicesUsed.count(voice.name) == 0) {
            note(voice.name, QStringLiteral("no picture plays this voice"));
        }
    }
}

} // namespace

FolderReport checkFolder(const QString& folder)
{
    FolderReport report;
    if (!QFileInfo(folder).isDir()) {
        report.problem = QStringLiteral("%1 is not a folder").arg(folder);
        return report;
    }
    const CurrentFolder current(folder);
    if (!current.entered()) {
        report.problem = QStringLiteral("%1 cannot be opened").arg(folder);
        return report;
    }
    Checker(report).run();
    return report;
}

} // namespace pikora::pack
