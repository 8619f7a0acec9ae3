// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformServices.h"

#include <memory>

namespace pikora {

// What the platform layer needs of one of the program's windows. Each window of the
// toolkit implements it and maps control ids to its own widgets.
class WindowHost
{
public:
    virtual ~WindowHost() = default;
    virtual void setButtonImage(int control, std::unique_ptr<Bitmap> image) = 0;
    virtual void showControl(int control, bool visible) = 0;
    virtual void setFocus(int control) = 0;
    virtual void showWindow(bool visible) = 0;
    virtual void enableWindow(bool enabled) = 0;
    virtual void pushFields() = 0;
    virtual void pullFields() = 0;
    virtual void setTimer(int id, int intervalMs) = 0;
};

} // namespace pikora
