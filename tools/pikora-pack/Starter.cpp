// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Starter.h"

#include "Manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pikora::pack {

namespace {

const QString englishList = QStringLiteral("words.txt");

} // namespace

const std::vector<StarterLanguage>& starterLanguages()
{
    // The voice "cmn" of espeak-ng 1.51 reads the pinyin it makes of each character as
    // English; "cmn-latn-pinyin" reads the characters as Mandarin.
    static const std::vector<StarterLanguage> languages {
        { "en", "English", englishList, "en" },
        { "ar", "Arabic (العربية)", "ar.txt", "ar" },
        { "de", "German (Deutsch)", "de.txt", "de" },
        { "es", "Spanish (español)", "es.txt", "es" },
        { "fr", "French (français)", "fr.txt", "fr" },
        { "it", "Italian (italiano)", "it.txt", "it" },
        { "nl", "Dutch (Nederlands)", "nl.txt", "nl" },
        { "pl", "Polish (polski)", "pl.txt", "pl" },
        { "pt", "Portuguese (português)", "pt.txt", "pt" },
        { "ru", "Russian (русский)", "ru.txt", "ru" },
        { "tr", "Turkish (Türkçe)", "tr.txt", "tr" },
        { "uk", "Ukrainian (українська)", "uk.txt", "uk" },
        { "zh", "Chinese, simplified (简体中文)", "zh.txt", "cmn-latn-pinyin" },
    };
    return languages;
}

const StarterLanguage* findStarterLanguage(const QString& code)
{
    // A locale's name also serves ("de_DE.UTF-8", "pt_BR", "zh-CN"): the set of its language.
    QString name = code.section(u'.', 0, 0).section(u'@', 0, 0).toLower();
    name.replace(u'-', u'_');
    for (const QString& tried : { name, name.section(u'_', 0, 0) }) {
        for (const StarterLanguage& language : starterLanguages()) {
            if (language.code == tried) {
                return &language;
            }
        }
    }
    return nullptr;
}

QString starterFolder(const QString& programFolder)
{
    const QString candidates[] = {
        QDir(programFolder).filePath(QStringLiteral(PIKORA_STARTER_FROM_PROGRAM)),
        QStringLiteral(PIKORA_STARTER_SOURCE),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(QDir(folder).filePath(englishList))) {
            return QDir::cleanPath(folder);
        }
    }
    return {};
}

QString installedPictureFolder(const QString& programFolder)
{
    const QString folder = QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(PIKORA_PICTURES_FROM_PROGRAM)));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QStringList removeEarlierSet(const QString& folder, const WorkFolder& work, const QStringList& kept,
    bool force, QStringList& changed)
{
    const QDir dir(folder);
    Manifest manifest(dir);
    QString problem;
    if (!manifest.load(problem)) {
        return { problem };
    }
    QStringList failed;
    const std::set<QString> names = manifest.names();
    for (const QString& name : names) {
        if (kept.contains(name)) {
            continue;
        }
        if (!force && manifest.standing(name) == Manifest::Standing::Edited) {
            changed.append(name);
            continue;
        }
        // The files go before the list names them no more: a list naming a file that is gone
        // is read as it should be, a file that the list forgot would never be replaced.
        if (QFile::remove(dir.filePath(name)) || !QFileInfo::exists(dir.filePath(name))) {
            manifest.remove(name);
        } else {
            failed.append(name);
        }
    }
    if (!manifest.save(work, problem)) {
        failed.append(problem);
    }
    return failed;
}

} // namespace pikora::pack
