// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QDir>
#include <QString>

namespace pikora::pack {

enum class PictureKind
{
    Text, // the word as large text
    Letter, // the word as one big glyph group, for letters and numbers
    Emoji,
    Colour,
    Image,
};

// One line of a word list:  word [| picture source] [| voice source] ...
struct WordEntry
{
    int line = 0;
    QString word;
    PictureKind picture = PictureKind::Text;
    QString pictureValue; // the emoji, the colour or the absolute image path
    QString recording; // absolute path of a recorded voice; spoken when empty
    QString spoken; // what the speech says; the word when empty
    QString language; // speech language of this entry; the pack's when empty
};

struct WordListProblem
{
    int line = 0;
    QString message;
};

struct WordList
{
    std::vector<WordEntry> entries;
    std::vector<WordListProblem> problems; // lines that gave no entry
};

// The text of a word list file: UTF-8 with or without a byte order mark, or UTF-16 with one.
// Anything else is refused, false with `problem` naming the first line that is not UTF-8.
bool decodeWordList(const QByteArray& bytes, QString& text, WordListProblem& problem);

// Relative image and recording paths are taken from `base`, the word list's folder.
WordList parseWordList(const QString& text, const QDir& base);

// The syntax, as the help text shows it.
QString wordListSyntax();

} // namespace pikora::pack
