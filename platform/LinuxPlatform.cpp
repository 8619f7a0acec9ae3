// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "LinuxPlatform.h"

#include "QtBitmap.h"
#include "StoreFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>

namespace pikora {

WindowHost* LinuxPlatform::window(Window window) const
{
    const auto found = m_windows.find(window);
    return found == m_windows.end() ? nullptr : found->second;
}

void LinuxPlatform::playSound(const std::string& path, SoundMode mode)
{
    m_sound.play(localPath(path), mode);
}

std::unique_ptr<Bitmap> LinuxPlatform::loadBitmap(const std::string& path)
{
    return QtBitmap::load(localPath(path));
}

void LinuxPlatform::setButtonImage(Window window, int control, std::unique_ptr<Bitmap> image)
{
    if (auto* host = this->window(window)) {
        host->setButtonImage(control, std::move(image));
    }
}

void LinuxPlatform::showControl(Window window, int control, bool visible)
{
    if (auto* host = this->window(window)) {
        host->showControl(control, visible);
    }
}

void LinuxPlatform::setFocus(Window window, int control)
{
    if (auto* host = this->window(window)) {
        host->setFocus(control);
    }
}

bool LinuxPlatform::createWindow(Window window)
{
    if (this->window(window) != nullptr) {
        return true;
    }
    WindowHost* host = m_factory ? m_factory(window) : nullptr;
    if (host != nullptr) {
        m_windows[window] = host;
    }
    return host != nullptr;
}

void LinuxPlatform::showWindow(Window window, bool visible)
{
    if (auto* host = this->window(window)) {
        host->showWindow(visible);
    }
}

void LinuxPlatform::enableWindow(Window window, bool enabled)
{
    if (auto* host = this->window(window)) {
        host->enableWindow(enabled);
    }
}

void LinuxPlatform::pushFields(Window window)
{
    if (auto* host = this->window(window)) {
        host->pushFields();
    }
}

void LinuxPlatform::pullFields(Window window)
{
    if (auto* host = this->window(window)) {
        host->pullFields();
    }
}

void LinuxPlatform::setTimer(Window window, int id, int intervalMs)
{
    if (auto* host = this->window(window)) {
        host->setTimer(id, intervalMs);
    }
}

void LinuxPlatform::messageBox(const std::string& text)
{
    // Captioned with the program file's name without its extension, as every box of ours.
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox::warning(nullptr, caption, QString::fromStdString(text));
}

std::unique_ptr<SettingsKey> LinuxPlatform::openSettingsKey(const std::string& keyPath)
{
    return openStoreKey(machineStorePath(), keyPath);
}

std::vector<FoundFile> LinuxPlatform::findFiles(const std::string& pattern)
{
    return m_files.findFiles(pattern);
}

int LinuxPlatform::readHiddenMark(const std::string& path, bool& hidden)
{
    return m_files.readHiddenMark(path, hidden);
}

int LinuxPlatform::writeHiddenMark(const std::string& path, bool hidden)
{
    return m_files.writeHiddenMark(path, hidden);
}

std::string LinuxPlatform::modulePath()
{
    return m_files.modulePath();
}

int LinuxPlatform::changeDirectory(const std::string& path)
{
    return m_files.changeDirectory(path);
}

std::unique_ptr<TextAppender> LinuxPlatform::openTextAppend(const std::string& path)
{
    return m_files.openTextAppend(path);
}

std::int64_t LinuxPlatform::elapsedMs()
{
    return processElapsedMs();
}

std::time_t LinuxPlatform::calendarTime()
{
    return std::time(nullptr);
}

std::tm LinuxPlatform::localTime(std::time_t time)
{
    return localTimeOf(time);
}

void LinuxPlatform::seedRandom(std::uint32_t seed)
{
    m_random.seed(seed);
}

int LinuxPlatform::random()
{
    return m_random.next();
}

} // namespace pikora
