// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// The history of choices in real databases: SQLite files in a temporary folder, and the
// PostgreSQL server that tests/history/postgres.sh starts with pg_virtualenv (its URL in
// PIKORA_TEST_POSTGRES_URL; those cases are skipped without it).
#include "platform/HistoryDatabase.h"

#include "app/HistoryRecorder.h"
#include "game/GameClock.h"
#include "game/PictureCatalog.h"
#include "game/ProgressSummary.h"
#include "platform/HistoryReader.h"
#include "platform/LearnerList.h"
#include "support/FakePlatform.h"
#include "support/FourPictures.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace pikora {
namespace {

using testing::TempDir;

// The lines a writer reports, from its thread.
struct Lines
{
    HistoryWriter::Reporter reporter()
    {
        return [this](const std::string& line) {
            std::lock_guard lock(mutex);
            lines.push_back(line);
        };
    }
    std::size_t count()
    {
        std::lock_guard lock(mutex);
        return lines.size();
    }
    std::mutex mutex;
    std::vector<std::string> lines;
};

ChoiceRow choice(const std::string& word, const std::string& chosen, int ms, bool first = false)
{
    ChoiceRow row;
    row.playedAt = "2026-03-05T10:00:00+01:00";
    row.roundStartedAt = row.playedAt;
    row.gameStartedAt = row.playedAt;
    row.word = word;
    row.chosen = chosen;
    row.correct = word == chosen;
    row.responseMs = ms;
    row.mode = "picture";
    row.choices = 4;
    row.firstOfGame = first;
    return row;
}

class HistoryStore : public ::testing::TestWithParam<HistoryLocation::Kind>
{
protected:
    void SetUp() override
    {
        if (GetParam() == HistoryLocation::Kind::SqliteFile) {
            location.kind = HistoryLocation::Kind::SqliteFile;
            location.file = (dir / "history.sqlite").string();
            return;
        }
        const char* url = std::getenv("PIKORA_TEST_POSTGRES_URL");
        if (url == nullptr) {
            GTEST_SKIP() << "no PostgreSQL server (tests/history/postgres.sh starts one)";
        }
        std::string error;
        location = parsePostgresUrl(url, error).value();
        history::Connection connection(location, false);
        ASSERT_TRUE(connection.isOpen()) << connection.error();
        ASSERT_TRUE(connection.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE")
                                        .arg(QString::fromStdString(location.user))));
        for (const char* table : { "choices", "games", "word_days", "confusion_days", "learners",
                 "round_days", "pikora_schema" }) {
            ASSERT_TRUE(connection.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table)));
        }
    }

    // Another program's connection that holds the history's lock: an exclusive transaction
    // of SQLite, a table lock of PostgreSQL.
    std::unique_ptr<history::Connection> holdLock()
    {
        auto other = std::make_unique<history::Connection>(location, false);
        const bool sqlite = location.kind == HistoryLocation::Kind::SqliteFile;
        EXPECT_TRUE(
            other->exec(sqlite ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN")));
        if (!sqlite) {
            EXPECT_TRUE(other->exec(QStringLiteral("LOCK TABLE choices IN ACCESS EXCLUSIVE MODE")));
        }
        return other;
    }

    std::unique_ptr<HistoryReader> reader()
    {
        std::string error;
        auto opened = HistoryReader::open(location, error);
        EXPECT_TRUE(opened) << error;
        return opened;
    }

    std::vector<StoredChoice> stored()
    {
        std::vector<StoredChoice> rows;
        reader()->forEachChoice("", "", [&](const StoredChoice& row) { rows.push_back(row); });
        return rows;
    }

    TempDir dir;
    HistoryLocation location;
};

TEST_P(HistoryStore, AGameIsRecordedAsTheReportCountsIt)
{
    const testing::CurrentTempDir pictures;
    testing::FakePlatform platform;
    GameContext context(platform);
    testing::startFourPictureGame(context, pictures);
    Lines lines;
    HistoryRecorder recorder(location, lines.reporter());
    context.recorder = &recorder;
    // Slot k holds picture k; choices of control 1000 + slot, `ms` after the round began.
    const struct
    {
        int target;
        int slot;
        int ms;
    } plays[] = { { 0, 1, 900 }, { 0, 0, 1300 }, { 2, 2, 700 }, { 3, 1, 2500 }, { 3, 1, 400 },
        { 3, 3, 3100 } };
    std::int64_t now = 10000;
    for (const auto& play : plays) {
        // The same target again is a try again in the same round.
        const int made = play.target == context.round.target ? context.round.choicesMade : 0;
        context.round = { { 0, 1, 2, 3 }, play.target, 0, now, made };
        now += play.ms;
        platform.now = now;
        OnPictureChosen(context, 1000 + play.slot);
    }
    recorder.writer().flush();
    EXPECT_EQ(lines.count(), 0u) << lines.lines.front();

    int counted = 0;
    for (std::size_t i = 0; i < context.catalog.count(); ++i) {
        counted += context.catalog[i].correctCount + context.catalog[i].wrongCount;
    }
    const auto rows = stored();
    ASSERT_EQ(static_cast<int>(rows.size()), counted);
    EXPECT_EQ(rows[0].learner, currentLearner());
    EXPECT_EQ(rows[0].machine, currentMachine());
    auto history = reader();
    const auto games = history->games("", "");
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].id, rows[0].game);
    EXPECT_EQ(games[0].choices, 6);
    EXPECT_EQ(games[0].rights, 3);
    EXPECT_EQ(games[0].medianMs, 1100); // (900 + 1300) / 2
    const auto confusions = history->confusions(currentLearner(), "");
    ASSERT_EQ(confusions.size(), 2u);
    int thirdForSecond = 0; // picture 3 asked, picture 1 chosen, twice
    for (const auto& confusion : confusions) {
        thirdForSecond += confusion.word == context.catalog[3].word
                && confusion.chosen == context.catalog[1].word
            ? confusion.times
            : 0;
    }
    EXPECT_EQ(thirdForSecond, 2);
    const auto tallies = history->wordTallies(currentLearner(), "", false);
    EXPECT_EQ(tallies.size(), 3u); // pictures 0, 2 and 3 were asked for
    EXPECT_EQ(history->learners(), std::vector<std::string> { currentLearner() });
    // Three rounds, each a word's latest; the tries again are no rounds.
    const auto rounds = history->latestRounds(currentLearner(), "", latestRounds);
    EXPECT_EQ(rounds.size(), 3u);
    int tallied = 0;
    for (const RoundTally& tally : history->roundTallies(currentLearner(), "")) {
        tallied += tally.rounds;
    }
    EXPECT_EQ(tallied, 3);
}

