// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "GameClock.h"

#include "game/ControlIds.h"
#include "game/Rounds.h"
#include "game/ScoreReport.h"
#include "game/TimeText.h"

namespace pikora {

namespace {

    constexpr int tickMs = 1000;
    constexpr int nextRoundMs = 10;
    constexpr std::int64_t choiceGuardMs = 250;
    constexpr std::int32_t secondsPerChoice = 2;

    void hideWrongChoices(GameContext& context)
    {
        const auto& round = context.round;
        for (int first : { control::firstPictureButton, control::firstWordBox }) {
            for (int slot = 0; slot < control::slotCount; ++slot) {
                if (round.slotPicture[slot] != round.target) {
                    context.platform.showControl(Window::Main, first + slot, false);
                }
            }
        }
    }

} // namespace

void OnTick(GameContext& context)
{
    auto& clock = context.clock;
    auto& platform = context.platform;
    const std::int32_t old = clock.tickCounter;
    clock.tickCounter = old + 1;
    if (old > 9 || context.round.answered == 1) {
        clock.tickCounter = 0;
        if (context.round.answered == 1) {
            StartNewRound(context);
        } else if (hasValidRound(context)) {
            platform.playSound(
                context.catalog.at(context.round.target).voicePath, SoundMode::Async);
        }
    }
    if (context.settings.useTimer != 0) {
        clock.remainingSeconds = saturatingSubtract(clock.remainingSeconds, 1);
        if (clock.remainingSeconds <= 0) {
            TimeUp(context);
            return;
        }
        context.mainFields.countdownText = FormatHms(clock.remainingSeconds);
    }
    platform.pushFields(Window::Main);
    platform.setTimer(Window::Main, gameTimerId, tickMs);
}

void OnPictureChosen(GameContext& context, int controlId)
{
    auto& platform = context.platform;
    auto& round = context.round;
    // The main window takes no input after time-up; a choice that reaches the game anyway
    // (a word box given the focus) must not start another round and another time-up.
    if (context.clock.timeIsUp) {
        return;
    }
    const std::int64_t now = platform.elapsedMs();
    if (now - round.roundStart < choiceGuardMs && round.roundStart > 0) {
        return;
    }
    const int slot = slotOfControl(controlId);
    // Without a round of the catalogue as it stands there is nothing to judge or count.
    if (slot < 0 || !hasValidRound(context)) {
        return;
    }
    RecordChoice(context, slot, now);
    ++round.choicesMade;
    context.catalog.countJudgedChoice();
    auto& target = context.catalog.at(round.target);
    if (round.slotPicture[slot] == round.target) {
        ++target.correctCount;
        platform.setTimer(Window::Main, gameTimerId, tickMs);
        platform.setButtonImage(Window::Main, controlId, platform.loadBitmap("correct.bmp"));
        platform.pushFields(Window::Main);
        round.answered = 1;
        platform.setTimer(Window::Main, gameTimerId, nextRoundMs);
    } else {
        ++target.wrongCount;
        platform.playSound("no.wav", SoundMode::Sync);
        if (context.settings.hideButtons != 0) {
            hideWrongChoices(context);
        }
    }
    platform.setFocus(Window::Main, control::focusParking);
    context.clock.remainingSeconds
        = saturatingSubtract(context.clock.remainingSeconds, secondsPerChoice);
    platform.pushFields(Window::Main);
}

} // namespace pikora
