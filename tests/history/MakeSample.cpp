// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Makes a sample history for the tests of pikora-progress and for the README's pictures.
//   pikora_sample_history FILE CHOICES DAYS LAST-DAY LEARNER...
#include "SampleHistory.h"

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s FILE CHOICES DAYS LAST-DAY LEARNER...\n", argv[0]);
        return 2;
    }
    pikora::HistoryLocation location;
    location.kind = pikora::HistoryLocation::Kind::SqliteFile;
    location.file = argv[1];
    std::string error;
    if (!pikora::testing::makeSampleHistory(location,
            std::vector<std::string>(argv + 5, argv + argc), std::atoi(argv[2]), std::atoi(argv[3]),
            argv[4], error)) {
        std::fprintf(stderr, "sample history: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
