// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-pack: makes a picture folder for Pikora from a word list, or checks one.
#include "FolderCheck.h"
#include "PackBuilder.h"
#include "WordList.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

using namespace pikora::pack;

constexpr int kUsageError = 2;

QString helpText()
{
    return QStringLiteral(
               "Usage: pikora-pack [--lang LANG] [--force] WORDLIST FOLDER\n"
               "       pikora-pack --check FOLDER\n"
               "\n"
               "Makes a picture folder for Pikora (the game's 'mymain' folder): for each word\n"
               "of WORDLIST a picture '<word>.bmp' (420 x 250, 24-bit, white background) and a\n"
               "voice '<word>.wav' that says the word. A word that cannot be made is reported\n"
               "on standard error and the others are still made; the exit status is then 1.\n"
               "\n"
               "  --lang LANG    speech language: any espeak-ng voice (en, de, fr, es, en-us,\n"
               "                 ...; see espeak-ng --voices). Default: en.\n"
               "  --force        replace files in FOLDER that pikora-pack did not make. Without\n"
               "                 it they are left alone; the files it made are listed in\n"
               "                 FOLDER/.pikora-pack.\n"
               "  --check FOLDER report what the game would stumble on in a picture folder:\n"
               "                 pictures without a voice and voices without a picture, files\n"
               "                 that cannot be read, names the game cannot tell apart (it\n"
               "                 ignores letter case), names over 192 bytes, and names with a\n"
               "                 '.' before .bmp (a.b.bmp shows as A). Exit status 1 on faults.\n"
               "  -h, --help     show this text.\n"
               "\n")
        + wordListSyntax();
}

int runCheck(const QString& folder, QTextStream& out, QTextStream& err)
{
    const FolderReport report = checkFolder(folder);
    if (!report.problem.isEmpty()) {
        err << "pikora-pack: " << report.problem << Qt::endl;
        return kUsageError;
    }
    int faults = 0;
    for (const Finding& finding : report.findings) {
        faults += finding.fault ? 1 : 0;
        out << (finding.fault ? "fault: " : "note: ") << finding.name << ": " << finding.message
            << '\n';
    }
    out << report.pictures << " pictures, " << report.voices << " voices, " << faults
        << (faults == 1 ? " fault" : " faults") << Qt::endl;
    return faults == 0 ? 0 : 1;
}

int runBuild(
    const QString& listPath, const QString& folder, const PackOptions& options, QTextStream& err)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "pikora-pack: " << listPath << " cannot be read: " << file.errorString() << Qt::endl;
        return kUsageError;
    }
    const WordList list
        = parseWordList(QString::fromUtf8(file.readAll()), QFileInfo(listPath).absoluteDir());
    Reporter reporter(err);
    for (const WordListProblem& problem : list.problems) {
        reporter.problem(QStringLiteral("line %1: %2").arg(problem.line).arg(problem.message));
    }
    PackBuilder builder(folder, options, reporter);
    if (!builder.open()) {
        return 1;
    }
    builder.build(list.entries);
    const auto total = list.entries.size() + list.problems.size();
    if (reporter.count() > 0) {
        err << "pikora-pack: made " << builder.madeCount() << " of " << total << " words in "
            << folder << "; see the problems above" << Qt::endl;
    }
    return reporter.count() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, {});
    const QCommandLineOption lang(
        QStringLiteral("lang"), {}, QStringLiteral("LANG"), QStringLiteral("en"));
    const QCommandLineOption force(QStringLiteral("force"), {});
    const QCommandLineOption check(QStringLiteral("check"), {}, QStringLiteral("FOLDER"));
    parser.addOptions({ help, lang, force, check });
    if (!parser.parse(app.arguments())) {
        err << "pikora-pack: " << parser.errorText() << "\n\n" << helpText();
        return kUsageError;
    }
    if (parser.isSet(help)) {
        out << helpText();
        return 0;
    }
    const QStringList arguments = parser.positionalArguments();
    if (parser.isSet(check) && arguments.isEmpty()) {
        return runCheck(parser.value(check), out, err);
    }
    if (parser.isSet(check) || arguments.size() != 2) {
        err << helpText();
        return kUsageError;
    }
    return runBuild(arguments[0], arguments[1], { parser.value(lang), parser.isSet(force) }, err);
}
