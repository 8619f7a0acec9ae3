// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PackBuilder.h"

#include "platform/LetterCase.h"
#include "platform/PackNames.h"

#include <QFile>
#include <QFileInfo>

namespace pikora::pack {

using namespace pictureset;

QImage PictureMaker::make(const WordEntry& entry, QString& problem) const
{
    switch (entry.picture) {
    case PictureKind::Emoji:
        return m_emoji.picture(entry.pictureValue, problem);
    case PictureKind::Image:
        return pictureOfImage(entry.pictureValue, problem);
    case PictureKind::Colour:
        return pictureOfColour(QColor(entry.pictureValue));
    case PictureKind::Letter:
        return pictureOfText(entry.word, true, problem);
    case PictureKind::Text:
        break;
    }
    return pictureOfText(entry.word, false, problem);
}

void Reporter::problem(const QString& text)
{
    ++m_count;
    m_stream << "pikora-pack: " << text << Qt::endl;
}

void Reporter::problem(int line, const QString& word, const QString& text)
{
    problem(QStringLiteral("line %1: %2: %3").arg(line).arg(word, text));
}

void Reporter::note(int line, const QString& word, const QString& text)
{
    m_stream << "pikora-pack: line " << line << ": " << word << ": " << text << Qt::endl;
}

void Reporter::list(const QString& text)
{
    if (m_listing != nullptr) {
        *m_listing << text << Qt::endl;
    }
}

PackBuilder::PackBuilder(const QString& folder, const PackOptions& options, Reporter& reporter)
    : m_folder(QDir(folder).absolutePath())
    , m_options(options)
    , m_reporter(reporter)
    , m_manifest(m_folder)
{ }

bool PackBuilder::open()
{
    // A folder that takes no files (read-only, or another user's) is said once, before
    // anything is tried in it. A dry run only looks.
    QString judged;
    if (const int error = m_options.dryRun ? 0 : folderWriteError(m_folder.path(), judged);
        error != 0) {
        const QString why = qt_error_string(error);
        m_reporter.problem(judged == m_folder.path()
                ? QStringLiteral("nothing can be made in %1: %2").arg(judged, why)
                : QStringLiteral("the folder %1 cannot be made in %2: %3")
                      .arg(m_folder.path(), judged, why));
        return false;
    }
    // A dry run makes nothing, not even the folder.
    const bool existed = m_folder.exists();
    if (!existed && !m_options.dryRun && !m_folder.mkpath(QStringLiteral("."))) {
        m_reporter.problem(QStringLiteral("the folder %1 cannot be made").arg(m_folder.path()));
        return false;
    }
    QString problem;
    if (!m_options.dryRun) {
        // Two runs on one folder would each take the other's files for someone else's.
        switch (m_lock.lock(m_folder.path(), kFolderLockWaitMs, problem)) {
        case FolderLock::Result::Locked:
            break;
        case FolderLock::Result::Busy:
            m_reporter.problem(QStringLiteral("another pikora-pack is making %1; try again when "
                                              "it has finished")
                                   .arg(m_folder.path()));
            return false;
        case FolderLock::Result::Failed:
            m_reporter.problem(problem);
            return false;
        }
        if (!m_work.make(m_folder.path(), problem)) {
            m_reporter.problem(problem);
            return false;
        }
    }
    if (existed && !m_manifest.load(problem)) {
        m_reporter.problem(problem);
        return false;
    }
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : existed ? m_folder.entryList(filter) : QStringList()) {
        if (!isHousekeepingName(name)) {
            m_existing[caseKey(name)].append(name);
        }
    }
    const QString fontProblem = m_pictures.emoji().fontProblem();
    if (!fontProblem.isEmpty()) {
        m_reporter.problem(fontProblem + QStringLiteral("; emoji pictures cannot be made"));
    }
    return true;
}

void PackBuilder::build(const std::vector<WordEntry>& entries)
{
    const QString languageProblem = m_speaker.languageProblem(m_options.language);
    if (!languageProblem.isEmpty()) {
        m_reporter.problem(languageProblem);
    }
    for (const WordEntry& entry : entries) {
        if (m_stopped) {
            break;
        }
        if (claimWord(entry) && makeEntry(entry)) {
            ++m_made;
        }
    }
}

