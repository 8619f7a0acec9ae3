// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace pikora::ui {

// The toolkit's style with the icons that a menu bar asks for when it is made (the arrow of
// its extension button) read as the PNG files they are. The toolkit's own reading would load
// every image plugin installed (WebP, TIFF, MNG and the rest, with their libraries) into the
// game at start-up, for a button that is seldom shown.
class ProgramStyle final : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

} // namespace pikora::ui
