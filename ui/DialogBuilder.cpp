// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// Turns a window template into widgets: controls at their pixel rectangles, the tab order,
// mnemonics and the menu bar.
#include "BitmapButton.h"
#include "DialogTemplate.h"
#include "RichEdit.h"
#include "Translations.h"

#include <array>
#include <cstdlib>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pikora::ui {

namespace {

// A multi-line edit box in a dialog: Tab moves the focus on, and without the want-return
// style Enter goes to the dialog (its default button) while Ctrl+Enter starts a new line.
class DialogTextEdit : public QPlainTextEdit
{
public:
    DialogTextEdit(bool wantReturn, QWidget* parent)
        : QPlainTextEdit(parent)
        , m_wantReturn(wantReturn)
    {
        setTabChangesFocus(true);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const bool control = event->modifiers() & Qt::ControlModifier;
        if (enter && control && !isReadOnly()) {
            textCursor().insertBlock();
            event->accept();
            return;
        }
        if (enter && !m_wantReturn) {
            event->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    bool m_wantReturn;
};

QFrame::Shape frameFor(const ControlTemplate& control)
{
    return control.style & ControlStyle::Border ? QFrame::StyledPanel : QFrame::NoFrame;
}

QWidget* createPushButton(const ControlTemplate& control, QWidget* window)
{
    auto* button = new QPushButton(control.text, window);
    button->setAutoDefault(false);
    // In a dialog the last button with the default style wins, as with the platform's
    // dialog manager.
    button->setDefault(control.style & ControlStyle::DefaultButton);
    return button;
}

QWidget* createBitmapButton(const ControlTemplate& control, QWidget* window)
{
    auto* button = new BitmapButton(window);
    button->setText(control.text);
    if (control.style & (ControlStyle::Flat | ControlStyle::StaticEdge)) {
        button->setFace(BitmapButton::Face::FlatStaticEdge);
    }
    return button;
}

QWidget* createRichEdit(const ControlTemplate& control, QWidget* window)
{
    auto* edit = new RichEdit(window);
    edit->setMultiLine(control.style & ControlStyle::MultiLine);
    edit->setCentered(control.style & ControlStyle::Centered);
    edit->setBorder(control.style & ControlStyle::Border);
    edit->setReadOnly(control.style & ControlStyle::ReadOnly);
    edit->setPlainText(control.text);
    return edit;
}

QWidget* createStaticText(const ControlTemplate& control, QWidget* window)
{
    // Plain text: markup-like texts are shown as they are. Without the no-prefix style
    // an "&" marks a mnemonic that moves the focus to the next control (the buddy is set
    // once all controls exist).
    auto* label = new QLabel(control.text, window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    const Qt::Alignment horizontal
        = control.style & ControlStyle::Centered ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QWidget* createCheckBox(const ControlTemplate& control, QWidget* window)
{
    // The box and its label sit as close as the platform's do (3 pixels apart rather than
    // the style's 6), or labels such as "Show Spelling" lose their last letter.
    auto* box = new QCheckBox(control.text, window);
    box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"));
    return box;
}

QWidget* createRadioButton(const ControlTemplate& control, QWidget* window)
{
    // Radio buttons with the same parent exclude one another, so a window holds one group.
    auto* button = new QRadioButton(control.text, window);
    button->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
    return button;
}

QWidget* createEdit(const ControlTemplate& control, QWidget* window)
{
    auto* edit = new QLineEdit(control.text, window);
    edit->setFrame(control.style & ControlStyle::Border);
    edit->setReadOnly(control.style & ControlStyle::ReadOnly);
    if (control.style & ControlStyle::Centered) {
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

QWidget* createMultiLineEdit(const ControlTemplate& control, QWidget* window)
{
    auto* edit = new DialogTextEdit(control.style & ControlStyle::WantReturn, window);
    edit->setPlainText(control.text);
    edit->setFrameShape(frameFor(control));
    edit->setReadOnly(control.style & ControlStyle::ReadOnly);
    edit->setLineWrapMode(control.style & ControlStyle::NoWrap ? QPlainTextEdit::NoWrap
                                                               : QPlainTextEdit::WidgetWidth);
    if (control.style & ControlStyle::NoScrollBars) {
        // The view still follows the caret; it only shows no bars.
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return edit;
}

QWidget* createListView(const ControlTemplate& control, QWidget* window)
{
    // The list arrangement: items run down in columns, a new column when one is full.
    auto* list = new QListView(window);
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFrameShape(frameFor(control));
    return list;
}

QWidget* createImageLabel(QWidget* window)
{
    // The window class sets the image; it is shown at its own size from the top left.
    auto* label = new QLabel(window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setScaledContents(false);
    return label;
}

QWidget* createControl(const ControlTemplate& control, QWidget* window)
{
    switch (control.kind) {
    case ControlKind::PushButton:
        return createPushButton(control, window);
    case ControlKind::BitmapButton:
        return createBitmapButton(control, window);
    case ControlKind::RichEdit:
        return createRichEdit(control, window);
    case ControlKind::StaticText:
        return createStaticText(control, window);
    case ControlKind::CheckBox:
        return createCheckBox(control, window);
    case ControlKind::RadioButton:
        return createRadioButton(control, window);
    case ControlKind::Edit:
        return createEdit(control, window);
    case ControlKind::MultiLineEdit:
        return createMultiLineEdit(control, window);
    case ControlKind::ListView:
        return createListView(control, window);
    case ControlKind::Picture:
    case ControlKind::Icon:
        return createImageLabel(window);
    case ControlKind::ComboBox:
        return new QComboBox(window);
    case ControlKind::Panel:
        return new QWidget(window);
    case ControlKind::SpinBox: {
        auto* box = new QDoubleSpinBox(window);
        box->setDecimals(1);
        box->setSingleStep(0.1);
        return box;
    }
    }
    return new QWidget(window);
}

bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::StaticText && kind != ControlKind::Picture
        && kind != ControlKind::Icon && kind != ControlKind::Panel;
}

// A window laid out right to left mirrors its template: a control's distance from the left
// edge becomes its distance from the right one.
QRect placeOf(const ControlTemplate& control, BaseUnits base, int clientWidth, bool mirrored)
{
    QRect place = dialogUnitsToPixels(control.rect, base);
    if (mirrored) {
        place.moveLeft(clientWidth - place.x() - place.width());
    }
    return place;
}

void applyCommonState(const ControlTemplate& control, QWidget* widget, const QRect& place)
{
    if (control.id != -1) {
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    }
    widget->setGeometry(place);
    // Without the tab-stop style a control still takes the focus when clicked.
    if (!takesFocus(control.kind)) {
        widget->setFocusPolicy(Qt::NoFocus);
    } else {
        widget->setFocusPolicy(
            control.style & ControlStyle::TabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    widget->setEnabled(!(control.style & ControlStyle::Disabled));
    if (!(control.style & ControlStyle::Visible)) {
        widget->setVisible(false);
    }
}

void linkMnemonics(const DialogTemplate& dialog, const std::vector<QWidget*>& widgets)
{
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& control = dialog.controls[i];
        if (control.kind != ControlKind::StaticText || control.style & ControlStyle::NoPrefix
            || !static_cast<QLabel*>(widgets[i])->text().contains(QLatin1Char('&'))) {
            continue;
        }
        for (std::size_t next = i + 1; next < widgets.size(); ++next) {
            if (widgets[next]->focusPolicy() != Qt::NoFocus) {
                static_cast<QLabel*>(widgets[i])->setBuddy(widgets[next]);
                break;
            }
        }
    }
}

void chainTabOrder(const std::vector<QWidget*>& widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const long long divisor = std::llabs(denominator);
    const long long quotient = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>(negative ? -quotient : quotient);
}

QFont dialogFont(const DialogTemplate& dialog)
{
    // The shell's dialog face has base units of 6 × 13 pixels at 8 points and 96 dpi, which
    // puts the main window at 975 × 696 pixels. DejaVu Sans (fonts-dejavu-core) at 8 points
    // is 13 pixels high but 7 wide; semi-condensed it is 6 wide. Where fonts-dejavu-extra is
    // installed that picks DejaVu Sans Condensed, otherwise Qt narrows the regular face;
    // both measure 6 × 13. (Liberation Sans is not on a stock system; Nimbus Sans is 16 high.)
    if (dialog.fontFace == QLatin1String("MS Shell Dlg")
        || dialog.fontFace == QLatin1String("MS Shell Dlg 2")) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStretch(QFont::SemiCondensed);
        font.setPointSize(dialog.fontPoints);
        return font;
    }
    QFont font(dialog.fontFace);
    font.setPointSize(dialog.fontPoints);
    return font;
}

BaseUnits measureBaseUnits(const QFont& font, QPaintDevice* device)
{
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return { (width / 26 + 1) / 2, metrics.height() };
}

QRect dialogUnitsToPixels(const QRect& units, BaseUnits base)
{
    return { mulDiv(units.x(), base.x, 4), mulDiv(units.y(), base.y, 8),
        mulDiv(units.width(), base.x, 4), mulDiv(units.height(), base.y, 8) };
}

QSize dialogUnitsToPixels(const QSize& units, BaseUnits base)
{
    return { mulDiv(units.width(), base.x, 4), mulDiv(units.height(), base.y, 8) };
}

Qt::WindowFlags windowFlagsFor(const DialogTemplate& dialog)
{
    Qt::WindowFlags flags = dialog.style & WindowStyle::AppWindow ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (dialog.style & WindowStyle::Caption) {
        flags |= Qt::WindowTitleHint;
    }
    if (dialog.style & WindowStyle::SystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (dialog.style & WindowStyle::MinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (dialog.style & WindowStyle::MaximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

QWidget* BuiltDialog::control(int id) const
{
    const auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}

BuiltDialog buildDialog(const DialogTemplate& dialog, QWidget* window)
{
    if (window->isWindow()) {
        window->setWindowFlags(windowFlagsFor(dialog));
    }
    // Every text of the template is shown in the learner's language (Translations.h).
    const QString resource = dialogResource(dialog.id);
    window->setWindowTitle(templateText(resource, dialog.caption));
    window->setFont(dialogFont(dialog));

    BuiltDialog built;
    built.base = measureBaseUnits(window->font(), window);
    const QSize client = dialogUnitsToPixels(dialog.size, built.base);
    window->setFixedSize(client);
    const bool mirrored = window->layoutDirection() == Qt::RightToLeft;
    for (const ControlTemplate& control : dialog.controls) {
        ControlTemplate shown = control;
        shown.text = templateText(resource, control.text);
        QWidget* widget = createControl(shown, window);
        applyCommonState(control, widget, placeOf(control, built.base, client.width(), mirrored));
        built.inOrder.push_back(widget);
        if (control.id != -1) {
            built.byId[control.id] = widget;
        }
    }
    linkMnemonics(dialog, built.inOrder);
    chainTabOrder(built.inOrder);
    return built;
}

QMenuBar* buildMenuBar(
    const MenuTemplate& menu, QWidget* parent, std::function<void(int commandId)> onCommand)
{
    auto* bar = new QMenuBar(parent);
    for (const MenuPopupTemplate& popup : menu.popups) {
        // A title and an item may share a text but not its translation (Translations.h).
        const QString resource = menuResource(menu.id);
        QMenu* popupMenu = bar->addMenu(templateText(resource, popup.text, QStringLiteral("menu")));
        for (const MenuItemTemplate& item : popup.items) {
            QAction* action = popupMenu->addAction(templateText(resource, item.text, popup.text));
            action->setData(item.commandId);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            const int command = item.commandId;
            QObject::connect(action, &QAction::triggered, bar, [action, command, onCommand] {
                // A check mark belongs to the program, not to the click: undo Qt's toggle.
                if (action->isCheckable()) {
                    action->setChecked(!action->isChecked());
                }
                if (onCommand) {
                    onCommand(command);
                }
            });
        }
    }
    return bar;
}

} // namespace pikora::ui
