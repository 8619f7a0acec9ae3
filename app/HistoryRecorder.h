// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/ChoiceRecorder.h"
#include "platform/HistoryWriter.h"

#include <string>

namespace pikora {

// The game's recorder of choices served by the history database: rows go to the writer's
// thread, with the login name and the host name of this run.
class HistoryRecorder final : public ChoiceRecorder
{
public:
    explicit HistoryRecorder(HistoryLocation location, HistoryWriter::Reporter report = {})
        : m_writer(std::move(location), currentLearner(), currentMachine(), std::move(report))
    { }

    void record(const ChoiceRow& row) override { m_writer.write(row); }
    HistoryWriter& writer() { return m_writer; }

private:
    HistoryWriter m_writer;
};

} // namespace pikora
