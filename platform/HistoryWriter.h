// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"
#include "platform/HistoryRecords.h"

#include <functional>
#include <memory>
#include <string>

namespace pikora {

// Writes the history of choices on a thread of its own, so that neither a slow disk nor a
// slow server holds up a round. Each choice is one transaction, written as soon as the
// thread takes it; the queue holds a few choices at most (one, unless the database is
// slower than the learner), so a crash loses only what was not yet written.
//
// A database that cannot be opened, is locked, full, read-only or corrupt costs the game
// nothing: the choice is dropped and one line says so (one for each spell of failures).
// Opening is tried again on a later choice, at most every `retrySeconds`.
class HistoryWriter
{
public:
    using Reporter = std::function<void(const std::string& line)>;

    // `learner` and `machine` go into every row. `report` gets the failure lines; by
    // default they go to the standard error.
    HistoryWriter(HistoryLocation location, std::string learner, std::string machine,
        Reporter report = {}, int retrySeconds = 30);
    // Writes what is queued, then stops.
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter&) = delete;
    HistoryWriter& operator=(const HistoryWriter&) = delete;

    // Never waits for the database.
    void write(ChoiceRow row);
    // Waits until every choice handed over so far has been written or dropped.
    void flush();

    static constexpr std::size_t queueLimit = 64;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The login name of the user running the program, and the machine's host name.
std::string currentLearner();
std::string currentMachine();

} // namespace pikora
