// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Building the picture catalogue from large folders, set beside the cost of listing the same
// folder sorted by name, as `LC_ALL=C ls` lists it: the "ratio" counter is catalogue time
// over listing time, both in processor time.
#include "PictureFolders.h"
#include "game/PictureCatalog.h"
#include "platform/FileSystem.h"
#include "platform/FilesOnlyPlatform.h"
#include "platform/StoreFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

namespace pikora {
namespace {

PictureFolders folders;

// What `LC_ALL=C ls` does for a folder: read every name once, keep it, sort the names.
std::size_t sortedListing(const char* folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder);
    if (dir == nullptr) {
        return 0;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    benchmark::DoNotOptimize(names.data());
    return names.size();
}

// Processor time of this thread, system time included (reading a folder is system time):
// on a machine shared with other work, wall-clock time would mostly measure the waits.
double threadSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_SortedListing(benchmark::State& state)
{
    const auto pictures = static_cast<int>(state.range(0));
    const std::string folder = (folders.appFolder(pictures) / pictureFolder).string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(sortedListing(folder.c_str()));
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
    FilesOnlyPlatform platform;
    PictureCatalog catalog;
    double listing = 0;
    double building = 0;
    for (auto _ : state) {
        // Both are timed here, one after the other, so the ratio sees the same cache.
        state.PauseTiming();
        double start = threadSeconds();
        benchmark::DoNotOptimize(sortedListing(folder.c_str()));
        listing += threadSeconds() - start;
        state.ResumeTiming();

        start = threadSeconds();
        BuildCatalog(catalog, platform);
        building += threadSeconds() - start;
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

// Reading a settings store of `bytes` bytes in the worst shape a member could give it: the
// key, then one value whose first line starts with a long run of blanks and that goes on
// over many continued lines. The "ns_per_byte" counter of the largest store may be at most
// ten times that of a store as small as a real one.
void BM_ReadStore(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    std::string text = std::string(StoreFile::header) + "\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\n";
    text += "\"V\"=hex:" + std::string(bytes * 6 / 10, ' ') + "00,\\\n";
    while (text.size() + 5 < bytes) {
        text += "00,\\\n";
    }
    text += "00\n";
    double seconds = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        StoreFile store(text);
        benchmark::DoNotOptimize(store.value("HKEY_LOCAL_MACHINE\\SOFTWARE\\X", "V"));
        seconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    state.counters["ns_per_byte"]
        = seconds * 1e9 / static_cast<double>(state.iterations()) / static_cast<double>(text.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_ReadStore)->Arg(1024)->Arg(1024 * 1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortedListing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindFiles)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildCatalog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pikora

BENCHMARK_MAIN();
