// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "Voices.h"

#include "PackNames.h"
#include "Wave.h"
#include "platform/VoiceFile.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace pikora::pictureset {

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

// What sox says went wrong, without its own path and the part of it that failed
// ("/usr/bin/sox FAIL formats: "), nor the path of a file the message names already.
QString soxProblem(const QString& errors)
{
    static const QRegularExpression program(QStringLiteral(R"(^(?:\S*/)?sox \w+ [^:]*: )"));
    static const QRegularExpression input(QStringLiteral("^can't open input file `.*': "));
    return firstLine(errors).remove(program).remove(input);
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
    return {};
}

namespace {

// A release of silence after the sound, so that it does not end in a click.
constexpr double kReleaseSeconds = 0.05;
// A sound shorter than this once trimmed is a click, not a word; a longer one that is still
// shorter than the game's minimum (a letter's name) gets more silence after it.
constexpr double kShortestSound = 0.03;

// Runs sox with `effects` over the wave file `path`, in place; what went wrong.
QString soxInPlace(const QString& path, const QStringList& effects)
{
    const QString before = path + QStringLiteral(".before.wav");
    QFile::remove(before);
    QFile::rename(path, before);
    const RunResult result = run(QStringLiteral("sox"),
        QStringList { QStringLiteral("-V1"), QStringLiteral("-R"), before, path } + effects, {});
    QFile::remove(before);
    return result.exitCode == 0 ? QString() : soxProblem(result.errors);
}

// Brings a converted voice within the lengths the game plays well: cut to the cap with a
// warning, or a short word given silence up to the minimum.
QString fitLength(const QString& out, const QString& what, double maxSeconds, QString& warning)
{
    const WaveInfo info = inspectWaveFile(out);
    if (!info.isPcm16()) {
        return QStringLiteral("%1 is silent").arg(what);
    }
    const double seconds = double(info.dataBytes) / (2.0 * info.sampleRate);
    QString problem;
    if (seconds > maxSeconds) {
        problem = soxInPlace(
            out, { QStringLiteral("trim"), QStringLiteral("0"), QString::number(maxSeconds) });
        warning = QStringLiteral("%1 lasts %2 s; cut to the %3 s the game plays")
                      .arg(what)
                      .arg(qRound(seconds))
                      .arg(maxSeconds);
    } else if (seconds < kMinVoiceSeconds && seconds >= kShortestSound + kReleaseSeconds) {
        problem = soxInPlace(out,
            { QStringLiteral("pad"), QStringLiteral("0"),
                QString::number(kMinVoiceSeconds - seconds + 0.005) });
    }
    return problem.isEmpty()
        ? QString()
        : QStringLiteral("%1 cannot be brought to length: %2").arg(what, problem);
}

} // namespace

QString convertVoice(
    const QString& in, const QString& what, const QString& out, QString& warning, double maxSeconds)
{
    const QFileInfo source(in);
    if (!source.isFile()) {
        return QStringLiteral("%1 does not exist").arg(what);
    }
    if (source.size() == 0) {
        return QStringLiteral("%1 is empty").arg(what);
    }
    QFile::remove(out);
    // Quieter than -50 dB at either end is trimmed, then the release follows; the channels
    // are mixed into one. -R: the same dither each run, so a list makes the same files.
    const QString trim = QStringLiteral("silence 1 0.005 0.3%");
    QStringList arguments = { QStringLiteral("-V1"), QStringLiteral("-R"), in, QStringLiteral("-r"),
        QString::number(VoiceLimits::deviceRate), QStringLiteral("-c"), QStringLiteral("1"),
        QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-e"),
        QStringLiteral("signed-integer"), QStringLiteral("-t"), QStringLiteral("wav"), out };
    arguments << trim.split(u' ') << QStringLiteral("reverse") << trim.split(u' ')
              << QStringLiteral("reverse") << QStringLiteral("pad") << QStringLiteral("0")
              << QString::number(kReleaseSeconds);
    const RunResult result = run(QStringLiteral("sox"), arguments, {});
    if (!result.started) {
        return QStringLiteral("sox is needed to make voices (Debian package sox)");
    }
    if (result.exitCode != 0) {
        // Debian's sox reads MP3 only with a plugin of its own: "no handler for file
        // extension `mp3'" (or "detected file type", "given file type").
        static const QRegularExpression noMp3(
            QStringLiteral("no handler for .*`mp[23]'"), QRegularExpression::CaseInsensitiveOption);
        const QString problem = soxProblem(result.errors);
        return problem.contains(noMp3)
            ? QStringLiteral("%1 is MP3, which sox reads only once the Debian package "
                             "libsox-fmt-mp3 is installed")
                  .arg(what)
            : QStringLiteral("%1 cannot be read by sox: %2").arg(what, problem);
    }
    if (const QString problem = fitLength(out, what, maxSeconds, warning); !problem.isEmpty()) {
        return problem;
    }
    const VoiceVerdict voice = judgeVoice(QFile::encodeName(out).toStdString(), kSilentPeak);
    if (!voice.problem.empty()) {
        return QStringLiteral("%1 gave a voice the game cannot play: %2")
            .arg(what, QString::fromStdString(voice.problem));
    }
    if (voice.peak < kSilentPeak) {
        return QStringLiteral("%1 is silent").arg(what);
    }
    if (voice.seconds < kMinVoiceSeconds) {
        return QStringLiteral("%1 lasts only %2 s once its silence is trimmed; a voice needs %3 s")
            .arg(what)
            .arg(voice.seconds, 0, 'f', 2)
            .arg(kMinVoiceSeconds);
    }
    return {};
}

VoiceStatus voiceStatus(const std::string& path, const QString& shownName)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        return {
            QStringLiteral("no voice: %1 is missing, so the game plays the chime").arg(shownName),
            VoiceStatus::Remedy::Make
        };
    }
    const VoiceVerdict voice = judgeVoice(path, kSilentPeak);
    if (!voice.problem.empty()) {
        // Without SDL ("SDL cannot be loaded") no voice plays, whatever its file.
        const bool remade = !voice.problem.starts_with("SDL ") && ::stat(path.c_str(), &st) == 0
            && S_ISREG(st.st_mode);
        return { shownOnOneLine(voice.problem)
                + QStringLiteral(": the game plays the chime instead"),
            remade ? VoiceStatus::Remedy::Remake : VoiceStatus::Remedy::None };
    }
    if (voice.seconds < kMinVoiceSeconds) {
        return { QStringLiteral("it lasts %1 s: too short to be heard (a voice needs %2 s)")
                     .arg(voice.seconds, 0, 'f', 2)
                     .arg(kMinVoiceSeconds),
            VoiceStatus::Remedy::Remake };
    }
    if (voice.peak < kSilentPeak) {
        return { QStringLiteral("it is silent: the learner hears nothing"),
            VoiceStatus::Remedy::RecordAgain };
    }
    return {};
}

} // namespace pikora::pictureset
