// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AccessOptions.h"
#include "platform/HistoryRecords.h"
#include "ui/TemplateWindow.h"

#include <string>
#include <vector>

class QAbstractButton;
class QTimer;

namespace pikora::ui {

class HighlightFrame;

// "Who is playing?": one big button per listed learner, with their picture and name, and
// one for someone else, chosen by a click, by the number keys 1 to 9, or by switch scanning
// as the game itself is played (one switch: the highlight moves by itself, Space or Enter
// chooses; two switches: Space moves it, Enter chooses). Escape does nothing: a child must
// not skip the question by accident; the window's close button counts as someone else.
class LearnerPicker : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 143;

    LearnerPicker(const std::vector<ListedLearner>& learners, const AccessOptions& access,
        QWidget* owner = nullptr);

    // The name picked, or empty for someone else (the login name is kept).
    const std::string& chosen() const { return m_chosen; }
    // Every button in order, someone else last.
    const std::vector<QAbstractButton*>& buttons() const { return m_buttons; }
    int highlighted() const { return m_highlighted; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void choose(int index);
    void highlight(int index);

    std::vector<ListedLearner> m_learners;
    std::vector<QAbstractButton*> m_buttons;
    ScanMode m_scan = ScanMode::Off;
    QTimer* m_step = nullptr;
    HighlightFrame* m_frame = nullptr;
    int m_highlighted = -1;
    std::string m_chosen;
};

// A learner's picture at `size` pixels: an emoji drawn in the colour emoji font, or the
// small PNG kept in the list; null when there is none or it cannot be read.
QPixmap learnerPicture(const std::string& picture, int size);
// A picture file made into what the list keeps ("png:" and base64), at most 128 pixels wide
// and high; empty when the file is no picture the game can read.
std::string pictureFromFile(const std::string& path);

} // namespace pikora::ui
