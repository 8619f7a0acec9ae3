// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "platform/HistoryReader.h"

#include <limits>
#include <memory>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateTimeAxis>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QThread>
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
ProgressWindow::Reading readProgress(const HistoryLocation& location, const std::string& learner,
    const std::string& from, const std::string& today)
{
    ProgressWindow::Reading reading;
    std::unique_ptr<HistoryReader> reader
        = HistoryReader::open(location, reading.error, &reading.nothingYet);
    if (!reader) {
        return reading;
    }
    reading.error.clear();
    reading.learners = reader->learners();
    reading.byMonth = drawnByMonth(reader->firstDay(learner, from), today);
    reading.summary = summarizeProgress(reader->wordTallies(learner, from, reading.byMonth),
        reader->confusions(learner, from), reader->games(learner, from));
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
    m_summary = {};
    clearChart(m_shareChart);
    clearChart(m_responseChart);
    m_practice->clear();
    m_confusions->clear();
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
    m_reading
        = QThread::create([reading, location = m_location, learner = m_learner, from = since(today),
                              day = today.toString(Qt::ISODate).toStdString()] {
              *reading = readProgress(location, learner, from, day);
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
    m_summary = reading.summary;
    showSummary(reading.byMonth);
}

void ProgressWindow::showSummary(bool byMonth)
{
    m_message->hide();
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
