// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "LearnerPicker.h"

#include "platform/LearnerList.h"
#include "platform/QtBitmap.h"
#include "ui/HighlightFrame.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QCloseEvent>
#include <QGridLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace pikora::ui {

namespace {

constexpr int buttonsPanelId = 1060;
constexpr int pictureMaxPixels = 128;
const char* const pngPrefix = "png:";

} // namespace

QPixmap learnerPicture(const std::string& picture, int size)
{
    if (picture.empty()) {
        return {};
    }
    if (picture.rfind(pngPrefix, 0) == 0) {
        QByteArray bytes = QByteArray::fromBase64(QByteArray::fromStdString(picture.substr(4)));
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "png");
        // Kept by any member of the group: read only what the list itself would have made.
        const QSize stored = reader.size();
        if (!stored.isValid() || stored.width() > pictureMaxPixels
            || stored.height() > pictureMaxPixels) {
            return {};
        }
        const QImage image = reader.read();
        return image.isNull() ? QPixmap()
                              : QPixmap::fromImage(image.scaled(
                                  size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    // An emoji, or whatever short text was typed, drawn as large as the square takes.
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromStdString(picture).left(8));
    return pixmap;
}

std::string pictureFromFile(const std::string& path)
{
    const DecodedPicture decoded = decodePicture(path);
    if (decoded.image.isNull()) {
        return {};
    }
    const QImage small = decoded.image.scaled(
        pictureMaxPixels, pictureMaxPixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!small.save(&buffer, "PNG")) {
        return {};
    }
    std::string picture = pngPrefix + bytes.toBase64().toStdString();
    return picture.size() <= learnerPictureMax ? picture : std::string();
}

LearnerPicker::LearnerPicker(
    const std::vector<ListedLearner>& learners, const AccessOptions& access, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_learners(learners)
    , m_scan(access.scan)
{
    QWidget* panel = control(buttonsPanelId);
    if (panel == nullptr) {
        return; // a broken template: closing the window plays as someone else
    }
    const int count = static_cast<int>(learners.size()) + 1;
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(count * 1.5))));
    const int rows = (count + columns - 1) / columns;
    const int side
        = std::clamp(std::min(panel->width() / columns, panel->height() / rows) - 24, 24, 160);
    auto* grid = new QGridLayout(panel);
    for (int i = 0; i < count; ++i) {
        const bool someoneElse = i == count - 1;
        QString label = someoneElse ? tr("Someone else") : QString::fromStdString(learners[i].name);
        if (i < 9) {
            label = QStringLiteral("%1  %2").arg(i + 1).arg(label);
        }
        // The picture above the name, for a child who knows their picture before their name.
        auto* button = new QToolButton(panel);
        button->setText(label);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        if (!someoneElse) {
            const QPixmap picture = learnerPicture(learners[i].picture, side * 2 / 3);
            if (!picture.isNull()) {
                button->setIcon(picture);
                button->setIconSize(picture.size());
            }
        }
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * (someoneElse ? 1.4 : 2.0));
        button->setFont(font);
        button->setMinimumSize(side, side * 2 / 3);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // With switches every key belongs to the scan, not to the button that has the focus.
        button->setFocusPolicy(m_scan == ScanMode::Off ? Qt::StrongFocus : Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { choose(i); });
        grid->addWidget(button, i / columns, i % columns);
        m_buttons.push_back(button);
    }
    m_frame = new HighlightFrame(panel);
    if (m_scan != ScanMode::Off) {
        m_step = new QTimer(this);
        connect(m_step, &QTimer::timeout, this,
            [this] { highlight((m_highlighted + 1) % static_cast<int>(m_buttons.size())); });
        if (m_scan == ScanMode::OneSwitch) {
            m_step->start(access.scanMs);
        }
        // After the layout has placed the buttons.
        QTimer::singleShot(0, this, [this] { highlight(0); });
    }
}

void LearnerPicker::highlight(int index)
{
    m_highlighted = index;
    m_frame->frame(index >= 0 ? m_buttons[static_cast<std::size_t>(index)] : nullptr);
}

void LearnerPicker::choose(int index)
{
    const auto count = static_cast<int>(m_learners.size());
    // The last button, someone else, names nobody.
    m_chosen = index >= 0 && index < count ? m_learners[static_cast<std::size_t>(index)].name
                                           : std::string();
    if (m_step) {
        m_step->stop();
    }
    accept();
}

void LearnerPicker::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->isAutoRepeat()) {
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int index = key - Qt::Key_1;
        if (index < static_cast<int>(m_buttons.size())) {
            choose(index);
        }
        return;
    }
    if (key == Qt::Key_Escape) {
        return;
    }
    if (m_scan != ScanMode::Off && m_highlighted >= 0) {
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (key == Qt::Key_Space && m_scan == ScanMode::TwoSwitches) {
            highlight((m_highlighted + 1) % static_cast<int>(m_buttons.size()));
            return;
        }
        if (enter || key == Qt::Key_Space) {
            choose(m_highlighted);
            return;
        }
    }
    TemplateWindow::keyPressEvent(event);
}

void LearnerPicker::closeEvent(QCloseEvent* event)
{
    m_chosen.clear();
    TemplateWindow::closeEvent(event);
}

} // namespace pikora::ui
