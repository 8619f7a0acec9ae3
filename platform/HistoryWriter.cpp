// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWriter.h"

#include "HistoryDatabase.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QThread>
#include <QUuid>

namespace pikora {

using history::text;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t batchLimit = 256;

// A choice waiting to be written, with the game it belongs to (given when it was queued, so
// that a game keeps its id however its rows are written).
struct Pending
{
    ChoiceRow row;
    std::string game;
};

} // namespace

struct HistoryWriter::State
{
    HistoryLocation location;
    std::string learner;
    std::string machine;
    Reporter report;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Pending> queue;
    std::string currentGame;
    bool busy = false;
    // The last try failed and nothing was queued since: flush() need not wait for the next.
    bool waitingToRetry = false;
    bool stopping = false;
    // Past it, choices still queued at the end are given up: a slow server must not keep a
    // finished program running for long.
    Clock::time_point stopDeadline;
    bool overflowReported = false;

    // Writer thread only.
    std::optional<history::Connection> connection;
    bool failing = false;
    // A Qt thread rather than a std::thread: Qt releases what it keeps for the thread's
    // database connections only for threads of its own.
    std::unique_ptr<QThread> thread;

    void run();
    bool ensureOpen();
    bool writeBatch(const std::vector<Pending>& batch);
    bool writeBatchAsOneScript(const std::vector<Pending>& batch);
    bool writeRow(QSqlQuery& query, const Pending& pending);
    bool insertGame(QSqlQuery& query, const Pending& pending);
    bool updateTallies(QSqlQuery& query, const Pending& pending);
    void failed(const std::string& why);
    const std::string& learnerOf(const ChoiceRow& row) const
    {
        return row.learner.empty() ? learner : row.learner;
    }
};

namespace {

void toStandardError(const std::string& line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

HistoryWriter::HistoryWriter(
    HistoryLocation location, std::string learner, std::string machine, Reporter report)
    : m_state(std::make_unique<State>())
{
    m_state->location = std::move(location);
    m_state->learner = std::move(learner);
    m_state->machine = std::move(machine);
    m_state->report = report ? std::move(report) : Reporter(toStandardError);
    m_state->thread.reset(QThread::create([state = m_state.get()] { state->run(); }));
    m_state->thread->start();
}

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
        m_state->stopDeadline = Clock::now() + stopLimit;
    }
    m_state->wake.notify_one();
    // Every statement is bounded in time, so the thread ends well within this; one stuck in a
    // system call anyway is left behind rather than holding the program.
    if (!m_state->thread->wait(QDeadlineTimer(stopLimit + std::chrono::seconds(4)))) {
        m_state->report("pikora: history of choices: the database does not answer ("
            + m_state->location.describe() + "); left behind");
        (void)m_state.release();
    }
}

void HistoryWriter::write(ChoiceRow row)
{
    {
        std::lock_guard lock(m_state->mutex);
        // The game's id is given here, so that a game whose first choice is dropped is
        // still a game of its own.
        if (row.firstOfGame || m_state->currentGame.empty()) {
            m_state->currentGame = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
        }
        if (m_state->queue.size() >= queueLimit) {
            if (!m_state->overflowReported) {
                m_state->overflowReported = true;
                m_state->report("pikora: history of choices falls behind ("
                    + m_state->location.describe() + "); choices are dropped");
            }
            return;
        }
        m_state->overflowReported = false;
        m_state->waitingToRetry = false;
        m_state->queue.push_back(Pending { std::move(row), m_state->currentGame });
    }
    m_state->wake.notify_one();
}

void HistoryWriter::flush()
{
    std::unique_lock lock(m_state->mutex);
    m_state->idle.wait(lock,
        [this] { return (m_state->queue.empty() || m_state->waitingToRetry) && !m_state->busy; });
}

void HistoryWriter::State::run()
{
    std::unique_lock lock(mutex);
    std::optional<Clock::time_point> retryAt;
    bool triedWhileStopping = false;
    for (;;) {
        const auto ready = [&] {
            return stopping || (!queue.empty() && (!retryAt || Clock::now() >= *retryAt));
        };
        if (retryAt) {
            wake.wait_until(lock, *retryAt, ready);
        } else {
            wake.wait(lock, ready);
        }
        if (queue.empty()) {
            if (stopping) {
                break; // everything is written
            }
            continue;
        }
        if (!ready()) {
            continue;
        }
        // At the end: go on while the database takes rows, and try once more when it has
        // been failing, but never past the deadline.
        if (stopping && (Clock::now() > stopDeadline || (failing && triedWhileStopping))) {
            report("pikora: history of choices: " + std::to_string(queue.size())
                + " choices not recorded at the end (" + location.describe() + ")");
            queue.clear();
            break;
        }
        triedWhileStopping = stopping;
        // A bounded batch fits a statement's time limit however long the backlog.
        const std::vector<Pending> batch(queue.begin(),
            queue.begin() + static_cast<std::ptrdiff_t>(std::min(queue.size(), batchLimit)));
        busy = true;
        lock.unlock();
        // A name another account may have replaced since the last batch is checked again.
        const std::string planted = location.kind == HistoryLocation::Kind::SqliteFile
            ? history::plainFilesProblem(location.file)
            : std::string();
        if (!planted.empty()) {
            failed(planted);
        }
        const bool written = planted.empty() && ensureOpen() && writeBatch(batch);
        if (written && failing) {
            report("pikora: history of choices recorded again (" + location.describe() + ")");
        }
        failing = !written;
        lock.lock();
        if (written) {
            queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(batch.size()));
            retryAt.reset();
            waitingToRetry = false;
        } else {
            retryAt = Clock::now() + retryDelay;
            waitingToRetry = true;
        }
        busy = false;
        idle.notify_all();
    }
    connection.reset(); // on the thread that made it
}

