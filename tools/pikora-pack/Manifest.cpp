// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Manifest.h"

#include "PackNames.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pikora::pack {

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
    QFile file(m_folder.filePath(QString::fromLatin1(kManifestName)));
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("%1 cannot be read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
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

bool Manifest::save(QString& problem)
{
    QSaveFile file(m_folder.filePath(QString::fromLatin1(kManifestName)));
    if (file.open(QIODevice::WriteOnly)) {
        file.write("# Files made by pikora-pack and their SHA-256 (sha256sum -c checks them).\n"
                   "# It replaces only these, and only while unchanged (others with --force).\n");
        for (const auto& [name, checksum] : m_files) {
            file.write(
                (checksum.isEmpty() ? QByteArray() : checksum + "  ") + name.toUtf8() + '\n');
        }
        if (file.commit()) {
            return true;
        }
    }
    problem = QStringLiteral("%1 cannot be written: %2").arg(file.fileName(), file.errorString());
    return false;
}

Manifest::Standing Manifest::standing(const QString& name) const
{
    const auto found = m_files.find(name);
    if (found == m_files.end()) {
        return Standing::Foreign;
    }
    QFile file(m_folder.filePath(name));
    if (found->second.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return Standing::Edited;
    }
    return checksumOf(file.readAll()) == found->second ? Standing::Unchanged : Standing::Edited;
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
