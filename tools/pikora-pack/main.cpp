// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
// pikora-pack: makes a picture folder for Pikora from a word list, or checks one.
#include "FolderCheck.h"
#include "PackBuilder.h"
#include "Starter.h"
#include "WordList.h"

#include <functional>

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
               "Usage: pikora-pack [--lang LANG] [--force] [--dry-run] WORDLIST FOLDER\n"
               "       pikora-pack --check FOLDER\n"
               "       pikora-pack --starter LANG [--force] [--dry-run] FOLDER\n"
               "       pikora-pack --starter LANG [--force] [--dry-run] --replace-installed\n"
               "\n"
               "Makes a picture folder for Pikora (the game's 'mymain' folder): for each word\n"
               "of WORDLIST a picture '<word>.bmp' (420 x 250, 24-bit, white background) and a\n"
               "voice '<word>.wav' that says the word (16-bit mono 44,100 Hz, silence trimmed,\n"
               "at most 600 s). A word that cannot be made is reported on standard error and\n"
               "the others are still made; the exit status is then 1.\n"
               "\n"
               "  --lang LANG    speech language: any espeak-ng voice (en, de, fr, es, en-us,\n"
               "                 ...; see espeak-ng --voices). Default: en.\n"
               "  --force        replace files in FOLDER that pikora-pack did not make, or that\n"
               "                 were changed since it made them. Without it they are kept; the\n"
               "                 files it made are listed with checksums in FOLDER/.pikora-pack.\n"
               "  --dry-run      list what would be made, replaced or kept, and make nothing.\n"
               "  --check FOLDER report what the game would stumble on in a picture folder, read\n"
               "                 with the game's own code: pictures it cannot draw or that are\n"
               "                 cut short, voices it cannot play (it plays a chime instead) or\n"
               "                 that are silent or too short, names it cuts at a '.' (a.b.bmp\n"
               "                 shows as A) or cannot reach, pictures showing the same word,\n"
               "                 fewer than 2 pictures in play (.hidden takes pictures out),\n"
               "                 names holding a line break, which Setup cannot hide. Each\n"
               "                 says how to put it right. Exit status 1 on faults; notes are\n"
               "                 remarks only.\n"
               "  --starter LANG make the starter set of 121 pictures in a language (en, de,\n"
               "                 fr, ... or a locale such as de_DE; --starter list shows\n"
               "                 them all) from its list in share/pikora/starter,\n"
               "                 spoken by that language's voice.\n"
               "  --replace-installed  make it in the picture folder of the game installed\n"
               "                 with this program, in place of the set made there before;\n"
               "                 pictures added or changed by hand stay.\n"
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
    out << report.pictures << " pictures (" << report.inPlay << " in play), " << report.voices
        << " voices, " << faults << (faults == 1 ? " fault" : " faults") << Qt::endl;
    return faults == 0 ? 0 : 1;
}

// What a run does once the words are made, while it still holds the folder: given the
// status so far and the builder, it gives the status.
using AfterBuild = std::function<int(int status, const PackBuilder& builder)>;

int runBuild(const QString& listPath, const QString& folder, const PackOptions& options,
    QTextStream& out, QTextStream& err, const AfterBuild& after = {})
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "pikora-pack: " << listPath << " cannot be read: " << file.errorString() << Qt::endl;
        return kUsageError;
    }
    QString text;
    if (WordListProblem problem; !decodeWordList(file.readAll(), text, problem)) {
        err << "pikora-pack: " << listPath << ": line " << problem.line << ": " << problem.message
            << Qt::endl;
        return 1;
    }
    const WordList list = parseWordList(text, QFileInfo(listPath).absoluteDir());
    Reporter reporter(err, &out);
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
    const int status = reporter.count() == 0 ? 0 : 1;
    return after ? after(status, builder) : status;
}

