// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryDatabase.h"

#include "FileUpdate.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSqlError>
#include <QStringList>

namespace pikora::history {

namespace {

std::atomic<int> connectionCount { 0 };

// Makes a missing history file, exclusively and with the records' mode of a shared folder,
// so that every member of its group may write it whoever made it (SQLite would make it
// with the maker's umask), and its journal, which SQLite gives the database's mode, too.
// "" when it is there as a plain file, else why not.
std::string prepareHistoryFile(const std::string& path)
{
    const int fd = openSharedAppend(path, 0660);
    if (fd < 0) {
        return errno == ELOOP ? "a symbolic link, not a database file" : std::strerror(errno);
    }
    ::close(fd);
    return std::string();
}

} // namespace

std::string plainFilesProblem(const std::string& path)
{
    // SQLite opens these names itself, following links and waiting for a FIFO's other end.
    for (const std::string& name : { path, path + "-journal", path + "-wal" }) {
        struct stat st = {};
        if (::lstat(name.c_str(), &st) != 0) {
            continue; // not there (yet)
        }
        if (!S_ISREG(st.st_mode) || st.st_nlink != 1) {
            return name + " is not a plain file";
        }
    }
    return std::string();
}

namespace {

std::string describe(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.simplified().toStdString();
}

// Standard SQL that SQLite and PostgreSQL both take as it is.
const char* const versionOneTables[] = {
    "CREATE TABLE pikora_schema (version INTEGER NOT NULL)",
    "INSERT INTO pikora_schema (version) VALUES (0)",
    "CREATE TABLE games (id TEXT PRIMARY KEY, learner TEXT NOT NULL, machine TEXT NOT NULL,"
    " started_at TEXT NOT NULL, ended_at TEXT NOT NULL, four_choices INTEGER NOT NULL,"
    " show_spelling INTEGER NOT NULL, hide_buttons INTEGER NOT NULL,"
    " use_timer INTEGER NOT NULL, use_words INTEGER NOT NULL, max_timer INTEGER NOT NULL)",
    "CREATE TABLE choices (played_at TEXT NOT NULL, learner TEXT NOT NULL,"
    " machine TEXT NOT NULL, game TEXT NOT NULL, word TEXT NOT NULL, chosen TEXT NOT NULL,"
    " correct INTEGER NOT NULL, response_ms INTEGER NOT NULL, mode TEXT NOT NULL,"
    " choices INTEGER NOT NULL)",
    "CREATE INDEX choices_by_learner ON choices (learner, played_at)",
    "CREATE INDEX choices_by_game ON choices (game)",
};

const char* const versionTwoTables[] = {
    "ALTER TABLE games ADD COLUMN choices_made INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE games ADD COLUMN rights INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE games ADD COLUMN median_ms INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX games_by_learner ON games (learner, started_at)",
    "CREATE TABLE word_days (learner TEXT NOT NULL, word TEXT NOT NULL, day TEXT NOT NULL,"
    " tries INTEGER NOT NULL, rights INTEGER NOT NULL, PRIMARY KEY (learner, word, day))",
    "CREATE TABLE confusion_days (learner TEXT NOT NULL, word TEXT NOT NULL,"
    " chosen TEXT NOT NULL, day TEXT NOT NULL, times INTEGER NOT NULL,"
    " PRIMARY KEY (learner, word, chosen, day))",
    "INSERT INTO word_days (learner, word, day, tries, rights)"
    " SELECT learner, word, substr(played_at, 1, 10), COUNT(*), SUM(correct) FROM choices"
    " GROUP BY learner, word, substr(played_at, 1, 10)",
    "INSERT INTO confusion_days (learner, word, chosen, day, times)"
    " SELECT learner, word, chosen, substr(played_at, 1, 10), COUNT(*) FROM choices"
    " WHERE correct = 0 GROUP BY learner, word, chosen, substr(played_at, 1, 10)",
    "UPDATE games SET choices_made = (SELECT COUNT(*) FROM choices WHERE game = games.id),"
    " rights = (SELECT COALESCE(SUM(correct), 0) FROM choices WHERE game = games.id)",
};

// A choice made after a wrong one of the same round was not told apart before: it is taken
// to be one when the game's choice before it was a wrong one for the same word. The first
// tries are tallied per word, day and kind of round, as choices are in word_days, and the
// latest ones of a word are found through an index of their own.
const char* const versionThreeTables[] = {
    "CREATE TABLE learners (name TEXT PRIMARY KEY, picture TEXT NOT NULL DEFAULT '')",
    "ALTER TABLE choices ADD COLUMN first_try INTEGER NOT NULL DEFAULT 1",
    "UPDATE choices SET first_try = 0 WHERE (game, played_at, word) IN"
    " (SELECT game, played_at, word FROM (SELECT game, played_at, word,"
    " LAG(word) OVER (PARTITION BY game ORDER BY played_at) AS word_before,"
    " LAG(correct) OVER (PARTITION BY game ORDER BY played_at) AS correct_before"
    " FROM choices) AS earlier WHERE word_before = word AND correct_before = 0)",
    "CREATE INDEX choices_first_tries ON choices (learner, word, choices, mode, played_at)"
    " WHERE first_try = 1",
    "CREATE TABLE round_days (learner TEXT NOT NULL, word TEXT NOT NULL, day TEXT NOT NULL,"
    " choices INTEGER NOT NULL, mode TEXT NOT NULL, rounds INTEGER NOT NULL,"
    " rights INTEGER NOT NULL, PRIMARY KEY (learner, word, day, choices, mode))",
    "INSERT INTO round_days (learner, word, day, choices, mode, rounds, rights)"
    " SELECT learner, word, substr(played_at, 1, 10), choices, mode, COUNT(*), SUM(correct)"
    " FROM choices WHERE first_try = 1"
    " GROUP BY learner, word, substr(played_at, 1, 10), choices, mode",
};

bool runAll(Connection& connection, const auto& statements)
{
    for (const char* sql : statements) {
        if (!connection.exec(QString::fromLatin1(sql))) {
            return false;
        }
    }
    return true;
}

bool fillMedians(Connection& connection)
{
    QSqlQuery games(connection.database());
    games.setForwardOnly(true);
    if (!connection.run(games, QStringLiteral("SELECT id FROM games"))) {
        return false;
    }
    QStringList ids;
    while (games.next()) {
        ids << games.value(0).toString();
    }
    QSqlQuery times(connection.database());
    QSqlQuery update(connection.database());
    for (const QString& id : ids) {
        if (!connection.run(
                times, QStringLiteral("SELECT response_ms FROM choices WHERE game = ?"), { id })) {
            return false;
        }
        std::vector<int> values;
        while (times.next()) {
            values.push_back(times.value(0).toInt());
        }
        if (!connection.run(update, QStringLiteral("UPDATE games SET median_ms = ? WHERE id = ?"),
                { medianOf(std::move(values)), id })) {
            return false;
        }
    }
    return true;
}

bool step(Connection& connection, int version)
{
    switch (version) {
    case 1:
        return runAll(connection, versionOneTables);
    case 2:
        return runAll(connection, versionTwoTables) && fillMedians(connection);
    case 3:
        return runAll(connection, versionThreeTables);
    }
    return false;
}

} // namespace

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

std::string text(const QVariant& value)
{
    return value.toString().toStdString();
}

Connection::Connection(const HistoryLocation& location, bool readOnly)
    : m_name(QStringLiteral("pikora-history-%1").arg(++connectionCount))
{
    const bool sqlite = location.kind == HistoryLocation::Kind::SqliteFile;
    m_database = QSqlDatabase::addDatabase(
        sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_name);
    if (!m_database.isValid()) {
        m_error = sqlite ? "the Qt SQL driver QSQLITE is missing (libqt6sql6-sqlite)"
                         : "the Qt SQL driver QPSQL is missing (libqt6sql6-psql)";
        return;
    }
    if (sqlite) {
        std::string problem = readOnly ? std::string() : prepareHistoryFile(location.file);
        if (problem.empty()) {
            problem = plainFilesProblem(location.file);
        }
        if (!problem.empty()) {
            m_error = problem;
            return;
        }
        m_database.setDatabaseName(text(location.file));
        // A writer waits this long for a reader (the Progress window) or another writer. A
        // reader that may write the file opens it so (and then writes nothing): after a
        // crash in the middle of a write SQLite must roll the journal back before anyone
        // can read, and a read-only connection cannot.
        const bool recover = readOnly && ::access(location.file.c_str(), W_OK) == 0;
        m_database.setConnectOptions(readOnly && !recover
                ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        m_queryOnly = recover;
    } else {
        m_database.setHostName(text(location.host));
        m_database.setPort(location.port);
        m_database.setDatabaseName(text(location.database));
        m_database.setUserName(text(location.user));
        m_database.setPassword(text(location.password));
        // Nothing waits long for a server: connecting, a silent network (keepalives, and
        // unacknowledged data) and, once connected, a statement or a lock it waits for.
        m_database.setConnectOptions(
            QStringLiteral("connect_timeout=2;keepalives=1;keepalives_idle=1;keepalives_interval=1;"
                           "keepalives_count=2;tcp_user_timeout=2000"));
    }
    if (!m_database.open()) {
        fail(QStringLiteral("cannot open it"));
        return;
    }
    m_open = true;
    if (m_queryOnly) {
        m_open = exec(QStringLiteral("PRAGMA query_only = 1"));
    }
    if (sqlite && !readOnly) {
        // The journal stays, emptied, between transactions rather than being made and
        // deleted by each writer; kept, it has the database file's group and mode (SQLite
        // copies them), and any learner of the group can roll it back and empty it.
        m_open = exec(QStringLiteral("PRAGMA journal_mode = TRUNCATE"));
    }
    if (!sqlite) {
        m_open = exec(QStringLiteral("SET statement_timeout = %1").arg(readOnly ? 10000 : 2000))
            && exec(QStringLiteral("SET lock_timeout = 1500"));
    }
    if (!sqlite && readOnly && m_open) {
        m_open = exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
    }
}

Connection::~Connection()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::fail(const QString& what)
{
    m_error = what.toStdString() + ": " + describe(m_database.lastError());
}

bool Connection::exec(const QString& sql)
{
    QSqlQuery query(m_database);
    if (!query.exec(sql)) {
        m_error = describe(query.lastError());
        return false;
    }
    return true;
}

bool Connection::run(QSqlQuery& query, const QString& sql, const std::vector<QVariant>& values)
{
    if (!query.prepare(sql)) {
        m_error = describe(query.lastError());
        return false;
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        m_error = describe(query.lastError());
        return false;
    }
    return true;
}

std::optional<int> readSchemaVersion(Connection& connection, bool& foreign)
{
    foreign = false;
    QSqlDatabase& database = connection.database();
    const bool sqlite = database.driverName() == QLatin1String("QSQLITE");
    // The tables are looked up where the connection's own statements find them (PostgreSQL's
    // search path, so a schema of the user's own works), and the query fails on a file that
    // is no database or a server that went away.
    QSqlQuery query(database);
    const QString tables = sqlite
        ? QStringLiteral("SELECT COUNT(*), SUM(name = 'pikora_schema') FROM sqlite_master"
                         " WHERE type = 'table'")
        : QStringLiteral("SELECT (SELECT COUNT(*) FROM pg_catalog.pg_tables"
                         " WHERE schemaname = current_schema()),"
                         " CASE WHEN to_regclass('pikora_schema') IS NULL THEN 0 ELSE 1 END");
    if (!connection.run(query, tables) || !query.next()) {
        return std::nullopt;
    }
    const int count = query.value(0).toInt();
    if (query.value(1).toInt() == 0) {
        // Pikora's tables go only into a database of their own, never beside another
        // program's.
        if (count > 0) {
            foreign = true;
            connection.setError("it holds other tables and none of Pikora's");
            return std::nullopt;
        }
        return 0;
    }
    query.finish();
    if (!connection.run(query, QStringLiteral("SELECT MAX(version) FROM pikora_schema"))
        || !query.next()) {
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool migrate(Connection& connection, int target)
{
    bool foreign = false;
    auto version = readSchemaVersion(connection, foreign);
    while (version && *version < target) {
        const int next = *version + 1;
        QSqlDatabase& database = connection.database();
        const bool done = database.transaction() && step(connection, next)
            && connection.exec(QStringLiteral("UPDATE pikora_schema SET version = %1").arg(next))
            && database.commit();
        if (!done) {
            const std::string error = connection.error();
            database.rollback();
            version = readSchemaVersion(connection, foreign);
            if (!version || *version < next) {
                connection.setError(
                    "cannot bring it to version " + std::to_string(next) + ": " + error);
                return false;
            }
            continue; // another machine did it
        }
        version = next;
    }
    return version.has_value();
}

int medianOf(std::vector<int> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    return static_cast<int>((static_cast<long long>(values[middle - 1]) + values[middle]) / 2);
}

} // namespace pikora::history
