// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TemplateWindow.h"

#include <cstdint>
#include <vector>

#include <QTemporaryDir>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace pikora {
class SdlSoundPlayer;
}

namespace pikora::ui {

// A voice recorded from the default microphone for one word: Record, then Stop (or the
// recording stops itself at its limit) with a level meter and the time meanwhile, Play to
// hear it, Record again to try again, Keep to take it.
class RecordDialog : public TemplateWindow
{
    Q_OBJECT

public:
    static constexpr int templateId = 145;
    enum Control
    {
        Keep = 1,
        Cancel = 2,
        Prompt = 1080,
        Meter = 1081,
        Time = 1082,
        RecordStop = 1083,
        PlayBack = 1084,
        Status = 1085,
    };

    RecordDialog(SdlSoundPlayer& sound, const QString& word, QWidget* owner);
    ~RecordDialog() override;

    // The buttons' work, also for tests.
    void startRecording();
    void stopRecording();
    void playBack();
    bool isRecording() const { return m_recording; }
    // What was recorded last: 16-bit mono samples at SdlSoundPlayer::recordingRate.
    const std::vector<std::int16_t>& recorded() const { return m_recorded; }
    QLabel* statusText() const { return m_status; }

private:
    void showState();
    void showProgress();

    SdlSoundPlayer& m_sound;
    bool m_recording = false;
    std::vector<std::int16_t> m_recorded;
    QTemporaryDir m_work; // the recording as a wave file, to play it back
    QProgressBar* m_meter = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_recordStop = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace pikora::ui
