// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStyle.h"

#include "TemplateWindow.h"

#include <QGuiApplication>
#include <QWidget>

namespace pikora::ui {

namespace {

// The files of one icon in the toolkit's resources, one per size; null when one is missing.
QIcon iconOfFiles(const QString& stem, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes) {
        const QPixmap pixmap
            = ownImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                           .arg(stem)
                           .arg(size),
                "png");
        if (pixmap.isNull()) {
            return {};
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ProgramStyle::standardIcon(
    StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    QIcon icon;
    if (which == SP_ToolBarHorizontalExtensionButton) {
        const bool rightToLeft
            = widget != nullptr ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
        icon = iconOfFiles(
            rightToLeft ? QStringLiteral("toolbar-ext-h-rtl") : QStringLiteral("toolbar-ext-h"),
            { 8, 16, 32 });
    } else if (which == SP_ToolBarVerticalExtensionButton) {
        icon = iconOfFiles(QStringLiteral("toolbar-ext-v"), { 5, 10, 20 });
    }
    return icon.isNull() ? QProxyStyle::standardIcon(which, option, widget) : icon;
}

} // namespace pikora::ui
