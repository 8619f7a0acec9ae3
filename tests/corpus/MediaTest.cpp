// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Rounds, choices, the clock and time-up over the corpus with the real bitmap loader (Qt,
// offscreen) and the real sound player (SDL, dummy or disk driver); the windows are the fake
// platform's. Every load and every play must end soon, whatever the file holds.
#include "Corpus.h"
#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/GameContext.h"
#include "game/Rounds.h"
#include "game/ScoreReport.h"
#include "platform/FileSystem.h"
#include "platform/QtBitmap.h"
#include "platform/SdlSoundPlayer.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::CurrentTempDir;
using testing::TempDir;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A call that takes longer than this counts as a hang: no file may stall the game. Far
// below the length a hostile file claims (hours), far above what a loaded machine takes
// for a real call under the sanitizers.
constexpr double slowCallSeconds = 20.0;

// The fake platform's windows and clock with the real bitmap loader and sound player.
class MediaPlatform : public testing::FakePlatform
{
public:
    std::unique_ptr<Bitmap> loadBitmap(const std::string& path) override
    {
        std::unique_ptr<Bitmap> image;
        timed("load " + path, [&] { image = QtBitmap::load(localPath(path)); });
        return image;
    }

    void setButtonImage(Window window, int control, std::unique_ptr<Bitmap> image) override
    {
        sizes[control]
            = image ? std::make_pair(image->width(), image->height()) : std::make_pair(0, 0);
        FakePlatform::setButtonImage(window, control, std::move(image));
    }

    void playSound(const std::string& path, SoundMode mode) override
    {
        FakePlatform::playSound(path, mode);
        timed("play " + path, [&] { player.play(localPath(path), mode); });
    }

    std::map<int, std::pair<int, int>> sizes; // of the image each button of the main window shows
    double slowest = 0;
    std::string slowestCall;
    SdlSoundPlayer player;

private:
    template<typename Work> void timed(const std::string& what, Work work)
    {
        const auto start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (seconds > slowest) {
            slowest = seconds;
            slowestCall = what;
        }
    }
};

// The random number whose draw over n gives `index`.
int randomFor(int index, int n)
{
    for (int r = static_cast<int>(index * 32767.0 / n); r <= 32767; ++r) {
        if (drawOver(r, n) == index) {
            return r;
        }
    }
    return 32767;
}

// One corpus, with a real 20-minute wave, for every test of the suite.
class CorpusMedia : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        shared = new CurrentTempDir;
        items = corpus::makePictureFolder(*shared / "mymain", {});
        corpus::writeBrokenFeedbackMedia(shared->path());
    }
    static void TearDownTestSuite()
    {
        delete shared;
        shared = nullptr;
    }

    void SetUp() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }

    const corpus::Item* item(const std::string& picturePath) const
    {
        for (const auto& item : items) {
            if ("mymain\\" + item.stem + ".bmp" == picturePath) {
                return &item;
            }
        }
        return nullptr;
    }

    static CurrentTempDir* shared;
    static std::vector<corpus::Item> items;
};

CurrentTempDir* CorpusMedia::shared = nullptr;
std::vector<corpus::Item> CorpusMedia::items;

TEST_F(CorpusMedia, EachPictureShowsAtItsOwnSizeOrLeavesItsButtonsBlank)
{
    auto platform = std::make_unique<MediaPlatform>();
    GameContext context(*platform);
    context.settings = { 1, 1, 0, 0, 0, 0, shared->str(), "" };
    ASSERT_EQ(BuildCatalog(context.catalog, *platform), 0);
    const int count = static_cast<int>(context.catalog.count());
    for (int i = 0; i < count; ++i) {
        const auto* expected = item(context.catalog.at(i).picturePath);
        ASSERT_NE(expected, nullptr) << context.catalog.at(i).picturePath;
        SCOPED_TRACE(expected->what);
        // Every slot holds this picture.
        platform->scriptedRandom.assign(4, randomFor(i, count));
        platform->scriptedRandom.push_back(0);
        platform->sizes.clear();
        StartNewRound(context);
        ASSERT_EQ(context.round.target, i);
        const auto shown = std::make_pair(expected->width, expected->height);
        for (int slot = 0; slot < 4; ++slot) {
            const auto size = platform->sizes.at(control::firstPictureButton + slot);
            if (expected->image == corpus::Image::Either && size != shown) {
                EXPECT_EQ(size, std::make_pair(0, 0));
            } else {
                EXPECT_EQ(
                    size, expected->image == corpus::Image::None ? std::make_pair(0, 0) : shown);
            }
        }
    }
    EXPECT_LT(platform->slowest, slowCallSeconds) << platform->slowestCall;
}

