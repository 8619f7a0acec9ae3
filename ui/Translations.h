// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Languages.h"

#include <memory>

#include <QString>
#include <QStringList>
#include <Qt>

class QLocale;
class QTranslator;

namespace pikora::ui {

// The windows speak the learner's language through Qt's translations: English is the
// language of the texts themselves (in the code and the templates in res/), and
// res/translations/pikora_LANG.ts holds each other language, built into the program.

using pikora::chooseLanguage;
using pikora::languageOfEnvironment;
using pikora::translatedLanguages;

// The translations of one language installed for the whole program while this lives: the
// program's own texts, the toolkit's (message box buttons, edit menus) where the system has
// them, and the direction of writing (Arabic lays the windows out right to left). An empty
// or unknown language leaves everything English.
class Translation
{
public:
    explicit Translation(const QString& language);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    bool isLoaded() const { return m_own != nullptr; }
    Qt::LayoutDirection direction() const { return m_direction; }

private:
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_toolkit;
    std::unique_ptr<QLocale> m_previousLocale; // the default before this language's
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
};

// A text of a window template, menu or the string table in the installed language. The
// translations hold it under the name of its resource ("dialog-132", "menu-129", "strings"),
// a menu's texts with a disambiguation ("menu" for a title, the menu's English title for an
// item); scripts/update-translations gathers them. Untranslated texts stay as they are.
QString templateText(
    const QString& resource, const QString& text, const QString& disambiguation = {});
QString dialogResource(int id);
QString menuResource(int id);
inline const QString stringsResource = QStringLiteral("strings");

} // namespace pikora::ui
