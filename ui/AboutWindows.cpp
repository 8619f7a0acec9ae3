// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindows.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pikora::ui {

namespace {

constexpr int iconId = 128;
constexpr int iconSizes[] = { 16, 32, 48, 64, 128, 256 };

QString textOf(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QPixmap resourceImage(int id, int size)
{
    if (id == iconId) {
        return programIcon().pixmap(size > 0 ? size : 32);
    }
    return QPixmap(QStringLiteral(":/res/images/bitmap%1.bmp").arg(id));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : iconSizes) {
        icon.addFile(QStringLiteral(":/res/images/icons/pikora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

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
            // A picture control takes its bitmap's own size, as the bitmap is drawn unscaled.
            const QPixmap picture = resourceImage(control.imageId);
            label->setPixmap(picture);
            if (!picture.isNull()) {
                label->resize(picture.size());
            }
        }
    }
}

MyAbout::MyAbout(std::string& notice, QWidget* owner)
    : QDialog(owner)
    , m_notice(notice)
{
    setModal(false);
    const auto dialog = loadDialogTemplate(templateId).value_or(DialogTemplate {});
    m_built = buildDialog(dialog, this);
    setTemplateImages(dialog, m_built);
    if (auto* ok = m_built.controlAs<QPushButton>(1)) {
        connect(ok, &QPushButton::clicked, this, &MyAbout::accept);
    }
}

QPlainTextEdit* MyAbout::noticeBox() const
{
    return m_built.controlAs<QPlainTextEdit>(noticeControl);
}

void MyAbout::setFocus(int control)
{
    if (auto* widget = m_built.control(control)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void MyAbout::showWindow(bool visible)
{
    setVisible(visible);
    if (visible) {
        raise();
        activateWindow();
    }
}

void MyAbout::pushFields()
{
    if (auto* box = noticeBox()) {
        box->setPlainText(textOf(m_notice));
    }
}

void MyAbout::pullFields()
{
    if (auto* box = noticeBox()) {
        m_notice = box->toPlainText()
                       .replace(QStringLiteral("\n"), QStringLiteral("\r\n"))
                       .toStdString();
    }
}

void MyAbout::accept()
{
    pullFields();
    QDialog::accept();
}

CAboutDlg::CAboutDlg(QWidget* owner)
    : QDialog(owner)
{
    setModal(true);
    const auto dialog = loadDialogTemplate(templateId).value_or(DialogTemplate {});
    m_built = buildDialog(dialog, this);
    setTemplateImages(dialog, m_built);
    if (auto* ok = m_built.controlAs<QPushButton>(1)) {
        connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
    }
}

} // namespace pikora::ui
