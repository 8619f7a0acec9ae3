// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "platform/WindowHost.h"
#include "ui/DialogTemplate.h"
#include "ui/ScanLogic.h"

#include <functional>
#include <map>
#include <memory>

#include <QDialog>

class QKeyEvent;
class QMenu;
class QMenuBar;
class QTimer;
class QVBoxLayout;

namespace pikora::ui {

class HighlightFrame;

// The game's main window: the choice controls and texts the game fills, the game timer, the
// menus. It holds no rule of the game: every event goes to the game logic. Number keys and
// switches reach the same choice path as a click (ScanLogic).
class CPikoraDlg : public QDialog, public WindowHost, public ChoiceView
{
    Q_OBJECT

public:
    static constexpr int templateId = 102;
    static constexpr int menuId = 129;
    static constexpr int aboutItemString = 101;
    static constexpr int sysMenuAboutId = 16;
    static constexpr int setupCommand = 32771;
    static constexpr int aboutCommand = 32773;
    static constexpr int accessCommand = 32777;
    static constexpr int progressCommand = 32780;
    static constexpr int learnersCommand = 32781;
    static constexpr int picturesCommand = 32782;

    explicit CPikoraDlg(GameContext& context, QWidget* parent = nullptr);
    ~CPikoraDlg() override;

    // Window set-up in its fixed order; ends with the first round and the game timer.
    void OnInitDialog();
    // Takes the options in context.access at once: scanning and full screen.
    void applyAccessOptions();
    // Greys out, or offers again, the menu item of a command.
    void enableCommand(int command, bool enabled);

    // Commands that other windows serve; unset ones do nothing.
    std::function<void()> onSetup;
    std::function<void()> onAbout;
    std::function<void()> onAccess;
    std::function<void()> onLearners;
    std::function<void()> onPictures;
    std::function<void()> onProgress;
    std::function<void()> onSystemAbout;

    // False when the window's layout could not be loaded: the program cannot run then.
    bool isCreated() const { return m_created; }
    QWidget* control(int id) const;
    QMenu* systemMenu() const { return m_systemMenu; }
    QMenuBar* menuBar() const { return m_menuBar; }

    // WindowHost
    void setButtonImage(int control, std::unique_ptr<Bitmap> image) override;
    void showControl(int control, bool visible) override;
    void setFocus(int control) override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override;
    void pushFields() override;
    void pullFields() override { } // the window never reads its texts back
    void setTimer(int id, int intervalMs) override;

    // ChoiceView
    bool isChoiceShown(int control) const override;
    void showHighlight(int control) override;
    bool isMirrored() const override { return isRightToLeft(); }
    // False after time-up: the window still shows and ticks, but takes no more input.
    bool takesInput() const { return m_takesInput; }

    const Scanner& scanner() const { return m_scanner; }
    HighlightFrame* highlightFrame() const { return m_highlight; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void routeCommand(int command);
    void buildSystemMenu();
    void parkFocus();
    bool takeChoiceKey(const QKeyEvent& event);
    void setFullScreen(bool fullScreen);

    GameContext& m_context;
    bool m_created = false;
    bool m_takesInput = true;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_client = nullptr;
    HighlightFrame* m_highlight = nullptr;
    Scanner m_scanner;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_systemMenu = nullptr;
    QRect m_normalGeometry; // before full screen
    BuiltDialog m_built;
    std::map<int, QTimer*> m_timers;
    std::map<int, std::unique_ptr<Bitmap>> m_images;
};

} // namespace pikora::ui
