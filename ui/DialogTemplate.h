// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <QFlags>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

class QMenuBar;
class QPaintDevice;
class QWidget;

namespace pikora::ui {

// Window layouts are data (the JSON files in res/, compiled in under ":/res"); one builder
// turns them into widgets. Positions and sizes are in dialog units, which scale with the
// dialog font: 1 horizontal unit is a quarter of the font's average character width and
// 1 vertical unit an eighth of its height.

enum class ControlKind
{
    PushButton,
    BitmapButton, // pikora::ui::BitmapButton
    RichEdit, // pikora::ui::RichEdit
    StaticText, // QLabel
    CheckBox,
    RadioButton, // one group per window: checking one unchecks the others
    Edit, // QLineEdit
    MultiLineEdit, // QPlainTextEdit
    ListView, // QListView in list arrangement; its window gives it a model
    Picture, // QLabel showing a bitmap resource
    Icon, // QLabel showing an icon resource
    ComboBox, // QComboBox: a drop-down list to pick from
    Panel, // an empty QWidget that the window fills with a widget of its own (a chart, a table)
    SpinBox, // QDoubleSpinBox: a number with one decimal; its window sets the range
};

enum class ControlStyle : unsigned
{
    Visible = 1u << 0,
    Disabled = 1u << 1,
    TabStop = 1u << 2,
    DefaultButton = 1u << 3, // Enter clicks it when the focus is on no other push button
    ReadOnly = 1u << 4,
    MultiLine = 1u << 5, // rich edit: several lines, wrapped at the box's width
    Centered = 1u << 6,
    Border = 1u << 7, // the toolkit's usual frame of a text box or list
    Flat = 1u << 8, // push button: flat face
    StaticEdge = 1u << 9, // a thin sunken edge around the control
    AutoCheck = 1u << 10, // check box toggles itself when clicked
    NoPrefix = 1u << 11, // static text: "&" is shown as it is, not as a mnemonic
    WantReturn = 1u << 12, // multi-line edit: Enter starts a new line instead of reaching the
                           // default button (Ctrl+Enter always starts one)
    NoScrollBars = 1u << 13,
    NoWrap = 1u << 14, // multi-line edit: lines scroll sideways with the caret
};
Q_DECLARE_FLAGS(ControlStyles, ControlStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlStyles)

enum class WindowStyle : unsigned
{
    Popup = 1u << 0,
    Visible = 1u << 1, // the window class shows the window once it is set up
    Caption = 1u << 2, // title bar
    SystemMenu = 1u << 3, // window menu and close box
    DialogFrame = 1u << 4,
    MinimizeBox = 1u << 5,
    MaximizeBox = 1u << 6,
    SizeBorder = 1u << 7,
    AppWindow = 1u << 8, // a task-bar entry even when owned
};
Q_DECLARE_FLAGS(WindowStyles, WindowStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(WindowStyles)

struct ControlTemplate
{
    int id = -1; // -1: a control the program never addresses
    ControlKind kind = ControlKind::StaticText;
    QString text;
    ControlStyles style;
    QRect rect; // dialog units
    int imageId = 0; // picture and icon: the bitmap or icon resource shown; 0 for none
};

struct DialogTemplate
{
    int id = 0;
    QString caption;
    QSize size; // client area, dialog units
    QString fontFace;
    int fontPoints = 8;
    WindowStyles style;
    int menuId = 0; // 0: no menu bar
    std::vector<ControlTemplate> controls; // template order, which is the tab order
};

struct MenuItemTemplate
{
    QString text;
    int commandId = 0;
    bool checked = false;
};

struct MenuPopupTemplate
{
    QString text;
    std::vector<MenuItemTemplate> items;
};

struct MenuTemplate
{
    int id = 0;
    std::vector<MenuPopupTemplate> popups;
};

// Loading fails (with a warning) only for a resource that is missing or malformed.
std::optional<DialogTemplate> loadDialogTemplate(int id);
std::optional<MenuTemplate> loadMenu(int id);
// Empty when the string table has no such string.
QString loadString(int id);

// Average character width and height of the dialog font, in pixels.
struct BaseUnits
{
    int x = 0;
    int y = 0;
};

// number × numerator / denominator, rounded half away from zero; -1 when denominator is 0.
int mulDiv(int number, int numerator, int denominator);

// The font that stands for the template's face: the shell's dialog face is served by a
// Linux font of the same metrics (see the definition).
QFont dialogFont(const DialogTemplate& dialog);
// Measured as the dialog manager measures: the advance of the 52 letters A..Z a..z,
// (width / 26 + 1) / 2, and the font height. The device gives the resolution (the
// primary screen's when null).
BaseUnits measureBaseUnits(const QFont& font, QPaintDevice* device = nullptr);
// Each of x, y, width and height is converted on its own, as the dialog manager does.
QRect dialogUnitsToPixels(const QRect& units, BaseUnits base);
QSize dialogUnitsToPixels(const QSize& units, BaseUnits base);

// Title bar, window menu and frame buttons that the template's style asks for.
Qt::WindowFlags windowFlagsFor(const DialogTemplate& dialog);

struct BuiltDialog
{
    BaseUnits base;
    std::map<int, QWidget*> byId; // every control whose id is not -1
    std::vector<QWidget*> inOrder; // every control, template order

    QWidget* control(int id) const;
    template<class Widget> Widget* controlAs(int id) const
    {
        return qobject_cast<Widget*>(control(id));
    }
};

// Creates every control of the template as a child of `window`, in template order (the
// tab order follows it), at its pixel rectangle, with its text and states. Gives the window
// the dialog font, the caption and a fixed client size (a menu bar is extra); when the
// window is a top-level window it also gets windowFlagsFor(). It is not shown: the
// window class shows it when the template's Visible style says so.
BuiltDialog buildDialog(const DialogTemplate& dialog, QWidget* window);

// Items are checkable and checked when the template says checked; choosing an item calls
// onCommand with its command id and leaves its check mark as it was.
QMenuBar* buildMenuBar(
    const MenuTemplate& menu, QWidget* parent, std::function<void(int commandId)> onCommand);

} // namespace pikora::ui
