// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "platform/HistoryReader.h"

#include <limits>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace pikora::ui {

namespace {

constexpr int learnerBoxId = 1001;
constexpr int periodBoxId = 1002;
constexpr int statusId = 1003;
constexpr int shareChartId = 1010;
constexpr int responseChartId = 1011;
constexpr int practiceId = 1012;
constexpr int confusionsId = 1013;

// Fills a panel of the template with one widget.
template<class Widget> Widget* fillPanel(QWidget* panel, Widget* widget)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    return widget;
}

QChart* makeChart(QWidget* panel)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    fillPanel(panel, view);
    return chart;
}

QTreeWidget* makeTable(QWidget* panel, const QStringList& headings)
{
    auto* table = fillPanel(panel, new QTreeWidget);
    table->setRootIsDecorated(false);
    table->setHeaderLabels(headings);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// A period "YYYY-MM-DD" or "YYYY-MM" (its first day), or a time "...T12:00:00+01:00".
qint64 msOf(const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (value.size() > 10) {
        return QDateTime::fromString(value, Qt::ISODate).toMSecsSinceEpoch();
    }
    const QDate date = value.size() == 7
        ? QDate::fromString(value + QStringLiteral("-01"), Qt::ISODate)
        : QDate::fromString(value, Qt::ISODate);
    return date.startOfDay().toMSecsSinceEpoch();
}

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// A time axis over the series' points and a value axis from 0 to `top`.
void addAxes(QChart* chart, const QString& dateFormat, double top, const QString& valueTitle)
{
    auto* time = new QDateTimeAxis;
    time->setFormat(dateFormat);
    time->setTickCount(5);
    auto* value = new QValueAxis;
    value->setRange(0, top);
    value->setLabelFormat(QStringLiteral("%d"));
    value->setTitleText(valueTitle);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = std::numeric_limits<qint64>::min();
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(value);
        for (const QPointF& point : static_cast<QXYSeries*>(series)->points()) {
            first = std::min(first, static_cast<qint64>(point.x()));
            last = std::max(last, static_cast<qint64>(point.x()));
        }
    }
    if (first <= last) {
        constexpr qint64 halfDay = 12 * 3600 * 1000;
        time->setRange(QDateTime::fromMSecsSinceEpoch(first - halfDay),
            QDateTime::fromMSecsSinceEpoch(last + halfDay));
    }
}

} // namespace

