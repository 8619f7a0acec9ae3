// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryReader.h"

#include "HistoryDatabase.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace pikora {

using history::text;

struct HistoryReader::Impl
{
    explicit Impl(const HistoryLocation& location)
        : connection(location, true)
    { }
    history::Connection connection;
};

namespace {

// "learner = ? AND column >= ?", leaving out what is not asked for.
QString filter(const char* timeColumn, const std::string& learner, const std::string& since,
    std::vector<QVariant>& values)
{
    QString where = QStringLiteral(" WHERE 1 = 1");
    if (!learner.empty()) {
        where += QStringLiteral(" AND learner = ?");
        values.push_back(text(learner));
    }
    if (!since.empty()) {
        where += QStringLiteral(" AND %1 >= ?").arg(QLatin1String(timeColumn));
        values.push_back(text(since));
    }
    return where;
}

} // namespace

HistoryReader::HistoryReader(std::unique_ptr<Impl> impl)
    : m_impl(std::move(impl))
{ }

HistoryReader::~HistoryReader() = default;

std::unique_ptr<HistoryReader> HistoryReader::open(
    const HistoryLocation& location, std::string& error, bool* empty)
{
    bool nothing = false;
    if (empty == nullptr) {
        empty = &nothing;
    }
    *empty = false;
    if (location.kind == HistoryLocation::Kind::None) {
        error = "no history of choices is kept";
        return nullptr;
    }
    struct stat status
    { };
    if (location.kind == HistoryLocation::Kind::SqliteFile
        && ::stat(location.file.c_str(), &status) != 0) {
        *empty = errno == ENOENT;
        error = "no history at " + location.file;
        return nullptr;
    }
    auto impl = std::make_unique<Impl>(location);
    auto& connection = impl->connection;
    bool foreign = false;
    const auto version
        = connection.isOpen() ? history::readSchemaVersion(connection, foreign) : std::nullopt;
    if (!version) {
        error = location.describe() + (foreign ? " is not a Pikora history: " : ": ")
            + connection.error();
        return nullptr;
    }
    if (*version == 0) {
        *empty = true;
        error = location.describe() + " is not a Pikora history (it has no table pikora_schema)";
        return nullptr;
    }
    if (*version < history::schemaVersion) {
        error = location.describe()
            + " was written by an older Pikora; start the game once to "
              "bring it up to date";
        return nullptr;
    }
    return std::unique_ptr<HistoryReader>(new HistoryReader(std::move(impl)));
}

bool HistoryReader::select(const QString& sql, const std::vector<QVariant>& values,
    const std::function<void(const QSqlQuery&)>& onRow)
{
    auto& connection = m_impl->connection;
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!connection.run(query, sql, values)) {
        m_error = connection.error();
        return false;
    }
    while (query.next()) {
        onRow(query);
    }
    return true;
}

std::vector<std::string> HistoryReader::learners()
{
    std::vector<std::string> names;
    select(QStringLiteral("SELECT learner FROM games UNION SELECT name FROM learners"
                          " ORDER BY 1"),
        {}, [&](const QSqlQuery& row) { names.push_back(text(row.value(0))); });
    return names;
}

std::vector<ListedLearner> HistoryReader::listedLearners()
{
    std::vector<ListedLearner> list;
    select(QStringLiteral("SELECT name, picture FROM learners ORDER BY name"), {},
        [&](const QSqlQuery& row) {
            list.push_back({ text(row.value(0)), text(row.value(1)) });
        });
    return list;
}

std::vector<RoundTally> HistoryReader::roundTallies(
    const std::string& learner, const std::string& since)
{
    std::vector<QVariant> values;
    const QString where = filter("day", learner, since, values);
    std::vector<RoundTally> tallies;
    select(QStringLiteral("SELECT word, day, choices, mode, SUM(rounds), SUM(rights)"
                          " FROM round_days%1 GROUP BY word, day, choices, mode")
               .arg(where),
        values, [&](const QSqlQuery& row) {
            tallies.push_back({ text(row.value(0)), text(row.value(1)), row.value(2).toInt(),
                text(row.value(3)) == "word", row.value(4).toInt(), row.value(5).toInt() });
        });
    return tallies;
}

