// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturesWindow.h"

#include "platform/Languages.h"
#include "platform/QtBitmap.h"
#include "platform/SdlSoundPlayer.h"
#include "ui/RecordDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTreeWidget>

namespace pikora::ui {

namespace {

constexpr int thumbnailSize = 32;

// The espeak-ng voice of a language of the windows ("" is English).
QString speechVoice(const QString& language)
{
    if (language.isEmpty()) {
        return QStringLiteral("en");
    }
    if (language.startsWith(QLatin1String("zh"))) {
        return QStringLiteral("cmn");
    }
    return language.section(QLatin1Char('_'), 0, 0);
}

} // namespace

QString PicturesWindow::voiceText(const pictureset::VoiceStatus& voice)
{
    using Remedy = pictureset::VoiceStatus::Remedy;
    if (voice.plays()) {
        return tr("plays");
    }
    switch (voice.remedy) {
    case Remedy::Make:
        return tr("none yet");
    case Remedy::RecordAgain:
        return tr("silent: record it again");
    default:
        return tr("does not play: make it again");
    }
}

PicturesWindow::PicturesWindow(const QString& folder, SdlSoundPlayer& sound, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_folder(folder)
    , m_sound(sound)
{
    m_word = m_built.controlAs<QLineEdit>(Word);
    m_language = m_built.controlAs<QComboBox>(Language);
    m_status = m_built.controlAs<QLabel>(Status);
    if (!m_word || !m_language || !m_status || !control(List)) {
        return; // a broken template: the window stays empty
    }
    m_status->setWordWrap(true);
    m_list = fillPanel(control(List), new QTreeWidget);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({ tr("Word"), tr("Voice") });
    m_list->setRootIsDecorated(false);
    m_list->setIconSize(QSize(thumbnailSize, thumbnailSize));
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->setAccessibleName(tr("Pictures"));
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { showPicked(); });
    // A word typed picks its picture, so the keyboard alone reaches every picture.
    connect(m_word, &QLineEdit::textEdited, this, [this](const QString& text) {
        const auto items = m_list->findItems(text.trimmed(), Qt::MatchFixedString);
        if (!items.isEmpty()) {
            m_typing = true;
            m_list->setCurrentItem(items.front());
            m_typing = false;
        }
    });

    // The languages of the windows, the windows' own first.
    const QString own = speechVoice(languageOfEnvironment());
    QStringList languages { QString() };
    languages += translatedLanguages();
    for (const QString& language : languages) {
        const QString voice = speechVoice(language);
        const QString name = language.isEmpty() ? QStringLiteral("English")
                                                : QLocale(language).nativeLanguageName();
        if (voice == own) {
            m_language->insertItem(0, name, voice);
        } else {
            m_language->addItem(name, voice);
        }
    }
    m_language->setCurrentIndex(0);
    m_language->setAccessibleName(tr("Language of the spoken word"));

    onButton(Add, [this] { askForImages(); });
    onButton(Rename, [this] { renamePicked(); });
    onButton(Remove, [this] { confirmRemove(); });
    onButton(Record, [this] { record(); });
    onButton(Speak, [this] { speak(); });
    onButton(FromFile, [this] { askForSoundFile(); });
    onButton(Close, [this] { reject(); });
}

void PicturesWindow::refresh()
{
    if (!m_list) {
        return;
    }
    const QString problem = m_folder.writeProblem();
    m_writable = problem.isEmpty();
    for (const int id : { Add, Rename, Remove, Record, Speak, FromFile, Language, Word }) {
        if (QWidget* widget = control(id)) {
            widget->setEnabled(m_writable);
        }
    }
    const QString picked = m_list->currentItem() ? m_list->currentItem()->text(0) : QString();
    m_pictures = m_folder.pictures();
    m_list->clear();
    for (const pictureset::FolderPicture& picture : m_pictures) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, picture.word);
        item->setText(1, voiceText(picture.voice));
        item->setToolTip(1, picture.voice.fault); // the whole judgement, as the check gives it
        const DecodedPicture decoded = decodePicture(picture.path.toStdString());
        if (!decoded.image.isNull()) {
            item->setIcon(0,
                QPixmap::fromImage(decoded.image.scaled(
                    thumbnailSize, thumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
    }
    if (!picked.isEmpty()) {
        pick(picked);
    }
    m_status->setText(
        m_writable ? QString() : tr("The pictures cannot be changed here: %1").arg(problem));
}

void PicturesWindow::pick(const QString& word)
{
    const auto items = m_list->findItems(word, Qt::MatchFixedString);
    if (!items.isEmpty()) {
        m_list->setCurrentItem(items.front());
    }
}

const pictureset::FolderPicture* PicturesWindow::picked(const QString& toDo)
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    if (row < 0 || row >= static_cast<int>(m_pictures.size())) {
        m_status->setText(toDo);
        return nullptr;
    }
    return &m_pictures[static_cast<std::size_t>(row)];
}

void PicturesWindow::showPicked()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    if (row >= 0 && row < static_cast<int>(m_pictures.size()) && !m_typing) {
        m_word->setText(m_pictures[static_cast<std::size_t>(row)].word);
    }
}

void PicturesWindow::changed(const QString& problem, const QString& word, const QString& done)
{
    refresh();
    pick(word);
    m_status->setText(problem.isEmpty() ? done : problem);
}

void PicturesWindow::askForImages()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Pictures to add"), QString(),
        tr("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    std::vector<std::pair<QString, QString>> chosen;
    for (const QString& file : files) {
        bool ok = false;
        const QString word = QInputDialog::getText(this, tr("Add pictures"),
            tr("The word for %1:").arg(QFileInfo(file).fileName()), QLineEdit::Normal,
            QFileInfo(file).completeBaseName(), &ok);
        if (ok) {
            chosen.emplace_back(file, word.trimmed());
        }
    }
    addPictures(chosen);
}

void PicturesWindow::addPictures(const std::vector<std::pair<QString, QString>>& imagesAndWords)
{
    QStringList problems;
    QString last;
    int added = 0;
    for (const auto& [image, word] : imagesAndWords) {
        const QString problem = m_folder.addPicture(image, word);
        if (problem.isEmpty()) {
            ++added;
            last = word;
        } else {
            problems << tr("%1: %2").arg(QFileInfo(image).fileName(), problem);
        }
    }
    changed(problems.join(QLatin1Char('\n')), last,
        tr("%n picture(s) added; each needs a voice.", nullptr, added));
}

void PicturesWindow::askForSoundFile()
{
    const auto* picture = picked(tr("Pick the picture whose voice to take in the list first."));
    if (picture == nullptr) {
        return;
    }
    const QString file = QFileDialog::getOpenFileName(this, tr("A voice for %1").arg(picture->word),
        QString(), tr("Sounds (*.wav *.ogg *.flac)"));
    if (!file.isEmpty()) {
        voiceFromFile(file);
    }
}

void PicturesWindow::voiceFromFile(const QString& soundFile)
{
    const auto* picture = picked(tr("Pick the picture whose voice to take in the list first."));
    if (picture != nullptr) {
        const QString word = picture->word;
        changed(m_folder.voiceFromFile(word, soundFile), word,
            tr("The voice of %1 is taken from %2.").arg(word, QFileInfo(soundFile).fileName()));
    }
}

void PicturesWindow::record()
{
    const auto* picture = picked(tr("Pick the picture whose voice to record in the list first."));
    if (picture == nullptr) {
        return;
    }
    RecordDialog dialog(m_sound, picture->word, this);
    if (dialog.exec() == QDialog::Accepted) {
        voiceFromRecording(dialog.recorded(), SdlSoundPlayer::recordingRate);
    }
}

void PicturesWindow::voiceFromRecording(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const auto* picture = picked(tr("Pick the picture whose voice to record in the list first."));
    if (picture != nullptr) {
        const QString word = picture->word;
        changed(m_folder.voiceFromSamples(word, samples, sampleRate), word,
            tr("The voice of %1 is recorded.").arg(word));
    }
}

void PicturesWindow::speak()
{
    const auto* picture = picked(tr("Pick the picture whose word to speak in the list first."));
    if (picture != nullptr) {
        const QString word = picture->word;
        changed(m_folder.speakVoice(word, m_language->currentData().toString()), word,
            tr("The voice of %1 is spoken by the computer.").arg(word));
    }
}

void PicturesWindow::renamePicked()
{
    const auto* picture = picked(tr("Pick the picture to rename in the list first."));
    if (picture == nullptr) {
        return;
    }
    const QString word = picture->word;
    const QString newWord = m_word->text().trimmed();
    if (newWord.isEmpty() || newWord == word) {
        m_status->setText(tr("Type the new word first."));
        return;
    }
    const QString problem = m_folder.rename(word, newWord);
    changed(problem, problem.isEmpty() ? newWord : word,
        tr("%1 is now %2, with its voice.").arg(word, newWord));
}

void PicturesWindow::confirmRemove()
{
    const auto* picture = picked(tr("Pick the picture to remove in the list first."));
    if (picture == nullptr) {
        return;
    }
    const auto answer = QMessageBox::question(this, tr("Remove a picture"),
        tr("Remove the picture %1 and its voice from the folder?").arg(picture->word),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        removePicked();
    }
}

void PicturesWindow::removePicked()
{
    const auto* picture = picked(tr("Pick the picture to remove in the list first."));
    if (picture != nullptr) {
        const QString word = picture->word;
        changed(m_folder.remove(word), QString(), tr("%1 is removed, with its voice.").arg(word));
    }
}

} // namespace pikora::ui