ProgressWindow::ProgressWindow(HistoryLocation location, std::string learner, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_location(std::move(location))
    , m_learner(std::move(learner))
{
    m_learners = m_built.controlAs<QComboBox>(learnerBoxId);
    m_periods = m_built.controlAs<QComboBox>(periodBoxId);
    m_status = m_built.controlAs<QLabel>(statusId);
    if (!m_learners || !m_periods || !m_status) {
        return; // a broken template: the window stays empty
    }
    m_periods->addItem(tr("All time"), 0);
    m_periods->addItem(tr("Last 12 months"), 365);
    m_periods->addItem(tr("Last 30 days"), 30);
    m_periods->addItem(tr("Last 7 days"), 7);
    m_shareChart = makeChart(control(shareChartId));
    m_responseChart = makeChart(control(responseChartId));
    m_practice = makeTable(control(practiceId), { tr("Word"), tr("Recently right"), tr("Tries") });
    m_confusions
        = makeTable(control(confusionsId), { tr("Word asked"), tr("Word chosen"), tr("Times") });
    connect(m_learners, &QComboBox::activated, this, [this] {
        m_learner = m_learners->currentText().toStdString();
        showProgress();
    });
    connect(m_periods, &QComboBox::activated, this, [this] { showProgress(); });
    onButton(2, [this] { reject(); });
}

ProgressWindow::~ProgressWindow() = default;

std::string ProgressWindow::since(const QDate& today) const
{
    const int days = m_periods->currentData().toInt();
    return days > 0 ? today.addDays(-days + 1).toString(Qt::ISODate).toStdString() : std::string();
}

void ProgressWindow::refresh()
{
    if (!m_learners) {
        return;
    }
    // Opened here once and kept for the picks of a learner or period: a server that does
    // not answer keeps the window waiting once, not at every pick.
    m_reader = HistoryReader::open(m_location, m_openError);
    fillLearners(m_reader ? m_reader->learners() : std::vector<std::string> {});
    showProgress();
}

void ProgressWindow::fillLearners(const std::vector<std::string>& learners)
{
    const QSignalBlocker blocker(m_learners);
    m_learners->clear();
    for (const std::string& name : learners) {
        m_learners->addItem(QString::fromStdString(name));
    }
    const QString current = QString::fromStdString(m_learner);
    if (m_learners->findText(current) < 0) {
        m_learners->addItem(current);
    }
    m_learners->setCurrentIndex(m_learners->findText(current));
}

void ProgressWindow::showError(const QString& text)
{
    m_summary = {};
    clearChart(m_shareChart);
    clearChart(m_responseChart);
    m_practice->clear();
    m_confusions->clear();
    m_status->setText(text);
}

void ProgressWindow::showProgress()
{
    HistoryReader* reader = m_reader.get();
    if (reader == nullptr) {
        showError(m_location.kind == HistoryLocation::Kind::None
                ? tr("No history of choices is kept: the game has no report file.")
                : tr("The history cannot be read: %1").arg(QString::fromStdString(m_openError)));
        return;
    }
    reader->clearError(); // a failure of an earlier pick does not stand for this one
    // Read when shown: the window lives as long as the game, across midnight too.
    const QDate today = QDate::currentDate();
    const std::string from = since(today);
    const bool byMonth = drawnByMonth(
        reader->firstDay(m_learner, from), today.toString(Qt::ISODate).toStdString());
    m_summary = summarizeProgress(reader->wordTallies(m_learner, from, byMonth),
        reader->confusions(m_learner, from), reader->games(m_learner, from));
    if (!reader->error().empty()) {
        showError(
            tr("The history cannot be read: %1").arg(QString::fromStdString(reader->error())));
        return;
    }
    showSummary(byMonth);
}

void ProgressWindow::showSummary(bool byMonth)
{
    const auto& summary = m_summary;
    m_status->setText(summary.choices == 0
            ? tr("No choices recorded in this period.")
            : tr("%1 choices, %2% right")
                  .arg(QString::number(summary.choices), QString::number(summary.rightPercent())));

    clearChart(m_shareChart);
    for (const WordSeries& word : summary.series) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(word.word));
        series->setPointsVisible(true);
        for (const auto& point : word.points) {
            series->append(msOf(point.period), point.share * 100);
        }
        m_shareChart->addSeries(series);
    }
    addAxes(m_shareChart, byMonth ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM"), 100,
        tr("% right"));

    clearChart(m_responseChart);
    auto* medians = new QLineSeries;
    medians->setName(tr("Median response time"));
    medians->setPointsVisible(true);
    for (const GameTally& game : summary.games) {
        medians->append(msOf(game.startedAt), game.medianMs / 1000.0);
    }
    m_responseChart->addSeries(medians);
    m_responseChart->legend()->hide();
    addAxes(
        m_responseChart, QStringLiteral("d MMM"), summary.slowestMedianSeconds(), tr("seconds"));

    m_practice->clear();
    for (const PracticeWord& word : summary.practice) {
        m_practice->addTopLevelItem(new QTreeWidgetItem({ QString::fromStdString(word.word),
            tr("%1% of %2")
                .arg(QString::number(word.recentPercent()), QString::number(word.recentTries)),
            QString::number(word.tries) }));
    }
    m_confusions->clear();
    for (const ConfusionTally& confusion : summary.confusions) {
        m_confusions->addTopLevelItem(new QTreeWidgetItem({ QString::fromStdString(confusion.word),
            QString::fromStdString(confusion.chosen), QString::number(confusion.times) }));
    }
}

} // namespace pikora::ui
