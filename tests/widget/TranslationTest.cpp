// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The windows in every language: every text translated, every text fitting its control,
// working menu keys, and Arabic laid out right to left.
#include "ui/DialogTemplate.h"
#include "ui/ProgressWindow.h"
#include "ui/Report.h"
#include "ui/Translations.h"

#include <set>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <gtest/gtest.h>

namespace pikora::ui {
namespace {

const QStringList expectedLanguages
    = { "ar", "de", "es", "fr", "it", "nl", "pl", "pt", "ru", "tr", "uk", "zh_CN" };

// The resources whose names match `pattern`, by their number: "dialog-*.json" gives 100, ...
std::vector<int> resourceIds(const QString& pattern)
{
    std::vector<int> ids;
    for (const QString& name : QDir(QStringLiteral(":/res")).entryList({ pattern })) {
        ids.push_back(name.section(u'-', 1).section(u'.', 0, 0).toInt());
    }
    return ids;
}

// English first, then every translation.
QStringList allLanguages()
{
    return QStringList { QString() } + translatedLanguages();
}

QString withoutMnemonic(QString text)
{
    static const QString marker = QStringLiteral("\x01");
    return text.replace(QStringLiteral("&&"), marker)
        .remove(u'&')
        .replace(marker, QStringLiteral("&"));
}

// The letter after a single "&", lower case; empty when there is none.
QString mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text.mid(i + 1, 1).toLower();
            }
            ++i;
        }
    }
    return {};
}

struct Fit
{
    int needed = 0; // pixels
    int available = 0;
    const char* dimension = "wide";
};

QStyleOptionButton buttonOption(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.rect = button->rect();
    return option;
}

// What the control's text needs and what the style leaves it, measured as the style draws
// it; nothing for a control without text of its own.
std::optional<Fit> fitOf(QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        const QStyleOptionButton option = buttonOption(box);
        return Fit { metrics.horizontalAdvance(withoutMnemonic(box->text())),
            box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width() };
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        const QStyleOptionButton option = buttonOption(radio);
        return Fit {
            metrics.horizontalAdvance(withoutMnemonic(radio->text())),
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width()
        };
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const QStyleOptionButton option = buttonOption(button);
        return Fit {
            metrics.horizontalAdvance(withoutMnemonic(button->text())),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width()
        };
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label == nullptr || label->text().isEmpty()) {
        return std::nullopt;
    }
    const QRect room = label->contentsRect();
    const QString text
        = label->textFormat() == Qt::PlainText ? label->text() : withoutMnemonic(label->text());
    // A label with room for one line must hold its text on that line; a taller one breaks
    // it into lines, which must fit its height.
    if (room.height() < 2 * metrics.height()) {
        return Fit { metrics.horizontalAdvance(text), room.width() };
    }
    const QRect used = metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text);
    return Fit { used.height(), room.height(), "high" };
}

TEST(Translations, EveryLanguageIsBuiltIn)
{
    EXPECT_EQ(translatedLanguages(), expectedLanguages);
}

// What a window shows is its template's texts; each must be translated in every language
// (scripts/update-translations adds a new window's texts to the translation files).
TEST(Translations, EveryTemplateTextIsTranslated)
{
    for (const QString& language : translatedLanguages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/pikora_%1.qm").arg(language)));
        const auto expectTranslated = [&](const QString& resource, const QString& text,
                                          const QString& disambiguation = {}) {
            static const QStringList untranslated { "", "Pikora", "Button3", "Static" };
            if (untranslated.contains(text)) {
                return;
            }
            const QByteArray comment = disambiguation.toUtf8();
            EXPECT_FALSE(translator
                             .translate(resource.toUtf8(), text.toUtf8(),
                                 disambiguation.isEmpty() ? nullptr : comment.constData())
                             .isEmpty())
                << language.toStdString() << " " << resource.toStdString() << ": "
                << text.toStdString();
        };
        for (int id : resourceIds(QStringLiteral("dialog-*.json"))) {
            const auto dialog = loadDialogTemplate(id);
            ASSERT_TRUE(dialog);
            expectTranslated(dialogResource(id), dialog->caption);
            for (const ControlTemplate& control : dialog->controls) {
                expectTranslated(dialogResource(id), control.text);
            }
        }
        for (int id : resourceIds(QStringLiteral("menu-*.json"))) {
            for (const MenuPopupTemplate& popup : loadMenu(id).value_or(MenuTemplate {}).popups) {
                expectTranslated(menuResource(id), popup.text, QStringLiteral("menu"));
                for (const MenuItemTemplate& item : popup.items) {
                    expectTranslated(menuResource(id), item.text, popup.text);
                }
            }
        }
        expectTranslated(stringsResource, loadString(101));
    }
}

