// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameContext.h"
#include "ui/AccessLogic.h"
#include "ui/TemplateWindow.h"

#include <functional>

namespace pikora::ui {

// The window in which a parent or teacher sets up playing without a mouse: switch scanning
// and its step time, and full screen. Modeless, owned by the main window, made once and
// hidden between uses, like Setup.
class AccessWindow : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 140;
    enum Control
    {
        Ok = 1,
        Cancel = 2,
        NoScanning = 1040,
        OneSwitch = 1041,
        TwoSwitches = 1042,
        StepTime = 1043,
        FullScreen = 1044,
        AcceptDelay = 1045,
    };

    // `applied` runs after OK has saved the options, to put them into effect at once.
    AccessWindow(
        GameContext& context, AccessFields& fields, std::function<void()> applied, QWidget* owner);

    void pushFields() override;
    void pullFields() override;

    void accept() override;
    void reject() override;

private:
    GameContext& m_context;
    AccessFields& m_fields;
    std::function<void()> m_applied;
};

} // namespace pikora::ui
