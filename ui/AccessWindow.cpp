// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessWindow.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
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
    // The times are in seconds with one decimal, within their bounds, and greyed out while
    // nothing scans.
    const auto setUp = [this](int id, double low, double high) {
        if (auto* box = m_built.controlAs<QDoubleSpinBox>(id)) {
            box->setRange(low, high);
        }
    };
    setUp(StepTime, scanMsMin / 1000.0, scanMsMax / 1000.0);
    setUp(AcceptDelay, 0, acceptMsMax / 1000.0);
    if (auto* off = m_built.controlAs<QRadioButton>(NoScanning)) {
        connect(off, &QRadioButton::toggled, this, [this](bool noScanning) {
            for (int id : { StepTime, AcceptDelay }) {
                if (QWidget* box = control(id)) {
                    box->setEnabled(!noScanning);
                }
            }
        });
    }
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
    if (auto* box = m_built.controlAs<QDoubleSpinBox>(StepTime)) {
        box->setValue(m_fields.stepSeconds);
        box->setEnabled(m_fields.scanMode != 0);
    }
    if (auto* box = m_built.controlAs<QDoubleSpinBox>(AcceptDelay)) {
        box->setValue(m_fields.acceptSeconds);
        box->setEnabled(m_fields.scanMode != 0);
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
    if (auto* box = m_built.controlAs<QDoubleSpinBox>(StepTime)) {
        box->interpretText(); // a value typed and not yet taken
        m_fields.stepSeconds = box->value();
    }
    if (auto* box = m_built.controlAs<QDoubleSpinBox>(AcceptDelay)) {
        box->interpretText();
        m_fields.acceptSeconds = box->value();
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
