// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "platform/HistoryReader.h"

#include <cmath>
#include <limits>
#include <memory>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QSignalBlocker>
#include <QThread>
#include <QTreeWidget>
#include <QValueAxis>

namespace pikora::ui {

namespace {

constexpr int learnerBoxId = 1001;
constexpr int periodBoxId = 1002;
constexpr int statusId = 1003;
constexpr int filterId = 1004;
constexpr int ruleId = 1014;
constexpr int shareChartId = 1010;
constexpr int responseChartId = 1011;
constexpr int wordTableId = 1012;
constexpr int confusionsId = 1013;

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

void clearChart(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

QDate dateOf(const std::string& day)
{
    return QDate::fromString(QString::fromStdString(day.substr(0, 10)), Qt::ISODate);
}

// A time axis in days from the first point, labelled with the points' dates (at most
// `labels` of them, so they never crowd: each date once, with its year when the points span
// years), and a value axis from 0 to `top`.
void addAxes(QChart* chart, const std::vector<TimePoint>& points, bool spansYears, double top,
    const char* valueFormat, const QString& valueTitle)
{
    constexpr std::size_t labels = 6;
    auto* time = new QCategoryAxis;
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QDate origin = points.empty() ? QDate() : dateOf(points.front().day);
    const std::size_t step = std::max<std::size_t>(1, (points.size() + labels - 1) / labels);
    double last = 0;
    for (std::size_t i = 0; i < points.size(); i += step) {
        const QDate date = dateOf(points[i].day);
        last = static_cast<double>(origin.daysTo(date));
        const QString label = spansYears ? QLocale().toString(date, QStringLiteral("d MMM yyyy"))
                                         : QLocale().toString(date, QStringLiteral("d MMM"));
        time->append(label, last);
    }
    const double end = std::max(
        last, points.empty() ? 0 : static_cast<double>(origin.daysTo(dateOf(points.back().day))));
    // Room for the first and last labels, which are centred on their points.
    const double margin = std::max(0.5, end * 0.06);
    time->setRange(-margin, end + margin);
    auto* value = new QValueAxis;
    value->setRange(0, top);
    value->setTickCount(6);
    value->applyNiceNumbers();
    value->setLabelFormat(QString::fromLatin1(valueFormat));
    value->setTitleText(valueTitle);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(value, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(value);
    }
}

// A line through the points, each shown: x in days from the first point.
QLineSeries* lineOf(const std::vector<TimePoint>& points, double scale)
{
    auto* series = new QLineSeries;
    series->setPointsVisible(true);
    if (!points.empty()) {
        const QDate origin = dateOf(points.front().day);
        for (const TimePoint& point : points) {
            series->append(
                static_cast<double>(origin.daysTo(dateOf(point.day))), point.value * scale);
        }
    }
    return series;
}

QLineSeries* straightLine(double fromX, double fromY, double toX, double toY, const QColor& colour)
{
    auto* series = new QLineSeries;
    series->append(fromX, fromY);
    series->append(toX, toY);
    QPen pen(colour);
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    return series;
}

// A row of the word table that sorts by the values kept beside the texts.
class WordItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, Qt::UserRole);
        const QVariant theirs = other.data(column, Qt::UserRole);
        if (mine.isValid() && theirs.isValid() && mine != theirs) {
            return QVariant::compare(mine, theirs) == QPartialOrdering::Less;
        }
        return text(0).localeAwareCompare(other.text(0)) < 0;
    }
};

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
    m_filter = m_built.controlAs<QComboBox>(filterId);
    m_rule = m_built.controlAs<QLabel>(ruleId);
    if (m_filter) {
        m_filter->addItem(tr("All"), 0);
        m_filter->addItem(tr("Two choices"), 1);
        m_filter->addItem(tr("Four choices"), 2);
        m_filter->addItem(tr("Pictures"), 3);
        m_filter->addItem(tr("Words"), 4);
        connect(m_filter, &QComboBox::activated, this, [this] { showRounds(); });
    }
    if (m_rule) {
        m_rule->setWordWrap(true);
    }
    m_words = makeTable(control(wordTableId),
        { tr("Word"), tr("Right at the first try"), tr("Rounds"), tr("Last practised"), tr("Trend"),
            tr("Learnt"), tr("Time") });
    m_words->setSortingEnabled(true);
    m_words->sortByColumn(1, Qt::AscendingOrder);
    m_confusions
        = makeTable(control(confusionsId), { tr("Word asked"), tr("Word chosen"), tr("Times") });
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignTop | Qt::AlignLeading);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setAutoFillBackground(true);
    m_message->setGeometry(
        control(shareChartId)->geometry().united(control(confusionsId)->geometry()));
    m_message->hide();
    connect(m_learners, &QComboBox::activated, this, [this] {
        m_learner = m_learners->currentText().toStdString();
        showProgress();
    });
    connect(m_periods, &QComboBox::activated, this, [this] { showProgress(); });
    onButton(2, [this] { reject(); });
}

