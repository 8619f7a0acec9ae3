// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"
#include "platform/HistoryRecords.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace pikora {

// Writes the history of choices on a thread of its own, so that neither a slow disk nor a
// slow server holds up a round. Whatever is queued when the thread comes to it is written
// in one transaction, so a slow link catches up instead of falling behind; a crash loses
// only what was not yet written.
//
// A database that cannot be opened, is locked, full, read-only, corrupt or gone costs the
// game nothing and loses nothing while the queue has room: the rows stay queued and are
// tried again after retryDelay, opening afresh. One line says when recording stops and one
// when it goes on again. At the end the writer goes on trying for at most stopLimit (one
// last try when it is failing already), then says what it could not write.
class HistoryWriter
{
public:
    using Reporter = std::function<void(const std::string& line)>;

    static constexpr std::chrono::milliseconds retryDelay { 1000 };
    // With a PostgreSQL connection bounded to 2 s and each statement to 2 s, a program ends
    // at most 6 s after its last window closes, whatever the server does.
    static constexpr std::chrono::milliseconds stopLimit { 2000 };

    // `learner` goes into every row that names none, `machine` into every row. `report` gets
    // the failure lines; by default they go to the standard error.
    HistoryWriter(
        HistoryLocation location, std::string learner, std::string machine, Reporter report = {});
    // Writes what is queued, then stops.
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    // Never waits for the database.
    void write(ChoiceRow row);
    // Waits until every choice handed over so far has been written, or tried and kept for
    // a later try.
    void flush();

    // About an hour of play at a choice a second: an outage shorter than that loses nothing.
    static constexpr std::size_t queueLimit = 4096;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The login name of the user running the program, and the machine's host name.
std::string currentLearner();
std::string currentMachine();

} // namespace pikora
