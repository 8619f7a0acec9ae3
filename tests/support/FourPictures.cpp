// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FourPictures.h"

#include "game/PictureCatalog.h"

#include <string>

namespace pikora::testing {

void startFourPictureGame(GameContext& context, const CurrentTempDir& dir)
{
    for (const char* word : { "cat", "dog", "sun", "fox" }) {
        dir.write(std::string("mymain/") + word + ".bmp");
    }
    context.settings = { 1, 1, 0, 1, 0, 300, dir.str(), (dir / "report.txt").string() };
    BuildCatalog(context.catalog, context.platform);
}

} // namespace pikora::testing
