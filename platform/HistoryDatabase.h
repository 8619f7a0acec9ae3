// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The history database through Qt SQL, one code path for SQLite (QSQLITE) and PostgreSQL
// (QPSQL): the connection and the schema. Used by the history's writer and reader only.
#pragma once

#include "platform/HistoryLocation.h"

#include <optional>
#include <string>
#include <vector>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace pikora::history {

// The schema's version. Versions only ever add tables and columns, so an older Pikora can
// go on writing and reading a newer database (it names every column it uses); a newer one
// brings an older database forward when it first opens it for writing.
//   1  games and choices
//   2  the tallies the Progress window reads (word_days, confusion_days, and per game the
//      count of choices, of right ones and the median response time), kept up to date with
//      every choice and made from the choices already there
//   3  the class list (learners); per choice whether it was its round's first try, and the
//      first tries tallied (round_days) as choices are
constexpr int schemaVersion = 3;

// A connection of the calling thread; Qt SQL connections stay on the thread that made them.
class Connection
{
public:
    // Read-only: an SQLite file is opened read-only (and never made), a PostgreSQL session
    // is set read-only.
    Connection(const HistoryLocation& location, bool readOnly);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return m_open; }
    const std::string& error() const { return m_error; }
    QSqlDatabase& database() { return m_database; }

    // A statement without parameters; false with error() set.
    bool exec(const QString& sql);
    // Prepares `sql` and binds `values` in order; false with error() set.
    bool run(QSqlQuery& query, const QString& sql, const std::vector<QVariant>& values = {});
    // The error of the last failed open, as `what: reason`.
    void fail(const QString& what);
    void setError(std::string error) { m_error = std::move(error); }

private:
    QString m_name;
    QSqlDatabase m_database;
    bool m_open = false;
    bool m_queryOnly = false; // a reader that opened the file for writing, to recover it
    std::string m_error;
};

// The version of the schema; 0 for an empty database, nothing on an error (a corrupt file,
// a lost server) and on a database that holds other tables but none of Pikora's (`foreign`
// set then); error() says why. Tables are found where the connection's search path finds
// them.
std::optional<int> readSchemaVersion(Connection& connection, bool& foreign);

// Brings the schema up to schemaVersion, each step in a transaction of its own. Another
// machine migrating the same database at the same time is fine: the loser's step fails and
// it finds the work done.
// `target` is for tests that make an older history.
bool migrate(Connection& connection, int target = schemaVersion);

// Why the SQLite file at `path` or its journal is no plain file of one name (a FIFO would
// stall SQLite, a link lead it elsewhere); empty when they are plain or not there.
std::string plainFilesProblem(const std::string& path);

// The median of a game's response times: the middle one, or the mean of the two middle ones.
int medianOf(std::vector<int> values);

QString text(const std::string& value);
std::string text(const QVariant& value);

} // namespace pikora::history
