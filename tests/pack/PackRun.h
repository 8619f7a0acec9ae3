// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pikora::pack::testing {

struct RunResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program of the build (pikora-pack, pikora-media) to its end.
RunResult runProgram(const QString& program, const QStringList& arguments);

// A test with a fresh folder that runs pikora-pack in it.
class PackRunTest : public ::testing::Test
{
protected:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;

    // Writes the word list "words.txt" and makes the folder "out" from it.
    RunResult pack(const char* wordList, const QStringList& options = {}) const;
    RunResult check(const QString& folder) const;

private:
    QTemporaryDir m_dir;
};

// The smallest rectangle of the pixels that `wanted` accepts.
QRect extent(const QImage& image, const std::function<bool(QRgb)>& wanted);
// Bits a pixel in a BMP file's header; 0 when it is no BMP file.
int bmpDepth(const QByteArray& bytes);

} // namespace pikora::pack::testing
