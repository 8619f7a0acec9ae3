// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pikora {

// The windows of the program that the logic addresses. The logic never sees a widget: it
// changes the window's fields and then asks the platform to push them to the controls.
enum class Window
{
    Main,
    Setup,
    Report,
    About,
    Access
};

enum class SoundMode
{
    Async,
    Sync
};

// An image loaded from a file at its own pixel size. Owned by whoever holds it; a button
// that is given one keeps it until the next one replaces it.
class Bitmap
{
public:
    virtual ~Bitmap() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// One entry of a directory listing: the name as the file system spells it.
struct FoundFile
{
    std::string name;
    bool hidden = false;
    bool directory = false;
};

// A hidden mark to set or clear, and what became of it (0, or an errno code).
struct HiddenMark
{
    std::string path;
    bool hidden = false;
    int error = 0;
};

// An open key of the per-machine settings store. Values are raw bytes with a type code
// (1 string, 3 binary, 4 32-bit number), as the store keeps them. Writes are collected
// and reach the disk together when the key is closed.
class SettingsKey
{
public:
    virtual ~SettingsKey() = default;
    // The stored bytes of a value, or nothing when the value is missing.
    virtual std::optional<std::vector<std::uint8_t>> queryValue(const std::string& name) const = 0;
    virtual void setValue(const std::string& name, int type, const std::vector<std::uint8_t>& bytes)
        = 0;
    // Writes the store back when anything changed; 0 or an errno code. The old file
    // stays whole when the write fails.
    virtual int close() = 0;
};

// A file opened for appending in text mode: each line feed reaches the disk as CR LF.
class TextAppender
{
public:
    virtual ~TextAppender() = default;
    virtual void write(const std::string& text) = 0;
};

// Everything the program's logic asks of the operating system and the window toolkit.
// Paths are given with '\' separators; implementations map them to the local form and
// match each component without regard to letter case.
class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // Sound. A new sound cuts off the one playing; a missing or unreadable file plays the
    // default chime. Sync returns when the last sample has been played.
    virtual void playSound(const std::string& path, SoundMode mode) = 0;

    // Bitmaps and windows.
    virtual std::unique_ptr<Bitmap> loadBitmap(const std::string& path) = 0;
    virtual void setButtonImage(Window window, int control, std::unique_ptr<Bitmap> image) = 0;
    virtual void showControl(Window window, int control, bool visible) = 0;
    virtual void setFocus(Window window, int control) = 0;
    // Makes the window when it does not exist yet; false when it cannot be made.
    virtual bool createWindow(Window window) = 0;
    virtual void showWindow(Window window, bool visible) = 0;
    virtual void enableWindow(Window window, bool enabled) = 0;
    virtual void pushFields(Window window) = 0;
    virtual void pullFields(Window window) = 0;
    // Setting an existing id again replaces its interval and restarts the wait.
    virtual void setTimer(Window window, int id, int intervalMs) = 0;
    virtual void messageBox(const std::string& text) = 0;

    // Settings store: nullptr when the key is missing or the store cannot be both read and
    // written. The key is never created.
    virtual std::unique_ptr<SettingsKey> openSettingsKey(const std::string& keyPath) = 0;

    // Files. findFiles yields the matches of a wildcard ordered by name without regard to
    // letter case (upper-cased, byte by byte), and an empty list when nothing matches or the
    // folder cannot be read.
    virtual std::vector<FoundFile> findFiles(const std::string& pattern) = 0;
    // 0, or an errno code.
    virtual int readHiddenMark(const std::string& path, bool& hidden) = 0;
    virtual int writeHiddenMark(const std::string& path, bool hidden) = 0;
    // Sets or clears many marks; each mark's `error` says what became of it, and the result
    // is an errno code when a folder's list could not be written (then none of that
    // folder's marks changed). This default writes them one by one.
    virtual int writeHiddenMarks(std::vector<HiddenMark>& marks)
    {
        for (auto& mark : marks) {
            mark.error = writeHiddenMark(mark.path, mark.hidden);
        }
        return 0;
    }
    virtual std::string modulePath() = 0;
    virtual int changeDirectory(const std::string& path) = 0;
    virtual std::unique_ptr<TextAppender> openTextAppend(const std::string& path) = 0;

    // Time and chance.
    virtual std::int64_t elapsedMs() = 0;
    virtual std::time_t calendarTime() = 0;
    virtual std::tm localTime(std::time_t time) = 0;
    virtual void seedRandom(std::uint32_t seed) = 0;
    // 0 to 32767 inclusive.
    virtual int random() = 0;
};

} // namespace pikora
