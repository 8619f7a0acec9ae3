// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Manifest.h"

#include "platform/FolderAccess.h"
#include "platform/PackNames.h"

#include <algorithm>
#include <cerrno>

#include <QCryptographicHash>
#include <QFileInfo>

namespace pikora::pack {

using namespace pictureset;

namespace {

constexpr qsizetype kChecksumLength = 64;

bool isChecksum(const QByteArray& text)
{
    return text.size() == kChecksumLength && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

} // namespace

QByteArray checksumOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

Manifest::Manifest(const QDir& folder)
    : m_folder(folder)
{ }

bool Manifest::load(QString& problem)
{
    const QString path = m_folder.filePath(QString::fromLatin1(kManifestName));
    QByteArray content;
    const int error = readFolderFile(path, content);
    if (error == ENOENT) {
        return true;
    }
    if (error != 0) {
        problem = error == ELOOP
            ? QStringLiteral("%1 is a symbolic link; pikora-pack reads its list of files only "
                             "from a plain file and does not follow links")
                  .arg(path)
            : error == EINVAL || error == EISDIR
            ? QStringLiteral("%1 is not a plain file; it must be the list of files pikora-pack "
                             "made")
                  .arg(path)
            : QStringLiteral("%1 cannot be read: %2").arg(path, qt_error_string(error));
        return false;
    }
    for (const QByteArray& line : content.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        // Lists of older versions hold bare names.
        const bool summed
            = isChecksum(line.left(kChecksumLength)) && line.mid(kChecksumLength, 2) == "  ";
        const QString name = QString::fromUtf8(summed ? line.mid(kChecksumLength + 2) : line);
        // A listed file that is gone is no longer ours: whatever takes its name later is not.
        if (QFileInfo::exists(m_folder.filePath(name))) {
            add(name, summed ? line.left(kChecksumLength) : QByteArray());
        }
    }
    return true;
}

bool Manifest::save(const WorkFolder& work, QString& problem)
{
    QByteArray content
        = "# Files made by pikora-pack and their SHA-256 (sha256sum -c checks them).\n"
          "# It replaces only these, and only while unchanged (others with --force).\n";
    for (const auto& [name, checksum] : m_files) {
        content += (checksum.isEmpty() ? QByteArray() : checksum + "  ") + name.toUtf8() + '\n';
    }
    const QString temp = QStringLiteral("list");
    const QString name = QString::fromLatin1(kManifestName);
    int error = work.write(temp, content);
    if (error == 0) {
        error = work.putInPlace(temp, name);
    }
    if (error != 0) {
        work.remove(temp);
        problem = QStringLiteral("%1 cannot be written: %2")
                      .arg(m_folder.filePath(name), qt_error_string(error));
    }
    return error == 0;
}

Manifest::Standing Manifest::standing(const QString& name) const
{
    const auto found = m_files.find(name);
    if (found == m_files.end()) {
        return Standing::Foreign;
    }
    // A link or a pipe put in the place of a file is not read: no longer as it was made.
    QByteArray bytes;
    if (found->second.isEmpty() || readFolderFile(m_folder.filePath(name), bytes) != 0) {
        return Standing::Edited;
    }
    return checksumOf(bytes) == found->second ? Standing::Unchanged : Standing::Edited;
}

std::set<QString> Manifest::names() const
{
    std::set<QString> names;
    for (const auto& [name, checksum] : m_files) {
        names.insert(name);
    }
    return names;
}

void Manifest::add(const QString& name, const QByteArray& checksum)
{
    // The list never names itself, nor anything outside the folder.
    if (name != QLatin1String(kManifestName) && !name.contains(u'/')) {
        m_files[name] = checksum;
    }
}

} // namespace pikora::pack
