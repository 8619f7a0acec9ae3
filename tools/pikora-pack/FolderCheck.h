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
    int voices = 0;
    std::vector<Finding> findings;
};

// Looks at a picture folder as the game will read it: pictures without a voice, voices
// without a picture, files that cannot be read, names the game cannot tell apart or cannot
// reach, and stems cut short at a '.'.
FolderReport checkFolder(const QString& folder);

} // namespace pikora::pack
