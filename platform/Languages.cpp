// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include <optional>

#include <QDir>
#include <QTranslator>

namespace pikora {

namespace {

const QString translationFolder = QStringLiteral(":/i18n");
const QString filePrefix = QStringLiteral("pikora_");
const QString fileSuffix = QStringLiteral(".qm");

struct LocaleName
{
    QString language; // lower case: "de"
    QString region; // upper case: "AT"; empty when the name gives none
};

// "de_AT.UTF-8@euro" and "de-AT" give de and AT.
LocaleName parseLocale(QString name)
{
    name = name.section(u'@', 0, 0).section(u'.', 0, 0).replace(u'-', u'_');
    return { name.section(u'_', 0, 0).toLower(), name.section(u'_', 1, 1).toUpper() };
}

// Which of `available` serves a locale name: an empty text for English, nothing for none.
std::optional<QString> servingLanguage(const QString& entry, const QStringList& available)
{
    const LocaleName name = parseLocale(entry);
    if (name.language == QLatin1String("en")) {
        return QString();
    }
    if (name.language.isEmpty() || name.language == QLatin1String("c")
        || name.language == QLatin1String("posix")) {
        return std::nullopt;
    }
    const QString full = name.language + u'_' + name.region;
    for (const QString& language : available) {
        if (language.compare(full, Qt::CaseInsensitive) == 0) {
            return language;
        }
    }
    for (const QString& language : available) {
        if (language.compare(name.language, Qt::CaseInsensitive) == 0) {
            return language;
        }
    }
    // Chinese without a region, or from one that writes simplified characters; Taiwan, Hong
    // Kong and Macau write traditional ones, which the simplified translation does not serve.
    const bool simplified = name.region.isEmpty() || name.region == QLatin1String("CN")
        || name.region == QLatin1String("SG");
    if (name.language == QLatin1String("zh") && simplified
        && available.contains(QLatin1String("zh_CN"))) {
        return QStringLiteral("zh_CN");
    }
    return std::nullopt;
}

} // namespace

QStringList translatedLanguages()
{
    // Matched by hand: a name filter would compile a regular expression at every start.
    QStringList languages;
    const QStringList files = QDir(translationFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.size() > filePrefix.size() + fileSuffix.size() && file.startsWith(filePrefix)
            && file.endsWith(fileSuffix)) {
            languages.append(
                file.mid(filePrefix.size(), file.size() - filePrefix.size() - fileSuffix.size()));
        }
    }
    return languages;
}

QString chooseLanguage(
    const std::function<QString(const char* name)>& variable, const QStringList& available)
{
    QString locale;
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        locale = variable(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    // No locale at all is the C locale, where LANGUAGE is ignored too.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX")) {
        return {};
    }
    QStringList entries = variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    entries.append(locale);
    for (const QString& entry : entries) {
        if (const auto language = servingLanguage(entry, available)) {
            return *language;
        }
    }
    return {};
}

QString languageOfEnvironment()
{
    return chooseLanguage(
        [](const char* name) { return qEnvironmentVariable(name); }, translatedLanguages());
}

bool servedLanguage(const QString& name, QString& language)
{
    const auto served = servingLanguage(name, translatedLanguages());
    if (served) {
        language = *served;
    }
    return served.has_value();
}

bool loadTranslation(QTranslator& translator, const QString& language)
{
    return translator.load(filePrefix + language + fileSuffix, translationFolder);
}

} // namespace pikora
