// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "LearnersWindow.h"

#include "platform/LearnerList.h"
#include "ui/LearnerPicker.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace pikora::ui {

namespace {

constexpr int iconSize = 24;

} // namespace

LearnersWindow::LearnersWindow(HistoryLocation location, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_location(std::move(location))
{
    m_name = m_built.controlAs<QLineEdit>(Name);
    m_emoji = m_built.controlAs<QLineEdit>(Emoji);
    m_status = m_built.controlAs<QLabel>(Status);
    if (!m_name || !m_emoji || !m_status || !control(List) || !control(Preview)) {
        return; // a broken template: the window stays empty
    }
    m_status->setWordWrap(true);
    m_name->setMaxLength(learnerNameMax);
    m_emoji->setMaxLength(16);
    m_list = fillPanel(control(List), new QListWidget);
    m_list->setIconSize(QSize(iconSize, iconSize));
    m_preview = fillPanel(control(Preview), new QLabel);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { showPicked(); });
    connect(m_emoji, &QLineEdit::textEdited, this, [this] {
        m_image.clear(); // an emoji typed takes the place of an image
        showPreview();
    });
    onButton(Add, [this] { addLearner(); });
    onButton(Change, [this] { changeLearner(); });
    onButton(Remove, [this] { removeLearner(); });
    onButton(Image, [this] {
        const QString file = QFileDialog::getOpenFileName(this, tr("A picture for the learner"),
            QString(), tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
        if (file.isEmpty()) {
            return;
        }
        std::string picture = pictureFromFile(file.toStdString());
        if (picture.empty()) {
            m_status->setText(tr("%1 is not a picture the game can read.").arg(file));
            return;
        }
        setImage(std::move(picture));
    });
    onButton(Close, [this] { reject(); });
}

void LearnersWindow::refresh()
{
    if (!m_list) {
        return;
    }
    std::string error;
    m_learners = readLearnerList(m_location, error);
    m_list->clear();
    for (const ListedLearner& learner : m_learners) {
        auto* item = new QListWidgetItem(QString::fromStdString(learner.name), m_list);
        const QPixmap picture = learnerPicture(learner.picture, iconSize);
        if (!picture.isNull()) {
            item->setIcon(picture);
        }
    }
    if (!error.empty()) {
        showError(error);
    } else {
        m_status->clear();
    }
}

void LearnersWindow::setImage(std::string picture)
{
    m_image = std::move(picture);
    m_emoji->clear();
    showPreview();
}

ListedLearner LearnersWindow::typed()
{
    ListedLearner learner { m_name->text().simplified().toStdString(),
        m_image.empty() ? m_emoji->text().trimmed().toStdString() : m_image };
    if (learner.name.empty()) {
        m_status->setText(tr("Type the learner's name first."));
    }
    return learner;
}

void LearnersWindow::showError(const std::string& error)
{
    m_status->setText(tr("The list cannot be changed: %1").arg(QString::fromStdString(error)));
}

void LearnersWindow::select(const std::string& name)
{
    const auto items = m_list->findItems(QString::fromStdString(name), Qt::MatchExactly);
    if (!items.isEmpty()) {
        m_list->setCurrentItem(items.front());
    }
}

void LearnersWindow::addLearner()
{
    const ListedLearner learner = typed();
    if (learner.name.empty()) {
        return;
    }
    std::string error;
    const ListChange result = pikora::addLearner(m_location, learner, error);
    if (result == ListChange::Failed) {
        showError(error);
        return;
    }
    refresh();
    select(learner.name);
    if (result == ListChange::NameTaken) {
        m_status->setText(
            tr("%1 is on the list already.").arg(QString::fromStdString(learner.name)));
    }
}

void LearnersWindow::changeLearner()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_learners.size())) {
        m_status->setText(tr("Pick the learner to change in the list first."));
        return;
    }
    const ListedLearner learner = typed();
    if (learner.name.empty()) {
        return;
    }
    const std::string old = m_learners[static_cast<std::size_t>(row)].name;
    std::string error;
    const ListChange result = pikora::changeLearner(m_location, old, learner, error);
    if (result == ListChange::Failed) {
        showError(error);
        return;
    }
    refresh();
    if (result == ListChange::NameTaken) {
        select(old);
        m_status->setText(
            tr("There is already a learner called %1.").arg(QString::fromStdString(learner.name)));
        return;
    }
    select(learner.name);
}

void LearnersWindow::removeLearner()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_learners.size())) {
        m_status->setText(tr("Pick the learner to remove in the list first."));
        return;
    }
    const std::string name = m_learners[static_cast<std::size_t>(row)].name;
    std::string error;
    if (pikora::removeLearner(m_location, name, error) == ListChange::Failed) {
        showError(error);
        return;
    }
    refresh();
    m_status->setText(tr("%1 is off the list; what was recorded for them stays.")
                          .arg(QString::fromStdString(name)));
}

void LearnersWindow::showPicked()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_learners.size())) {
        return;
    }
    const ListedLearner& learner = m_learners[static_cast<std::size_t>(row)];
    m_name->setText(QString::fromStdString(learner.name));
    const bool image = learner.picture.rfind("png:", 0) == 0;
    m_image = image ? learner.picture : std::string();
    m_emoji->setText(image ? QString() : QString::fromStdString(learner.picture));
    showPreview();
}

void LearnersWindow::showPreview()
{
    const std::string picture = m_image.empty() ? m_emoji->text().trimmed().toStdString() : m_image;
    m_preview->setPixmap(learnerPicture(picture, m_preview->height()));
}

} // namespace pikora::ui
