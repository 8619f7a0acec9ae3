// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PackRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace pikora::pack::testing {

RunResult runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    RunResult result;
    if (!process.waitForFinished(120'000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("did not finish");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void PackRunTest::write(const QString& relative, const QByteArray& bytes) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
    out.write(bytes);
}

QByteArray PackRunTest::read(const QString& relative) const
{
    QFile in(path(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool PackRunTest::exists(const QString& relative) const
{
    return QFileInfo::exists(path(relative));
}

RunResult PackRunTest::pack(const char* wordList, const QStringList& options) const
{
    write(QStringLiteral("words.txt"), wordList);
    return runProgram(QStringLiteral(PIKORA_PACK_PROGRAM),
        options + QStringList { path(QStringLiteral("words.txt")), path(QStringLiteral("out")) });
}

RunResult PackRunTest::check(const QString& folder) const
{
    return runProgram(QStringLiteral(PIKORA_PACK_PROGRAM), { QStringLiteral("--check"), folder });
}

QRect extent(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(image.pixel(x, y))) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

int bmpDepth(const QByteArray& bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM")) {
        return 0;
    }
    return std::uint8_t(bytes[28]) | (std::uint8_t(bytes[29]) << 8);
}

} // namespace pikora::pack::testing
