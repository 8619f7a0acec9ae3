// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileSystem.h"
#include "PlatformServices.h"
#include "SdlSoundPlayer.h"
#include "SystemServices.h"
#include "WindowHost.h"

#include <functional>
#include <map>

namespace pikora {

// The platform services on a Linux desktop: Qt for windows and bitmaps, SDL for sound,
// POSIX calls for files, a store file for the settings.
class LinuxPlatform : public PlatformServices
{
public:
    // Makes a window on first use; returns nullptr when it cannot be made.
    using WindowFactory = std::function<WindowHost*(Window)>;

    // Starts the sound system's thread, which waits until soundMayStart() (or two seconds)
    // before it loads SDL and opens the device: start-up draws the first window without them.
    void prepareSound() { m_sound.holdBack(); }
    void soundMayStart() { m_sound.release(); }
    // The process's one sound device, for the windows that record and play back voices.
    SdlSoundPlayer& sound() { return m_sound; }
    void setWindowFactory(WindowFactory factory) { m_factory = std::move(factory); }
    void registerWindow(Window window, WindowHost* host) { m_windows[window] = host; }
    WindowHost* window(Window window) const;

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
    int writeHiddenMarks(std::vector<HiddenMark>& marks) override
    {
        return m_files.writeHiddenMarks(marks);
    }
    std::string modulePath() override;
    int changeDirectory(const std::string& path) override;
    std::unique_ptr<TextAppender> openTextAppend(const std::string& path) override;
    std::int64_t elapsedMs() override;
    std::time_t calendarTime() override;
    std::tm localTime(std::time_t time) override;
    void seedRandom(std::uint32_t seed) override;
    int random() override;

private:
    FileSystem m_files;
    SdlSoundPlayer m_sound;
    Lcg15 m_random;
    WindowFactory m_factory;
    std::map<Window, WindowHost*> m_windows;
};

} // namespace pikora
