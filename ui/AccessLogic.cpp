// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessLogic.h"

#include "game/AccessOptions.h"
#include "game/GameContext.h"

#include <algorithm>
#include <charconv>

namespace pikora {

std::int32_t scanMsFromText(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return scanMsDefault;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') {
        ++begin;
    }
    long long ms = 0;
    const auto [stop, error] = std::from_chars(begin, end, ms);
    if (stop != end || begin == end) {
        return scanMsDefault;
    }
    if (error == std::errc::result_out_of_range) {
        return *begin == '-' ? scanMsMin : scanMsMax;
    }
    return static_cast<std::int32_t>(std::clamp<long long>(ms, scanMsMin, scanMsMax));
}

void ShowAccessWindow(GameContext& context, AccessFields& fields)
{
    auto& platform = context.platform;
    if (!platform.createWindow(Window::Access)) {
        return;
    }
    const AccessOptions& access = context.access;
    fields.scanMode = static_cast<int>(access.scan);
    fields.stepText = std::to_string(access.scanMs);
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
    access.scanMs = scanMsFromText(fields.stepText);
    access.fullScreen = fields.fullScreen != 0;
    SaveAccessOptions(context);
    platform.showWindow(Window::Access, false);
}

void AccessCancel(PlatformServices& platform)
{
    platform.showWindow(Window::Access, false);
}

} // namespace pikora
