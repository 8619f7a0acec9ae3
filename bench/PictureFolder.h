// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include <QColor>
#include <QImage>

namespace pikora::bench {

// A picture folder of four 400 × 260 24-bit bitmaps, mymain/picture0.bmp to picture3.bmp,
// made the current directory while it lives.
class PictureFolder
{
public:
    PictureFolder()
    {
        std::filesystem::create_directory(m_dir / "mymain");
        for (int i = 0; i < 4; ++i) {
            QImage image(400, 260, QImage::Format_RGB888);
            image.fill(QColor::fromHsv(i * 90, 200, 220));
            const std::string path
                = (m_dir / ("mymain/picture" + std::to_string(i) + ".bmp")).string();
            if (!image.save(QString::fromStdString(path), "BMP")) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
            }
        }
    }

    const testing::CurrentTempDir& dir() const { return m_dir; }

private:
    testing::CurrentTempDir m_dir;
};

} // namespace pikora::bench