// Every machine sharing the history shares the list; a learner renamed keeps their history,
// one taken off the list keeps it too, and no rename merges two learners' histories.
TEST_P(HistoryStore, TheClassListIsSharedAndARenameTakesTheHistoryAlong)
{
    std::string error;
    EXPECT_TRUE(readLearnerList(location, error).empty());
    EXPECT_EQ(error, "");
    EXPECT_EQ(addLearner(location, { "Mia", "\U0001F43B" }, error), ListChange::Done) << error;
    EXPECT_EQ(addLearner(location, { "Ben", "" }, error), ListChange::Done) << error;
    EXPECT_EQ(addLearner(location, { "Mia", "" }, error), ListChange::NameTaken);
    {
        HistoryWriter writer(location, "login", "pc");
        ChoiceRow first = choice("CAT", "DOG", 500, true);
        first.learner = "Mia";
        ChoiceRow again = choice("CAT", "CAT", 700);
        again.learner = "Mia";
        again.firstTry = false;
        writer.write(first);
        writer.write(again);
        writer.write(choice("SUN", "SUN", 600, true)); // the login name's own game
    }
    EXPECT_EQ(changeLearner(location, "Mia", { "login", "" }, error), ListChange::NameTaken);
    EXPECT_EQ(changeLearner(location, "Mia", { "Maya", "\U0001F43B" }, error), ListChange::Done)
        << error;
    EXPECT_EQ(removeLearner(location, "Ben", error), ListChange::Done) << error;
    const auto list = readLearnerList(location, error);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "Maya");
    EXPECT_EQ(list[0].picture, "\U0001F43B");
    auto history = reader();
    auto learners = history->learners();
    std::sort(learners.begin(), learners.end());
    EXPECT_EQ(learners, (std::vector<std::string> { "Maya", "login" }));
    const auto tries = history->latestRounds("Maya", "", latestRounds);
    ASSERT_EQ(tries.size(), 1u); // the try again is no first try
    EXPECT_FALSE(tries[0].correct);
    EXPECT_EQ(history->roundTallies("Maya", "").at(0).rounds, 1);
    EXPECT_EQ(history->wordTallies("Maya", "", false).at(0).tries, 2);
    EXPECT_EQ(history->confusions("Maya", "").size(), 1u);
    EXPECT_EQ(history->games("login", "").size(), 1u);

    // A member who fills the list beyond any class, with a picture beyond any small one,
    // holds up no game: the list is read bounded.
    history::Connection member(location, false);
    QSqlQuery insert(member.database());
    for (int i = 0; i < learnerListMax + 20; ++i) {
        ASSERT_TRUE(member.run(insert, QStringLiteral("INSERT INTO learners VALUES (?, ?)"),
            { QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                QString(i == 0 ? 1 << 20 : 1, u'x') }))
            << member.error();
    }
    const auto bounded = readLearnerList(location, error);
    ASSERT_EQ(bounded.size(), static_cast<std::size_t>(learnerListMax));
    EXPECT_EQ(bounded[0].picture, "");
    EXPECT_EQ(bounded[1].picture, "x");
}

