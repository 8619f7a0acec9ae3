// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The cost of drawing a round and of the score report. A round is measured twice: on the
// fake platform (the logic and the file look-ups, the bitmaps only tokens) and with the
// pictures really decoded through Qt, which is what the player waits for.
#include "PictureFolder.h"
#include "game/Rounds.h"
#include "game/ScoreReport.h"
#include "platform/FileSystem.h"
#include "platform/QtBitmap.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

namespace pikora {
namespace {

using bench::PictureFolder;
using testing::FakePlatform;
using testing::TempDir;

// The fake platform with real decoding; buttons keep their image until the next replaces
// it, as the window's buttons do.
class DecodingPlatform : public FakePlatform
{
public:
    std::unique_ptr<Bitmap> loadBitmap(const std::string& path) override
    {
        return QtBitmap::load(localPath(path));
    }
    void setButtonImage(Window, int control, std::unique_ptr<Bitmap> image) override
    {
        m_buttons[static_cast<std::size_t>(control - 1000) % m_buttons.size()] = std::move(image);
    }

private:
    std::array<std::unique_ptr<Bitmap>, 4> m_buttons;
};

// Four choices with the word printed; range(0) 1 for word mode (no bitmaps at all).
template<class Platform> void startNewRound(benchmark::State& state)
{
    PictureFolder folder;
    Platform platform;
    platform.seedRandom(20240305);
    GameContext context(platform);
    context.settings.field4 = 1;
    context.settings.spell = 1;
    context.settings.useWords = static_cast<std::int32_t>(state.range(0));
    if (BuildCatalog(context.catalog, platform) != 0 || context.catalog.count() != 4) {
        state.SkipWithError("no pictures");
        return;
    }
    for (auto _ : state) {
        StartNewRound(context);
        platform.clearRecords();
    }
}

void BM_StartNewRoundFake(benchmark::State& state)
{
    startNewRound<FakePlatform>(state);
}
BENCHMARK(BM_StartNewRoundFake)->ArgName("words")->Arg(0)->Arg(1);

void BM_StartNewRoundDecoding(benchmark::State& state)
{
    startNewRound<DecodingPlatform>(state);
}
BENCHMARK(BM_StartNewRoundDecoding)->ArgName("words")->Arg(0);

// One 400 × 260 picture decoded on its own, for scale.
void BM_LoadOneBitmap(benchmark::State& state)
{
    PictureFolder folder;
    const std::string path = localPath("mymain\\picture0.bmp");
    for (auto _ : state) {
        benchmark::DoNotOptimize(QtBitmap::load(path));
    }
}
BENCHMARK(BM_LoadOneBitmap);

// 10,000 pictures each chosen at least once; range(0) 1 appends to a report file, 0 builds
// the window text only.
void BM_BuildScoreReport(benchmark::State& state)
{
    constexpr int entries = 10000;
    TempDir dir;
    FakePlatform platform;
    platform.calendar = 1709622489;
    GameContext context(platform);
    for (int i = 0; i < entries; ++i) {
        auto& entry = context.catalog.add();
        entry.word = "PICTURE " + std::to_string(i);
        entry.correctCount = i % 7;
        entry.wrongCount = 1 + i % 3;
    }
    const auto reportFile = dir / "report.txt";
    if (state.range(0) != 0) {
        context.settings.reportPath = reportFile.string();
    }
    for (auto _ : state) {
        BuildScoreReport(context, context.reportText);
        if (std::filesystem::exists(reportFile)
            && std::filesystem::file_size(reportFile) > 64u << 20) {
            state.PauseTiming(); // keep the temporary folder small
            std::filesystem::remove(reportFile);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * entries);
    state.SetBytesProcessed(
        state.iterations() * static_cast<std::int64_t>(context.reportText.size()));
}
BENCHMARK(BM_BuildScoreReport)->ArgName("file")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pikora
