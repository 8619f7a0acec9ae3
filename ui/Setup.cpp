// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Setup.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace pikora::ui {

namespace {

void setCheck(QWidget* widget, int value)
{
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(value != 0);
    }
}

int checkOf(QWidget* widget)
{
    auto* box = qobject_cast<QCheckBox*>(widget);
    return box != nullptr && box->isChecked() ? 1 : 0;
}

} // namespace

setup::setup(GameContext& context, SetupFields& fields, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_context(context)
    , m_fields(fields)
{
    onButton(Ok, [this] { accept(); });
    onButton(Cancel, [this] { reject(); });
    onButton(SelectAll, [this] { setAllChecks(true); });
    onButton(ClearAll, [this] { setAllChecks(false); });
    OnInitDialog();
}

void setup::OnInitDialog()
{
    // Select All and Clear All carry the default-button style too, but Enter confirms with
    // OK unless the focus is on another push button: then Enter clicks that one, so that
    // Enter on Cancel cancels.
    for (int id : { Cancel, SelectAll, ClearAll }) {
        if (auto* button = m_built.controlAs<QPushButton>(id)) {
            button->setDefault(false);
            button->setAutoDefault(true);
        }
    }
    if (auto* ok = m_built.controlAs<QPushButton>(Ok)) {
        ok->setDefault(true);
    }
    m_pictures = new PictureListModel(this);
    if (auto* list = pictureList()) {
        list->setUniformItemSizes(true);
        if (list->isRightToLeft()) {
            // Columns that wrap do not mirror: the list lays out one column in the middle and
            // cannot scroll to the others. Rows that wrap do, so a right-to-left list fills
            // rows from the right and scrolls down.
            list->setFlow(QListView::LeftToRight);
        }
        list->setModel(m_pictures);
        m_pictures->setItemSize(QSize(listColumnWidth, list->fontMetrics().height() + 4));
    }
}

QListView* setup::pictureList() const
{
    return m_built.controlAs<QListView>(PictureList);
}

void setup::pushFields()
{
    const auto& fields = m_fields;
    setCheck(control(FourChoices), fields.fourChoices);
    setCheck(control(ShowSpelling), fields.showSpelling);
    setCheck(control(HideWrongButtons), fields.hideWrongButtons);
    setCheck(control(UseTimer), fields.useTimer);
    setCheck(control(UseWords), fields.useWords);
    if (auto* edit = m_built.controlAs<QLineEdit>(MaxTime)) {
        edit->setText(QString::fromStdString(fields.maxTimeText));
    }
    m_pictures->setPictures(fields.pictures);
}

void setup::pullFields()
{
    auto& fields = m_fields;
    fields.fourChoices = checkOf(control(FourChoices));
    fields.showSpelling = checkOf(control(ShowSpelling));
    fields.hideWrongButtons = checkOf(control(HideWrongButtons));
    fields.useTimer = checkOf(control(UseTimer));
    fields.useWords = checkOf(control(UseWords));
    if (auto* edit = m_built.controlAs<QLineEdit>(MaxTime)) {
        fields.maxTimeText = edit->text().toStdString();
    }
    // The labels stay as listed (exact bytes of the file names); only the checks come back.
    const auto count = std::min<std::size_t>(
        fields.pictures.size(), static_cast<std::size_t>(m_pictures->rowCount()));
    for (std::size_t i = 0; i < count; ++i) {
        fields.pictures[i].checked = m_pictures->isChecked(static_cast<int>(i));
    }
}

void setup::setAllChecks(bool checked)
{
    m_pictures->setAllChecked(checked);
}

void setup::accept()
{
    SetupOk(m_context, m_fields);
}

void setup::reject()
{
    SetupCancel(m_context.platform);
}

} // namespace pikora::ui
