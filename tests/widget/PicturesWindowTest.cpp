// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Setup's Pictures window over the game's picture folder: photos added with their words (a
// word the game could not tell from another's refused), a voice taken from a sound file and
// one recorded through SDL's disk driver, which reads the microphone from a file.
#include "ui/PicturesWindow.h"

#include "platform/SdlSoundPlayer.h"
#include "support/GameWindows.h"
#include "support/WaveFile.h"
#include "ui/RecordDialog.h"

#include <QLabel>
#include <QTreeWidget>

namespace pikora::testing {
namespace {

const pictureset::FolderPicture* find(const ui::PicturesWindow& window, const QString& word)
{
    for (const auto& picture : window.pictures()) {
        if (picture.word == word) {
            return &picture;
        }
    }
    return nullptr;
}

TEST_F(GameWindows, SetupPicturesAddsPhotosAndGivesThemVoices)
{
    // The microphone hears a tone (its file's header too, a click before it).
    ASSERT_TRUE(writeWave((dir / "microphone.raw").string(), 44100, 44100, 1));
    const std::string microphone = (dir / "microphone.raw").string();
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILEIN", microphone.c_str(), 1);
    ::setenv("SDL_DISKAUDIOFILE", (dir / "speaker.raw").c_str(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "1", 1);

    startGame();
    chooseMenuCommand(ui::CPikoraDlg::picturesCommand);
    ui::PicturesWindow* window = windows->pictures();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Pictures");
    ASSERT_EQ(window->pictures().size(), 4u);
    EXPECT_EQ(window->list()->topLevelItemCount(), 4);

    QImage photo(1200, 900, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(QString::fromStdString((dir / "beach.jpg").string())));
    photo.fill(Qt::magenta);
    ASSERT_TRUE(photo.save(QString::fromStdString((dir / "Kite.png").string())));
    window->addPictures({ { QString::fromStdString((dir / "beach.jpg").string()), "beach" },
        { QString::fromStdString((dir / "Kite.png").string()), "kite" },
        { QString::fromStdString((dir / "Kite.png").string()), "CAT" } });
    EXPECT_EQ(window->pictures().size(), 6u);
    EXPECT_TRUE(window->statusText()->text().startsWith("Kite.png: "))
        << window->statusText()->text().toStdString();
    ASSERT_TRUE(find(*window, "kite"));
    EXPECT_FALSE(find(*window, "kite")->voice.plays());

    window->pick("beach");
    const std::string voice = (dir / "voice.wav").string();
    ASSERT_TRUE(writeWave(voice, 22050, 22050, 1));
    window->voiceFromFile(QString::fromStdString(voice));
    ASSERT_TRUE(find(*window, "beach"));
    EXPECT_TRUE(find(*window, "beach")->voice.plays())
        << window->statusText()->text().toStdString();

    window->pick("kite");
    ui::RecordDialog recorder(platform.sound(), "kite", window);
    recorder.startRecording();
    ASSERT_TRUE(recorder.isRecording()) << recorder.statusText()->text().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.sound().recordedSeconds() >= 1.5; }, 10000));
    recorder.stopRecording();
    window->voiceFromRecording(recorder.recorded(), SdlSoundPlayer::recordingRate);
    EXPECT_TRUE(find(*window, "kite")->voice.plays()) << window->statusText()->text().toStdString();

    window->grab().save(QStringLiteral(PIKORA_SCREENSHOT_DIR "/pictures.png"));
}

} // namespace
} // namespace pikora::testing
