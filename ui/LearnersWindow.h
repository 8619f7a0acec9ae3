// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"
#include "platform/HistoryRecords.h"
#include "ui/TemplateWindow.h"

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace pikora::ui {

// The class list: names, each with an optional picture for a child who cannot read yet (an
// emoji, or a small copy of an image file), added, changed and removed here and kept in the
// history database. Every change is written at once; what was recorded for a learner stays
// when they are taken off the list, and goes with them when they are renamed.
class LearnersWindow : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 142;
    enum Control
    {
        Close = 2,
        List = 1050,
        Name = 1051,
        Emoji = 1052,
        Image = 1053,
        Add = 1054,
        Change = 1055,
        Remove = 1056,
        Status = 1057,
        Preview = 1058,
    };

    LearnersWindow(HistoryLocation location, QWidget* owner);

    // Reads the list afresh.
    void refresh();
    // The buttons' work, also for tests (the image as the list keeps it, or empty).
    void addLearner();
    void changeLearner();
    void removeLearner();
    void setImage(std::string picture);

    QListWidget* list() const { return m_list; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* emojiEdit() const { return m_emoji; }
    QLabel* statusText() const { return m_status; }
    const std::vector<ListedLearner>& learners() const { return m_learners; }

private:
    // The name and picture as typed; empty name with the status set when it will not do.
    ListedLearner typed();
    void showPicked();
    void showPreview();
    void showError(const std::string& error);
    void select(const std::string& name);

    HistoryLocation m_location;
    std::vector<ListedLearner> m_learners;
    std::string m_image; // an image chosen for the learner being typed
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_emoji = nullptr;
    QLabel* m_preview = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace pikora::ui