// Refuses a word that cannot be a file stem, or that the game could not tell from an
// earlier word of the list: the same file name without regard to letter case, or the same
// word in capitals, as the game shows it (kedi and kedı both show KEDI).
bool PackBuilder::claimWord(const WordEntry& entry)
{
    const QString problem = stemProblem(entry.word);
    if (!problem.isEmpty()) {
        m_reporter.problem(entry.line, entry.word, problem);
        return false;
    }
    const QString key = caseKey(entry.word);
    const std::string shown = upperCase(entry.word.toStdString());
    const auto sameName = m_claimed.find(key);
    const auto sameShown = m_shown.find(shown);
    if (sameName != m_claimed.end()) {
        m_reporter.problem(entry.line, entry.word,
            QStringLiteral("same name as '%1' on line %2 when letter case is ignored, as the "
                           "game ignores it")
                .arg(sameName->second.second)
                .arg(sameName->second.first));
        return false;
    }
    if (sameShown != m_shown.end()) {
        m_reporter.problem(entry.line, entry.word,
            QStringLiteral("the game shows it as %1, as it shows '%2' on line %3")
                .arg(QString::fromStdString(shown), sameShown->second.second)
                .arg(sameShown->second.first));
        return false;
    }
    m_claimed.try_emplace(key, entry.line, entry.word);
    m_shown.try_emplace(shown, entry.line, entry.word);
    return true;
}

// A file of the name in any letter case is replaced only when this tool made it and nobody
// changed it since, or with --force. One that was changed is kept; one of another's is in
// the way, and so is a folder: false, with the problem reported.
bool PackBuilder::planFile(const WordEntry& entry, const QString& name, FilePlan& plan) const
{
    plan.name = name;
    const auto found = m_existing.find(caseKey(name));
    if (found == m_existing.end() || found->second.isEmpty()) {
        return true;
    }
    plan.action = Action::Replace;
    for (const QString& existing : found->second) {
        const bool isFolder = QFileInfo(m_folder.filePath(existing)).isDir();
        const auto standing
            = m_options.force ? Manifest::Standing::Unchanged : m_manifest.standing(existing);
        if (isFolder || standing == Manifest::Standing::Foreign) {
            m_reporter.problem(entry.line, entry.word,
                isFolder ? QStringLiteral("%1 is a folder in the way").arg(existing)
                         : QStringLiteral("%1 is in the folder and was not made by pikora-pack; "
                                          "--force replaces it")
                               .arg(existing));
            return false;
        }
        if (standing == Manifest::Standing::Edited) {
            plan.action = Action::Keep;
            plan.name = existing;
        } else if (existing != name) {
            plan.otherSpellings.append(existing);
        }
    }
    return true;
}

void PackBuilder::listPlan(const FilePlan& plan)
{
    switch (plan.action) {
    case Action::Make:
        m_reporter.list(QStringLiteral("make %1").arg(plan.name));
        break;
    case Action::Replace:
        m_reporter.list(
            QStringLiteral("replace %1")
                .arg((QStringList(plan.otherSpellings) << plan.name).join(QStringLiteral(", "))));
        break;
    case Action::Keep:
        m_reporter.list(
            QStringLiteral("keep %1: changed since pikora-pack made it").arg(plan.name));
        break;
    }
}

QString PackBuilder::makeVoice(const WordEntry& entry, const QString& out, QString& warning)
{
    if (!entry.recording.isEmpty()) {
        return convertVoice(
            entry.recording, QStringLiteral("the recording %1").arg(entry.recording), out, warning);
    }
    const QString language = entry.language.isEmpty() ? m_options.language : entry.language;
    const QString text = entry.spoken.isEmpty() ? entry.word : entry.spoken;
    const QString speech = QStringLiteral("speech.wav");
    QString problem = m_speaker.speak(text, language, m_work.path(speech));
    if (problem.isEmpty()) {
        problem = convertVoice(m_work.path(speech),
            QStringLiteral("the speech of '%1' (%2)").arg(text, language), out, warning);
    }
    m_work.remove(speech);
    return problem;
}

