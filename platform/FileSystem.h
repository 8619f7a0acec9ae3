// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileUpdate.h"
#include "PlatformServices.h"

#include <string>
#include <string_view>
#include <vector>

namespace pikora {

// Turns a program path ("mymain\cat.bmp") into the local one: '\' becomes '/', and each
// component that does not exist as spelled is looked up without regard to letter case
// (foldCase in LetterCase.h: Unicode for UTF-8 names, ASCII otherwise), an exact match first. A component
// that matches nothing is kept as spelled.
std::string localPath(std::string_view path);

// Case-insensitive wildcard match of '*' and '?' over bytes (ASCII letters fold).
bool wildcardMatch(std::string_view pattern, std::string_view name);

// The file services of the platform, on POSIX calls only. The hidden mark of a file is
// its name listed on a line of the `.hidden` file of its folder, so a name that holds a line
// feed cannot be marked (EINVAL). A change of the mark is one locked cycle of FileUpdate;
// the report is appended with one write a block, so blocks of two programs never mix.
class FileSystem
{
public:
    // The matches in the order of their names compared without regard to case.
    std::vector<FoundFile> findFiles(const std::string& pattern);
    int readHiddenMark(const std::string& path, bool& hidden);
    int writeHiddenMark(const std::string& path, bool hidden);
    // Many marks in one locked rewrite of each folder's list (see PlatformServices).
    int writeHiddenMarks(std::vector<HiddenMark>& marks);
    std::string modulePath();
    int changeDirectory(const std::string& path);
    std::unique_ptr<TextAppender> openTextAppend(const std::string& path);
};

} // namespace pikora