TEST_P(HistoryStore, AnOlderHistoryIsBroughtForwardWithItsChoicesTallied)
{
    {
        history::Connection connection(location, false);
        ASSERT_TRUE(history::migrate(connection, 1)) << connection.error();
        ASSERT_TRUE(connection.exec(QStringLiteral(
            "INSERT INTO games (id, learner, machine, started_at, ended_at, four_choices,"
            " show_spelling, hide_buttons, use_timer, use_words, max_timer) VALUES ('old', 'ann',"
            " 'pc', '2025-01-02T09:00:00+01:00', '2025-01-02T09:10:00+01:00', 1, 1, 0, 1, 0, "
            "300)")));
        for (const char* values :
            { "'CAT', 'CAT', 1, 500", "'CAT', 'DOG', 0, 900", "'SUN', 'SUN', 1, 800" }) {
            ASSERT_TRUE(connection.exec(QStringLiteral(
                "INSERT INTO choices (played_at, learner, machine, game, word, chosen, correct,"
                " response_ms, mode, choices) VALUES ('2025-01-02T09:01:00+01:00', 'ann', 'pc', "
                "'old',"
                " %1, 'picture', 4)")
                                            .arg(QLatin1String(values))))
                << connection.error();
        }
    }
    {
        HistoryWriter writer(location, "ann", "pc");
        writer.write(choice("CAT", "CAT", 600, true));
    }
    auto history = reader();
    const auto tallies = history->wordTallies("ann", "", true);
    ASSERT_EQ(tallies.size(), 3u); // CAT and SUN in January 2025, CAT in March 2026
    EXPECT_EQ(tallies[0].word, "CAT");
    EXPECT_EQ(tallies[0].period, "2025-01");
    EXPECT_EQ(tallies[0].tries, 2);
    EXPECT_EQ(tallies[0].rights, 1);
    const auto games = history->games("ann", "");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].medianMs, 800);
    EXPECT_EQ(games[0].choices, 3);
    EXPECT_EQ(history->games("ann", "2026-01-01").size(), 1u);
}

// The layout PostgreSQL recommends, a schema of the user's own first in the search path:
// every game finds the tables the first one made there.
TEST_P(HistoryStore, TablesInTheUsersOwnSchemaAreFoundByEveryGame)
{
    if (location.kind != HistoryLocation::Kind::Postgres) {
        GTEST_SKIP() << "a PostgreSQL layout";
    }
    {
        history::Connection connection(location, false);
        ASSERT_TRUE(connection.exec(QStringLiteral("CREATE SCHEMA %1 AUTHORIZATION %1")
                                        .arg(QString::fromStdString(location.user))));
    }
    for (int game = 0; game < 2; ++game) {
        HistoryWriter(location, "ann", "pc").write(choice("CAT", "CAT", 500, true));
    }
    EXPECT_EQ(reader()->games("ann", "").size(), 2u);
}

