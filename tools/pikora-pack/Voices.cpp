// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Voices.h"

#include "Wave.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace pikora::pack {

namespace {

constexpr int kProcessTimeoutMs = 60'000;

struct RunResult
{
    bool started = false;
    int exitCode = -1;
    QString errors;
};

RunResult run(const QString& program, const QStringList& arguments, const QString& input)
{
    QProcess process;
    process.start(program, arguments);
    RunResult result;
    result.started = process.waitForStarted(kProcessTimeoutMs);
    if (!result.started) {
        return result;
    }
    process.write(input.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(kProcessTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.errors = QStringLiteral("timed out");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return result;
}

QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0);
}

} // namespace

QString Speaker::languageProblem(const QString& language)
{
    const auto known = m_languages.find(language);
    if (known != m_languages.end()) {
        return known->second;
    }
    // -q: no sound out; an unknown voice makes espeak-ng exit with 1.
    const RunResult result = run(QStringLiteral("espeak-ng"),
        { QStringLiteral("-q"), QStringLiteral("-v"), language, QStringLiteral("--stdin") },
        QStringLiteral("a"));
    QString problem;
    if (!result.started) {
        problem = QStringLiteral("espeak-ng cannot be started (Debian package espeak-ng)");
    } else if (result.exitCode != 0) {
        problem = QStringLiteral("espeak-ng has no voice for the language '%1' "
                                 "(espeak-ng --voices lists them)")
                      .arg(language);
    }
    m_languages.emplace(language, problem);
    return problem;
}

QString Speaker::speak(const QString& text, const QString& language, const QString& out)
{
    QString problem = languageProblem(language);
    if (!problem.isEmpty()) {
        return problem;
    }
    // The text goes in on standard input, so a word starting with '-' is not an option.
    const RunResult result = run(QStringLiteral("espeak-ng"),
        { QStringLiteral("-v"), language, QStringLiteral("-w"), out, QStringLiteral("--stdin") },
        text);
    if (result.exitCode != 0) {
        return QStringLiteral("espeak-ng failed: %1").arg(firstLine(result.errors));
    }
    const WaveInfo info = inspectWaveFile(out);
    if (!info.isPcm16()) {
        return QStringLiteral("espeak-ng made no usable sound: %1").arg(info.problem);
    }
    // Text espeak-ng cannot pronounce comes out as a few milliseconds of silence.
    if (info.dataBytes < std::uint32_t(info.sampleRate * info.channels * 2 / 10)) {
        return QStringLiteral("espeak-ng said nothing for '%1'").arg(text);
    }
    return {};
}

QString convertRecording(const QString& in, const QString& out)
{
    if (!QFileInfo(in).isFile()) {
        return QStringLiteral("the recording %1 does not exist").arg(in);
    }
    QFile::remove(out);
    if (inspectWaveFile(in).isPcm16()) {
        return QFile::copy(in, out) ? QString()
                                    : QStringLiteral("the recording %1 cannot be copied").arg(in);
    }
    const RunResult result = run(QStringLiteral("sox"),
        { in, QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-e"),
            QStringLiteral("signed-integer"), QStringLiteral("-t"), QStringLiteral("wav"), out },
        {});
    if (!result.started) {
        return QStringLiteral("sox is needed to convert %1 (Debian package sox)").arg(in);
    }
    if (result.exitCode != 0) {
        return QStringLiteral("the recording %1 cannot be converted: %2")
            .arg(in, firstLine(result.errors));
    }
    const WaveInfo info = inspectWaveFile(out);
    return info.isPcm16()
        ? QString()
        : QStringLiteral("the recording %1 gave no sound: %2").arg(in, info.problem);
}

} // namespace pikora::pack