void HistoryWriter::State::failed(const std::string& why)
{
    if (!failing) {
        report("pikora: history of choices not recorded (" + location.describe() + "): " + why);
    }
    // A lost server or a replaced file: open afresh on the next try.
    connection.reset();
}

bool HistoryWriter::State::ensureOpen()
{
    if (connection && connection->isOpen()) {
        return true;
    }
    connection.reset();
    connection.emplace(location, false);
    if (!connection->isOpen() || !history::migrate(*connection)) {
        failed(connection->error());
        return false;
    }
    return true;
}

bool HistoryWriter::State::insertGame(QSqlQuery& query, const Pending& pending)
{
    const ChoiceRow& row = pending.row;
    const auto& options = row.options;
    return connection->run(query,
        QStringLiteral("INSERT INTO games (id, learner, machine, started_at, ended_at,"
                       " four_choices, show_spelling, hide_buttons, use_timer, use_words,"
                       " max_timer) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                       " ON CONFLICT (id) DO NOTHING"),
        { text(pending.game), text(learnerOf(row)), text(machine), text(row.gameStartedAt),
            text(row.playedAt), options.fourChoices, options.showSpelling, options.hideButtons,
            options.useTimer, options.useWords, options.maxTimer });
}

bool HistoryWriter::State::updateTallies(QSqlQuery& query, const Pending& pending)
{
    const ChoiceRow& row = pending.row;
    const QString day = text(row.playedAt.substr(0, 10));
    const int right = row.correct ? 1 : 0;
    if (!connection->run(query,
            QStringLiteral("INSERT INTO word_days (learner, word, day, tries, rights)"
                           " VALUES (?, ?, ?, 1, ?) ON CONFLICT (learner, word, day) DO UPDATE"
                           " SET tries = word_days.tries + 1,"
                           " rights = word_days.rights + excluded.rights"),
            { text(learnerOf(row)), text(row.word), day, right })) {
        return false;
    }
    if (row.firstTry
        && !connection->run(query,
            QStringLiteral("INSERT INTO round_days (learner, word, day, choices, mode, rounds,"
                           " rights) VALUES (?, ?, ?, ?, ?, 1, ?)"
                           " ON CONFLICT (learner, word, day, choices, mode) DO UPDATE"
                           " SET rounds = round_days.rounds + 1,"
                           " rights = round_days.rights + excluded.rights"),
            { text(learnerOf(row)), text(row.word), day, row.choices, text(row.mode), right })) {
        return false;
    }
    if (!row.correct
        && !connection->run(query,
            QStringLiteral("INSERT INTO confusion_days (learner, word, chosen, day, times)"
                           " VALUES (?, ?, ?, ?, 1) ON CONFLICT (learner, word, chosen, day)"
                           " DO UPDATE SET times = confusion_days.times + 1"),
            { text(learnerOf(row)), text(row.word), text(row.chosen), day })) {
        return false;
    }
    if (!connection->run(query, QStringLiteral("SELECT response_ms FROM choices WHERE game = ?"),
            { text(pending.game) })) {
        return false;
    }
    std::vector<int> times;
    while (query.next()) {
        times.push_back(query.value(0).toInt());
    }
    return connection->run(query,
        QStringLiteral("UPDATE games SET ended_at = ?, choices_made = choices_made + 1,"
                       " rights = rights + ?, median_ms = ? WHERE id = ?"),
        { text(row.playedAt), right, history::medianOf(std::move(times)), text(pending.game) });
}

bool HistoryWriter::State::writeRow(QSqlQuery& query, const Pending& pending)
{
    const ChoiceRow& row = pending.row;
    return insertGame(query, pending)
        && connection->run(query,
            QStringLiteral("INSERT INTO choices (played_at, learner, machine, game, word,"
                           " chosen, correct, response_ms, mode, choices, first_try)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { text(row.playedAt), text(learnerOf(row)), text(machine), text(pending.game),
                text(row.word), text(row.chosen), row.correct ? 1 : 0,
                static_cast<qlonglong>(row.responseMs), text(row.mode), row.choices,
                row.firstTry ? 1 : 0 })
        && updateTallies(query, pending);
}

// A server may be far away: every row of the batch goes in one anonymous PL/pgSQL block, a
// single statement and so a single transaction, so a batch costs one round trip however
// many rows it holds. The values are written as the driver quotes them for the server.
bool HistoryWriter::State::writeBatchAsOneScript(const std::vector<Pending>& batch)
{
    QSqlDatabase& database = connection->database();
    const QSqlDriver* driver = database.driver();
    const auto quoted = [driver](const std::string& value) {
        QSqlField field(QString(), QMetaType(QMetaType::QString));
        field.setValue(text(value));
        return driver->formatValue(field);
    };
    QString script;
    for (const Pending& pending : batch) {
        const ChoiceRow& row = pending.row;
        const auto& options = row.options;
        const QString game = quoted(pending.game);
        const QString who = quoted(learnerOf(row));
        const QString word = quoted(row.word);
        const QString day = quoted(row.playedAt.substr(0, 10));
        const int right = row.correct ? 1 : 0;
        script
            += QStringLiteral(
                "INSERT INTO games (id, learner, machine, started_at, ended_at, four_choices,"
                " show_spelling, hide_buttons, use_timer, use_words, max_timer) VALUES (%1, %2, %3,"
                " %4, %5, %6, %7, %8, %9, %10, %11) ON CONFLICT (id) DO NOTHING;")
                   .arg(game, who, quoted(machine), quoted(row.gameStartedAt), quoted(row.playedAt),
                       QString::number(options.fourChoices), QString::number(options.showSpelling),
                       QString::number(options.hideButtons), QString::number(options.useTimer),
                       QString::number(options.useWords), QString::number(options.maxTimer));
        script
            += QStringLiteral(
                "INSERT INTO choices (played_at, learner, machine, game, word, chosen, correct,"
                " response_ms, mode, choices, first_try) VALUES (%1, %2, %3, %4, %5, %6, %7, %8,"
                " %9, %10, %11);")
                   .arg(quoted(row.playedAt), who, quoted(machine), game, word, quoted(row.chosen),
                       QString::number(right), QString::number(row.responseMs), quoted(row.mode),
                       QString::number(row.choices), QString::number(row.firstTry ? 1 : 0));
        script += QStringLiteral(
            "INSERT INTO word_days (learner, word, day, tries, rights) VALUES (%1, %2, %3, 1, %4)"
            " ON CONFLICT (learner, word, day) DO UPDATE SET tries = word_days.tries + 1,"
            " rights = word_days.rights + excluded.rights;")
                      .arg(who, word, day, QString::number(right));
        if (row.firstTry) {
            script += QStringLiteral(
                "INSERT INTO round_days (learner, word, day, choices, mode, rounds, rights)"
                " VALUES (%1, %2, %3, %4, %5, 1, %6) ON CONFLICT (learner, word, day, choices,"
                " mode) DO UPDATE SET rounds = round_days.rounds + 1,"
                " rights = round_days.rights + excluded.rights;")
                          .arg(who, word, day, QString::number(row.choices), quoted(row.mode),
                              QString::number(right));
        }
        if (!row.correct) {
            script += QStringLiteral(
                "INSERT INTO confusion_days (learner, word, chosen, day, times)"
                " VALUES (%1, %2, %3, %4, 1) ON CONFLICT (learner, word, chosen, day)"
                " DO UPDATE SET times = confusion_days.times + 1;")
                          .arg(who, word, quoted(row.chosen), day);
        }
        // The median as medianOf takes it: the middle one, or the two middle ones' mean
        // rounded down.
        script += QStringLiteral(
            "UPDATE games SET ended_at = %1, choices_made = choices_made + 1,"
            " rights = rights + %2, median_ms = (SELECT floor(percentile_cont(0.5) WITHIN GROUP"
            " (ORDER BY response_ms))::integer FROM choices WHERE game = %3) WHERE id = %3;")
                      .arg(quoted(row.playedAt), QString::number(right), game);
    }
    // The block is quoted with a tag that none of its words holds.
    QString tag = QStringLiteral("$pikora$");
    for (int n = 0; script.contains(tag); ++n) {
        tag = QStringLiteral("$pikora%1$").arg(n);
    }
    return connection->exec(QStringLiteral("DO %1 BEGIN %2 END %1").arg(tag, script));
}

bool HistoryWriter::State::writeBatch(const std::vector<Pending>& batch)
{
    if (connection->database().driverName() == QLatin1String("QPSQL")) {
        if (writeBatchAsOneScript(batch)) {
            return true;
        }
        failed(connection->error());
        return false;
    }
    std::string why;
    {
        // The query goes before the connection can.
        QSqlDatabase& database = connection->database();
        QSqlQuery query(database);
        bool done = database.transaction();
        for (std::size_t i = 0; done && i < batch.size(); ++i) {
            done = writeRow(query, batch[i]);
        }
        if (done && database.commit()) {
            return true;
        }
        why = connection->error();
        if (why.empty()) {
            why = database.lastError().text().toStdString();
        }
        query.finish();
        database.rollback();
    }
    failed(why);
    return false;
}

std::string currentLearner()
{
    if (const passwd* entry = ::getpwuid(::getuid())) {
        return entry->pw_name;
    }
    return std::to_string(::getuid());
}

std::string currentMachine()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return "unknown";
    }
    return name;
}

} // namespace pikora
