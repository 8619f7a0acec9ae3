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

// Qt lays an application out right to left when its translation of this text is "RTL".
constexpr const char* directionContext = "QGuiApplication";
//: LTR, or RTL for a language written from right to left: the windows are then mirrored.
constexpr const char* directionKey = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

Translation::Translation(const QString& language)
{
    if (language.isEmpty()) {
        return;
    }
    auto own = std::make_unique<QTranslator>();
    if (!loadTranslation(*own, language)) {
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
