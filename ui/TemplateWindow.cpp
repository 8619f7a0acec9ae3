// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplateWindow.h"

#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace pikora::ui {

void setPlainTextInLayoutDirection(QPlainTextEdit& box, const QString& text)
{
    box.setPlainText(text);
    QTextCursor all(box.document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLayoutDirection(box.layoutDirection());
    all.mergeBlockFormat(format);
    box.document()->setModified(false);
}

namespace {

constexpr int iconId = 128;
// The sizes a window icon is drawn at; the window system is given every one, so each is
// decoded at start-up.
constexpr int iconSizes[] = { 16, 32, 48 };

// Gives the picture and icon controls of a built window their images.
void setTemplateImages(const DialogTemplate& dialog, const BuiltDialog& built)
{
    for (std::size_t i = 0; i < dialog.controls.size() && i < built.inOrder.size(); ++i) {
        const auto& control = dialog.controls[i];
        auto* label = qobject_cast<QLabel*>(built.inOrder[i]);
        if (label == nullptr || control.imageId == 0) {
            continue;
        }
        if (control.kind == ControlKind::Icon) {
            label->setPixmap(
                resourceImage(control.imageId, std::min(label->width(), label->height())));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        } else if (control.kind == ControlKind::Picture) {
            // A picture control takes its bitmap's own size: the bitmap is drawn unscaled.
            const QPixmap picture = resourceImage(control.imageId);
            label->setPixmap(picture);
            if (!picture.isNull()) {
                label->resize(picture.size());
            }
        }
    }
}

} // namespace

QPixmap ownImage(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QPixmap resourceImage(int id, int size)
{
    if (id == iconId) {
        return programIcon().pixmap(size > 0 ? size : 32);
    }
    return ownImage(QStringLiteral(":/res/images/bitmap%1.bmp").arg(id), "bmp");
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : iconSizes) {
        icon.addPixmap(
            ownImage(QStringLiteral(":/res/images/icons/pikora-%1.png").arg(size), "png"));
    }
    return icon;
}

TemplateWindow::TemplateWindow(int templateId, QWidget* owner)
    : QDialog(owner)
{
    setModal(false);
    const auto dialog = loadDialogTemplate(templateId).value_or(DialogTemplate {});
    m_built = buildDialog(dialog, this);
    setTemplateImages(dialog, m_built);
}

void TemplateWindow::showControl(int id, bool visible)
{
    if (auto* widget = control(id)) {
        widget->setVisible(visible);
    }
}

void TemplateWindow::setFocus(int id)
{
    if (auto* widget = control(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void TemplateWindow::showWindow(bool visible)
{
    setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
    }
}

void TemplateWindow::onButton(int id, std::function<void()> handler)
{
    if (auto* button = m_built.controlAs<QPushButton>(id)) {
        connect(button, &QPushButton::clicked, this, std::move(handler));
    }
}

} // namespace pikora::ui
