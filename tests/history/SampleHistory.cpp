// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleHistory.h"

#include "platform/HistoryDatabase.h"
#include "platform/SystemServices.h"

#include <QDate>

namespace pikora::testing {

namespace {

const char* const words[]
    = { "CAT", "DOG", "SUN", "FOX", "RED", "BLUE", "JUMP", "EAT", "BOOK", "TREE", "HAT", "BALL" };
constexpr int wordCount = 12;
constexpr int perGame = 100;

struct Writer
{
    history::Connection& connection;
    QSqlQuery choice { connection.database() };
    QSqlQuery game { connection.database() };

    bool addGame(const QString& id, const QString& learner, const QString& at)
    {
        return connection.run(game,
            QStringLiteral("INSERT INTO games (id, learner, machine, started_at, ended_at,"
                           " four_choices, show_spelling, hide_buttons, use_timer, use_words,"
                           " max_timer) VALUES (?, ?, 'classroom-1', ?, ?, 1, 1, 0, 1, 0, 300)"),
            { id, learner, at, at });
    }
};

} // namespace

bool makeSampleHistory(const HistoryLocation& location, const std::vector<std::string>& learners,
    int choices, int days, const std::string& lastDay, std::string& error)
{
    history::Connection connection(location, false);
    if (!connection.isOpen() || !history::migrate(connection, 1)
        || !connection.database().transaction()) {
        error = connection.error();
        return false;
    }
    Writer writer { connection };
    Lcg15 random;
    random.seed(7);
    const QDate last = QDate::fromString(QString::fromStdString(lastDay), Qt::ISODate);
    for (const std::string& name : learners) {
        const QString learner = QString::fromStdString(name);
        QString gameId;
        for (int i = 0; i < choices; ++i) {
            const double progress = double(i) / choices; // 0 at the start, 1 at the end
            const QDate day = last.addDays(-days + 1 + static_cast<int>(progress * days));
            const QString at = day.toString(Qt::ISODate)
                + QStringLiteral("T%1:%2:00+01:00")
                      .arg(9 + i % 8, 2, 10, QLatin1Char('0'))
                      .arg(i % 60, 2, 10, QLatin1Char('0'));
            if (i % perGame == 0) {
                gameId = QStringLiteral("%1-%2").arg(learner).arg(i / perGame);
                if (!writer.addGame(gameId, learner, at)) {
                    error = connection.error();
                    return false;
                }
            }
            const int word = random.next() % wordCount;
            // Harder words (the later ones) are missed more, less so as time goes on.
            const bool right = random.next() % 100 < 45 + 45 * progress - word * 2;
            const int chosen = right ? word : (word + 1 + random.next() % 2) % wordCount;
            const int ms = 900 + static_cast<int>(2000 * (1 - progress)) + random.next() % 700;
            if (!connection.run(writer.choice,
                    QStringLiteral("INSERT INTO choices (played_at, learner, machine, game, word,"
                                   " chosen, correct, response_ms, mode, choices)"
                                   " VALUES (?, ?, 'classroom-1', ?, ?, ?, ?, ?, 'picture', 4)"),
                    { at, learner, gameId, QLatin1String(words[word]), QLatin1String(words[chosen]),
                        right ? 1 : 0, ms })) {
                error = connection.error();
                return false;
            }
        }
    }
    if (!connection.database().commit() || !history::migrate(connection)) {
        error = connection.error();
        return false;
    }
    return true;
}

} // namespace pikora::testing
