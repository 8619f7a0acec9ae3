// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "ui/PictureListModel.h"
#include "ui/SetupLogic.h"
#include "ui/TemplateWindow.h"

class QListView;

namespace pikora::ui {

// The window in which a parent or teacher changes the options and picks the pictures in
// play. Modeless, owned by the main window, made once and hidden between uses.
class setup : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 132;
    static constexpr int listColumnWidth = 300;
    enum Control
    {
        Ok = 1,
        Cancel = 2,
        SelectAll = 3,
        ClearAll = 4,
        FourChoices = 1018,
        PictureList = 1019,
        ShowSpelling = 1020,
        HideWrongButtons = 1021,
        UseTimer = 1024,
        MaxTime = 1025,
        UseWords = 1026,
    };

    setup(GameContext& context, SetupFields& fields, QWidget* owner);

    QListView* pictureList() const;
    PictureListModel* pictureModel() const { return m_pictures; }

    void pushFields() override;
    void pullFields() override;

    void accept() override;
    void reject() override;

private:
    void OnInitDialog();
    void setAllChecks(bool checked);

    GameContext& m_context;
    SetupFields& m_fields;
    PictureListModel* m_pictures = nullptr;
};

} // namespace pikora::ui