// A lock held elsewhere loses no choice: they wait in the queue and are written once it is
// free, with one line for the outage and one for the end of it. A lock that outlives the
// program holds it up a few seconds at most.
TEST_P(HistoryStore, ALockHeldElsewhereLosesNothingAndNeverHoldsTheProgramLong)
{
    Lines lines;
    auto writer = std::make_unique<HistoryWriter>(location, "ann", "pc", lines.reporter());
    // A word is a file name: quotes, backslashes and what a script quotes with are words too.
    const std::string hostile = "O'Hara\\ $pikora$ %1";
    writer->write(choice(hostile, hostile, 500, true));
    writer->flush();
    EXPECT_EQ(stored().at(0).word, hostile);
    {
        const auto other = holdLock();
        writer->write(choice("CAT", "DOG", 600));
        writer->write(choice("SUN", "SUN", 700, true)); // a new game, kept with its id
        writer->flush();
        EXPECT_EQ(lines.count(), 1u);
    }
    std::this_thread::sleep_for(2 * HistoryWriter::retryDelay);
    writer->write(choice("SUN", "SUN", 800));
    writer->flush();
    ASSERT_EQ(lines.count(), 2u);
    EXPECT_NE(lines.lines[1].find("recorded again"), std::string::npos) << lines.lines[1];
    const auto games = reader()->games("ann", "");
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].choices, 2);
    EXPECT_EQ(games[1].choices, 2);

    const auto other = holdLock();
    writer->write(choice("SUN", "CAT", 900));
    const auto start = std::chrono::steady_clock::now();
    writer.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_NE(lines.lines.back().find("1 choices not recorded at the end"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Databases, HistoryStore,
    ::testing::Values(HistoryLocation::Kind::SqliteFile, HistoryLocation::Kind::Postgres),
    [](const auto& info) {
        return info.param == HistoryLocation::Kind::SqliteFile ? "Sqlite" : "Postgres";
    });

class BrokenHistory : public ::testing::Test
{
protected:
    HistoryLocation file(const std::string& name)
    {
        HistoryLocation location;
        location.kind = HistoryLocation::Kind::SqliteFile;
        location.file = (dir / name).string();
        return location;
    }

    // Two choices to a history that cannot take them: one line naming the file, and one
    // at the end for the choices it could not write.
    static int writeTwo(const HistoryLocation& location)
    {
        Lines lines;
        {
            HistoryWriter writer(location, "ann", "pc", lines.reporter());
            writer.write(choice("CAT", "DOG", 700, true));
            writer.write(choice("CAT", "CAT", 900));
        }
        const bool two = lines.lines.size() == 2
            && lines.lines[0].find(location.file) != std::string::npos
            && lines.lines[1].find("2 choices not recorded at the end") != std::string::npos;
        return two ? 0 : 1;
    }

    TempDir dir;
};

TEST_F(BrokenHistory, ACorruptFileIsReportedOnceAndLeftAsItWas)
{
    const std::string garbage(8192, '\x5a');
    dir.write("history.sqlite", garbage);
    EXPECT_EQ(writeTwo(file("history.sqlite")), 0);
    EXPECT_EQ(dir.read("history.sqlite"), garbage);
    std::string error;
    EXPECT_FALSE(HistoryReader::open(file("history.sqlite"), error));
    EXPECT_NE(error.find("history.sqlite"), std::string::npos) << error;
}

TEST_F(BrokenHistory, AReadOnlyFileIsReportedOnce)
{
    {
        HistoryWriter writer(file("history.sqlite"), "ann", "pc");
        writer.write(choice("CAT", "CAT", 500, true));
    }
    std::filesystem::permissions(dir / "history.sqlite", std::filesystem::perms(0444));
    const auto written = testing::asOrdinaryUser(
        [&] { return std::to_string(writeTwo(file("history.sqlite"))); }, dir.path());
    EXPECT_EQ(written, "0");
    std::string error;
    auto history = HistoryReader::open(file("history.sqlite"), error);
    ASSERT_TRUE(history) << error;
    EXPECT_EQ(history->games("", "").at(0).choices, 1);
}

// What another member may put at the file's or the journal's name is reported, never
// waited for: a FIFO would stall SQLite's own open without end.
TEST_F(BrokenHistory, AFolderOrAFifoInPlaceOfTheFilesIsReportedNotWaitedFor)
{
    std::filesystem::create_directory(dir / "history.sqlite");
    EXPECT_EQ(writeTwo(file("history.sqlite")), 0);
    {
        HistoryWriter writer(file("fifo.sqlite"), "ann", "pc");
        writer.write(choice("CAT", "CAT", 500, true));
    }
    std::filesystem::remove(dir / "fifo.sqlite-journal");
    ASSERT_EQ(::mkfifo((dir / "fifo.sqlite-journal").c_str(), 0660), 0);
    EXPECT_EQ(writeTwo(file("fifo.sqlite")), 0);
    std::string error;
    EXPECT_FALSE(HistoryReader::open(file("fifo.sqlite"), error));
    EXPECT_NE(error.find("is not a plain file"), std::string::npos) << error;
}

// The journal stays, empty, with the database's mode: any learner of the group can roll
// it back after a crash.
TEST_F(BrokenHistory, TheJournalIsKeptEmptyWithTheDatabasesMode)
{
    {
        HistoryWriter writer(file("history.sqlite"), "ann", "pc");
        writer.write(choice("CAT", "CAT", 500, true));
    }
    const auto journal = dir / "history.sqlite-journal";
    ASSERT_TRUE(std::filesystem::exists(journal));
    EXPECT_EQ(std::filesystem::file_size(journal), 0u);
    EXPECT_EQ(std::filesystem::status(journal).permissions(),
        std::filesystem::status(dir / "history.sqlite").permissions());
    std::string error;
    EXPECT_EQ(HistoryReader::open(file("history.sqlite"), error)->games("", "").size(), 1u);
}

// A writer killed in the middle of a transaction too large for its cache leaves the file
// half written and its journal hot: a reader rolls it back and reads the history as it was.
TEST_F(BrokenHistory, AHistoryLeftHalfWrittenByACrashIsReadAsItWasBefore)
{
    {
        HistoryWriter writer(file("history.sqlite"), "ann", "pc");
        writer.write(choice("CAT", "CAT", 500, true));
    }
    const pid_t child = ::fork();
    if (child == 0) {
        history::Connection connection(file("history.sqlite"), false);
        const bool begun = connection.exec(QStringLiteral("PRAGMA cache_size = 1"))
            && connection.exec(QStringLiteral("BEGIN"))
            && connection.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)"
                " INSERT INTO choices SELECT 't', 'ann', 'pc', 'g', 'W', 'W', 1, 1, 'picture', 2,"
                " 1 FROM n"));
        ::_exit(begun ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);
    ASSERT_GT(std::filesystem::file_size(dir / "history.sqlite-journal"), 0u);
    std::string error;
    auto reader = HistoryReader::open(file("history.sqlite"), error);
    ASSERT_TRUE(reader) << error;
    EXPECT_EQ(reader->games("", "").at(0).choices, 1);
}

