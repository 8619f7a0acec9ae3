// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderCheck.h"

#include "PackNames.h"
#include "Wave.h"

#include <map>
#include <set>

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace pikora::pack {

namespace {

// The game finds a file by its name with ASCII letters in any case.
QString asciiFold(const QString& name)
{
    QString folded = name;
    for (QChar& c : folded) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + ('a' - 'A'));
        }
    }
    return folded;
}

bool hasSuffix(const QString& name, const QString& suffix)
{
    return name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive);
}

class Checker
{
public:
    Checker(const QDir& folder, FolderReport& report)
        : m_folder(folder)
        , m_report(report)
    { }

    void run(const QStringList& names);

private:
    void fault(const QString& name, const QString& message)
    {
        m_report.findings.push_back({ name, message, true });
    }
    void checkName(const QString& name);
    void checkPicture(const QString& name);
    void checkVoice(const QString& name);
    void checkSameWords();

    QDir m_folder;
    FolderReport& m_report;
    QStringList m_voices;
    std::set<QString> m_foldedVoices; // what the game finds with names in any case
    std::map<QString, QStringList> m_words; // case key of a shown word -> pictures
    std::map<QString, QStringList> m_voiceNames; // case key -> voices
    std::set<QString> m_voicesUsed; // ASCII-folded names of the voices pictures play
};

void Checker::run(const QStringList& names)
{
    QStringList pictures;
    for (const QString& name : names) {
        if (hasSuffix(name, QStringLiteral(".wav"))) {
            m_voices.append(name);
            m_foldedVoices.insert(asciiFold(name));
            m_voiceNames[caseKey(name)].append(name);
        } else if (hasSuffix(name, QStringLiteral(".bmp"))) {
            pictures.append(name);
        }
    }
    for (const QString& name : pictures) {
        checkPicture(name);
    }
    for (const QString& name : m_voices) {
        checkVoice(name);
    }
    checkSameWords();
    m_report.pictures = int(pictures.size());
    m_report.voices = int(m_voices.size());
    if (pictures.size() < 2) {
        fault(QStringLiteral("."),
            QStringLiteral("fewer than 2 pictures: the game cannot show a round"));
    }
}

void Checker::checkName(const QString& name)
{
    const qsizetype bytes = name.toUtf8().size();
    if (bytes > kMaxFileNameBytes) {
        fault(name,
            QStringLiteral("the name is %1 bytes long; the game reaches names of at most %2")
                .arg(bytes)
                .arg(kMaxFileNameBytes));
    }
}

void Checker::checkPicture(const QString& name)
{
    checkName(name);
    const QString stem = gameStem(name);
    m_words[caseKey(stem)].append(name);
    if (stem.size() + 4 != name.size()) {
        fault(name,
            QStringLiteral("the name has a '.' before .bmp: the game shows it as %1 and "
                           "looks for %2.bmp and %2.wav")
                .arg(stem.toUpper(), stem));
    }
    const QString voice = asciiFold(stem + QStringLiteral(".wav"));
    m_voicesUsed.insert(voice);
    if (m_foldedVoices.count(voice) == 0) {
        fault(name, QStringLiteral("no voice: %1.wav is missing").arg(stem));
    }
    const QFileInfo info(m_folder.filePath(name));
    QImageReader reader(info.filePath());
    if (info.isDir()) {
        fault(name, QStringLiteral("a folder, not a picture"));
    } else if (info.size() == 0) {
        fault(name, QStringLiteral("the file is empty"));
    } else if (const QImage image = reader.read(); image.isNull()) {
        fault(name, QStringLiteral("not a picture Qt can read: %1").arg(reader.errorString()));
    } else if (image.width() > kPictureWidth || image.height() > kPictureHeight) {
        m_report.findings.push_back({ name,
            QStringLiteral("%1 × %2 is larger than a picture button (%3 × %4): its edges are "
                           "cut off")
                .arg(image.width())
                .arg(image.height())
                .arg(kPictureWidth)
                .arg(kPictureHeight),
            false });
    }
}

void Checker::checkVoice(const QString& name)
{
    checkName(name);
    if (m_voicesUsed.count(asciiFold(name)) == 0) {
        fault(name, QStringLiteral("no picture: no picture plays this voice"));
    }
    const QFileInfo info(m_folder.filePath(name));
    if (info.isDir()) {
        fault(name, QStringLiteral("a folder, not a voice"));
        return;
    }
    const WaveInfo wave = inspectWaveFile(info.filePath());
    if (!wave.problem.isEmpty()) {
        fault(name, QStringLiteral("not a usable wave file: %1").arg(wave.problem));
    }
}

void Checker::checkSameWords()
{
    for (const auto& [key, pictures] : m_words) {
        if (pictures.size() > 1) {
            fault(pictures.join(QStringLiteral(", ")),
                QStringLiteral("these pictures all show the word %1: the game cannot tell "
                               "them apart")
                    .arg(gameStem(pictures.front()).toUpper()));
        }
    }
    for (const auto& [key, voices] : m_voiceNames) {
        if (voices.size() > 1) {
            fault(voices.join(QStringLiteral(", ")),
                QStringLiteral("names differing only in letter case: the game may play "
                               "either"));
        }
    }
}

} // namespace

FolderReport checkFolder(const QString& folder)
{
    FolderReport report;
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir()) {
        report.problem = QStringLiteral("%1 is not a folder").arg(folder);
        return report;
    }
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    Checker(dir, report).run(dir.entryList(filter, QDir::Name));
    return report;
}

} // namespace pikora::pack