TEST(Translations, TheBuilderShowsTheLanguageOfTheTranslationInstalled)
{
    const std::pair<const char*, const char*> rows[] = { { "", "Setup" }, { "de", "Einstellungen" },
        { "fr", "Réglages" }, { "ar", "الإعدادات" }, { "zh_CN", "设置" }, { "sv", "Setup" } };
    for (const auto& [language, title] : rows) {
        const Translation translation { QString::fromLatin1(language) };
        QDialog window;
        const BuiltDialog built = buildDialog(*loadDialogTemplate(132), &window);
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(title)) << language;
        EXPECT_EQ(built.controlAs<QCheckBox>(1018)->text().isEmpty(), false) << language;
    }
}

TEST(Translations, TheFitCheckMeasuresAsTheStyleDraws)
{
    const Translation german(QStringLiteral("de"));
    QDialog window;
    const BuiltDialog built = buildDialog(*loadDialogTemplate(132), &window);
    auto* box = built.controlAs<QCheckBox>(1021);
    auto* button = built.controlAs<QPushButton>(2);
    auto* label = qobject_cast<QLabel*>(built.inOrder[10]);
    ASSERT_TRUE(box && button && label);
    for (QWidget* widget : std::initializer_list<QWidget*> { box, button, label }) {
        const auto fit = fitOf(widget);
        ASSERT_TRUE(fit);
        EXPECT_LE(fit->needed, fit->available) << widget->objectName().toStdString();
    }
    QDialog access;
    const BuiltDialog accessBuilt = buildDialog(*loadDialogTemplate(140), &access);
    auto* radio = accessBuilt.controlAs<QRadioButton>(1041);
    ASSERT_TRUE(radio);
    ASSERT_TRUE(fitOf(radio));
    EXPECT_LE(fitOf(radio)->needed, fitOf(radio)->available);
    radio->setText(radio->text() + radio->text());
    EXPECT_GT(fitOf(radio)->needed, fitOf(radio)->available);
    box->setText(QStringLiteral("Falsche Antworten ausblenden"));
    button->setText(QStringLiteral("Abbrechen und schließen"));
    label->setText(QStringLiteral("Längste Spielzeit:")); // two lines where there is room for one
    for (QWidget* widget : std::initializer_list<QWidget*> { box, button, label }) {
        const auto fit = fitOf(widget);
        EXPECT_GT(fit->needed, fit->available) << widget->objectName().toStdString();
    }
}

// A text wider than its control would be cut off: each language's texts must fit the
// rectangles of the templates. Each window is saved as a picture in the build tree
// (screenshots/languages/) for people to look at.
TEST(Translations, EveryTextFitsItsControlInEveryLanguage)
{
    const QDir pictures(QStringLiteral(PIKORA_SCREENSHOT_DIR "/languages"));
    ASSERT_TRUE(pictures.mkpath(QStringLiteral(".")));
    QStringList overflows;
    for (const QString& language : allLanguages()) {
        const Translation translation(language);
        for (int id : resourceIds(QStringLiteral("dialog-*.json"))) {
            const DialogTemplate dialog = *loadDialogTemplate(id);
            QDialog window;
            const BuiltDialog built = buildDialog(dialog, &window);
            window.grab().save(
                pictures.filePath(QStringLiteral("%1-%2.png")
                                      .arg(language.isEmpty() ? QStringLiteral("en") : language,
                                          dialogResource(id))));
            for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
                const auto fit = fitOf(built.inOrder[i]);
                if (!(dialog.controls[i].style & ControlStyle::Visible) || !fit
                    || fit->needed <= fit->available) {
                    continue;
                }
                overflows << QStringLiteral("%1 %2 \"%3\": %4 pixels %5, room for %6")
                                 .arg(language.isEmpty() ? QStringLiteral("en") : language,
                                     dialogResource(id), dialog.controls[i].text)
                                 .arg(fit->needed)
                                 .arg(QLatin1String(fit->dimension))
                                 .arg(fit->available);
            }
        }
    }
    EXPECT_TRUE(overflows.isEmpty()) << overflows.join(u'\n').toStdString();
}

