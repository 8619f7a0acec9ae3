// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderCheck.h"

#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "platform/FileUpdate.h"
#include "platform/FilesOnlyPlatform.h"
#include "platform/PackNames.h"
#include "platform/QtBitmap.h"
#include "platform/Voices.h"

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace pikora::pack {

using namespace pictureset;

// The longest name a picture may have is the game's path bound less its folder.
static_assert(kMaxFileNameBytes == qsizetype(pathBound - std::strlen(pictureFolder) - 1));

namespace {

const std::string kFolderPrefix = std::string(pictureFolder) + "\\";

// How the fault of a file that is there and plain is put right: made again from its source.
const QString kRemakePicture = QStringLiteral("; remake it with image: in a word list");
const QString kRemakeVoice = QStringLiteral("; remake it with voice: in a word list");

QString decoded(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QString shown(const std::string& bytes)
{
    return shownOnOneLine(bytes);
}

bool isRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The kind of image pikora-pack reads that a file holds, by its first bytes; empty for
// anything else.
QString imageKindOf(const std::string& path)
{
    std::string problem;
    const int fd = openRegularFile(path, "a picture", problem);
    if (fd < 0) {
        return {};
    }
    char head[1024];
    const ssize_t got = ::read(fd, head, sizeof head);
    ::close(fd);
    const QByteArray bytes(head, qsizetype(std::max<ssize_t>(got, 0)));
    if (bytes.startsWith("\x89PNG")) {
        return QStringLiteral("PNG");
    }
    if (bytes.startsWith("\xff\xd8\xff")) {
        return QStringLiteral("JPEG");
    }
    if (bytes.startsWith("GIF8")) {
        return QStringLiteral("GIF");
    }
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP") {
        return QStringLiteral("WebP");
    }
    if (bytes.startsWith(QByteArrayView("II*\0", 4))
        || bytes.startsWith(QByteArrayView("MM\0*", 4))) {
        return QStringLiteral("TIFF");
    }
    return bytes.contains("<svg") ? QStringLiteral("SVG") : QString();
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
            found, [](const FoundFile& file) { return isHousekeepingName(decoded(file.name)); });
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
            QStringLiteral("%1 in play: the game needs 2 for a round and shows none; add "
                           "pictures, or bring hidden ones back into play in Setup")
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
                           "folders, so it leaves the picture out; rename it without the '\\'"));
        return nullptr;
    }
    if (entry == nullptr) {
        fault(file.name,
            file.name.size() > std::size_t(kMaxFileNameBytes)
                ? QStringLiteral("the name is %1 bytes long; the game leaves out names over %2: "
                                 "give it a shorter name")
                      .arg(file.name.size())
                      .arg(kMaxFileNameBytes)
                : QStringLiteral("the game leaves this picture out"));
    }
    return entry;
}

void Checker::checkPicture(const FoundFile& file, const PictureEntry& entry)
{
    const std::string stem = stemOf(file.name);
    const std::string path = local(entry.picturePath);
    m_words[entry.word].push_back(file.name);
    if (file.name.find('\n') != std::string::npos) {
        fault(file.name,
            QStringLiteral("the name holds a line break, and .hidden holds a name a line: Setup "
                           "cannot take the picture out of play; rename it"));
    }
    if (stem.size() + 4 != file.name.size()) {
        fault(file.name,
            QStringLiteral("the game cuts the name at its first '.': it shows %1 and looks for "
                           "%2.bmp and %2.wav; rename it with no '.' before .bmp")
                .arg(shown(entry.word), shown(stem)));
    } else if (const DecodedPicture picture = decodePicture(path); picture.image.isNull()) {
        const QString kind = imageKindOf(path);
        fault(file.name,
            kind.isEmpty()
                ? shown(picture.problem) + QStringLiteral(": the game leaves its button blank")
                    + (isRegularFile(path) ? kRemakePicture : QString())
                : QStringLiteral("a picture in %1 named .bmp: the game reads only "
                                 "BMP and leaves its button blank; make it with "
                                 "image: in a word list")
                      .arg(kind));
    } else if (picture.truncated) {
        fault(file.name,
            QStringLiteral("the file ends before its pixels do: the game draws the rest in one "
                           "plain colour")
                + kRemakePicture);
    } else if (picture.image.width() > kPictureWidth || picture.image.height() > kPictureHeight) {
        note(file.name,
            QStringLiteral("%1 × %2 is larger than a picture button (%3 × %4): its edges are "
                           "cut off; make it with image: in a word list to fit it")
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
    const VoiceStatus voice = voiceStatus(path, shown(inFolder(entry.voicePath)));
    switch (voice.remedy) {
    case VoiceStatus::Remedy::None:
        if (!voice.plays()) {
            fault(path, voice.fault);
        }
        break;
    case VoiceStatus::Remedy::Make: // the picture has none
        fault(pictureName,
            voice.fault
                + QStringLiteral("; make it with voice: in a word list, or let pikora-pack speak "
                                 "the word"));
        break;
    case VoiceStatus::Remedy::Remake:
        fault(path, voice.fault + kRemakeVoice);
        break;
    case VoiceStatus::Remedy::RecordAgain:
        fault(path,
            voice.fault
                + QStringLiteral("; record it again and make it with voice: in a word list"));
        break;
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
                               "tell them apart; give each a word of its own, or take all but "
                               "one out of play in Setup")
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
