// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace pikora {

struct GameContext;
class PlatformServices;

// One picture file in the Setup window's list: checked means in play.
struct PictureListItem
{
    std::string label; // the file name up to its first '.'
    bool checked = false;
    bool shown = false; // checked when the list was filled
};

// The Setup window's fields; the window pushes them to its controls and pulls them back.
struct SetupFields
{
    int fourChoices = 0;
    int showSpelling = 0;
    int hideWrongButtons = 0;
    int useTimer = 0;
    int useWords = 0;
    std::string maxTimeText;
    std::vector<PictureListItem> pictures;
};

// The logic of the Setup window, free of the toolkit's widgets (its messages are looked up
// in the installed translations): the window maps `SetupFields` to its controls and routes
// OK and Cancel here.

// Fills the fields from the options and the picture files, then shows the window (made on
// first use and kept).
void ShowSetupWindow(GameContext& context, SetupFields& fields);

// Lists every picture file the paths can address, hidden ones included, in the folder's
// listing order, checked unless it carries the hidden mark.
void FillPictureList(PlatformServices& platform, SetupFields& fields);

// Writes the check of each item whose tick changed since the list was filled onto its
// picture file as the hidden mark (cleared when checked), all in one rewrite of the list;
// marks of pictures left as they were stay as another program may have set them.
void ApplyPictureSelection(PlatformServices& platform, const SetupFields& fields);

// The Setup window's OK: options saved, pictures marked, catalogue rebuilt, a new round.
// After time-up only the options and the marks are saved; the finished game stays as it is.
void SetupOk(GameContext& context, SetupFields& fields);
// Its Cancel: the window is hidden and nothing is applied.
void SetupCancel(PlatformServices& platform);

} // namespace pikora
