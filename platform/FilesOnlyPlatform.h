// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileSystem.h"
#include "PlatformServices.h"

namespace pikora {

// The platform services a catalogue build and the Setup window's marks use: the real file
// services, and nothing else (no windows, no sound, a clock at 0). For pikora-pack's check,
// benchmarks and fuzzing, where windows or the recording of FakePlatform would only get in
// the way.
class FilesOnlyPlatform : public PlatformServices
{
public:
    void playSound(const std::string&, SoundMode) override { }
    std::unique_ptr<Bitmap> loadBitmap(const std::string&) override { return nullptr; }
    void setButtonImage(Window, int, std::unique_ptr<Bitmap>) override { }
    void showControl(Window, int, bool) override { }
    void setFocus(Window, int) override { }
    bool createWindow(Window) override { return false; }
    void showWindow(Window, bool) override { }
    void enableWindow(Window, bool) override { }
    void pushFields(Window) override { }
    void pullFields(Window) override { }
    void setTimer(Window, int, int) override { }
    void messageBox(const std::string&) override { }
    std::unique_ptr<SettingsKey> openSettingsKey(const std::string&) override { return nullptr; }
    std::vector<FoundFile> findFiles(const std::string& pattern) override
    {
        return m_files.findFiles(pattern);
    }
    int readHiddenMark(const std::string& path, bool& hidden) override
    {
        return m_files.readHiddenMark(path, hidden);
    }
    int writeHiddenMark(const std::string& path, bool hidden) override
    {
        return m_files.writeHiddenMark(path, hidden);
    }
    int writeHiddenMarks(std::vector<HiddenMark>& marks) override
    {
        return m_files.writeHiddenMarks(marks);
    }
    std::string modulePath() override { return m_files.modulePath(); }
    int changeDirectory(const std::string& path) override { return m_files.changeDirectory(path); }
    std::unique_ptr<TextAppender> openTextAppend(const std::string&) override { return nullptr; }
    std::int64_t elapsedMs() override { return 0; }
    std::time_t calendarTime() override { return 0; }
    std::tm localTime(std::time_t) override { return {}; }
    void seedRandom(std::uint32_t) override { }
    int random() override { return 0; }

private:
    FileSystem m_files;
};

} // namespace pikora