TEST_F(CorpusMedia, EachVoicePlaysItselfOrTheChimeAndNeverForLong)
{
    const std::string capture = (shared->path() / "capture.raw").string();
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    const std::string chime = [] {
        const auto bytes = defaultChime();
        return std::string(bytes.begin(), bytes.end());
    }();
    for (const auto& item : items) {
        SCOPED_TRACE(item.what);
        double seconds = 0;
        {
            SdlSoundPlayer player;
            const auto start = Clock::now();
            player.play(localPath("mymain\\" + item.stem + ".wav"), SoundMode::Sync);
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
        }
        EXPECT_LT(seconds, slowCallSeconds);
        if (item.voice != corpus::Voice::Either) {
            const bool chimed = shared->read("capture.raw").find(chime) != std::string::npos;
            EXPECT_EQ(chimed, item.voice == corpus::Voice::Chime);
        }
    }
    fs::remove(capture);
}

// A whole timed game, choices right and wrong, with every feedback medium broken: the
// game goes on to time-up, and the report names the pictures by their bytes.
TEST_F(CorpusMedia, AGameWithBrokenFeedbackMediaPlaysOnToTimeUp)
{
    TempDir reports;
    auto platform = std::make_unique<MediaPlatform>();
    GameContext context(*platform);
    context.settings = { 1, 1, 1, 1, 0, 40, shared->str(), reports.str() + "\\report.txt" };
    context.clock.remainingSeconds = 40;
    platform->seedRandom(7);
    platform->now = 1000;
    ASSERT_EQ(BuildCatalog(context.catalog, *platform), 0);
    StartNewRound(context);

    const auto start = Clock::now();
    int rounds = 0;
    while (platform->windowEnabled.count(Window::Main) == 0 && rounds < 100) {
        ++rounds;
        platform->now += 300;
        const auto& round = context.round;
        for (int slot = 0; slot < 4; ++slot) {
            if (round.slotPicture[slot] != round.target) {
                OnPictureChosen(context, control::firstPictureButton + slot); // "no.wav"
                break;
            }
        }
        const int right = static_cast<int>(
            std::find(round.slotPicture.begin(), round.slotPicture.end(), round.target)
            - round.slotPicture.begin());
        OnPictureChosen(context, control::firstPictureButton + right);
        // "correct.bmp" claims 100,000 x 100,000 pixels: the button is left blank.
        EXPECT_EQ(platform->sizes.at(control::firstPictureButton + right), std::make_pair(0, 0));
        platform->now += 1000;
        OnTick(context); // "correct.wav", then the next round
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);
    EXPECT_LT(platform->slowest, slowCallSeconds) << platform->slowestCall;
    ASSERT_FALSE(platform->windowEnabled.at(Window::Main)) << "no time-up after " << rounds;
    EXPECT_GT(rounds, 5);

    const auto report = scoreReportOf(context.catalog);
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(context.reportText, windowReportText(report));
    const std::string file = reports.read("report.txt");
    for (const auto& line : report) {
        std::string inFile = formatScoreLine(line);
        inFile.insert(inFile.size() - 1, "\r"); // the text mode's CR before each line feed
        EXPECT_NE(file.find(inFile), std::string::npos) << line.word;
    }
    EXPECT_EQ(platform->sounds.back().path, "applause.wav");
}

TEST(CorpusLargeFolder, FiveThousandPicturesWithoutVoicesPlayInBoundedTime)
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const CurrentTempDir dir;
    const auto items = corpus::makePictureFolder(dir / "mymain", { 5000, false });
    auto platform = std::make_unique<MediaPlatform>();
    GameContext context(*platform);
    context.settings = { 1, 1, 0, 1, 0, 25, dir.str(), "" };
    context.clock.remainingSeconds = 25;
    platform->seedRandom(11);

    const auto start = Clock::now();
    ASSERT_EQ(BuildCatalog(context.catalog, *platform), 0);
    const auto catalogued = std::count_if(
        items.begin(), items.end(), [](const corpus::Item& item) { return item.catalogued; });
    EXPECT_EQ(context.catalog.count(), static_cast<std::size_t>(catalogued));
    StartNewRound(context);
    for (int tick = 0; tick < 30 && platform->windowEnabled.count(Window::Main) == 0; ++tick) {
        platform->now += 1000;
        if (tick % 3 == 0) {
            OnPictureChosen(context,
                control::firstPictureButton
                    + static_cast<int>(std::find(context.round.slotPicture.begin(),
                                           context.round.slotPicture.end(), context.round.target)
                        - context.round.slotPicture.begin()));
        }
        OnTick(context);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);
    EXPECT_LT(platform->slowest, slowCallSeconds) << platform->slowestCall;
    EXPECT_FALSE(platform->windowEnabled.at(Window::Main));
    EXPECT_FALSE(context.reportText.empty());
}

} // namespace
} // namespace pikora
