// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AccessOptions.h"

#include <cstdint>
#include <vector>

namespace pikora {

struct GameContext;
struct GameSettings;

// The main window's own timer for the scan steps, beside the game timer 101.
inline constexpr int scanTimerId = 102;

// The choice controls of the current mode in their order on screen: top left, top right,
// bottom left, bottom right, as the keyboard's number row runs, in every language; two in a
// game of two. Picture slot 0 sits top right while word slot 0 sits top left, so the order
// differs between the modes; a window mirrored for a language written right to left swaps
// left and right.
std::vector<int> choicesInReadingOrder(const GameSettings& settings, bool mirrored = false);

// What the keyboard and switch choices need of the main window.
class ChoiceView
{
public:
    virtual ~ChoiceView() = default;
    virtual bool isChoiceShown(int control) const = 0;
    // Frames the control; -1 takes the frame away.
    virtual void showHighlight(int control) = 0;
    // The window is laid out right to left: what the template puts left is shown right.
    virtual bool isMirrored() const { return false; }
};

// Number key 1 to 4: the choice at that place in reading order, through the same path as a
// click on it. False when no choice is shown there.
bool ChooseByNumber(GameContext& context, const ChoiceView& view, int number);

enum class SwitchKey
{
    Space,
    Enter,
};

// Switch scanning. A highlight rests on one shown choice at a time; with one switch it
// moves on by itself every step and Space or Enter chooses, with two switches Space moves
// it and Enter chooses. A choice goes through the same path as a click, so the quarter
// second guard, the counting, the sounds and the hiding all apply. Each new round starts
// the scan again at its first choice; hidden choices are skipped. A press sooner than the
// accept delay after the last one taken is ignored.
class Scanner
{
public:
    Scanner(GameContext& context, ChoiceView& view);

    // Takes the options in context.access: starts, changes or ends the scanning.
    void applyOptions();
    // A switch press; false when scanning is off and the key keeps its usual meaning.
    bool onSwitch(SwitchKey key);
    // The scan timer.
    void OnScanTick();
    // The window's texts were pushed: a new round moves the highlight to its first choice,
    // a choice that was hidden passes it on to the next one shown.
    void refresh();

    int highlighted() const { return m_highlighted; }
    // Presses taken and presses ignored as too soon after the last one taken.
    int pressesIgnored() const { return m_ignored; }

private:
    bool newRound() const;
    int nextShown(int from) const;
    void highlight(int control);
    void restartStep();
    void choose();

    GameContext& m_context;
    ChoiceView& m_view;
    ScanMode m_mode = ScanMode::Off;
    bool m_timerSet = false;
    int m_highlighted = -1;
    std::int64_t m_roundStart = -1; // of the round the highlight belongs to
    std::int32_t m_answered = 0;
    std::int64_t m_lastPress = -1; // when the last press was taken
    int m_ignored = 0;
};

} // namespace pikora
