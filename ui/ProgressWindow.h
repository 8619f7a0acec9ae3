// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/ProgressSummary.h"
#include "platform/HistoryLocation.h"
#include "ui/TemplateWindow.h"

#include <memory>

class QChart;
class QThread;
class QChartView;
class QComboBox;
class QDate;
class QLabel;
class QTreeWidget;

namespace pikora::ui {

// The learner's progress from the history of choices, for a learner and a period the teacher
// picks: the share right at the first try over time against chance, the median response
// time per game, every word (how it is going, whether it is learnt, sortable by each
// column) and the most frequent confusions. The rounds may be narrowed to those of two or
// four choices, of pictures or of words.
class ProgressWindow : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 141;

    // `learner` is picked at first: the one playing now.
    ProgressWindow(HistoryLocation location, std::string learner, QWidget* owner);
    ~ProgressWindow() override;

    // Reads the history afresh on a thread of its own (the window says so meanwhile): the
    // learners, then the picked learner's progress.
    void refresh();
    // Lets events through until the reading under way is done (false when `ms` ran out
    // first).
    bool waitUntilRead(int ms = 20000);

    QComboBox* learnerBox() const { return m_learners; }
    QComboBox* periodBox() const { return m_periods; }
    QComboBox* roundsBox() const { return m_filter; }
    QLabel* statusText() const { return m_status; }
    QLabel* messageText() const { return m_message; }
    QChart* shareChart() const { return m_shareChart; }
    QChart* responseChart() const { return m_responseChart; }
    QTreeWidget* wordTable() const { return m_words; }
    QLabel* ruleText() const { return m_rule; }
    QTreeWidget* confusionList() const { return m_confusions; }
    const RoundsSummary& rounds() const { return m_rounds; }

    // What one reading found.
    struct Reading
    {
        std::vector<std::string> learners;
        std::vector<ConfusionTally> confusions; // most frequent first
        std::vector<GameTally> games;
        std::vector<RoundTally> rounds;
        std::vector<FirstTry> latest;
        bool nothingYet = false; // no choice was ever recorded
        std::string error;
    };

private:
    void fillLearners(const std::vector<std::string>& learners);
    void showProgress();
    void showReading(const Reading& reading);
    void showSummary();
    void showRounds();
    RoundFilter filter() const;
    void showError(const QString& text);
    // The first day of the picked period counted back from today, or empty for all time.
    std::string since(const QDate& today) const;

    HistoryLocation m_location;
    QThread* m_reading = nullptr;
    bool m_readAgain = false; // the picks changed while a reading was under way
    std::string m_learner;
    Reading m_read; // the last reading that succeeded
    RoundsSummary m_rounds;
    QComboBox* m_learners = nullptr;
    QComboBox* m_periods = nullptr;
    QComboBox* m_filter = nullptr;
    QLabel* m_rule = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_message = nullptr; // a whole error text, over the charts
    QChart* m_shareChart = nullptr;
    QChart* m_responseChart = nullptr;
    QTreeWidget* m_words = nullptr;
    QTreeWidget* m_confusions = nullptr;
};

} // namespace pikora::ui
