// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-media: draws and synthesises the game's feedback media and its icon images.
//   pikora-media OUTDIR
// writes OUTDIR/correct.bmp, correct.wav, no.wav, applause.wav, bitmap134.bmp and
// OUTDIR/icons/pikora-<size>.png. Everything is made from code; the output is the same on
// every run.
#include "Drawings.h"
#include "Sounds.h"
#include "platform/Pictures.h"
#include "platform/Wave.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

using namespace pikora;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
        return true;
    }
    QTextStream(stderr) << "pikora-media: " << path << ": " << file.errorString() << Qt::endl;
    return false;
}

bool writeSound(const QString& path, const media::Sound& sound)
{
    return writeFile(
        path, pictureset::encodeWave16(sound.samples, sound.channels, media::kSampleRate));
}

bool writeIcons(const QDir& folder)
{
    bool ok = folder.mkpath(QStringLiteral("icons"));
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString path = folder.filePath(QStringLiteral("icons/pikora-%1.png").arg(size));
        ok = media::programIcon(size).save(path, "PNG") && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: pikora-media OUTDIR" << Qt::endl;
        return 2;
    }
    const QDir folder(app.arguments().at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "pikora-media: cannot make " << folder.path() << Qt::endl;
        return 1;
    }
    bool ok = writeFile(folder.filePath(QStringLiteral("correct.bmp")),
        pictureset::encodeBmp24(media::correctSign()));
    ok = writeFile(folder.filePath(QStringLiteral("bitmap134.bmp")),
             pictureset::encodeBmp24(media::aboutBanner()))
        && ok;
    ok = writeSound(folder.filePath(QStringLiteral("correct.wav")), media::correctChime()) && ok;
    ok = writeSound(folder.filePath(QStringLiteral("no.wav")), media::gentleBuzz()) && ok;
    ok = writeSound(folder.filePath(QStringLiteral("applause.wav")), media::applause()) && ok;
    ok = writeIcons(folder) && ok;
    return ok ? 0 : 1;
}
