// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace pikora::media {

// The sign of a right answer, shown on the chosen picture button: 420 × 250.
QImage correctSign();
// The program's icon at `size` × `size` pixels, on a transparent background.
QImage programIcon(int size);
// The About picture: the name "Pikora" beside a small picture card, 380 × 80.
QImage aboutBanner();

} // namespace pikora::media
