// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PikoraDlg.h"

#include "game/ControlIds.h"
#include "game/GameClock.h"
#include "game/Rounds.h"
#include "platform/QtBitmap.h"
#include "ui/BitmapButton.h"
#include "ui/HighlightFrame.h"
#include "ui/RichEdit.h"
#include "ui/TemplateWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace pikora::ui {

namespace {

constexpr int richEditIds[] = { control::targetText, 1026, 1027, 1028, 1029 };
constexpr int wordHeightTwips = 600; // 30 points

} // namespace

CPikoraDlg::CPikoraDlg(GameContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_scanner(context, *this)
{
    const auto loaded = loadDialogTemplate(templateId);
    m_created = loaded.has_value();
    const DialogTemplate dialog = loaded.value_or(DialogTemplate {});
    setWindowTitle(templateText(dialogResource(dialog.id), dialog.caption));
    setWindowFlags(windowFlagsFor(dialog));
    setWindowIcon(programIcon());

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_menuBar = buildMenuBar(loadMenu(menuId).value_or(MenuTemplate {}), this,
        [this](int command) { routeCommand(command); });
    m_layout->setMenuBar(m_menuBar);
    m_client = new QWidget(this);
    m_layout->addWidget(m_client);
    m_built = buildDialog(dialog, m_client);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_highlight = new HighlightFrame(m_client);

    for (int slot = 0; slot < control::slotCount; ++slot) {
        const int buttonId = control::firstPictureButton + slot;
        if (auto* button = qobject_cast<BitmapButton*>(control(buttonId))) {
            connect(button, &BitmapButton::clicked, this,
                [this, buttonId] { OnPictureChosen(m_context, buttonId); });
        }
        const int boxId = control::firstWordBox + slot;
        if (auto* box = qobject_cast<RichEdit*>(control(boxId))) {
            connect(box, &RichEdit::focusGained, this,
                [this, boxId] { OnPictureChosen(m_context, boxId); });
        }
        // A choice control that holds the focus sees the number keys and switches first.
        for (int id : { buttonId, boxId }) {
            if (QWidget* widget = control(id)) {
                widget->installEventFilter(this);
            }
        }
    }
    buildSystemMenu();
}

CPikoraDlg::~CPikoraDlg() = default;

QWidget* CPikoraDlg::control(int id) const
{
    return m_built.control(id);
}

void CPikoraDlg::buildSystemMenu()
{
    // The window manager owns the title bar's menu, so the window keeps its own: a right
    // click on the background (or Alt+Space where the window manager lets it through).
    m_systemMenu = new QMenu(this);
    //: The main window's own menu (a right click on its background); its other item is
    //: "&About Pikora...", and & marks a different letter in each.
    m_systemMenu->addAction(tr("&Close"), this, &QDialog::reject);
    const QString aboutText = templateText(stringsResource, loadString(aboutItemString));
    if (!aboutText.isEmpty()) {
        m_systemMenu->addSeparator();
        QAction* about = m_systemMenu->addAction(aboutText);
        about->setData(sysMenuAboutId);
        connect(about, &QAction::triggered, this, [this] {
            if (onSystemAbout) {
                onSystemAbout();
            }
        });
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (!m_takesInput) {
            return;
        }
        m_systemMenu->popup(mapToGlobal(QPoint(0, 0)));
    });
}

void CPikoraDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // Full screen is for a learner who must not leave the game by a click beside the
    // pictures; the menu bar (and Alt+Space) still serve the adult.
    if (isFullScreen()) {
        return;
    }
    m_systemMenu->popup(event->globalPos());
}

void CPikoraDlg::routeCommand(int command)
{
    if (command == setupCommand && onSetup) {
        onSetup();
    } else if (command == aboutCommand && onAbout) {
        onAbout();
    } else if (command == accessCommand && onAccess) {
        onAccess();
    } else if (command == progressCommand && onProgress) {
        onProgress();
    } else if (command == learnersCommand && onLearners) {
        onLearners();
    } else if (command == picturesCommand && onPictures) {
        onPictures();
    }
}

void CPikoraDlg::enableCommand(int command, bool enabled)
{
    for (QAction* action : m_menuBar->findChildren<QAction*>()) {
        if (action->data().toInt() == command) {
            action->setEnabled(enabled);
        }
    }
}

void CPikoraDlg::OnInitDialog()
{
    pushFields();
    for (int id : richEditIds) {
        if (auto* edit = qobject_cast<RichEdit*>(control(id))) {
            edit->setCharFormatDefault(true, wordHeightTwips, Qt::black);
        }
    }
    ApplyModeVisibility(m_context);
    StartNewRound(m_context);
    setTimer(gameTimerId, 1000);
}

void CPikoraDlg::setButtonImage(int id, std::unique_ptr<Bitmap> image)
{
    auto* button = qobject_cast<BitmapButton*>(control(id));
    if (button == nullptr) {
        return; // a word box shows no image
    }
    if (const auto* bitmap = dynamic_cast<const QtBitmap*>(image.get())) {
        button->setImage(bitmap->pixmap());
    } else {
        button->clearImage();
    }
    m_images[id] = std::move(image); // the image it replaces is released here
}

void CPikoraDlg::showControl(int id, bool visible)
{
    if (auto* widget = control(id)) {
        if (!visible && widget->hasFocus()) {
            parkFocus(); // Qt would hand the focus on to the next control, a word box perhaps
        }
        widget->setVisible(visible);
    }
}

