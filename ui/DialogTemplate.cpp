// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTemplate.h"

#include <array>
#include <cstdlib>
#include <utility>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pikora::ui {

namespace {

template<class Value> struct Named
{
    const char* name;
    Value value;
};

constexpr std::array controlKinds {
    Named<ControlKind> { "pushButton", ControlKind::PushButton },
    Named<ControlKind> { "bitmapButton", ControlKind::BitmapButton },
    Named<ControlKind> { "richEdit", ControlKind::RichEdit },
    Named<ControlKind> { "static", ControlKind::StaticText },
    Named<ControlKind> { "checkBox", ControlKind::CheckBox },
    Named<ControlKind> { "radioButton", ControlKind::RadioButton },
    Named<ControlKind> { "edit", ControlKind::Edit },
    Named<ControlKind> { "multiLineEdit", ControlKind::MultiLineEdit },
    Named<ControlKind> { "listView", ControlKind::ListView },
    Named<ControlKind> { "picture", ControlKind::Picture },
    Named<ControlKind> { "icon", ControlKind::Icon },
    Named<ControlKind> { "comboBox", ControlKind::ComboBox },
    Named<ControlKind> { "panel", ControlKind::Panel },
    Named<ControlKind> { "spinBox", ControlKind::SpinBox },
};

constexpr std::array controlStyles {
    Named<ControlStyle> { "visible", ControlStyle::Visible },
    Named<ControlStyle> { "disabled", ControlStyle::Disabled },
    Named<ControlStyle> { "tabStop", ControlStyle::TabStop },
    Named<ControlStyle> { "defaultButton", ControlStyle::DefaultButton },
    Named<ControlStyle> { "readOnly", ControlStyle::ReadOnly },
    Named<ControlStyle> { "multiLine", ControlStyle::MultiLine },
    Named<ControlStyle> { "centered", ControlStyle::Centered },
    Named<ControlStyle> { "border", ControlStyle::Border },
    Named<ControlStyle> { "flat", ControlStyle::Flat },
    Named<ControlStyle> { "staticEdge", ControlStyle::StaticEdge },
    Named<ControlStyle> { "autoCheck", ControlStyle::AutoCheck },
    Named<ControlStyle> { "noPrefix", ControlStyle::NoPrefix },
    Named<ControlStyle> { "wantReturn", ControlStyle::WantReturn },
    Named<ControlStyle> { "noScrollBars", ControlStyle::NoScrollBars },
    Named<ControlStyle> { "noWrap", ControlStyle::NoWrap },
};

constexpr std::array windowStyles {
    Named<WindowStyle> { "popup", WindowStyle::Popup },
    Named<WindowStyle> { "visible", WindowStyle::Visible },
    Named<WindowStyle> { "caption", WindowStyle::Caption },
    Named<WindowStyle> { "systemMenu", WindowStyle::SystemMenu },
    Named<WindowStyle> { "dialogFrame", WindowStyle::DialogFrame },
    Named<WindowStyle> { "minimizeBox", WindowStyle::MinimizeBox },
    Named<WindowStyle> { "maximizeBox", WindowStyle::MaximizeBox },
    Named<WindowStyle> { "sizeBorder", WindowStyle::SizeBorder },
    Named<WindowStyle> { "appWindow", WindowStyle::AppWindow },
};

// Collects the first problem found in a resource; the resource is refused as a whole.
class Reader
{
public:
    explicit Reader(QString resource)
        : m_resource(std::move(resource))
    { }

    bool ok() const { return m_problem.isEmpty(); }
    void fail(const QString& problem)
    {
        if (ok()) {
            m_problem = problem;
            qWarning("%s: %s", qPrintable(m_resource), qPrintable(problem));
        }
    }

