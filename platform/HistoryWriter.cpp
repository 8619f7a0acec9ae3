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

#include <QSqlError>
#include <QThread>
#include <QUuid>

namespace pikora {

using history::text;

struct HistoryWriter::State
{
    HistoryLocation location;
    std::string learner;
    std::string machine;
    Reporter report;
    std::chrono::seconds retry;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<ChoiceRow> queue;
    bool busy = false;
    bool stopping = false;
    // Past it, choices still queued at the end are dropped: a slow server must not keep a
    // finished program running for long.
    std::chrono::steady_clock::time_point stopDeadline;
    bool overflowReported = false;
    // A dropped row began a game: the next row taken begins it instead.
    bool nextStartsGame = false;

    // Writer thread only.
    std::optional<history::Connection> connection;
    std::optional<std::chrono::steady_clock::time_point> lastOpenAttempt;
    bool failing = false;
    std::string gameId;
    // A Qt thread rather than a std::thread: Qt releases what it keeps for the thread's
    // database connections only for threads of its own.
    std::unique_ptr<QThread> thread;

    void run();
    bool ensureOpen();
    bool writeRow(const ChoiceRow& row);
    bool insertGame(QSqlQuery& query, const ChoiceRow& row);
    bool updateTallies(QSqlQuery& query, const ChoiceRow& row);
    void failed(const std::string& why);
};

namespace {

void toStandardError(const std::string& line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

HistoryWriter::HistoryWriter(HistoryLocation location, std::string learner, std::string machine,
    Reporter report, int retrySeconds)
    : m_state(std::make_unique<State>())
{
    m_state->location = std::move(location);
    m_state->learner = std::move(learner);
    m_state->machine = std::move(machine);
    m_state->report = report ? std::move(report) : Reporter(toStandardError);
    m_state->retry = std::chrono::seconds(retrySeconds);
    m_state->thread.reset(QThread::create([state = m_state.get()] { state->run(); }));
    m_state->thread->start();
}

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
        m_state->stopDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    }
    m_state->wake.notify_one();
    m_state->thread->wait();
}

void HistoryWriter::write(ChoiceRow row)
{
    {
        std::lock_guard lock(m_state->mutex);
        if (m_state->queue.size() >= queueLimit) {
            if (!m_state->overflowReported) {
                m_state->overflowReported = true;
                m_state->report("pikora: history of choices falls behind ("
                    + m_state->location.describe() + "); choices are dropped");
            }
            m_state->nextStartsGame = m_state->nextStartsGame || row.firstOfGame;
            return;
        }
        m_state->overflowReported = false;
        row.firstOfGame = row.firstOfGame || m_state->nextStartsGame;
        m_state->nextStartsGame = false;
        m_state->queue.push_back(std::move(row));
    }
    m_state->wake.notify_one();
}

void HistoryWriter::flush()
{
    std::unique_lock lock(m_state->mutex);
    m_state->idle.wait(lock, [this] { return m_state->queue.empty() && !m_state->busy; });
}

void HistoryWriter::State::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !queue.empty(); });
        if (queue.empty()) {
            break; // stopping, and everything is written
        }
        if (stopping && std::chrono::steady_clock::now() > stopDeadline) {
            report("pikora: history of choices: " + std::to_string(queue.size())
                + " choices not recorded at the end (" + location.describe() + ")");
            queue.clear();
            break;
        }
        ChoiceRow row = std::move(queue.front());
        queue.pop_front();
        busy = true;
        lock.unlock();
        // Before opening: a game whose first row is dropped still gets an id of its own.
        if (row.firstOfGame || gameId.empty()) {
            gameId = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
        }
        if (ensureOpen() && writeRow(row)) {
            failing = false;
        }
        lock.lock();
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
    failing = true;
}

bool HistoryWriter::State::ensureOpen()
{
    if (connection && connection->isOpen()) {
        return true;
    }
    const auto now = std::chrono::steady_clock::now();
    if (lastOpenAttempt && now - *lastOpenAttempt < retry) {
        return false; // dropped quietly until the next attempt
    }
    lastOpenAttempt = now;
    connection.reset();
    connection.emplace(location, false);
    if (!connection->isOpen() || !history::migrate(*connection)) {
        failed(connection->error());
        connection.reset();
        return false;
    }
    return true;
}

bool HistoryWriter::State::insertGame(QSqlQuery& query, const ChoiceRow& row)
{
    const auto& options = row.options;
    return connection->run(query,
        QStringLiteral("INSERT INTO games (id, learner, machine, started_at, ended_at,"
                       " four_choices, show_spelling, hide_buttons, use_timer, use_words,"
                       " max_timer) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                       " ON CONFLICT (id) DO NOTHING"),
        { text(gameId), text(learner), text(machine), text(row.roundStartedAt), text(row.playedAt),
            options.fourChoices, options.showSpelling, options.hideButtons, options.useTimer,
            options.useWords, options.maxTimer });
}

bool HistoryWriter::State::updateTallies(QSqlQuery& query, const ChoiceRow& row)
{
    const QString day = text(row.playedAt.substr(0, 10));
    const int right = row.correct ? 1 : 0;
    if (!connection->run(query,
            QStringLiteral("INSERT INTO word_days (learner, word, day, tries, rights)"
                           " VALUES (?, ?, ?, 1, ?) ON CONFLICT (learner, word, day) DO UPDATE"
                           " SET tries = word_days.tries + 1,"
                           " rights = word_days.rights + excluded.rights"),
            { text(learner), text(row.word), day, right })) {
        return false;
    }
    if (!row.correct
        && !connection->run(query,
            QStringLiteral("INSERT INTO confusion_days (learner, word, chosen, day, times)"
                           " VALUES (?, ?, ?, ?, 1) ON CONFLICT (learner, word, chosen, day)"
                           " DO UPDATE SET times = confusion_days.times + 1"),
            { text(learner), text(row.word), text(row.chosen), day })) {
        return false;
    }
    if (!connection->run(query, QStringLiteral("SELECT response_ms FROM choices WHERE game = ?"),
            { text(gameId) })) {
        return false;
    }
    std::vector<int> times;
    while (query.next()) {
        times.push_back(query.value(0).toInt());
    }
    return connection->run(query,
        QStringLiteral("UPDATE games SET ended_at = ?, choices_made = choices_made + 1,"
                       " rights = rights + ?, median_ms = ? WHERE id = ?"),
        { text(row.playedAt), right, history::medianOf(std::move(times)), text(gameId) });
}

bool HistoryWriter::State::writeRow(const ChoiceRow& row)
{
    std::string why;
    {
        // The query goes before the connection can.
        QSqlDatabase& database = connection->database();
        QSqlQuery query(database);
        const bool done = database.transaction() && insertGame(query, row)
            && connection->run(query,
                QStringLiteral("INSERT INTO choices (played_at, learner, machine, game, word,"
                               " chosen, correct, response_ms, mode, choices)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                { text(row.playedAt), text(learner), text(machine), text(gameId), text(row.word),
                    text(row.chosen), row.correct ? 1 : 0, static_cast<qlonglong>(row.responseMs),
                    text(row.mode), row.choices })
            && updateTallies(query, row) && database.commit();
        if (done) {
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
    // A lost server or a replaced file: open afresh on the next choice.
    connection.reset();
    lastOpenAttempt.reset();
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
