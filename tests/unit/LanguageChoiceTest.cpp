// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Which translation the environment asks for.
#include "ui/Translations.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

namespace pikora::ui {
namespace {

const QStringList available
    = { "ar", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "tr", "uk", "zh_CN" };

struct ChoiceCase
{
    const char* what;
    std::map<std::string, std::string> environment;
    const char* chosen; // empty: English
};

QString chosenFor(const std::map<std::string, std::string>& environment)
{
    return chooseLanguage(
        [&](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? QString() : QString::fromStdString(found->second);
        },
        available);
}

TEST(LanguageChoice, FollowsTheVariablesInGettextOrder)
{
    const ChoiceCase rows[] = {
        { "nothing set", {}, "" },
        { "LANG", { { "LANG", "de_DE.UTF-8" } }, "de" },
        { "LC_MESSAGES over LANG", { { "LC_MESSAGES", "ru_RU.UTF-8" }, { "LANG", "de_DE" } },
            "ru" },
        { "LC_ALL over LC_MESSAGES",
            { { "LC_ALL", "fr_FR.UTF-8" }, { "LC_MESSAGES", "ru_RU" }, { "LANG", "de_DE" } },
            "fr" },
        { "LANGUAGE first", { { "LANGUAGE", "de" }, { "LANG", "fr_FR.UTF-8" } }, "de" },
        { "LANGUAGE beside the C.UTF-8 locale", { { "LANGUAGE", "de" }, { "LANG", "C.UTF-8" } },
            "de" },
        { "LANGUAGE without a locale, as under C", { { "LANGUAGE", "uk" } }, "" },
        { "a list: the first language there is",
            { { "LANGUAGE", "sv:nb:tr:de" }, { "LANG", "fr_FR.UTF-8" } }, "tr" },
        { "a list naming English first", { { "LANGUAGE", "en_GB:de" }, { "LANG", "fr_FR.UTF-8" } },
            "" },
        { "an empty LANGUAGE", { { "LANGUAGE", "" }, { "LANG", "pl_PL.UTF-8" } }, "pl" },
        { "the locale after an unmatched list", { { "LANGUAGE", "sv" }, { "LANG", "it_IT" } },
            "it" },
        { "LC_ALL=C turns LANGUAGE off", { { "LANGUAGE", "de" }, { "LC_ALL", "C" } }, "" },
        { "LANG=POSIX turns LANGUAGE off", { { "LANGUAGE", "de" }, { "LANG", "POSIX" } }, "" },
        { "LANG=C", { { "LANG", "C" } }, "" },
        { "a language without translation", { { "LANG", "sv_SE.UTF-8" } }, "" },
        { "region, codeset and modifier", { { "LANG", "de_AT.ISO-8859-15@euro" } }, "de" },
        { "Brazilian Portuguese", { { "LANG", "pt_BR.UTF-8" } }, "pt" },
        { "a dash for the underscore", { { "LANGUAGE", "nl-BE" }, { "LANG", "fr_FR.UTF-8" } },
            "nl" },
        { "Chinese of China", { { "LANG", "zh_CN.UTF-8" } }, "zh_CN" },
        { "Chinese without a region", { { "LANGUAGE", "zh" }, { "LANG", "fr_FR.UTF-8" } },
            "zh_CN" },
        { "Chinese of Singapore", { { "LANG", "zh_SG.UTF-8" } }, "zh_CN" },
        { "Chinese of Taiwan is written otherwise", { { "LANG", "zh_TW.UTF-8" } }, "" },
        { "Chinese of Hong Kong after Arabic",
            { { "LANGUAGE", "zh_HK:ar" }, { "LANG", "fr_FR.UTF-8" } }, "ar" },
    };
    for (const ChoiceCase& row : rows) {
        EXPECT_EQ(chosenFor(row.environment), QString::fromUtf8(row.chosen)) << row.what;
    }
}

} // namespace
} // namespace pikora::ui