// The Progress window's own texts: each period of its list within the box, and the status
// lines within their two lines, with the numbers they report.
TEST(Translations, ProgressTextsFitAndKeepTheirNumbersInEveryLanguage)
{
    const auto progressText = [](const char* text) {
        return QCoreApplication::translate("pikora::ui::ProgressWindow", text);
    };
    QStringList faults;
    for (const QString& language : allLanguages()) {
        const Translation translation(language);
        const QString name = language.isEmpty() ? QStringLiteral("en") : language;
        ProgressWindow window(HistoryLocation {}, "Mia", nullptr);
        window.refresh(); // no history is kept: the status says so
        for (QComboBox* box : { window.periodBox(), window.roundsBox() }) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const int room = box->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                     QStyle::SC_ComboBoxEditField, box)
                                 .width();
            for (int i = 0; i < box->count(); ++i) {
                const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i));
                if (needed > room) {
                    faults << QStringLiteral("%1 choice \"%2\": %3 pixels, room for %4")
                                  .arg(name, box->itemText(i))
                                  .arg(needed)
                                  .arg(room);
                }
            }
        }
        const QString noHistory = window.statusText()->text();
        const QString counts
            = progressText("%1% right at the first try in %2 rounds; %3 of %4 words learnt")
                  .arg(67)
                  .arg(12345)
                  .arg(3)
                  .arg(4);
        const QString share = progressText("%1%").arg(67) + progressText("%1 s").arg(12345);
        const QString unreadable = progressText("The history cannot be read: %1").arg("E-42");
        for (const QString& numbers : { counts, share }) {
            if (!numbers.contains(QLatin1String("12345")) || !numbers.contains(QLatin1String("67"))
                || numbers.contains(u'%' + QString::number(2))) {
                faults << name + QStringLiteral(": the numbers are lost in \"%1\"").arg(numbers);
            }
        }
        if (!unreadable.contains(QLatin1String("E-42"))) {
            faults << name + QStringLiteral(": the reason is lost in \"%1\"").arg(unreadable);
        }
        for (const QString& status :
            { noHistory, progressText("No choices recorded in this period."), counts }) {
            window.statusText()->setText(status);
            const auto fit = fitOf(window.statusText());
            if (!fit || fit->needed > fit->available) {
                faults << QStringLiteral("%1 status \"%2\" does not fit").arg(name, status);
            }
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

// Alt and a letter moves to a window's control: a letter marked twice in one window would
// reach only the first, and a letter dropped in translation reaches none.
TEST(Translations, WindowKeysAreKeptAndUniqueInEveryWindow)
{
    for (const QString& language : allLanguages()) {
        const Translation translation(language);
        for (int id : resourceIds(QStringLiteral("dialog-*.json"))) {
            const DialogTemplate dialog = *loadDialogTemplate(id);
            std::set<QString> letters;
            for (const ControlTemplate& control : dialog.controls) {
                if (control.text.isEmpty() || control.style & ControlStyle::NoPrefix) {
                    continue;
                }
                const QString shown = templateText(dialogResource(id), control.text);
                const QString letter = mnemonicOf(shown);
                EXPECT_EQ(letter.isEmpty(), mnemonicOf(control.text).isEmpty())
                    << language.toStdString() << ": " << shown.toStdString();
                EXPECT_TRUE(letter.isEmpty() || letters.insert(letter).second)
                    << language.toStdString() << ": " << shown.toStdString();
            }
        }
    }
}

// The report's columns line up when each title but the last ends before the next tab stop.
TEST(Translations, ReportColumnTitlesKeepTheColumnsInLine)
{
    const DialogTemplate report = *loadDialogTemplate(Report::templateId);
    const QFont font = dialogFont(report);
    const int tabStop = mulDiv(32, measureBaseUnits(font).x, 4);
    for (const QString& language : allLanguages()) {
        const Translation translation(language);
        QStringList titles = Report::shownTableHeading().trimmed().split(QStringLiteral("\t\t"));
        ASSERT_EQ(titles.size(), 4) << language.toStdString();
        titles.removeLast();
        for (const QString& title : titles) {
            EXPECT_LT(QFontMetrics(font).horizontalAdvance(title), tabStop)
                << language.toStdString() << ": " << title.toStdString();
        }
    }
}

// Alt and a letter opens a menu or chooses an item: a letter marked twice in one menu would
// reach only the first.
TEST(Translations, MenuKeysAreKeptAndUniqueInEveryMenu)
{
    const MenuTemplate menu = *loadMenu(129);
    for (const QString& language : allLanguages()) {
        const Translation translation(language);
        QWidget owner;
        QMenuBar* bar = buildMenuBar(menu, &owner, nullptr);
        std::vector<std::pair<QStringList, QStringList>> menus; // sources, shown texts
        menus.emplace_back();
        for (std::size_t p = 0; p < menu.popups.size(); ++p) {
            QAction* title = bar->actions()[static_cast<int>(p)];
            menus.front().first << menu.popups[p].text;
            menus.front().second << title->text();
            QStringList items;
            for (QAction* item : title->menu()->actions()) {
                items << item->text();
            }
            QStringList sources;
            for (const MenuItemTemplate& item : menu.popups[p].items) {
                sources << item.text;
            }
            menus.emplace_back(sources, items);
        }
        // The main window's own menu.
        const QString about = loadString(101);
        menus.emplace_back(QStringList { "&Close", about },
            QStringList { QCoreApplication::translate("pikora::ui::CPikoraDlg", "&Close"),
                templateText(stringsResource, about) });
        for (const auto& [sources, shown] : menus) {
            ASSERT_EQ(sources.size(), shown.size());
            std::set<QString> letters;
            for (qsizetype i = 0; i < shown.size(); ++i) {
                const QString letter = mnemonicOf(shown[i]);
                EXPECT_EQ(letter.isEmpty(), mnemonicOf(sources[i]).isEmpty())
                    << language.toStdString() << ": " << shown[i].toStdString();
                EXPECT_TRUE(letter.isEmpty() || letters.insert(letter).second)
                    << language.toStdString() << ": " << shown[i].toStdString();
            }
        }
    }
}

TEST(Translations, ArabicMirrorsTheWindows)
{
    const DialogTemplate dialog = *loadDialogTemplate(132);
    QDialog leftToRight;
    const BuiltDialog english = buildDialog(dialog, &leftToRight);
    const Translation arabic(QStringLiteral("ar"));
    ASSERT_EQ(arabic.direction(), Qt::RightToLeft);
    QDialog rightToLeft;
    const BuiltDialog mirrored = buildDialog(dialog, &rightToLeft);
    EXPECT_EQ(rightToLeft.layoutDirection(), Qt::RightToLeft);
    const int width = leftToRight.width();
    ASSERT_EQ(rightToLeft.width(), width);
    for (std::size_t i = 0; i < english.inOrder.size(); ++i) {
        const QRect ltr = english.inOrder[i]->geometry();
        const QRect rtl = mirrored.inOrder[i]->geometry();
        EXPECT_EQ(rtl, QRect(width - ltr.x() - ltr.width(), ltr.y(), ltr.width(), ltr.height()))
            << dialog.controls[i].text.toStdString();
    }
    EXPECT_EQ(Translation(QStringLiteral("de")).direction(), Qt::LeftToRight);
}

} // namespace
} // namespace pikora::ui
