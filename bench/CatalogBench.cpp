// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Building the picture catalogue from large folders, set beside the cost of merely listing
// the same folder: the "ratio" counter is catalogue time over listing time.
#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "support/FilesOnlyPlatform.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <unistd.h>

#include <benchmark/benchmark.h>

namespace pikora {
namespace {

// Application folders holding "mymain" with N empty pictures, made once per N and
// removed when the program ends.
class PictureFolders
{
public:
    const std::filesystem::path& appFolder(int pictures)
    {
        auto found = m_folders.find(pictures);
        if (found != m_folders.end()) {
            return found->second;
        }
        if (!m_root) {
            m_root.emplace();
        }
        const auto folder = *m_root / std::to_string(pictures);
        std::filesystem::create_directories(folder / pictureFolder);
        char name[32];
        for (int i = 0; i < pictures; ++i) {
            std::snprintf(name, sizeof name, "picture%06d.bmp", i);
            const int fd = ::open(
                (folder / pictureFolder / name).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd >= 0) {
                ::close(fd);
            }
        }
        return m_folders.emplace(pictures, folder).first->second;
    }

private:
    std::optional<testing::TempDir> m_root;
    std::map<int, std::filesystem::path> m_folders;
};

PictureFolders folders;

// The least any catalogue build must do: read every name of the folder once.
std::size_t bareListing(const char* folder)
{
    std::size_t names = 0;
    DIR* dir = ::opendir(folder);
    if (dir == nullptr) {
        return 0;
    }
    while (const dirent* entry = ::readdir(dir)) {
        benchmark::DoNotOptimize(entry->d_name[0]);
        ++names;
    }
    ::closedir(dir);
    return names;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_BareListing(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    const std::string folder = (folders.appFolder(pictures) / pictureFolder).string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(bareListing(folder.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * pictures);
}

// The listing as the catalogue gets it: matched against the wildcard, with hidden marks.
void BM_FindFiles(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    std::filesystem::current_path(folders.appFolder(pictures));
    FileSystem files;
    for (auto _ : state) {
        benchmark::DoNotOptimize(files.findFiles("mymain\\*.bmp"));
    }
    state.SetItemsProcessed(state.iterations() * pictures);
}

void BM_BuildCatalog(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    const auto& appFolder = folders.appFolder(pictures);
    const std::string folder = (appFolder / pictureFolder).string();
    std::filesystem::current_path(appFolder);
    testing::FilesOnlyPlatform platform;
    PictureCatalog catalog;
    double listing = 0;
    double building = 0;
    for (auto _ : state) {
        // Both are timed here, one after the other, so the ratio sees the same cache.
        state.PauseTiming();
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(bareListing(folder.c_str()));
        listing += secondsSince(start);
        state.ResumeTiming();

        start = std::chrono::steady_clock::now();
        BuildCatalog(catalog, platform);
        building += secondsSince(start);
    }
    if (catalog.count() != static_cast<std::size_t>(pictures)) {
        state.SkipWithError("the catalogue missed pictures");
        return;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["listing_ms"] = listing * 1e3 / runs;
    state.counters["catalog_ms"] = building * 1e3 / runs;
    state.counters["ratio"] = building / listing;
    state.SetItemsProcessed(state.iterations() * pictures);
}

BENCHMARK(BM_BareListing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFiles)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildCatalog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pikora

BENCHMARK_MAIN();
