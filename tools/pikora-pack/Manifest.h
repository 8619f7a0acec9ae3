// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>

#include <QByteArray>
#include <QDir>
#include <QString>

namespace pikora::pictureset {
class WorkFolder;
}

namespace pikora::pack {

using pictureset::WorkFolder;

// The files this tool made in a picture folder, each with a checksum of what it wrote, kept
// in the folder: a later run replaces its own files as long as nobody changed them.
// One line a file, "<SHA-256>  <name>", as sha256sum writes and checks them.
class Manifest
{
public:
    enum class Standing
    {
        Foreign, // not made by this tool
        Unchanged, // made by this tool and as it left it
        Edited, // made by this tool and changed since (or listed without a checksum)
    };

    explicit Manifest(const QDir& folder);

    // Reads the list, dropping names whose files are gone; a folder without a list has
    // nothing of ours. False when the list is unreadable, or a link or pipe in its place.
    bool load(QString& problem);
    // Writes the list in the work folder and renames it over the old one, which may be
    // another's and read-only: the folder is written, not the file. Files are listed before
    // they are put in place.
    bool save(const WorkFolder& work, QString& problem);

    Standing standing(const QString& name) const;
    std::set<QString> names() const;
    void add(const QString& name, const QByteArray& checksum);
    void remove(const QString& name) { m_files.erase(name); }

private:
    QDir m_folder;
    std::map<QString, QByteArray> m_files; // name -> checksum in hex, empty when not known
};

// The SHA-256 of some bytes, in lower-case hex.
QByteArray checksumOf(const QByteArray& bytes);

} // namespace pikora::pack
