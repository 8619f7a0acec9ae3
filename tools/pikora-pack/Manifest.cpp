// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Manifest.h"

#include "PackNames.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pikora::pack {

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
        // A listed file that is gone is no longer ours: whatever takes its name later is not.
        const QString name = QString::fromUtf8(line);
        if (!line.isEmpty() && !line.startsWith('#')
            && QFileInfo::exists(m_folder.filePath(name))) {
            add(name);
        }
    }
    return true;
}

bool Manifest::save(QString& problem)
{
    QSaveFile file(m_folder.filePath(QString::fromLatin1(kManifestName)));
    if (!file.open(QIODevice::WriteOnly)) {
        problem
            = QStringLiteral("%1 cannot be written: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    file.write("# Files made by pikora-pack, which replaces only these (others with --force).\n");
    for (const QString& name : m_names) {
        file.write(name.toUtf8() + '\n');
    }
    if (!file.commit()) {
        problem
            = QStringLiteral("%1 cannot be written: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

void Manifest::add(const QString& name)
{
    // The list never names itself, nor anything outside the folder.
    if (name != QLatin1String(kManifestName) && !name.contains(u'/')) {
        m_names.insert(name);
    }
}

} // namespace pikora::pack