TEST_F(BrokenHistory, TheReaderNeitherMakesNorTakesAForeignDatabase)
{
    std::string error;
    EXPECT_FALSE(HistoryReader::open(file("missing.sqlite"), error));
    EXPECT_NE(error.find("no history"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.sqlite"));
    // Any table but Pikora's makes it another program's database.
    for (const char* table : { "notes (text TEXT)", "games (id TEXT)" }) {
        std::filesystem::remove(dir / "other.sqlite");
        {
            history::Connection connection(file("other.sqlite"), false);
            ASSERT_TRUE(connection.exec(QStringLiteral("CREATE TABLE %1").arg(table)));
        }
        EXPECT_FALSE(HistoryReader::open(file("other.sqlite"), error));
        EXPECT_NE(error.find("not a Pikora history"), std::string::npos) << error;
    }
    // Nor does the writer put its tables beside someone else's games.
    EXPECT_EQ(writeTwo(file("other.sqlite")), 0);
}

TEST(HistoryMedian, MiddleValueOrMeanOfTheTwoMiddleOnes)
{
    EXPECT_EQ(history::medianOf({}), 0);
    EXPECT_EQ(history::medianOf({ 700 }), 700);
    EXPECT_EQ(history::medianOf({ 900, 100, 500 }), 500);
    EXPECT_EQ(history::medianOf({ 400, 100, 900, 600 }), 500);
}

} // namespace
} // namespace pikora
