// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Writes the corpus for a run of the installed program:
//   pikora-make-corpus APP-FOLDER [PLAIN-PICTURES]
// fills APP-FOLDER/mymain with it and puts broken feedback media into APP-FOLDER.
#include "Corpus.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: pikora-make-corpus APP-FOLDER [PLAIN-PICTURES]\n");
        return 2;
    }
    try {
        const std::filesystem::path app = argv[1];
        pikora::corpus::Options options;
        options.plainPictures = argc == 3 ? std::stoi(argv[2]) : 0;
        const auto items = pikora::corpus::makePictureFolder(app / "mymain", options);
        pikora::corpus::writeBrokenFeedbackMedia(app);
        std::printf("%zu pictures\n", items.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pikora-make-corpus: %s\n", error.what());
        return 1;
    }
    return 0;
}
