// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Manifest.h"
#include "WordList.h"
#include "platform/FolderAccess.h"
#include "platform/Pictures.h"
#include "platform/Voices.h"

#include <map>

#include <QDir>
#include <QString>
#include <QTextStream>

namespace pikora::pack {

// Makes the 420 × 250 picture of a word list entry.
class PictureMaker
{
public:
    // The picture, or a null image with `problem` saying why there is none.
    QImage make(const WordEntry& entry, QString& problem) const;

    const pictureset::EmojiPainter& emoji() const { return m_emoji; }

private:
    pictureset::EmojiPainter m_emoji;
};

struct PackOptions
{
    QString language = QStringLiteral("en");
    bool force = false; // replace files this tool did not make, or that were changed since
    bool dryRun = false; // only list what would be made, kept or replaced
};

// Writes problems and remarks to a stream (standard error), counting the problems, and the
// plan of a dry run to another (standard output).
class Reporter
{
public:
    explicit Reporter(QTextStream& stream, QTextStream* listing = nullptr)
        : m_stream(stream)
        , m_listing(listing)
    { }

    void problem(const QString& text);
    void problem(int line, const QString& word, const QString& text);
    // Something worth knowing that is not a failure: a file kept, a recording cut short.
    void note(int line, const QString& word, const QString& text);
    void list(const QString& text);
    int count() const { return m_count; }

private:
    QTextStream& m_stream;
    QTextStream* m_listing;
    int m_count = 0;
};

// Makes a picture folder from a word list: for each word "<word>.bmp" and "<word>.wav".
// A word is made whole or not at all; a word that fails is reported and the others go on.
// A file this tool made and someone changed since is kept, as is the file of another name.
class PackBuilder
{
public:
    PackBuilder(const QString& folder, const PackOptions& options, Reporter& reporter);

    // Creates the folder when needed, locks it and reads what is in it; false when that
    // fails (a folder this user may not write in, among others), or when another run is
    // making the folder and does not finish in time. A dry run neither locks nor makes
    // anything.
    bool open();
    void build(const std::vector<WordEntry>& entries);
    int madeCount() const { return m_made; }
    // The files of the words made, by the names they have in the folder.
    const QStringList& fileNames() const { return m_fileNames; }
    // Where this run makes its files: the files of the folder are replaced through it.
    const pictureset::WorkFolder& workFolder() const { return m_work; }

private:
    enum class Action
    {
        Make,
        Replace,
        Keep,
    };
    // What becomes of one file of a word.
    struct FilePlan
    {
        QString name;
        Action action = Action::Make;
        QStringList otherSpellings; // the same name in another letter case, to be removed
        QString temp; // the new file's name in the work folder
    };

    bool claimWord(const WordEntry& entry);
    bool planFile(const WordEntry& entry, const QString& name, FilePlan& plan) const;
    void listPlan(const FilePlan& plan);
    QString makeVoice(const WordEntry& entry, const QString& out, QString& warning);
    bool makeEntry(const WordEntry& entry);
    QString makeFiles(const WordEntry& entry, FilePlan& bmp, FilePlan& wav, QString& warning);
    QString putInPlace(const std::vector<FilePlan*>& plans);

    QDir m_folder;
    pictureset::FolderLock m_lock;
    pictureset::WorkFolder m_work; // goes before the lock is let go
    PackOptions m_options;
    Reporter& m_reporter;
    Manifest m_manifest;
    PictureMaker m_pictures;
    pictureset::Speaker m_speaker;
    std::map<QString, QStringList> m_existing; // case key -> names in the folder
    std::map<QString, std::pair<int, QString>> m_claimed; // case key -> line and word
    std::map<std::string, std::pair<int, QString>> m_shown; // word as shown -> line and word
    int m_made = 0;
    bool m_stopped = false; // the folder stopped taking files: no more words are tried
    QStringList m_fileNames;
};

} // namespace pikora::pack