bool PackBuilder::makeEntry(const WordEntry& entry)
{
    FilePlan bmp;
    FilePlan wav;
    if (!planFile(entry, entry.word + QStringLiteral(".bmp"), bmp)
        || !planFile(entry, entry.word + QStringLiteral(".wav"), wav)) {
        return false;
    }
    if (m_options.dryRun) {
        listPlan(bmp);
        listPlan(wav);
        return true;
    }
    for (const FilePlan* plan : { &bmp, &wav }) {
        if (plan->action == Action::Keep) {
            m_reporter.note(entry.line, entry.word,
                QStringLiteral("kept %1: it was changed since pikora-pack made it; --force "
                               "replaces it")
                    .arg(plan->name));
        }
    }
    QString warning;
    QString problem = makeFiles(entry, bmp, wav, warning);
    if (problem.isEmpty()) {
        problem = putInPlace({ &bmp, &wav });
    }
    if (problem.isEmpty()) {
        if (!warning.isEmpty()) {
            m_reporter.note(entry.line, entry.word, warning);
        }
        return true;
    }
    for (const QString& temp : { bmp.temp, wav.temp }) {
        if (!temp.isEmpty()) {
            m_work.remove(temp);
        }
    }
    // A folder that stopped taking files (a stick turned read-only, a disk too full for one
    // more picture, all of one size) would fail every word after this one the same way: that
    // is said once, and the run ends.
    if (const int error = m_work.takesFiles(encodeBmp24(blankPicture()).size()); error != 0) {
        m_stopped = true;
        m_reporter.problem(QStringLiteral("nothing more can be made in %1: %2; the words from "
                                          "line %3 on were not made")
                               .arg(m_folder.path(), qt_error_string(error))
                               .arg(entry.line));
    } else {
        m_reporter.problem(entry.line, entry.word, problem);
    }
    return false;
}

// Makes the picture and the voice the plans ask for in temporary files; what went wrong.
QString PackBuilder::makeFiles(
    const WordEntry& entry, FilePlan& bmp, FilePlan& wav, QString& warning)
{
    if (bmp.action != Action::Keep) {
        QString problem;
        const QImage picture = m_pictures.make(entry, problem);
        if (picture.isNull()) {
            return problem;
        }
        bmp.temp = QStringLiteral("picture.bmp");
        if (const int error = m_work.write(bmp.temp, encodeBmp24(picture)); error != 0) {
            return QStringLiteral("%1 cannot be made: %2").arg(bmp.name, qt_error_string(error));
        }
    }
    if (wav.action != Action::Keep) {
        wav.temp = QStringLiteral("voice.wav");
        return makeVoice(entry, m_work.path(wav.temp), warning);
    }
    return {};
}

// Moves the files made into the folder and lists them; what went wrong.
QString PackBuilder::putInPlace(const std::vector<FilePlan*>& plans)
{
    for (const FilePlan* plan : plans) {
        if (plan->action == Action::Keep) {
            continue;
        }
        QByteArray made;
        if (const int error = m_work.finish(plan->temp, made); error != 0) {
            return QStringLiteral("%1 cannot be made: %2").arg(plan->name, qt_error_string(error));
        }
        m_manifest.add(plan->name, checksumOf(made));
    }
    if (QString problem; !m_manifest.save(m_work, problem)) {
        return problem;
    }
    for (FilePlan* plan : plans) {
        if (plan->action == Action::Keep) {
            continue;
        }
        if (const int error = m_work.putInPlace(plan->temp, plan->name); error != 0) {
            return QStringLiteral("%1 cannot be put in place: %2")
                .arg(plan->name, qt_error_string(error));
        }
        // A spelling in another letter case would show the same word twice.
        QStringList& names = m_existing[caseKey(plan->name)];
        for (const QString& old : plan->otherSpellings) {
            QFile::remove(m_folder.filePath(old));
            m_manifest.remove(old);
            names.removeAll(old);
        }
        if (!names.contains(plan->name)) {
            names.append(plan->name);
        }
    }
    for (const FilePlan* plan : plans) {
        m_fileNames.append(plan->name);
    }
    return {};
}

} // namespace pikora::pack
