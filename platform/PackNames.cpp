// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PackNames.h"

#include "platform/LetterCase.h"

#include <algorithm>

#include <QStringList>

namespace pikora::pictureset {

QString stemProblem(const QString& word)
{
    if (word.isEmpty()) {
        return QStringLiteral("the word is empty");
    }
    if (word.contains(u'.')) {
        return QStringLiteral("a word with '.' cannot name a picture: the game cuts a file "
                              "name at its first '.'");
    }
    if (word.contains(u'/') || word.contains(u'\\')) {
        return QStringLiteral("a word with '/' or '\\' cannot name a picture: it would be a "
                              "folder path");
    }
    bool visible = false;
    for (const QChar c : word) {
        if (c.category() == QChar::Other_Control) {
            return QStringLiteral("the word holds a control character");
        }
        visible = visible || (!c.isSpace() && c.category() != QChar::Other_Format);
    }
    if (!visible) {
        return QStringLiteral("the word has no letter to show");
    }
    const qsizetype bytes = (word + QStringLiteral(".bmp")).toUtf8().size();
    if (bytes > kMaxFileNameBytes) {
        return QStringLiteral("the file name would be %1 bytes long; the game reads at most %2")
            .arg(bytes)
            .arg(kMaxFileNameBytes);
    }
    return {};
}

bool isHousekeepingName(const QString& name)
{
    static const QStringList fixed = { QString::fromLatin1(kManifestName),
        QString::fromLatin1(kLockName), QStringLiteral(".hidden"), QStringLiteral(".hidden.lock") };
    if (fixed.contains(name)) {
        return true;
    }
    const QLatin1String prefix(kWorkFolderPrefix);
    return name.size() == prefix.size() + kWorkFolderRandomLength && name.startsWith(prefix)
        && std::all_of(name.begin() + prefix.size(), name.end(),
            [](QChar c) { return c.isDigit() || (c.unicode() < 0x80 && c.isLetter()); });
}

QString caseKey(const QString& name)
{
    return QString::fromStdString(foldCase(name.toStdString()));
}

QString shownOnOneLine(const std::string& bytes)
{
    QString text;
    for (const QChar c : QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))) {
        if (c == u'\n') {
            text += QStringLiteral("\\n");
        } else if (c == u'\r') {
            text += QStringLiteral("\\r");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace pikora::pictureset
