// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WindowHost.h"
#include "ui/DialogTemplate.h"

#include <functional>
#include <memory>

#include <QDialog>
#include <QVBoxLayout>

class QPlainTextEdit;

namespace pikora::ui {

// A secondary window built from its template and owned by the main window: the controls by
// id, the template's images, and the window operations the game asks for. Subclasses add
// their fields and move them in pushFields and pullFields.
class TemplateWindow : public QDialog, public WindowHost
{
    Q_OBJECT

public:
    TemplateWindow(int templateId, QWidget* owner);

    QWidget* control(int id) const { return m_built.control(id); }
    const BuiltDialog& built() const { return m_built; }

    void setButtonImage(int, std::unique_ptr<Bitmap>) override { }
    void showControl(int control, bool visible) override;
    void setFocus(int control) override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override { setEnabled(enabled); }
    void pushFields() override { }
    void pullFields() override { }
    void setTimer(int, int) override { }

protected:
    // Runs `handler` when the push button with this id is clicked.
    void onButton(int id, std::function<void()> handler);

    BuiltDialog m_built;
};

// The images of the program, by resource id: icon 128 and bitmap 134.
QPixmap resourceImage(int id, int size = 0);
QIcon programIcon();
// An image of the program's or the toolkit's own resources, read as the format it is. Left to
// find the format itself, the toolkit asks every image plugin installed, loading them all (and
// their libraries) into the program.
QPixmap ownImage(const QString& path, const char* format);
// Sets `text` into `box` with every paragraph in the direction of the window's language: a
// line of Latin letters or digits would otherwise run left to right in a mirrored window.
void setPlainTextInLayoutDirection(QPlainTextEdit& box, const QString& text);

// Fills a panel of a template with one widget of the window's own (a chart, a table, a list).
template<class Widget> Widget* fillPanel(QWidget* panel, Widget* widget)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    return widget;
}

} // namespace pikora::ui