    std::optional<QJsonObject> open()
    {
        QFile file(m_resource);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("missing"));
            return std::nullopt;
        }
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            fail(QStringLiteral("not a JSON object: %1").arg(error.errorString()));
            return std::nullopt;
        }
        return document.object();
    }

    int integer(const QJsonObject& object, const QString& key)
    {
        const QJsonValue value = object.value(key);
        if (!value.isDouble()) {
            fail(QStringLiteral("\"%1\" is not a number").arg(key));
        }
        return value.toInt();
    }

    template<class Value, std::size_t count>
    Value named(const std::array<Named<Value>, count>& table, const QString& name)
    {
        for (const auto& entry : table) {
            if (name == QLatin1String(entry.name)) {
                return entry.value;
            }
        }
        fail(QStringLiteral("unknown name \"%1\"").arg(name));
        return table.front().value;
    }

    template<class Value, std::size_t count>
    QFlags<Value> flags(const std::array<Named<Value>, count>& table, const QJsonValue& list)
    {
        QFlags<Value> result;
        for (const QJsonValue& name : list.toArray()) {
            result |= named(table, name.toString());
        }
        return result;
    }

    QRect rect(const QJsonValue& value)
    {
        const QJsonArray numbers = value.toArray();
        if (numbers.size() != 4) {
            fail(QStringLiteral("a rectangle needs x, y, width and height"));
            return {};
        }
        return { numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt() };
    }

    QSize size(const QJsonValue& value)
    {
        const QJsonArray numbers = value.toArray();
        if (numbers.size() != 2) {
            fail(QStringLiteral("a size needs width and height"));
            return {};
        }
        return { numbers[0].toInt(), numbers[1].toInt() };
    }

private:
    QString m_resource;
    QString m_problem;
};

ControlTemplate readControl(Reader& reader, const QJsonObject& object)
{
    ControlTemplate control;
    control.id = reader.integer(object, QStringLiteral("id"));
    control.kind = reader.named(controlKinds, object.value(QStringLiteral("kind")).toString());
    control.text = object.value(QStringLiteral("text")).toString();
    control.style = reader.flags(controlStyles, object.value(QStringLiteral("style")));
    control.rect = reader.rect(object.value(QStringLiteral("rect")));
    control.imageId = object.value(QStringLiteral("image")).toInt(0);
    return control;
}

MenuPopupTemplate readPopup(const QJsonObject& object)
{
    MenuPopupTemplate popup;
    popup.text = object.value(QStringLiteral("text")).toString();
    for (const QJsonValue& value : object.value(QStringLiteral("items")).toArray()) {
        const QJsonObject item = value.toObject();
        popup.items.push_back({ item.value(QStringLiteral("text")).toString(),
            item.value(QStringLiteral("command")).toInt(),
            item.value(QStringLiteral("checked")).toBool() });
    }
    return popup;
}

} // namespace

std::optional<DialogTemplate> loadDialogTemplate(int id)
{
    Reader reader(QStringLiteral(":/res/dialog-%1.json").arg(id));
    const std::optional<QJsonObject> object = reader.open();
    if (!object) {
        return std::nullopt;
    }
    DialogTemplate dialog;
    dialog.id = reader.integer(*object, QStringLiteral("id"));
    dialog.caption = object->value(QStringLiteral("caption")).toString();
    dialog.size = reader.size(object->value(QStringLiteral("size")));
    const QJsonObject font = object->value(QStringLiteral("font")).toObject();
    dialog.fontFace = font.value(QStringLiteral("face")).toString();
    dialog.fontPoints = reader.integer(font, QStringLiteral("points"));
    dialog.style = reader.flags(windowStyles, object->value(QStringLiteral("style")));
    dialog.menuId = object->value(QStringLiteral("menu")).toInt(0);
    for (const QJsonValue& control : object->value(QStringLiteral("controls")).toArray()) {
        dialog.controls.push_back(readControl(reader, control.toObject()));
    }
    if (dialog.id != id) {
        reader.fail(QStringLiteral("holds template %1").arg(dialog.id));
    }
    if (!reader.ok()) {
        return std::nullopt;
    }
    return dialog;
}

std::optional<MenuTemplate> loadMenu(int id)
{
    Reader reader(QStringLiteral(":/res/menu-%1.json").arg(id));
    const std::optional<QJsonObject> object = reader.open();
    if (!object) {
        return std::nullopt;
    }
    MenuTemplate menu;
    menu.id = reader.integer(*object, QStringLiteral("id"));
    for (const QJsonValue& popup : object->value(QStringLiteral("popups")).toArray()) {
        menu.popups.push_back(readPopup(popup.toObject()));
    }
    if (menu.id != id) {
        reader.fail(QStringLiteral("holds menu %1").arg(menu.id));
    }
    if (!reader.ok()) {
        return std::nullopt;
    }
    return menu;
}

QString loadString(int id)
{
    Reader reader(QStringLiteral(":/res/strings.json"));
    const std::optional<QJsonObject> object = reader.open();
    if (!object) {
        return {};
    }
    for (const QJsonValue& entry : object->value(QStringLiteral("strings")).toArray()) {
        if (entry.toObject().value(QStringLiteral("id")).toInt() == id) {
            return entry.toObject().value(QStringLiteral("text")).toString();
        }
    }
    return {};
}

} // namespace pikora::ui
