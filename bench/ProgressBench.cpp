// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Progress window: made, the history read and summed up, shown and drawn once,
// over a history of 100,000 choices of the learner (a year of a class's games), against
// the same window over an empty history, in the same run.
//
//   usage: pikora_progress_bench [RUNS]
//   prints: result progress_open_ms <median over 100,000 choices> <median over none> ms
#include "Measure.h"
#include "SampleHistory.h"
#include "platform/HistoryDatabase.h"
#include "platform/HistoryWriter.h"
#include "support/TempDir.h"
#include "ui/ProgressWindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QDate>

namespace pikora {
namespace {

using bench::median;
using bench::msSince;

double openMs(const HistoryLocation& history)
{
    const auto start = bench::Clock::now();
    ui::ProgressWindow window(history, currentLearner(), nullptr);
    window.refresh();
    window.show();
    window.waitUntilRead(); // read on a thread of its own
    window.grab(); // drawn once, charts and lists included
    const double ms = msSince(start);
    if (window.rounds().rounds == 0 && history.file.find("full") != std::string::npos) {
        std::fprintf(stderr, "progress bench: the window shows no choices\n");
        std::exit(1);
    }
    return ms;
}

int run(int runs)
{
    testing::TempDir dir;
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    HistoryLocation full;
    full.kind = HistoryLocation::Kind::SqliteFile;
    full.file = (dir / "full.sqlite").string();
    HistoryLocation empty = full;
    empty.file = (dir / "empty.sqlite").string();
    std::string error;
    if (!testing::makeSampleHistory(full, { currentLearner() }, 100000, 365, today, error)
        || !testing::makeSampleHistory(empty, {}, 0, 1, today, error)) {
        std::fprintf(stderr, "progress bench: %s\n", error.c_str());
        return 1;
    }
    std::vector<double> fullMs;
    std::vector<double> emptyMs;
    openMs(full); // the first window loads fonts, styles and the SQL driver
    for (int i = 0; i < runs; ++i) {
        fullMs.push_back(openMs(full));
        emptyMs.push_back(openMs(empty));
    }
    std::fprintf(stderr, "progress: over 100,000 choices %.1f to %.1f ms\n",
        *std::min_element(fullMs.begin(), fullMs.end()),
        *std::max_element(fullMs.begin(), fullMs.end()));
    std::printf("result progress_open_ms %.2f %.2f ms\n", median(fullMs), median(emptyMs));
    return 0;
}

} // namespace
} // namespace pikora

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return pikora::run(argc > 1 ? std::atoi(argv[1]) : 10);
}
