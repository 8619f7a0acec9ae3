// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PackBuilder.h"

#include "PackNames.h"

#include <cstdio>

#include <QFile>
#include <QFileInfo>

namespace pikora::pack {

namespace {

// Moves `from` over `to`, replacing a file there in one step.
bool replaceFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

void Reporter::problem(const QString& text)
{
    ++m_count;
    m_stream << "pikora-pack: " << text << Qt::endl;
}

void Reporter::problem(int line, const QString& word, const QString& text)
{
    problem(QStringLiteral("line %1: %2: %3").arg(line).arg(word, text));
}

PackBuilder::PackBuilder(const QString& folder, const PackOptions& options, Reporter& reporter)
    : m_folder(QDir(folder).absolutePath())
    , m_options(options)
    , m_reporter(reporter)
    , m_manifest(m_folder)
{ }

bool PackBuilder::open()
{
    if (!m_folder.mkpath(QStringLiteral("."))) {
        m_reporter.problem(QStringLiteral("the folder %1 cannot be made").arg(m_folder.path()));
        return false;
    }
    QString problem;
    if (!m_manifest.load(problem)) {
        m_reporter.problem(problem);
        return false;
    }
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : m_folder.entryList(filter)) {
        m_existing[caseKey(name)].append(name);
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
        if (claimWord(entry) && makeEntry(entry)) {
            ++m_made;
        }
    }
}

// Refuses a word that cannot be a file stem, or that the game could not tell from an
// earlier word of the list.
bool PackBuilder::claimWord(const WordEntry& entry)
{
    const QString problem = stemProblem(entry.word);
    if (!problem.isEmpty()) {
        m_reporter.problem(entry.line, entry.word, problem);
        return false;
    }
    const auto [earlier, fresh]
        = m_claimed.try_emplace(caseKey(entry.word), entry.line, entry.word);
    if (!fresh) {
        m_reporter.problem(entry.line, entry.word,
            QStringLiteral("same name as '%1' on line %2 when letter case is ignored, as the "
                           "game ignores it")
                .arg(earlier->second.second)
                .arg(earlier->second.first));
        return false;
    }
    return true;
}

// A file of the name in any letter case is in the way unless this tool made it or --force.
bool PackBuilder::wayIsClear(
    const WordEntry& entry, const QString& name, QStringList& replaced) const
{
    const auto found = m_existing.find(caseKey(name));
    if (found == m_existing.end()) {
        return true;
    }
    for (const QString& existing : found->second) {
        const bool isFolder = QFileInfo(m_folder.filePath(existing)).isDir();
        if (isFolder || (!m_options.force && !m_manifest.contains(existing))) {
            m_reporter.problem(entry.line, entry.word,
                isFolder ? QStringLiteral("%1 is a folder in the way").arg(existing)
                         : QStringLiteral("%1 is in the folder and was not made by pikora-pack; "
                                          "--force replaces it")
                               .arg(existing));
            return false;
        }
        if (existing != name) {
            replaced.append(existing);
        }
    }
    return true;
}

QString PackBuilder::makeVoice(const WordEntry& entry, const QString& out)
{
    if (!entry.recording.isEmpty()) {
        return convertRecording(entry.recording, out);
    }
    const QString language = entry.language.isEmpty() ? m_options.language : entry.language;
    return m_speaker.speak(entry.spoken.isEmpty() ? entry.word : entry.spoken, language, out);
}

bool PackBuilder::makeEntry(const WordEntry& entry)
{
    QStringList replaced;
    if (!wayIsClear(entry, entry.word + QStringLiteral(".bmp"), replaced)
        || !wayIsClear(entry, entry.word + QStringLiteral(".wav"), replaced)) {
        return false;
    }
    QString problem;
    const QImage picture = m_pictures.make(entry, problem);
    if (picture.isNull()) {
        m_reporter.problem(entry.line, entry.word, problem);
        return false;
    }
    const QString bmpTemp = tempPath(QStringLiteral("bmp"));
    const QString wavTemp = tempPath(QStringLiteral("wav"));
    problem = makeVoice(entry, wavTemp);
    if (problem.isEmpty() && !writeFile(bmpTemp, encodeBmp24(picture))) {
        problem = QStringLiteral("%1 cannot be written").arg(bmpTemp);
    }
    if (problem.isEmpty() && putInPlace(entry, bmpTemp, wavTemp, replaced)) {
        return true;
    }
    if (!problem.isEmpty()) {
        m_reporter.problem(entry.line, entry.word, problem);
    }
    QFile::remove(bmpTemp);
    QFile::remove(wavTemp);
    return false;
}

bool PackBuilder::putInPlace(const WordEntry& entry, const QString& bmpTemp, const QString& wavTemp,
    const QStringList& replaced)
{
    const QString bmp = entry.word + QStringLiteral(".bmp");
    const QString wav = entry.word + QStringLiteral(".wav");
    m_manifest.add(bmp);
    m_manifest.add(wav);
    QString problem;
    if (!m_manifest.save(problem)) {
        m_reporter.problem(entry.line, entry.word, problem);
        return false;
    }
    if (!replaceFile(bmpTemp, m_folder.filePath(bmp))
        || !replaceFile(wavTemp, m_folder.filePath(wav))) {
        m_reporter.problem(entry.line, entry.word,
            QStringLiteral("cannot be put in place: %1").arg(qt_error_string(errno)));
        return false;
    }
    // A spelling in another letter case would show the same word twice.
    for (const QString& old : replaced) {
        QFile::remove(m_folder.filePath(old));
        m_existing[caseKey(old)].removeAll(old);
    }
    for (const QString& name : { bmp, wav }) {
        QStringList& names = m_existing[caseKey(name)];
        if (!names.contains(name)) {
            names.append(name);
        }
    }
    return true;
}

QString PackBuilder::tempPath(const QString& suffix) const
{
    return m_folder.filePath(QStringLiteral(".pikora-pack-new.") + suffix);
}

} // namespace pikora::pack
