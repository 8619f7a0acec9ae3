// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace pikora::ui {

namespace {

constexpr int scanButtons[]
    = { AccessWindow::NoScanning, AccessWindow::OneSwitch, AccessWindow::TwoSwitches };

} // namespace

AccessWindow::AccessWindow(
    GameContext& context, AccessFields& fields, std::function<void()> applied, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_context(context)
    , m_fields(fields)
    , m_applied(std::move(applied))
{
    onButton(Ok, [this] { accept(); });
    onButton(Cancel, [this] { reject(); });
}

void AccessWindow::pushFields()
{
    for (int mode = 0; mode < 3; ++mode) {
        if (auto* button = m_built.controlAs<QRadioButton>(scanButtons[mode])) {
            button->setChecked(m_fields.scanMode == mode);
        }
    }
    if (auto* edit = m_built.controlAs<QLineEdit>(StepTime)) {
        edit->setText(QString::fromStdString(m_fields.stepText));
    }
    if (auto* box = m_built.controlAs<QCheckBox>(FullScreen)) {
        box->setChecked(m_fields.fullScreen != 0);
    }
}

void AccessWindow::pullFields()
{
    m_fields.scanMode = 0;
    for (int mode = 0; mode < 3; ++mode) {
        auto* button = m_built.controlAs<QRadioButton>(scanButtons[mode]);
        if (button != nullptr && button->isChecked()) {
            m_fields.scanMode = mode;
        }
    }
    if (auto* edit = m_built.controlAs<QLineEdit>(StepTime)) {
        m_fields.stepText = edit->text().toStdString();
    }
    auto* box = m_built.controlAs<QCheckBox>(FullScreen);
    m_fields.fullScreen = box != nullptr && box->isChecked() ? 1 : 0;
}

void AccessWindow::accept()
{
    AccessOk(m_context, m_fields);
    if (m_applied) {
        m_applied();
    }
}

void AccessWindow::reject()
{
    AccessCancel(m_context.platform);
}

} // namespace pikora::ui