int runStarter(const QString& code, const QStringList& arguments, bool replaceInstalled,
    const PackOptions& options, QTextStream& out, QTextStream& err)
{
    if (code == QLatin1String("list")) {
        for (const StarterLanguage& language : starterLanguages()) {
            out << language.code.leftJustified(4) << language.name << '\n';
        }
        return 0;
    }
    const StarterLanguage* language = findStarterLanguage(code);
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString lists = starterFolder(programFolder);
    if (language == nullptr || lists.isEmpty()) {
        err << "pikora-pack: "
            << (language == nullptr ? QStringLiteral("there is no starter set in '%1'; "
                                                     "--starter list shows the languages")
                                          .arg(code)
                                    : QStringLiteral("the starter lists are not installed"))
            << Qt::endl;
        return kUsageError;
    }
    const QString folder
        = replaceInstalled ? installedPictureFolder(programFolder) : arguments.value(0);
    if (arguments.size() != (replaceInstalled ? 0 : 1) || folder.isEmpty()) {
        err << (replaceInstalled ? QStringLiteral("pikora-pack: no game is installed with this "
                                                  "program\n")
                                 : helpText());
        return kUsageError;
    }
    // The earlier set goes in the same run, so that no other run comes in between.
    bool removing = false;
    const auto removeEarlier = [&](int status, const PackBuilder& builder) {
        removing = status == 0;
        if (!removing) {
            return status;
        }
        QStringList changed;
        const QStringList failed = removeEarlierSet(
            folder, builder.workFolder(), builder.fileNames(), options.force, changed);
        for (const QString& name : changed) {
            err << "pikora-pack: kept " << name << ": it was changed since pikora-pack made it; "
                << "--force removes it" << Qt::endl;
        }
        for (const QString& name : failed) {
            err << "pikora-pack: " << name << " cannot be removed" << Qt::endl;
        }
        return failed.isEmpty() ? 0 : 1;
    };
    const bool replacing = replaceInstalled && !options.dryRun;
    const int status = runBuild(QDir(lists).filePath(language->list), folder,
        { language->voice, options.force, options.dryRun }, out, err,
        replacing ? AfterBuild(removeEarlier) : AfterBuild());
    if (replacing && !removing && status != 0) {
        err << "pikora-pack: the pictures made before in " << folder << " were kept" << Qt::endl;
    }
    return status;
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
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), {});
    const QCommandLineOption check(QStringLiteral("check"), {}, QStringLiteral("FOLDER"));
    const QCommandLineOption starter(QStringLiteral("starter"), {}, QStringLiteral("LANG"));
    const QCommandLineOption replaceInstalled(QStringLiteral("replace-installed"), {});
    parser.addOptions({ help, lang, force, dryRun, check, starter, replaceInstalled });
    if (!parser.parse(app.arguments())) {
        err << "pikora-pack: " << parser.errorText() << "\n\n" << helpText();
        return kUsageError;
    }
    if (parser.isSet(help)) {
        out << helpText();
        return 0;
    }
    // --starter and --check each choose a way of running, which takes only its own options.
    const QCommandLineOption& mode = parser.isSet(starter) ? starter : check;
    const QStringList allowed = parser.isSet(starter)
        ? starter.names() + force.names() + dryRun.names() + replaceInstalled.names()
        : parser.isSet(check) ? check.names()
                              : lang.names() + force.names() + dryRun.names();
    for (const QString& name : parser.optionNames()) {
        if (!allowed.contains(name)) {
            err << "pikora-pack: --" << name
                << (parser.isSet(mode) ? QStringLiteral(" does not go with --") + mode.names()[0]
                                       : QStringLiteral(" goes only with --starter"))
                << "\n\n"
                << helpText();
            return kUsageError;
        }
    }
    const QStringList arguments = parser.positionalArguments();
    const PackOptions options { parser.value(lang), parser.isSet(force), parser.isSet(dryRun) };
    if (parser.isSet(starter)) {
        return runStarter(
            parser.value(starter), arguments, parser.isSet(replaceInstalled), options, out, err);
    }
    if (parser.isSet(check) && arguments.isEmpty()) {
        return runCheck(parser.value(check), out, err);
    }
    if (parser.isSet(check) || arguments.size() != 2) {
        err << helpText();
        return kUsageError;
    }
    return runBuild(arguments[0], arguments[1], options, out, err);
}