void CPikoraDlg::setFocus(int id)
{
    auto* widget = control(id);
    if (widget == nullptr) {
        return;
    }
    if (widget->isHidden()) {
        parkFocus();
    } else {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void CPikoraDlg::parkFocus()
{
    // Qt gives no focus to a hidden widget, so parking on the hidden button 1004 parks on
    // the window itself: no control keeps the focus (a word box reports the next time it
    // gains it), Enter and space reach the window, whose only default button is hidden, and
    // do nothing, and activating the window again gives the focus back to the window rather
    // than to its first word box.
    QWidget::setFocus(Qt::OtherFocusReason);
}

void CPikoraDlg::showWindow(bool visible)
{
    setVisible(visible);
}

void CPikoraDlg::enableWindow(bool enabled)
{
    // Disabling the widget would also disable the windows it owns (the Report and Setup
    // windows must stay usable) and grey out the pictures; instead its input is swallowed.
    if (m_takesInput == enabled) {
        return;
    }
    m_takesInput = enabled;
    if (enabled) {
        qApp->removeEventFilter(this);
    } else {
        qApp->installEventFilter(this);
    }
}

bool CPikoraDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (m_takesInput && event->type() == QEvent::KeyPress && watched != this) {
        return takeChoiceKey(*static_cast<QKeyEvent*>(event));
    }
    if (m_takesInput || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != this) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

void CPikoraDlg::closeEvent(QCloseEvent* event)
{
    if (!m_takesInput) {
        event->ignore(); // a window that takes no input cannot be closed either
        return;
    }
    QDialog::closeEvent(event);
}

void CPikoraDlg::pushFields()
{
    const auto& fields = m_context.mainFields;
    if (auto* target = qobject_cast<RichEdit*>(control(control::targetText))) {
        // Words are kept in simple capitals, as names are matched; shown, they take the full
        // ones (WEIß is shown WEISS).
        target->setPlainText(QString::fromStdString(fields.targetText).toUpper());
        target->setAlignment(Qt::AlignCenter);
    }
    if (auto* countdown = qobject_cast<QLabel*>(control(control::countdownText))) {
        countdown->setText(QString::fromStdString(fields.countdownText));
    }
    for (int slot = 0; slot < control::slotCount; ++slot) {
        if (auto* box = qobject_cast<RichEdit*>(control(control::firstWordBox + slot))) {
            const QString text = QString::fromStdString(fields.captions[slot]).toUpper();
            if (box->toPlainText() != text) {
                box->setPlainText(text);
            }
        }
    }
    // Every change the game makes to the round ends with a push.
    m_scanner.refresh();
}

void CPikoraDlg::setTimer(int id, int intervalMs)
{
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        timer->setSingleShot(false);
        if (id == gameTimerId) {
            connect(timer, &QTimer::timeout, this, [this] { OnTick(m_context); });
        } else if (id == scanTimerId) {
            connect(timer, &QTimer::timeout, this, [this] { m_scanner.OnScanTick(); });
        }
    }
    timer->start(intervalMs); // restarts the wait with the new interval
}

void CPikoraDlg::applyAccessOptions()
{
    m_scanner.applyOptions();
    setFullScreen(m_context.access.fullScreen);
}

bool CPikoraDlg::isChoiceShown(int id) const
{
    const QWidget* widget = control(id);
    return widget != nullptr && !widget->isHidden();
}

void CPikoraDlg::showHighlight(int id)
{
    m_highlight->frame(id < 0 ? nullptr : control(id));
}

void CPikoraDlg::keyPressEvent(QKeyEvent* event)
{
    if (!takeChoiceKey(*event)) {
        QDialog::keyPressEvent(event);
    }
}

bool CPikoraDlg::takeChoiceKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        // A key held down chooses once.
        if (!event.isAutoRepeat()) {
            ChooseByNumber(m_context, *this, key - Qt::Key_0);
        }
        return true;
    }
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    if (m_context.access.scan == ScanMode::Off) {
        return false; // Enter and space keep their usual meaning
    }
    if (!event.isAutoRepeat()) {
        m_scanner.onSwitch(key == Qt::Key_Space ? SwitchKey::Space : SwitchKey::Enter);
    }
    return true;
}

void CPikoraDlg::setFullScreen(bool fullScreen)
{
    if (fullScreen == isFullScreen()) {
        return;
    }
    if (fullScreen) {
        m_normalGeometry = geometry();
        // The client keeps its own size, centred on the plain background below the menu bar.
        m_layout->setAlignment(m_client, Qt::AlignCenter);
        m_layout->setSizeConstraint(QLayout::SetMinimumSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        if (QScreen* screen = this->screen()) {
            setGeometry(screen->geometry()); // also without a window manager to do it
        }
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        m_layout->setAlignment(m_client, Qt::Alignment());
        m_layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    m_layout->activate(); // the new size constraint, now rather than at the next layout pass
    if (!fullScreen) {
        // A window manager gives back the geometry the window had when full screen began,
        // which is the screen's (set above for a screen without one): once it has, the window
        // takes its own size and place again.
        QTimer::singleShot(50, this, [this] {
            if (!isFullScreen()) {
                setGeometry(QRect(m_normalGeometry.topLeft(), size()));
            }
        });
    }
}

} // namespace pikora::ui
