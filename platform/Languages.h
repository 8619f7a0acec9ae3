// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks: English is the language of the texts themselves, and
// res/translations/pikora_LANG.ts holds each other language, built into the program as
// ":/i18n/pikora_LANG.qm". Qt Core only, for the windows and the tools alike.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QTranslator;

namespace pikora {

// The languages there are translations for, as their files are named ("de", ..., "zh_CN").
QStringList translatedLanguages();

// The language to show, as gettext chooses one: the colon list LANGUAGE first, then the
// locale of messages (LC_ALL, else LC_MESSAGES, else LANG); a locale of "C" or "POSIX", or
// none at all, asks for the untranslated texts and turns LANGUAGE off. The first entry that names
// English or one of `available` decides ("de_AT.UTF-8" is served by "de", "zh" and "zh_SG" by
// "zh_CN"); empty for English, also when nothing matches.
QString chooseLanguage(
    const std::function<QString(const char* name)>& variable, const QStringList& available);
// chooseLanguage() over the process's environment and translatedLanguages().
QString languageOfEnvironment();
// Which of the translated languages serves a locale or language name ("de_AT", "pt-BR");
// empty for English; false when none does.
bool servedLanguage(const QString& name, QString& language);

// Loads the program's own translation of `language`; false when there is none.
bool loadTranslation(QTranslator& translator, const QString& language);

} // namespace pikora
