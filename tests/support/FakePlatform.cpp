// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <algorithm>

namespace pikora::testing {

int FakePlatform::count(const std::string& what) const
{
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.what == what; }));
}

void FakePlatform::record(const std::string& what, Window window, int control, int value)
{
    calls.push_back({ what, window, control, value, sounds.size() });
}

void FakePlatform::clearRecords()
{
    sounds.clear();
    calls.clear();
    messages.clear();
}

void FakePlatform::playSound(const std::string& path, SoundMode mode)
{
    sounds.push_back({ path, mode, now });
    if (mode == SoundMode::Sync) {
        now += syncSoundMs;
    }
}

std::unique_ptr<Bitmap> FakePlatform::loadBitmap(const std::string& path)
{
    bool hidden = false;
    if (m_files.readHiddenMark(path, hidden) != 0) {
        return nullptr; // no such file
    }
    return std::make_unique<FakeBitmap>(path);
}

void FakePlatform::setButtonImage(Window window, int control, std::unique_ptr<Bitmap> image)
{
    const auto* fake = dynamic_cast<FakeBitmap*>(image.get());
    images[{ window, control }] = fake != nullptr ? fake->path : std::string();
    record("image", window, control, image ? 1 : 0);
}

void FakePlatform::showControl(Window window, int control, bool show)
{
    visible[{ window, control }] = show;
    record(show ? "show" : "hide", window, control, 0);
}

void FakePlatform::setFocus(Window window, int control)
{
    focus[window] = control;
    record("focus", window, control, 0);
}

bool FakePlatform::createWindow(Window window)
{
    record("create", window, 0, created.count(window) ? 0 : 1);
    created.insert(window);
    return true;
}

void FakePlatform::showWindow(Window window, bool show)
{
    windowShown[window] = show;
    record(show ? "showWindow" : "hideWindow", window, 0, 0);
}

void FakePlatform::enableWindow(Window window, bool enabled)
{
    windowEnabled[window] = enabled;
    record(enabled ? "enable" : "disable", window, 0, 0);
}

void FakePlatform::pushFields(Window window)
{
    record("push", window, 0, 0);
    if (m_watched != nullptr && window == Window::Main) {
        shownMain = m_watched->mainFields;
    } else if (m_watched != nullptr && window == Window::Report) {
        shownReport = m_watched->reportText;
    }
    if (onPush) {
        onPush(window);
    }
}

void FakePlatform::pullFields(Window window)
{
    record("pull", window, 0, 0);
}

void FakePlatform::setTimer(Window window, int id, int intervalMs)
{
    timers[{ window, id }] = intervalMs;
    timerDue[{ window, id }] = now + intervalMs;
    record("timer", window, id, intervalMs);
}

void FakePlatform::messageBox(const std::string& text)
{
    messages.push_back(text);
}

std::unique_ptr<SettingsKey> FakePlatform::openSettingsKey(const std::string& keyPath)
{
    return storePath.empty() ? nullptr : openStoreKey(storePath, keyPath);
}

std::vector<FoundFile> FakePlatform::findFiles(const std::string& pattern)
{
    return m_files.findFiles(pattern);
}

int FakePlatform::readHiddenMark(const std::string& path, bool& hidden)
{
    return m_files.readHiddenMark(path, hidden);
}

int FakePlatform::writeHiddenMark(const std::string& path, bool hidden)
{
    return m_files.writeHiddenMark(path, hidden);
}

int FakePlatform::writeHiddenMarks(std::vector<HiddenMark>& marks)
{
    return m_files.writeHiddenMarks(marks);
}

int FakePlatform::changeDirectory(const std::string& path)
{
    changedDirectories.push_back(path);
    return m_files.changeDirectory(path);
}

std::unique_ptr<TextAppender> FakePlatform::openTextAppend(const std::string& path)
{
    return m_files.openTextAppend(path);
}

std::tm FakePlatform::localTime(std::time_t time)
{
    std::tm fields {};
    gmtime_r(&time, &fields); // tests pin the date in UTC
    return fields;
}

int FakePlatform::random()
{
    if (!scriptedRandom.empty()) {
        const int value = scriptedRandom.front();
        scriptedRandom.pop_front();
        return value;
    }
    return m_random.next();
}

} // namespace pikora::testing
