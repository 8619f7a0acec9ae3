// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFolder.h"

#include "platform/FileSystem.h"
#include "platform/FolderAccess.h"
#include "platform/LetterCase.h"
#include "platform/PackNames.h"
#include "platform/Pictures.h"
#include "platform/Wave.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pikora::pictureset {

namespace {

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString errorText(int error)
{
    return qt_error_string(error);
}

} // namespace

PictureFolder::PictureFolder(const QString& folder)
    : m_folder(QDir(folder).absolutePath())
{ }

std::vector<FolderPicture> PictureFolder::listed(bool withVoices) const
{
    std::vector<FolderPicture> pictures;
    for (const FoundFile& file : FileSystem().findFiles(local(m_folder) + "/*.bmp")) {
        if (file.directory) {
            continue;
        }
        FolderPicture picture;
        picture.fileName = QString::fromStdString(file.name);
        picture.word = picture.fileName.section(u'.', 0, 0);
        picture.path = m_folder + u'/' + picture.fileName;
        picture.hidden = file.hidden;
        if (withVoices) {
            const QString voice = picture.word + QStringLiteral(".wav");
            picture.voice
                = voiceStatus(local(voicePath(picture.word)), shownOnOneLine(local(voice)));
        }
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

std::vector<FolderPicture> PictureFolder::pictures() const
{
    return listed(true);
}

QString PictureFolder::writeProblem() const
{
    if (!QFileInfo(m_folder).isDir()) {
        return QStringLiteral("%1 is not a folder").arg(m_folder);
    }
    QString judged;
    const int error = folderWriteError(m_folder, judged);
    return error == 0
        ? QString()
        : QStringLiteral("nothing can be changed in %1: %2").arg(m_folder, errorText(error));
}

// The voice file of a picture as the game finds it: the name in any letter case, an exact
// match first.
QString PictureFolder::voicePath(const QString& word) const
{
    return QFile::decodeName(QByteArray::fromStdString(
        localPath(local(m_folder + u'/' + word + QStringLiteral(".wav")))));
}

std::optional<FolderPicture> PictureFolder::find(const QString& word) const
{
    for (FolderPicture& picture : listed(false)) {
        if (picture.word == word) {
            return std::move(picture);
        }
    }
    return std::nullopt;
}

// Why `word` cannot be a new picture's: the game would take it for the picture of another
// name in any letter case, or show it as it shows another (kedi and kedı both show KEDI).
// `except` is the file of the picture being renamed.
QString PictureFolder::clash(const QString& word, const QString& except) const
{
    if (const QString problem = stemProblem(word); !problem.isEmpty()) {
        return QStringLiteral("'%1': %2").arg(word, problem);
    }
    const QString key = caseKey(word);
    const std::string shown = upperCase(word.toStdString());
    for (const FolderPicture& picture : listed(false)) {
        if (picture.fileName == except) {
            continue;
        }
        if (caseKey(picture.word) == key) {
            return QStringLiteral("'%1' is the same name as the picture %2 when letter case is "
                                  "ignored, as the game ignores it")
                .arg(word, picture.fileName);
        }
        if (upperCase(picture.word.toStdString()) == shown) {
            return QStringLiteral("the game shows '%1' as %2, as it shows the picture %3")
                .arg(word, QString::fromStdString(shown), picture.fileName);
        }
    }
    return {};
}

QString PictureFolder::change(const std::function<QString(const WorkFolder& work)>& step) const
{
    if (const QString problem = writeProblem(); !problem.isEmpty()) {
        return problem;
    }
    FolderLock lock;
    QString problem;
    switch (lock.lock(m_folder, int(lockWaitLimit.count()), problem)) {
    case FolderLock::Result::Locked:
        break;
    case FolderLock::Result::Busy:
        return QStringLiteral("another program is changing %1; try again when it has finished")
            .arg(m_folder);
    case FolderLock::Result::Failed:
        return problem;
    }
    WorkFolder work; // goes before the lock is let go
    if (!work.make(m_folder, problem)) {
        return problem;
    }
    return step(work);
}

QString PictureFolder::addPicture(const QString& image, const QString& word)
{
    if (const QString problem = stemProblem(word); !problem.isEmpty()) {
        return QStringLiteral("'%1': %2").arg(word, problem);
    }
    // A photo is read before the folder is locked: a large one takes a while.
    QString problem;
    const QImage picture = pictureOfImage(image, problem);
    if (picture.isNull()) {
        return problem;
    }
    return change([&](const WorkFolder& work) {
        if (const QString clashing = clash(word, {}); !clashing.isEmpty()) {
            return clashing;
        }
        const QString name = word + QStringLiteral(".bmp");
        const QString temp = QStringLiteral("picture.bmp");
        int error = work.write(temp, encodeBmp24(picture));
        if (error == 0) {
            error = work.putInPlace(temp, name);
        }
        return error == 0 ? QString()
                          : QStringLiteral("%1 cannot be made: %2").arg(name, errorText(error));
    });
}

QString PictureFolder::makeVoice(const QString& word, const VoiceMaker& make) const
{
    return change([&](const WorkFolder& work) {
        const std::optional<FolderPicture> picture = find(word);
        if (!picture) {
            return QStringLiteral("there is no picture '%1' in %2").arg(word, m_folder);
        }
        const QString name = word + QStringLiteral(".wav");
        const QString other = voicePath(word); // the same name in another letter case
        const QString temp = QStringLiteral("voice.wav");
        if (QString problem = make(work, work.path(temp)); !problem.isEmpty()) {
            return problem;
        }
        QByteArray made;
        int error = work.finish(temp, made);
        if (error == 0) {
            error = work.putInPlace(temp, name);
        }
        if (error != 0) {
            return QStringLiteral("%1 cannot be made: %2").arg(name, errorText(error));
        }
        if (QFileInfo(other).fileName() != name) {
            QFile::remove(other);
        }
        return QString();
    });
}

QString PictureFolder::speakVoice(const QString& word, const QString& language)
{
    return makeVoice(word, [&](const WorkFolder& work, const QString& out) {
        const QString speech = work.path(QStringLiteral("speech.wav"));
        QString problem = m_speaker.speak(word, language, speech);
        QString warning;
        return problem.isEmpty() ? convertVoice(speech,
                   QStringLiteral("the speech of '%1' (%2)").arg(word, language), out, warning)
                                 : problem;
    });
}

QString PictureFolder::voiceFromFile(const QString& word, const QString& soundFile)
{
    return makeVoice(word, [&](const WorkFolder&, const QString& out) {
        QString warning;
        return convertVoice(
            soundFile, QStringLiteral("the sound file %1").arg(soundFile), out, warning);
    });
}

QString PictureFolder::voiceFromSamples(
    const QString& word, const std::vector<std::int16_t>& samples, int sampleRate)
{
    if (samples.empty() || sampleRate <= 0) {
        return QStringLiteral("the recording is empty");
    }
    return makeVoice(word, [&](const WorkFolder& work, const QString& out) {
        const QString recording = QStringLiteral("recording.wav");
        if (const int error = work.write(recording, encodeWave16(samples, 1, sampleRate));
            error != 0) {
            return QStringLiteral("the recording cannot be kept: %1").arg(errorText(error));
        }
        QString warning;
        return convertVoice(work.path(recording), QStringLiteral("the recording"), out, warning,
            kMaxRecordingSeconds);
    });
}

QString PictureFolder::rename(const QString& word, const QString& newWord)
{
    return change([&](const WorkFolder&) {
        const std::optional<FolderPicture> picture = find(word);
        if (!picture) {
            return QStringLiteral("there is no picture '%1' in %2").arg(word, m_folder);
        }
        if (const QString clashing = clash(newWord, picture->fileName); !clashing.isEmpty()) {
            return clashing;
        }
        // The mark goes while the old name is there to take it from, and comes back on the
        // new one; the picture is in play for that moment only.
        FileSystem files;
        if (picture->hidden) {
            if (const int error = files.writeHiddenMark(local(picture->path), false); error != 0) {
                return QStringLiteral("the hidden mark of %1 cannot be changed: %2")
                    .arg(picture->fileName, errorText(error));
            }
        }
        const QString bmp = m_folder + u'/' + newWord + QStringLiteral(".bmp");
        const QString voice = voicePath(word);
        const bool hasVoice = QFileInfo::exists(voice) || QFileInfo(voice).isSymLink();
        const QString wav = m_folder + u'/' + newWord + QStringLiteral(".wav");
        QString problem;
        // A rename is one step each: the files are whole under one name or the other.
        if (std::rename(local(picture->path).c_str(), local(bmp).c_str()) != 0) {
            problem = QStringLiteral("%1 cannot be renamed: %2")
                          .arg(picture->fileName, errorText(errno));
        } else if (hasVoice && std::rename(local(voice).c_str(), local(wav).c_str()) != 0) {
            problem = QStringLiteral("%1 cannot be renamed: %2")
                          .arg(QFileInfo(voice).fileName(), errorText(errno));
            std::rename(local(bmp).c_str(), local(picture->path).c_str());
        }
        const QString marked = problem.isEmpty() ? bmp : picture->path;
        if (picture->hidden) {
            if (const int error = files.writeHiddenMark(local(marked), true);
                error != 0 && problem.isEmpty()) {
                problem = QStringLiteral("%1 is in play: its hidden mark cannot be set: %2")
                              .arg(QFileInfo(marked).fileName(), errorText(error));
            }
        }
        return problem;
    });
}

QString PictureFolder::remove(const QString& word)
{
    return change([&](const WorkFolder&) {
        const std::optional<FolderPicture> picture = find(word);
        if (!picture) {
            return QStringLiteral("there is no picture '%1' in %2").arg(word, m_folder);
        }
        if (picture->hidden) {
            if (const int error = FileSystem().writeHiddenMark(local(picture->path), false);
                error != 0) {
                return QStringLiteral("the hidden mark of %1 cannot be removed: %2")
                    .arg(picture->fileName, errorText(error));
            }
        }
        // The picture first: a voice left behind plays for nobody, a picture without its
        // voice would play the chime.
        for (const QString& path : { picture->path, voicePath(word) }) {
            if (::unlink(local(path).c_str()) != 0 && errno != ENOENT) {
                return QStringLiteral("%1 cannot be removed: %2")
                    .arg(QFileInfo(path).fileName(), errorText(errno));
            }
        }
        return QString();
    });
}

} // namespace pikora::pictureset
