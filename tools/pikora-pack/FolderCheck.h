// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QString>

namespace pikora::pack {

struct Finding
{
    QString name; // the file concerned
    QString message;
    bool fault = true; // false for a remark that does not stop the game working
};

struct FolderReport
{
    QString problem; // set when the folder cannot be read at all
    int pictures = 0;
    int inPlay = 0; // pictures the game plays with: not hidden, names it can reach
    int voices = 0;
    std::vector<Finding> findings;
};

// Looks at a picture folder as the game reads it, with the game's own catalogue, path
// matching, picture loader and sound decoder: a fault is a blank button, the chime instead
// of a voice, a picture Setup cannot take out of play, or no round at all; a note is what
// merely looks odd. Each message ends with how to put it right where there is a way.
FolderReport checkFolder(const QString& folder);

} // namespace pikora::pack
