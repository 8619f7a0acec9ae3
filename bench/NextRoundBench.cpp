// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// From a right choice to the next round's pictures on screen, through the real main window
// wired to the Linux platform services (Qt's offscreen platform, SDL's dummy driver unless
// set otherwise). The learner's click goes in with QTest; the time ends when the picture
// buttons have painted the new round, after the game's 10 ms tick and "correct.wav" played
// to its end. The program's own "correct.wav" and "correct.bmp" are used, so the sound is
// as long as the player hears it.
//
// Baseline: "correct.wav" played synchronously on its own through the same platform, right
// after each round, in the same run. The figure is the time to the next round less that:
// what the game adds to the sound it must play to its end. The sound's nominal length is not
// used because SDL's dummy and disk drivers wait whole milliseconds per buffer (11 ms for
// 11.6 ms of samples) and so finish a long sound early.
//
// The same is measured with the history of choices kept in an SQLite file and without it,
// round about in the same run, so both see the same machine.
//
//   usage: pikora_next_round_bench [RUNS]
//   prints: result next_round_ms <median of round less sound alone> <median sound alone> ms
//           result next_round_history_ms <median with history> <median without> ms
#include "Measure.h"
#include "PictureFolder.h"
#include "app/HistoryRecorder.h"
#include "game/ControlIds.h"
#include "game/GameContext.h"
#include "game/PictureCatalog.h"
#include "platform/LinuxPlatform.h"
#include "platform/StoreFile.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"
#include "ui/BitmapButton.h"
#include "ui/PikoraDlg.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <SDL.h>

namespace pikora {
namespace {

using bench::Clock;
using bench::median;
using bench::msSince;

double waveLengthMs(const std::string& path)
{
    SDL_AudioSpec spec {};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &spec, &buffer, &length) == nullptr) {
        std::fprintf(stderr, "next round bench: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    SDL_FreeWAV(buffer);
    const double frames
        = static_cast<double>(length) / (spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8));
    return 1000.0 * frames / spec.freq;
}

// Notes when a picture button paints a round that began after `since`; the note is taken
// once the whole paint pass is over.
class NextRoundPainted : public QObject
{
public:
    NextRoundPainted(const GameContext& context)
        : m_context(context)
    { }

    void arm(std::int64_t roundStart)
    {
        m_roundStart = roundStart;
        m_done = false;
        m_queued = false;
    }
    bool done() const { return m_done; }
    Clock::time_point at() const { return m_at; }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_queued
            && m_context.round.roundStart != m_roundStart && m_context.round.answered == 0) {
            m_queued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_at = Clock::now();
                    m_done = true;
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    const GameContext& m_context;
    std::int64_t m_roundStart = 0;
    bool m_queued = false;
    bool m_done = false;
    Clock::time_point m_at;
};

int run(int runs)
{
    const bench::PictureFolder pictures;
    const auto& dir = pictures.dir();
    for (int i = 0; i < 4; ++i) {
        const std::string voice = "mymain/picture" + std::to_string(i) + ".wav";
        testing::writeWave((dir / voice).string(), 22050 * 6 / 10, 22050, 1);
    }
    for (const char* file : { "correct.wav", "correct.bmp" }) {
        std::filesystem::copy_file(std::filesystem::path(PIKORA_MEDIA_DIR) / file, dir / file);
    }
    const std::string store = (dir / "machine.reg").string();
    ensureStoreKey(store, settingsKeyPath);
    ::setenv("PIKORA_MACHINE_STORE", store.c_str(), 1);

    LinuxPlatform platform;
    GameContext context(platform);
    // Four pictures with the word printed, no countdown: rounds go on for ever.
    context.settings = { 1, 1, 0, 0, 0, 300, dir.str(), (dir / "report.txt").string() };
    BuildCatalog(context.catalog, platform);
    platform.seedRandom(20240305);
    ui::CPikoraDlg window(context);
    platform.registerWindow(Window::Main, &window);
    window.OnInitDialog();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "next round bench: the window was not exposed\n");
        return 1;
    }
    NextRoundPainted painted(context);
    for (int slot = 0; slot < control::slotCount; ++slot) {
        window.control(control::firstPictureButton + slot)->installEventFilter(&painted);
    }

    const double soundMs = waveLengthMs("correct.wav");
    HistoryLocation history;
    history.kind = HistoryLocation::Kind::SqliteFile;
    history.file = (dir / "history.sqlite").string();
    HistoryRecorder recorder(history);
    std::vector<double> addedMs;
    std::vector<double> aloneMs;
    std::vector<double> withHistoryMs;
    for (int i = 0; i < 2 * runs + 3; ++i) {
        const bool recording = i % 2 == 1;
        context.recorder = recording ? &recorder : nullptr;
        QTest::qWait(60); // the learner looks; the voice starts
        const auto& round = context.round;
        int slot = 0;
        while (round.slotPicture[slot] != round.target) {
            ++slot;
        }
        // Past the 250 ms in which clicks are ignored, without waiting them out.
        context.round.roundStart = std::min(round.roundStart, platform.elapsedMs() - 300);
        painted.arm(round.roundStart);
        const auto start = Clock::now();
        QTest::mouseClick(window.control(control::firstPictureButton + slot), Qt::LeftButton);
        QElapsedTimer limit;
        limit.start();
        while (!painted.done() && limit.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        if (!painted.done()) {
            std::fprintf(stderr, "next round bench: no new round on screen within 5 s\n");
            return 1;
        }
        const double ms = std::chrono::duration<double, std::milli>(painted.at() - start).count();
        const auto alone = Clock::now();
        platform.playSound("correct.wav", SoundMode::Sync);
        const double playedMs = msSince(alone);
        if (i >= 3 && recording) {
            withHistoryMs.push_back(ms - playedMs);
        } else if (i >= 3) { // the first rounds load fonts and caches
            addedMs.push_back(ms - playedMs);
            aloneMs.push_back(playedMs);
        }
    }
    recorder.writer().flush();
    std::fprintf(stderr,
        "next round: correct.wav %.1f ms long, played alone in %.1f to %.1f ms; click to "
        "painted less that %.1f to %.1f ms\n",
        soundMs, *std::min_element(aloneMs.begin(), aloneMs.end()),
        *std::max_element(aloneMs.begin(), aloneMs.end()),
        *std::min_element(addedMs.begin(), addedMs.end()),
        *std::max_element(addedMs.begin(), addedMs.end()));
    std::printf("result next_round_ms %.2f %.2f ms\n", median(addedMs), median(aloneMs));
    std::printf(
        "result next_round_history_ms %.2f %.2f ms\n", median(withHistoryMs), median(addedMs));
    ::unsetenv("PIKORA_MACHINE_STORE");
    return 0;
}

} // namespace
} // namespace pikora

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    return pikora::run(runs);
}