ProgressWindow::~ProgressWindow()
{
    // Every statement of a reading is bounded in time, so this wait is too; a reading stuck
    // in a system call anyway is left to end by itself rather than hold the program.
    if (m_reading) {
        m_reading->disconnect(this);
        if (m_reading->wait(QDeadlineTimer(12000))) {
            delete m_reading;
        } else {
            connect(m_reading, &QThread::finished, m_reading, &QObject::deleteLater);
        }
    }
}

namespace {

// Reads what the window shows, on the reading's own thread: the reader and its connection
// are made, used and closed there.
ProgressWindow::Reading readProgress(
    const HistoryLocation& location, const std::string& learner, const std::string& from)
{
    ProgressWindow::Reading reading;
    std::unique_ptr<HistoryReader> reader
        = HistoryReader::open(location, reading.error, &reading.nothingYet);
    if (!reader) {
        return reading;
    }
    reading.error.clear();
    reading.learners = reader->learners();
    reading.confusions = mostFrequent(reader->confusions(learner, from));
    reading.games = reader->games(learner, from);
    reading.rounds = reader->roundTallies(learner, from);
    reading.latest = reader->latestRounds(learner, from, latestRounds);
    reading.error = reader->error();
    return reading;
}

} // namespace

bool ProgressWindow::waitUntilRead(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (m_reading && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return !m_reading;
}

std::string ProgressWindow::since(const QDate& today) const
{
    const int days = m_periods->currentData().toInt();
    return days > 0 ? today.addDays(-days + 1).toString(Qt::ISODate).toStdString() : std::string();
}

void ProgressWindow::refresh()
{
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
    m_read = {};
    clearChart(m_shareChart);
    clearChart(m_responseChart);
    m_words->clear();
    m_confusions->clear();
    m_rounds = {};
    if (m_rule) {
        m_rule->clear();
    }
    m_status->setText(text);
    // The whole text, however long (a server's error may be), over the empty charts.
    m_message->setText(text);
    m_message->show();
    m_message->raise();
}

void ProgressWindow::showProgress()
{
    if (!m_learners) {
        return;
    }
    if (m_location.kind == HistoryLocation::Kind::None) {
        showError(tr("No history of choices is kept: the game has no report file."));
        return;
    }
    if (m_reading) {
        m_readAgain = true; // read again for the newest picks once this reading is done
        return;
    }
    m_status->setText(tr("Reading the history..."));
    // Read when shown: the window lives as long as the game, across midnight too.
    const QDate today = QDate::currentDate();
    auto reading = std::make_shared<Reading>();
    m_reading = QThread::create(
        [reading, location = m_location, learner = m_learner, from = since(today)] {
            *reading = readProgress(location, learner, from);
        });
    connect(m_reading, &QThread::finished, this, [this, reading] {
        m_reading->deleteLater();
        m_reading = nullptr;
        showReading(*reading);
        if (m_readAgain) {
            m_readAgain = false;
            showProgress();
        }
    });
    m_reading->start();
}

void ProgressWindow::showReading(const Reading& reading)
{
    if (reading.nothingYet) {
        fillLearners({});
        showError(tr("No choices recorded yet."));
        return;
    }
    if (!reading.error.empty()) {
        showError(tr("The history cannot be read: %1").arg(QString::fromStdString(reading.error)));
        return;
    }
    fillLearners(reading.learners);
    m_read = reading;
    showSummary();
}

void ProgressWindow::showSummary()
{
    m_message->hide();
    m_confusions->clear();
    for (const ConfusionTally& confusion : m_read.confusions) {
        m_confusions->addTopLevelItem(new QTreeWidgetItem({ QString::fromStdString(confusion.word),
            QString::fromStdString(confusion.chosen), QString::number(confusion.times) }));
    }
    showRounds();
}

RoundFilter ProgressWindow::filter() const
{
    RoundFilter filter;
    switch (m_filter ? m_filter->currentData().toInt() : 0) {
    case 1:
        filter.choices = 2;
        break;
    case 2:
        filter.choices = 4;
        break;
    case 3:
        filter.shown = RoundFilter::Shown::Pictures;
        break;
    case 4:
        filter.shown = RoundFilter::Shown::Words;
        break;
    }
    return filter;
}

void ProgressWindow::showRounds()
{
    m_rounds = summarizeRounds(m_read.rounds, m_read.latest, m_read.games, filter());
    const auto& rounds = m_rounds;
    m_status->setText(rounds.rounds == 0
            ? tr("No rounds recorded in this period.")
            : tr("%1% right at the first try in %2 rounds; %3 of %4 words learnt")
                  .arg(QString::number(rounds.percent()), QString::number(rounds.rounds),
                      QString::number(rounds.learnt()), QString::number(rounds.words.size())));

    clearChart(m_shareChart);
    if (!rounds.shares.empty()) {
        auto* shares = lineOf(rounds.shares, 100);
        shares->setName(rounds.byWeek ? tr("Per week") : tr("Per day"));
        m_shareChart->addSeries(shares);
        const double last = shares->points().back().x();
        auto* trend = straightLine(
            0, rounds.trendFrom * 100, last, rounds.trendTo * 100, QColor(0x20, 0x80, 0x20));
        trend->setName(tr("Trend"));
        m_shareChart->addSeries(trend);
        auto* chance = straightLine(
            0, rounds.chance * 100, last, rounds.chance * 100, QColor(0x90, 0x90, 0x90));
        chance->setName(tr("Chance (%1%)").arg(std::lround(rounds.chance * 100)));
        m_shareChart->addSeries(chance);
    }
    addAxes(m_shareChart, rounds.shares, rounds.spansYears, 100, "%.0f", tr("% right"));

    clearChart(m_responseChart);
    double slowest = 1;
    for (const TimePoint& point : rounds.times) {
        slowest = std::max(slowest, point.value / 1000);
    }
    if (!rounds.times.empty()) {
        auto* medians = lineOf(rounds.times, 0.001);
        medians->setName(tr("Median response time"));
        m_responseChart->addSeries(medians);
    }
    m_responseChart->legend()->hide();
    m_shareChart->legend()->hide();
    addAxes(m_responseChart, rounds.times, rounds.spansYears, std::ceil(slowest * 2) / 2, "%.1f",
        tr("seconds"));

    m_words->setSortingEnabled(false);
    m_words->clear();
    const QLocale locale;
    for (const WordProgress& word : rounds.words) {
        auto* item = new WordItem(m_words);
        item->setText(0, QString::fromStdString(word.word));
        item->setText(1, tr("%1%").arg(word.percent()));
        item->setData(1, Qt::UserRole, static_cast<double>(word.rights) / word.rounds);
        item->setText(2, QString::number(word.rounds));
        item->setData(2, Qt::UserRole, word.rounds);
        const QDate last = dateOf(word.lastDay);
        item->setText(3, locale.toString(last, QLocale::ShortFormat));
        item->setData(3, Qt::UserRole, last);
        if (word.rounds >= trendRounds) {
            item->setText(4,
                word.trend == Trend::Up         ? tr("up")
                    : word.trend == Trend::Down ? tr("down")
                                                : tr("flat"));
            item->setData(4, Qt::UserRole,
                static_cast<int>(word.trend == Trend::Up) * 2
                    + static_cast<int>(word.trend == Trend::Flat));
        }
        item->setText(5, word.learnt ? tr("learnt") : QString());
        item->setData(5, Qt::UserRole, word.learnt ? 1 : 0);
        item->setText(6, tr("%1 s").arg(locale.toString(word.medianMs / 1000.0, 'f', 1)));
        item->setData(6, Qt::UserRole, word.medianMs);
    }
    m_words->setSortingEnabled(true);
    if (m_rule) {
        m_rule->setText(tr("Green dashes: the trend; grey dashes: right by chance alone (%1%). "
                           "Only a round's first choice counts, not a try again after a wrong one. "
                           "Learnt: right at the first try in %2 of its last %3 rounds. Trend and "
                           "time: its last %4 rounds, the later half against the earlier, and "
                           "their median time.")
                            .arg(QString::number(std::lround(rounds.chance * 100)),
                                QString::number(learntRights), QString::number(learntRounds),
                                QString::number(latestRounds)));
    }
}

} // namespace pikora::ui
