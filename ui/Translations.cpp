// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pikora::ui {

namespace {

const QString translationFolder = QStringLiteral(":/i18n");
const QString filePrefix = QStringLiteral("pikora_");
const QString fileSuffix = QStringLiteral(".qm");

// Qt lays an application out right to left when its translation of this text is "RTL".
constexpr const char* directionContext = "QGuiApplication";
//: LTR, or RTL for a language written from right to left: the windows are then mirrored.
constexpr const char* directionKey = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

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

Translation::Translation(const QString& language)
{
    if (language.isEmpty()) {
        return;
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(filePrefix + language + fileSuffix, translationFolder)) {
        return;
    }
    QCoreApplication::installTranslator(own.get());
    if (own->translate(directionContext, directionKey) == QLatin1String("RTL")) {
        m_direction = Qt::RightToLeft;
    }
    m_own = std::move(own);
    // The toolkit's texts of its own dialogs and menus, from qt6-translations-l10n.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        m_toolkit = std::move(toolkit);
    }
    QGuiApplication::setLayoutDirection(m_direction);
    // Dates and numbers (the Progress window's axes, its counts) in the same language as the
    // words, whatever LANG says.
    m_previousLocale = std::make_unique<QLocale>();
    QLocale::setDefault(QLocale(language));
}

Translation::~Translation()
{
    if (m_previousLocale) {
        QLocale::setDefault(*m_previousLocale);
    }
    if (m_toolkit) {
        QCoreApplication::removeTranslator(m_toolkit.get());
    }
    if (m_own) {
        QCoreApplication::removeTranslator(m_own.get());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
}

QString templateText(const QString& resource, const QString& text, const QString& disambiguation)
{
    if (text.isEmpty()) {
        return text;
    }
    const QByteArray context = resource.toUtf8();
    const QByteArray source = text.toUtf8();
    const QByteArray comment = disambiguation.toUtf8();
    return QCoreApplication::translate(context.constData(), source.constData(),
        disambiguation.isEmpty() ? nullptr : comment.constData());
}

QString dialogResource(int id)
{
    return QStringLiteral("dialog-%1").arg(id);
}

QString menuResource(int id)
{
    return QStringLiteral("menu-%1").arg(id);
}

} // namespace pikora::ui
