// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "platform/FileSystem.h"
#include "platform/PlatformServices.h"
#include "platform/StoreFile.h"
#include "platform/SystemServices.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pikora::testing {

// A bitmap that remembers the file it came from.
class FakeBitmap : public Bitmap
{
public:
    explicit FakeBitmap(std::string path)
        : path(std::move(path))
    { }
    int width() const override { return 400; }
    int height() const override { return 260; }
    std::string path;
};

// Records every window, sound and timer call so a test can check what the player would see
// and hear. Files and the store go to the real file services (tests use temporary folders);
// the clock is set by the test; random numbers come from the real generator or a queue.
class FakePlatform : public PlatformServices
{
public:
    struct Sound
    {
        std::string path;
        SoundMode mode;
        std::int64_t at; // clock reading when played
    };
    struct Call
    {
        std::string what; // "show", "hide", "focus", "image", "push", "pull", "timer", ...
        Window window;
        int control;
        int value;
        std::size_t soundsBefore; // how many sounds had been played when the call came
    };

    // Recorded calls.
    std::vector<Sound> sounds;
    std::vector<Call> calls;
    std::vector<std::string> messages;
    std::map<std::pair<Window, int>, bool> visible; // last show or hide of a control
    std::map<std::pair<Window, int>, std::string>
        images; // path of the image a button shows; "" for none
    std::map<Window, int> focus;
    std::map<std::pair<Window, int>, int> timers; // interval by window and id
    std::map<std::pair<Window, int>, std::int64_t> timerDue; // clock reading of the next tick
    std::set<Window> created;
    std::map<Window, bool> windowShown;
    std::map<Window, bool> windowEnabled;

    // Set by the test.
    std::int64_t now = 0;
    std::time_t calendar = 0;
    std::string storePath; // empty: no settings key can be opened
    std::string module = "/opt/games/Pikora/pikora";
    std::deque<int> scriptedRandom; // used first, then the generator
    std::int64_t syncSoundMs = 0; // how far the clock moves while a sync sound plays
    std::function<void(Window)> onPush; // what a window does after its fields were pushed

    int count(const std::string& what) const;
    void clearRecords();

    // What the windows show: the game's texts for them as they were at each window's last
    // push, once `watch` has been told where the game keeps them.
    void watch(const GameContext& context) { m_watched = &context; }
    MainWindowFields shownMain;
    std::string shownReport;

    void playSound(const std::string& path, SoundMode mode) override;
    std::unique_ptr<Bitmap> loadBitmap(const std::string& path) override;
    void setButtonImage(Window window, int control, std::unique_ptr<Bitmap> image) override;
    void showControl(Window window, int control, bool visible) override;
    void setFocus(Window window, int control) override;
    bool createWindow(Window window) override;
    void showWindow(Window window, bool visible) override;
    void enableWindow(Window window, bool enabled) override;
    void pushFields(Window window) override;
    void pullFields(Window window) override;
    void setTimer(Window window, int id, int intervalMs) override;
    void messageBox(const std::string& text) override;
    std::unique_ptr<SettingsKey> openSettingsKey(const std::string& keyPath) override;
    std::vector<FoundFile> findFiles(const std::string& pattern) override;
    int readHiddenMark(const std::string& path, bool& hidden) override;
    int writeHiddenMark(const std::string& path, bool hidden) override;
    int writeHiddenMarks(std::vector<HiddenMark>& marks) override;
    std::string modulePath() override { return module; }
    int changeDirectory(const std::string& path) override;
    std::unique_ptr<TextAppender> openTextAppend(const std::string& path) override;
    std::int64_t elapsedMs() override { return now; }
    std::time_t calendarTime() override { return calendar; }
    std::tm localTime(std::time_t time) override;
    void seedRandom(std::uint32_t seed) override { m_random.seed(seed); }
    int random() override;

    std::vector<std::string> changedDirectories;

private:
    void record(const std::string& what, Window window, int control, int value);

    const GameContext* m_watched = nullptr;
    FileSystem m_files;
    Lcg15 m_random;
};

} // namespace pikora::testing
