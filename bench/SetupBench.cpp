// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Setup window over large picture folders: FillPictureList, the push of the
// fields into the window and its first paint, at 1,000, 10,000 and 100,000 pictures. Linear
// filling keeps the time per picture level (items_per_second).
#include "PictureFolders.h"
#include "game/GameContext.h"
#include "platform/FilesOnlyPlatform.h"
#include "ui/Setup.h"
#include "ui/SetupLogic.h"

#include <algorithm>
#include <filesystem>

#include <QCoreApplication>
#include <QListView>
#include <benchmark/benchmark.h>

namespace pikora {
namespace {

PictureFolders folders;

void BM_OpenSetup(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    std::filesystem::current_path(folders.appFolder(pictures));
    FilesOnlyPlatform platform;
    GameContext context(platform);
    SetupFields fields;
    QWidget owner;
    ui::setup window(context, fields, &owner);
    for (auto _ : state) {
        FillPictureList(platform, fields);
        window.pushFields();
        window.show();
        benchmark::DoNotOptimize(window.grab()); // paints now, the list laid out for it
        state.PauseTiming();
        window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (window.pictureList()->model()->rowCount() != pictures) {
        state.SkipWithError("the list missed pictures");
        return;
    }
    state.SetItemsProcessed(state.iterations() * pictures);
}

BENCHMARK(BM_OpenSetup)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Setup's OK after Clear All: every picture's mark written, in one rewrite of the list.
void BM_ClearAllOk(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    const auto folder = folders.appFolder(pictures);
    std::filesystem::current_path(folder);
    FilesOnlyPlatform platform;
    SetupFields fields;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder / "mymain" / ".hidden");
        FillPictureList(platform, fields);
        for (auto& item : fields.pictures) {
            item.checked = false;
        }
        state.ResumeTiming();
        ApplyPictureSelection(platform, fields);
    }
    FillPictureList(platform, fields);
    const bool allHidden = std::none_of(fields.pictures.begin(), fields.pictures.end(),
        [](const PictureListItem& item) { return item.checked; });
    std::filesystem::remove(folder / "mymain" / ".hidden");
    if (!allHidden) {
        state.SkipWithError("a picture stayed in play");
    }
}

BENCHMARK(BM_ClearAllOk)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pikora
