// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Rounds.h"

#include "game/ControlIds.h"

namespace pikora {

namespace {

    constexpr int randomMax = 32767;

    // A draw over the catalogue count, always a valid index: the one draw that reaches the
    // count itself (r = 32767) is taken as the last picture.
    std::int32_t drawPicture(GameContext& context)
    {
        const int count = static_cast<int>(context.catalog.count());
        const int index = drawOver(context.platform.random(), count);
        return index < count ? index : count - 1;
    }

    void presentChoices(GameContext& context, int choices)
    {
        const auto& round = context.round;
        if (context.settings.useWords != 0) {
            for (int slot = 0; slot < choices; ++slot) {
                context.mainFields.captions[slot]
                    = context.catalog.at(round.slotPicture[slot]).word;
            }
            return;
        }
        for (int slot = 0; slot < choices; ++slot) {
            const auto& entry = context.catalog.at(round.slotPicture[slot]);
            context.platform.setButtonImage(Window::Main, control::firstPictureButton + slot,
                context.platform.loadBitmap(entry.picturePath));
        }
    }

} // namespace

int drawOver(int r, int n)
{
    if (r < 0 || r > randomMax) {
        r = ((r % (randomMax + 1)) + randomMax + 1) % (randomMax + 1);
    }
    return static_cast<int>((r / static_cast<double>(randomMax)) * n);
}

int targetSlotFor(int t)
{
    if (t <= 5) {
        return 0;
    }
    if (t <= 10) {
        return 1;
    }
    return t <= 15 ? 2 : 3;
}

bool hasValidRound(const GameContext& context)
{
    const auto& catalog = context.catalog;
    if (catalog.count() < 2 || !catalog.contains(context.round.target)) {
        return false;
    }
    for (auto picture : context.round.slotPicture) {
        if (!catalog.contains(picture)) {
            return false;
        }
    }
    return true;
}

void StartNewRound(GameContext& context)
{
    if (context.catalog.count() < 2) {
        return;
    }
    auto& platform = context.platform;
    auto& round = context.round;
    if (round.answered == 1) {
        platform.playSound("correct.wav", SoundMode::Sync);
    }
    ApplyModeVisibility(context);
    for (auto& picture : round.slotPicture) {
        picture = drawPicture(context);
    }
    const bool four = context.settings.field4 != 0;
    const int t = drawOver(platform.random(), four ? 20 : 10);
    round.target = round.slotPicture[targetSlotFor(t)];
    presentChoices(context, four ? 4 : 2);

    const auto& target = context.catalog.at(round.target);
    platform.playSound(target.voicePath, SoundMode::Async);
    context.mainFields.targetText = context.settings.spell != 0 ? target.word : std::string();
    ApplyModeVisibility(context);
    platform.pushFields(Window::Main);

    round.answered = 0;
    round.choicesMade = 0;
    round.roundStart = platform.elapsedMs();
    // Word boxes report a choice when they gain the focus, so none may keep it.
    platform.setFocus(Window::Main, control::focusParking);
    platform.pushFields(Window::Main);
}

void ApplyModeVisibility(GameContext& context)
{
    auto& platform = context.platform;
    const bool four = context.settings.field4 != 0;
    const bool words = context.settings.useWords != 0;
    for (int slot = 0; slot < control::slotCount; ++slot) {
        const bool inPlay = slot < 2 || four;
        platform.showControl(Window::Main, control::firstPictureButton + slot, !words && inPlay);
    }
    platform.showControl(Window::Main, control::targetText, !words && context.settings.spell != 0);
    for (int slot = 0; slot < control::slotCount; ++slot) {
        const bool inPlay = slot < 2 || four;
        platform.showControl(Window::Main, control::firstWordBox + slot, words && inPlay);
    }
}

} // namespace pikora
