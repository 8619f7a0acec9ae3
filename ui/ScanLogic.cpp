// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "ScanLogic.h"

#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/GameContext.h"

#include <algorithm>

namespace pikora {

namespace {

// Where the template puts the choices: picture buttons of slots 1 and 0 on top (left to
// right), then 3 and 2; word boxes of slots 0 to 3 left to right, top to bottom.
constexpr int picturesInReadingOrder[] = { control::firstPictureButton + 1,
    control::firstPictureButton, control::firstPictureButton + 3, control::firstPictureButton + 2 };
constexpr int wordsInReadingOrder[] = { control::firstWordBox, control::firstWordBox + 1,
    control::firstWordBox + 2, control::firstWordBox + 3 };

} // namespace

std::vector<int> choicesInReadingOrder(const GameSettings& settings, bool mirrored)
{
    const int* order = settings.useWords != 0 ? wordsInReadingOrder : picturesInReadingOrder;
    std::vector<int> controls(order, order + (settings.field4 != 0 ? 4 : 2));
    if (mirrored) {
        for (std::size_t left = 0; left + 1 < controls.size(); left += 2) {
            std::swap(controls[left], controls[left + 1]);
        }
    }
    return controls;
}

bool ChooseByNumber(GameContext& context, const ChoiceView& view, int number)
{
    const auto order = choicesInReadingOrder(context.settings, view.isMirrored());
    if (context.clock.timeIsUp || number < 1 || number > static_cast<int>(order.size())) {
        return false;
    }
    const int control = order[number - 1];
    if (!view.isChoiceShown(control)) {
        return false; // a hidden choice cannot be clicked either
    }
    OnPictureChosen(context, control);
    return true;
}

Scanner::Scanner(GameContext& context, ChoiceView& view)
    : m_context(context)
    , m_view(view)
{ }

void Scanner::applyOptions()
{
    m_mode = m_context.access.scan;
    if (m_mode == ScanMode::Off) {
        highlight(-1);
    } else {
        m_roundStart = m_context.round.roundStart;
        m_answered = m_context.round.answered;
        highlight(nextShown(-1));
    }
    restartStep();
}

bool Scanner::onSwitch(SwitchKey key)
{
    if (m_mode == ScanMode::Off) {
        return false;
    }
    if (m_context.clock.timeIsUp) { // the finished game takes no more choices
        return true;
    }
    const std::int64_t now = m_context.platform.elapsedMs();
    if (m_lastPress >= 0 && now - m_lastPress < m_context.access.acceptMs) {
        ++m_ignored;
        return true;
    }
    m_lastPress = now;
    refresh();
    if (m_mode == ScanMode::TwoSwitches && key == SwitchKey::Space) {
        highlight(nextShown(m_highlighted));
    } else {
        choose();
    }
    return true;
}

void Scanner::OnScanTick()
{
    if (m_mode == ScanMode::Off) {
        return;
    }
    if (m_context.clock.timeIsUp) {
        refresh(); // the finished game has nothing to choose: the frame goes
        return;
    }
    if (m_mode != ScanMode::OneSwitch) {
        return;
    }
    if (newRound()) {
        refresh(); // the window missed the new round: start it here
        return;
    }
    highlight(nextShown(m_highlighted));
}

void Scanner::refresh()
{
    if (m_mode == ScanMode::Off) {
        return;
    }
    if (m_context.clock.timeIsUp) {
        if (m_highlighted >= 0) {
            highlight(-1); // nothing is left to choose
        }
        return;
    }
    const auto& round = m_context.round;
    if (newRound()) {
        m_roundStart = round.roundStart;
        m_answered = round.answered;
        highlight(nextShown(-1));
        restartStep(); // the first choice rests a full step
        return;
    }
    m_answered = round.answered;
    if (m_highlighted < 0 || !m_view.isChoiceShown(m_highlighted)) {
        highlight(nextShown(m_highlighted));
    }
}

bool Scanner::newRound() const
{
    // A round drawn in the same millisecond still ends an answered one.
    const auto& round = m_context.round;
    return round.roundStart != m_roundStart || (m_answered == 1 && round.answered == 0);
}

int Scanner::nextShown(int from) const
{
    const auto order = choicesInReadingOrder(m_context.settings, m_view.isMirrored());
    const auto at = std::find(order.begin(), order.end(), from);
    // After the last comes the first again; from a control not in play, the first.
    const std::size_t begin
        = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin()) + 1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int control = order[(begin + k) % order.size()];
        if (m_view.isChoiceShown(control)) {
            return control;
        }
    }
    return -1;
}

void Scanner::highlight(int control)
{
    m_highlighted = control;
    m_view.showHighlight(control);
}

void Scanner::restartStep()
{
    auto& platform = m_context.platform;
    if (m_mode == ScanMode::OneSwitch) {
        platform.setTimer(Window::Main, scanTimerId, m_context.access.scanMs);
        m_timerSet = true;
    } else if (m_timerSet) {
        platform.setTimer(Window::Main, scanTimerId, quietTimerMs);
        m_timerSet = false;
    }
}

void Scanner::choose()
{
    const int control = m_highlighted;
    if (control < 0 || !m_view.isChoiceShown(control)) {
        return;
    }
    OnPictureChosen(m_context, control);
    refresh(); // a wrong choice may have hidden the highlighted control
    restartStep(); // the highlight rests a full step on what was chosen
}

} // namespace pikora
