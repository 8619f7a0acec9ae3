// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include <QColor>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

namespace pikora::pack {

namespace {

struct Field
{
    QString key;
    QString value;
    bool hasValue = false;
};

Field splitField(const QString& text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        return { text.trimmed().toLower(), {}, false };
    }
    return { text.left(colon).trimmed().toLower(), text.mid(colon + 1).trimmed(), true };
}

// A line being read: its entry so far, whether a picture source was given, what is wrong.
struct LineState
{
    WordEntry entry;
    bool pictureGiven = false;
    QString problem;
};

bool setPicture(LineState& state, PictureKind kind, const QString& value)
{
    if (state.pictureGiven) {
        state.problem = QStringLiteral("more than one picture source");
        return false;
    }
    state.pictureGiven = true;
    state.entry.picture = kind;
    state.entry.pictureValue = value;
    return true;
}

bool applyColour(LineState& state, const Field& field)
{
    // "red | colour" takes the word itself as the colour name.
    const QString name = field.value.isEmpty() ? state.entry.word : field.value;
    if (!QColor(name).isValid()) {
        state.problem
            = QStringLiteral("'%1' is not a colour (use #rrggbb or a colour name)").arg(name);
        return false;
    }
    return setPicture(state, PictureKind::Colour, QColor(name).name());
}

// Applies one "key:value" field; false with `problem` set when it is not understood.
bool applyField(LineState& state, const Field& field, const QDir& base)
{
    WordEntry& entry = state.entry;
    const bool needsValue = field.key == u"emoji" || field.key == u"image" || field.key == u"voice"
        || field.key == u"say" || field.key == u"lang";
    if (needsValue && field.value.isEmpty()) {
        state.problem = QStringLiteral("'%1' needs a value, as in %1:...").arg(field.key);
        return false;
    }
    if (field.key == u"emoji") {
        return setPicture(state, PictureKind::Emoji, field.value);
    }
    if (field.key == u"image") {
        return setPicture(state, PictureKind::Image, base.absoluteFilePath(field.value));
    }
    if (field.key == u"colour" || field.key == u"color") {
        return applyColour(state, field);
    }
    if ((field.key == u"letter" || field.key == u"text") && !field.hasValue) {
        return setPicture(
            state, field.key == u"letter" ? PictureKind::Letter : PictureKind::Text, {});
    }
    if (field.key == u"voice") {
        entry.recording = base.absoluteFilePath(field.value);
    } else if (field.key == u"say") {
        entry.spoken = field.value;
    } else if (field.key == u"lang") {
        entry.language = field.value;
    } else {
        state.problem = QStringLiteral("unknown field '%1' (the fields are emoji:, image:, "
                                       "colour:, letter, text, voice:, say: and lang:)")
                            .arg(field.key);
        return false;
    }
    return true;
}

// A field that follows a ',' or ';' where a '|' was meant, as in "cat, image:cat.png":
// how the line reads with the '|', or nothing when the line shows no such slip.
QString separatorSlip(const QString& line)
{
    static const QRegularExpression slip(
        QStringLiteral(R"(\s*[,;]\s*(?=(?:emoji|image|colou?r|voice|say|lang)\s*:|)"
                       R"((?:letter|text|colou?r)\s*(?:$|\|)))"),
        QRegularExpression::CaseInsensitiveOption);
    if (!slip.match(line).hasMatch()) {
        return {};
    }
    return QString(line).replace(slip, QStringLiteral(" | "));
}

// The number of the first line of `bytes` that is not valid UTF-8, from 1.
int firstLineNotUtf8(const QByteArray& bytes, QString& shown)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(lines[i]);
        if (utf8.hasError()) {
            shown = QString::fromLatin1(lines[i]).trimmed(); // the likeliest reading
            return int(i + 1);
        }
    }
    return 0;
}

} // namespace

bool decodeWordList(const QByteArray& bytes, QString& text, WordListProblem& problem)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16); // its byte order from the mark
        text = utf16(bytes);
        if (!utf16.hasError()) {
            text.remove(QChar::ByteOrderMark);
            return true;
        }
        problem = { 1, QStringLiteral("the list is not valid UTF-16: save the list as UTF-8") };
        return false;
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (body.contains('\0')) {
        problem = { 1,
            QStringLiteral("the list holds NUL bytes, as UTF-16 without a byte order "
                           "mark does: save the list as UTF-8") };
        return false;
    }
    QString shown;
    if (const int line = firstLineNotUtf8(body, shown); line > 0) {
        problem = { line,
            QStringLiteral("'%1' is not UTF-8 (perhaps Latin-1 or another code "
                           "page): save the list as UTF-8")
                .arg(shown) };
        return false;
    }
    text = QString::fromUtf8(body);
    return true;
}

WordList parseWordList(const QString& text, const QDir& base)
{
    WordList list;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QStringList fields = line.split(u'|');
        LineState state;
        state.entry.line = int(i + 1);
        state.entry.word = fields.front().trimmed();
        if (const QString meant = separatorSlip(line); !meant.isEmpty()) {
            state.problem = QStringLiteral("a ',' or ';' where '|' was meant? Fields are "
                                           "separated by '|', as in: %1")
                                .arg(meant);
        }
        for (qsizetype f = 1; f < fields.size() && state.problem.isEmpty(); ++f) {
            applyField(state, splitField(fields[f]), base);
        }
        if (state.problem.isEmpty()) {
            list.entries.push_back(std::move(state.entry));
        } else {
            list.problems.push_back(
                { state.entry.line, state.entry.word + QStringLiteral(": ") + state.problem });
        }
    }
    return list;
}

QString wordListSyntax()
{
    return QStringLiteral(
        "Word list: one word a line, then optionally what its picture and voice are made of,\n"
        "each after a '|'. Blank lines and lines starting with '#' are skipped.\n"
        "  cat | emoji:🐱             a Noto Color Emoji picture (one or more emoji)\n"
        "  dog | image:photos/dog.png a PNG, JPEG, WebP, TIFF, SVG or BMP file, scaled to fit\n"
        "  red | colour:#d32f2f       a colour swatch ('| colour' alone uses the word)\n"
        "  A | letter                 the word as one big letter or number\n"
        "  good job                   no source: the word drawn as large text\n"
        "  hello | emoji:👋 | voice:rec/hello.ogg   a recording (WAV, OGG, FLAC) as voice\n"
        "  7 | letter | say:seven     what the speech says instead of the word\n"
        "  Hund | emoji:🐕 | lang:de  the speech language of this word\n"
        "Paths are relative to the word list's folder. The word is the file name and what the\n"
        "game shows in capitals; it cannot hold '.', '/' or '\\'. The list is UTF-8.\n");
}

} // namespace pikora::pack
