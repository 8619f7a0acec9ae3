// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>

#include <QDir>
#include <QString>

namespace pikora::pack {

// The names of the files this tool made in a picture folder, kept in the folder so that a
// later run replaces its own files and nobody else's.
class Manifest
{
public:
    explicit Manifest(const QDir& folder);

    // Reads the list, dropping names whose files are gone; a folder without a list has
    // nothing of ours. False when the list is unreadable.
    bool load(QString& problem);
    // Writes the list atomically. Names are listed before their files are put in place.
    bool save(QString& problem);

    bool contains(const QString& name) const { return m_names.count(name) != 0; }
    const std::set<QString>& names() const { return m_names; }
    void add(const QString& name);
    void remove(const QString& name) { m_names.erase(name); }

private:
    QDir m_folder;
    std::set<QString> m_names;
};

} // namespace pikora::pack
