// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"
#include "platform/HistoryRecords.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSqlQuery;
class QString;
class QVariant;

namespace pikora {

// Reads the history of choices and never writes to it: an SQLite file is opened read-only,
// a PostgreSQL session is read-only. Every query takes a learner (empty: every learner) and
// a first day "YYYY-MM-DD" (empty: from the beginning).
class HistoryReader
{
public:
    // Nothing, with `error` set, for a file that does not exist, a database that is not a
    // Pikora history, or one that cannot be read. `empty`, when given, is set when nothing
    // was ever recorded there: no file yet, or an empty database.
    static std::unique_ptr<HistoryReader> open(
        const HistoryLocation& location, std::string& error, bool* empty = nullptr);
    ~HistoryReader();
    HistoryReader(const HistoryReader&) = delete;
    HistoryReader& operator=(const HistoryReader&) = delete;

    // Everyone who played, and everyone on the class list.
    std::vector<std::string> learners();
    // The class list, by name.
    std::vector<ListedLearner> listedLearners();
    // Per word and day, or per word and month.
    std::vector<WordTally> wordTallies(
        const std::string& learner, const std::string& since, bool byMonth);
    // The rounds' first choices per word, day and kind of round.
    std::vector<RoundTally> roundTallies(const std::string& learner, const std::string& since);
    // The latest `count` first tries of each word in each kind of round (two or four
    // choices, pictures or words), oldest first within each.
    std::vector<FirstTry> latestRounds(
        const std::string& learner, const std::string& since, int count);
    std::vector<ConfusionTally> confusions(const std::string& learner, const std::string& since);
    // In the order they were played.
    std::vector<GameTally> games(const std::string& learner, const std::string& since);
    // Every choice in the order it was made; false on a read error.
    bool forEachChoice(const std::string& learner, const std::string& since,
        const std::function<void(const StoredChoice&)>& visit);

    // Why the last failed query gave nothing, or empty when none failed since the reader was
    // opened or the error cleared: a run of queries is checked once at its end.
    const std::string& error() const { return m_error; }
    void clearError() { m_error.clear(); }

private:
    struct Impl;
    explicit HistoryReader(std::unique_ptr<Impl> impl);
    // Runs one query and hands each row to onRow; on failure sets m_error and returns false.
    bool select(const QString& sql, const std::vector<QVariant>& values,
        const std::function<void(const QSqlQuery&)>& onRow);
    std::unique_ptr<Impl> m_impl;
    std::string m_error;
};

} // namespace pikora
