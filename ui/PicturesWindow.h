// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PictureFolder.h"
#include "ui/TemplateWindow.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace pikora {
class SdlSoundPlayer;
}

namespace pikora::ui {

// The picture folder as a parent or teacher changes it without a terminal: every picture
// with a thumbnail, its word and whether its voice plays; pictures added from image files,
// voices recorded, spoken or taken from a sound file, pictures renamed and removed. The
// changes are pikora-pack's own (PictureFolder); the game sees them at its next start. A
// user who may not write the folder sees the list, why, and no button that changes it.
class PicturesWindow : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 144;
    enum Control
    {
        Close = 2,
        List = 1060,
        Word = 1061,
        Add = 1062,
        Rename = 1063,
        Remove = 1064,
        Record = 1065,
        Speak = 1066,
        FromFile = 1067,
        Language = 1068,
        Status = 1069,
    };

    PicturesWindow(const QString& folder, SdlSoundPlayer& sound, QWidget* owner);

    // Reads the folder afresh.
    void refresh();
    // The buttons' work after their questions, also for tests: the image files with the
    // words to give them, a sound file for the picture picked, and the rest.
    void addPictures(const std::vector<std::pair<QString, QString>>& imagesAndWords);
    void voiceFromFile(const QString& soundFile);
    void voiceFromRecording(const std::vector<std::int16_t>& samples, int sampleRate);
    void speak();
    void renamePicked();
    void removePicked();

    QTreeWidget* list() const { return m_list; }
    QLineEdit* wordEdit() const { return m_word; }
    QLabel* statusText() const { return m_status; }
    const std::vector<pictureset::FolderPicture>& pictures() const { return m_pictures; }
    // Picks the picture of `word` in the list.
    void pick(const QString& word);
    // What the list says of a voice; the whole judgement is its tooltip.
    static QString voiceText(const pictureset::VoiceStatus& voice);

private:
    // The picture picked in the list, or nullptr with the status saying what to do.
    const pictureset::FolderPicture* picked(const QString& toDo);
    // Shows the outcome of a change: the folder read again, and the problem if there was one.
    void changed(const QString& problem, const QString& word, const QString& done);
    void askForImages();
    void askForSoundFile();
    void record();
    void confirmRemove();
    void showPicked();

    pictureset::PictureFolder m_folder;
    SdlSoundPlayer& m_sound;
    std::vector<pictureset::FolderPicture> m_pictures;
    bool m_writable = false;
    bool m_typing = false; // the word box picks a picture: it keeps what was typed
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_word = nullptr;
    QComboBox* m_language = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace pikora::ui
