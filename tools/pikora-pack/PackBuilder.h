// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Manifest.h"
#include "Pictures.h"
#include "Voices.h"
#include "WordList.h"

#include <map>

#include <QDir>
#include <QString>
#include <QTextStream>

namespace pikora::pack {

struct PackOptions
{
    QString language = QStringLiteral("en");
    bool force = false; // replace files this tool did not make
};

// Writes problems to a stream (standard error) and counts them.
class Reporter
{
public:
    explicit Reporter(QTextStream& stream)
        : m_stream(stream)
    { }

    void problem(const QString& text);
    void problem(int line, const QString& word, const QString& text);
    int count() const { return m_count; }

private:
    QTextStream& m_stream;
    int m_count = 0;
};

// Makes a picture folder from a word list: for each word "<word>.bmp" and "<word>.wav".
// A word is made whole or not at all; a word that fails is reported and the others go on.
class PackBuilder
{
public:
    PackBuilder(const QString& folder, const PackOptions& options, Reporter& reporter);

    // Creates the folder when needed and reads what is in it; false when that fails.
    bool open();
    void build(const std::vector<WordEntry>& entries);
    int madeCount() const { return m_made; }

private:
    bool claimWord(const WordEntry& entry);
    bool wayIsClear(const WordEntry& entry, const QString& name, QStringList& replaced) const;
    QString makeVoice(const WordEntry& entry, const QString& out);
    bool makeEntry(const WordEntry& entry);
    bool putInPlace(const WordEntry& entry, const QString& bmpTemp, const QString& wavTemp,
        const QStringList& replaced);
    QString tempPath(const QString& suffix) const;

    QDir m_folder;
    PackOptions m_options;
    Reporter& m_reporter;
    Manifest m_manifest;
    PictureMaker m_pictures;
    Speaker m_speaker;
    std::map<QString, QStringList> m_existing; // case key -> names in the folder
    std::map<QString, std::pair<int, QString>> m_claimed; // case key -> line and word
    int m_made = 0;
};

} // namespace pikora::pack
