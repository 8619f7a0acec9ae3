// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "LearnerList.h"

#include "HistoryDatabase.h"

#include <cerrno>
#include <functional>
#include <optional>
#include <sys/stat.h>

#include <QSqlError>

namespace pikora {

using history::text;

namespace {

// Runs `work` in one transaction of a connection that may write, the schema brought up to
// date first.
ListChange changeList(const HistoryLocation& location, std::string& error,
    const std::function<ListChange(history::Connection&)>& work)
{
    if (location.kind == HistoryLocation::Kind::None) {
        error = "no history of choices is kept";
        return ListChange::Failed;
    }
    history::Connection connection(location, false);
    if (!connection.isOpen() || !history::migrate(connection)) {
        error = location.describe() + ": " + connection.error();
        return ListChange::Failed;
    }
    QSqlDatabase& database = connection.database();
    if (!database.transaction()) {
        error = location.describe() + ": " + database.lastError().text().toStdString();
        return ListChange::Failed;
    }
    const ListChange result = work(connection);
    if (result == ListChange::Done && database.commit()) {
        return result;
    }
    if (result != ListChange::NameTaken) {
        error = location.describe() + ": "
            + (connection.error().empty() ? database.lastError().text().toStdString()
                                          : connection.error());
    }
    database.rollback();
    return result == ListChange::Done ? ListChange::Failed : result;
}

// Whether `name` is listed, or has choices recorded when `orRecorded`; nothing on an error.
std::optional<bool> taken(history::Connection& connection, const std::string& name, bool orRecorded)
{
    QSqlQuery query(connection.database());
    const QString sql = orRecorded
        ? QStringLiteral("SELECT (SELECT COUNT(*) FROM learners WHERE name = ?)"
                         " + (SELECT COUNT(*) FROM games WHERE learner = ?)")
        : QStringLiteral("SELECT COUNT(*) FROM learners WHERE name = ? OR name = ?");
    if (!connection.run(query, sql, { text(name), text(name) }) || !query.next()) {
        return std::nullopt;
    }
    return query.value(0).toInt() > 0;
}

} // namespace

std::vector<ListedLearner> readLearnerList(const HistoryLocation& location, std::string& error)
{
    std::vector<ListedLearner> list;
    if (location.kind == HistoryLocation::Kind::None) {
        return list;
    }
    struct stat status
    { };
    if (location.kind == HistoryLocation::Kind::SqliteFile
        && ::stat(location.file.c_str(), &status) != 0 && errno == ENOENT) {
        return list;
    }
    history::Connection connection(location, true);
    bool foreign = false;
    const auto version
        = connection.isOpen() ? history::readSchemaVersion(connection, foreign) : std::nullopt;
    if (!version) {
        error = location.describe() + ": " + connection.error();
        return list;
    }
    if (*version < 3) {
        return list;
    }
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    // Kept by any member of the group: a list far beyond a class, names far beyond a name or
    // pictures far beyond a small one must not hold up the start of a game.
    if (!connection.run(query,
            QStringLiteral("SELECT substr(name, 1, %1),"
                           " CASE WHEN length(picture) <= %2 THEN picture ELSE '' END"
                           " FROM learners ORDER BY name LIMIT %3")
                .arg(learnerNameMax)
                .arg(learnerPictureMax)
                .arg(learnerListMax))) {
        error = location.describe() + ": " + connection.error();
        return list;
    }
    while (query.next()) {
        list.push_back({ text(query.value(0)), text(query.value(1)) });
    }
    return list;
}

ListChange addLearner(
    const HistoryLocation& location, const ListedLearner& learner, std::string& error)
{
    return changeList(location, error, [&](history::Connection& connection) {
        const auto listed = taken(connection, learner.name, false);
        if (!listed) {
            return ListChange::Failed;
        }
        if (*listed) {
            return ListChange::NameTaken;
        }
        QSqlQuery query(connection.database());
        return connection.run(query,
                   QStringLiteral("INSERT INTO learners (name, picture) VALUES (?, ?)"),
                   { text(learner.name), text(learner.picture) })
            ? ListChange::Done
            : ListChange::Failed;
    });
}

ListChange changeLearner(const HistoryLocation& location, const std::string& oldName,
    const ListedLearner& learner, std::string& error)
{
    return changeList(location, error, [&](history::Connection& connection) {
        QSqlQuery query(connection.database());
        if (learner.name != oldName) {
            const auto used = taken(connection, learner.name, true);
            if (!used) {
                return ListChange::Failed;
            }
            if (*used) {
                return ListChange::NameTaken;
            }
            for (const char* table :
                { "games", "choices", "word_days", "confusion_days", "round_days" }) {
                if (!connection.run(query,
                        QStringLiteral("UPDATE %1 SET learner = ? WHERE learner = ?")
                            .arg(QLatin1String(table)),
                        { text(learner.name), text(oldName) })) {
                    return ListChange::Failed;
                }
            }
        }
        return connection.run(query,
                   QStringLiteral("UPDATE learners SET name = ?, picture = ? WHERE name = ?"),
                   { text(learner.name), text(learner.picture), text(oldName) })
            ? ListChange::Done
            : ListChange::Failed;
    });
}

ListChange removeLearner(
    const HistoryLocation& location, const std::string& name, std::string& error)
{
    return changeList(location, error, [&](history::Connection& connection) {
        QSqlQuery query(connection.database());
        return connection.run(
                   query, QStringLiteral("DELETE FROM learners WHERE name = ?"), { text(name) })
            ? ListChange::Done
            : ListChange::Failed;
    });
}

} // namespace pikora