std::vector<FirstTry> HistoryReader::latestRounds(
    const std::string& learner, const std::string& since, int count)
{
    std::vector<QVariant> values;
    const QString where = filter("day", learner, since, values);
    struct Kind
    {
        QString word;
        int choices;
        QString mode;
    };
    std::vector<Kind> kinds;
    select(QStringLiteral("SELECT DISTINCT word, choices, mode FROM round_days%1").arg(where),
        values, [&](const QSqlQuery& row) {
            kinds.push_back(
                { row.value(0).toString(), row.value(1).toInt(), row.value(2).toString() });
        });
    // Each kind's latest through the index of first tries, newest first.
    std::vector<FirstTry> rounds;
    for (const Kind& kind : kinds) {
        std::vector<QVariant> kindValues;
        const QString kindWhere = filter("played_at", learner, since, kindValues);
        kindValues.insert(kindValues.end(), { kind.word, kind.choices, kind.mode, count });
        const std::size_t first = rounds.size();
        select(QStringLiteral("SELECT word, played_at, correct, response_ms, mode, choices"
                              " FROM choices%1 AND word = ? AND choices = ? AND mode = ?"
                              " AND first_try = 1 ORDER BY played_at DESC LIMIT ?")
                   .arg(kindWhere),
            kindValues, [&](const QSqlQuery& row) {
                rounds.push_back(
                    { text(row.value(0)), text(row.value(1)), row.value(2).toInt() != 0,
                        row.value(3).toInt(), text(row.value(4)) == "word", row.value(5).toInt() });
            });
        std::reverse(rounds.begin() + static_cast<std::ptrdiff_t>(first), rounds.end());
    }
    return rounds;
}

std::vector<WordTally> HistoryReader::wordTallies(
    const std::string& learner, const std::string& since, bool byMonth)
{
    std::vector<QVariant> values;
    const QString where = filter("day", learner, since, values);
    const QString period = byMonth ? QStringLiteral("substr(day, 1, 7)") : QStringLiteral("day");
    std::vector<WordTally> tallies;
    select(QStringLiteral("SELECT word, %1, SUM(tries), SUM(rights) FROM word_days%2"
                          " GROUP BY word, %1 ORDER BY word, %1")
               .arg(period, where),
        values, [&](const QSqlQuery& row) {
            tallies.push_back({ text(row.value(0)), text(row.value(1)), row.value(2).toInt(),
                row.value(3).toInt() });
        });
    return tallies;
}

std::vector<ConfusionTally> HistoryReader::confusions(
    const std::string& learner, const std::string& since)
{
    std::vector<QVariant> values;
    const QString where = filter("day", learner, since, values);
    std::vector<ConfusionTally> tallies;
    select(QStringLiteral("SELECT word, chosen, SUM(times) FROM confusion_days%1"
                          " GROUP BY word, chosen")
               .arg(where),
        values, [&](const QSqlQuery& row) {
            tallies.push_back({ text(row.value(0)), text(row.value(1)), row.value(2).toInt() });
        });
    return tallies;
}

std::vector<GameTally> HistoryReader::games(const std::string& learner, const std::string& since)
{
    std::vector<QVariant> values;
    const QString where = filter("started_at", learner, since, values);
    std::vector<GameTally> games;
    select(QStringLiteral("SELECT id, started_at, choices_made, rights, median_ms FROM games%1"
                          " AND choices_made > 0 ORDER BY started_at")
               .arg(where),
        values, [&](const QSqlQuery& row) {
            games.push_back({ text(row.value(0)), text(row.value(1)), row.value(2).toInt(),
                row.value(3).toInt(), row.value(4).toInt() });
        });
    return games;
}

bool HistoryReader::forEachChoice(const std::string& learner, const std::string& since,
    const std::function<void(const StoredChoice&)>& visit)
{
    std::vector<QVariant> values;
    const QString where = filter("played_at", learner, since, values);
    return select(
        QStringLiteral("SELECT played_at, learner, machine, game, word, chosen, correct,"
                       " response_ms, mode, choices FROM choices%1 ORDER BY played_at, learner")
            .arg(where),
        values, [&](const QSqlQuery& row) {
            visit({ text(row.value(0)), text(row.value(1)), text(row.value(2)), text(row.value(3)),
                text(row.value(4)), text(row.value(5)), text(row.value(6)), text(row.value(7)),
                text(row.value(8)), text(row.value(9)) });
        });
}

} // namespace pikora
