// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessLogic.h"

#include "game/AccessOptions.h"
#include "game/GameContext.h"

#include <algorithm>
#include <cmath>

namespace pikora {

std::int32_t msFromSeconds(double seconds, std::int32_t low, std::int32_t high)
{
    if (!std::isfinite(seconds)) {
        return low;
    }
    return static_cast<std::int32_t>(
        std::clamp(std::llround(std::clamp(seconds, -1e6, 1e6) * 1000), 0LL + low, 0LL + high));
}

void ShowAccessWindow(GameContext& context, AccessFields& fields)
{
    auto& platform = context.platform;
    if (!platform.createWindow(Window::Access)) {
        return;
    }
    const AccessOptions& access = context.access;
    fields.scanMode = static_cast<int>(access.scan);
    fields.stepSeconds = access.scanMs / 1000.0;
    fields.acceptSeconds = access.acceptMs / 1000.0;
    fields.fullScreen = access.fullScreen ? 1 : 0;
    platform.pushFields(Window::Access);
    platform.showWindow(Window::Access, true);
}

void AccessOk(GameContext& context, AccessFields& fields)
{
    auto& platform = context.platform;
    platform.pullFields(Window::Access);
    AccessOptions& access = context.access;
    access.scan = fields.scanMode == 1 ? ScanMode::OneSwitch
        : fields.scanMode == 2         ? ScanMode::TwoSwitches
                                       : ScanMode::Off;
    access.scanMs = msFromSeconds(fields.stepSeconds, scanMsMin, scanMsMax);
    access.acceptMs = msFromSeconds(fields.acceptSeconds, 0, acceptMsMax);
    access.fullScreen = fields.fullScreen != 0;
    SaveAccessOptions(context);
    platform.showWindow(Window::Access, false);
}

void AccessCancel(PlatformServices& platform)
{
    platform.showWindow(Window::Access, false);
}

} // namespace pikora
