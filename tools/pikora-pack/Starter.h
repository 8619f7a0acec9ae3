// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace pikora::pictureset {
class WorkFolder;
}

namespace pikora::pack {

using pictureset::WorkFolder;

// A starter set: the same pictures in every language, the words of one language (a list
// in the starter folder), spoken by that language's espeak-ng voice.
struct StarterLanguage
{
    QString code; // what --starter takes: "en", "de", ..., "zh"
    QString name; // in English and in the language itself
    QString list; // the word list's file name in the starter folder
    QString voice; // the espeak-ng voice that speaks it
};

// English first, then the others by code.
const std::vector<StarterLanguage>& starterLanguages();
// Null for a code that has no starter set.
const StarterLanguage* findStarterLanguage(const QString& code);

// The folder of the starter lists: installed beside the program (share/pikora/starter), or
// the source tree's res/starter for a program run from its build tree. Empty when neither
// holds the English list.
QString starterFolder(const QString& programFolder);

// The picture folder of the game installed with this program (Pikora/mymain); empty when
// there is none.
QString installedPictureFolder(const QString& programFolder);

// Removes the files that pikora-pack made in `folder` before and that are not `kept`, so a
// starter set replaces the one made there earlier without touching pictures added by hand.
// A file changed since it was made stays too, unless `force`, and is listed in `changed`.
// The list is saved through `work`, the work folder of the run that holds the folder.
// Returns the names of the files that could not be removed.
QStringList removeEarlierSet(const QString& folder, const WorkFolder& work, const QStringList& kept,
    bool force, QStringList& changed);

} // namespace pikora::pack
