// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HistoryLocation.h"
#include "platform/HistoryRecords.h"

#include <string>
#include <vector>

namespace pikora {

// The class list, kept in the history database so that every machine sharing a history
// shares one list. Each call opens the history on the calling thread, does its work in one
// transaction and closes it again; a server is waited for at most a few seconds.

// The list by name, at most learnerListMax of them. No history yet, or one from before the list, is
// an empty list; `error` is set when the history cannot be read.
std::vector<ListedLearner> readLearnerList(const HistoryLocation& location, std::string& error);

enum class ListChange
{
    Done,
    NameTaken, // another learner is listed or recorded under the new name
    Failed, // `error` says why
};

// Adds a learner; a name with choices recorded already (a login name) may be listed.
ListChange addLearner(
    const HistoryLocation& location, const ListedLearner& learner, std::string& error);
// Gives a listed learner a new name or picture. What was recorded under the old name goes
// with it, so a name spelled wrongly can be put right without losing a child's history.
ListChange changeLearner(const HistoryLocation& location, const std::string& oldName,
    const ListedLearner& learner, std::string& error);
// Takes a learner off the list; what was recorded for them stays in the history.
ListChange removeLearner(
    const HistoryLocation& location, const std::string& name, std::string& error);

// The longest name the list takes, in characters.
inline constexpr int learnerNameMax = 40;
// The most learners read from the list: more than any class.
inline constexpr int learnerListMax = 100;
// The largest picture the list keeps or reads, in bytes of its text.
inline constexpr std::size_t learnerPictureMax = 64 * 1024;

} // namespace pikora
