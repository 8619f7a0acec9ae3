// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordDialog.h"

#include "platform/SdlSoundPlayer.h"
#include "platform/Wave.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace pikora::ui {

RecordDialog::RecordDialog(SdlSoundPlayer& sound, const QString& word, QWidget* owner)
    : TemplateWindow(templateId, owner)
    , m_sound(sound)
{
    m_time = m_built.controlAs<QLabel>(Time);
    m_status = m_built.controlAs<QLabel>(Status);
    m_recordStop = m_built.controlAs<QPushButton>(RecordStop);
    auto* prompt = m_built.controlAs<QLabel>(Prompt);
    if (!m_time || !m_status || !m_recordStop || !prompt || !control(Meter)) {
        return; // a broken template: the window stays empty
    }
    prompt->setWordWrap(true);
    prompt->setText(tr("Press Record, say \"%1\" clearly, then press Stop.").arg(word));
    m_status->setWordWrap(true);
    m_meter = fillPanel(control(Meter), new QProgressBar);
    m_meter->setRange(0, 100);
    m_meter->setTextVisible(false);
    m_meter->setAccessibleName(tr("Loudness"));
    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, [this] { showProgress(); });
    onButton(RecordStop, [this] { m_recording ? stopRecording() : startRecording(); });
    onButton(PlayBack, [this] { playBack(); });
    onButton(Keep, [this] {
        stopRecording();
        if (!m_recorded.empty()) {
            accept();
        }
    });
    onButton(Cancel, [this] { reject(); });
    showState();
}

RecordDialog::~RecordDialog()
{
    if (m_recording) {
        m_sound.stopRecording();
    }
}

void RecordDialog::startRecording()
{
    std::string problem;
    if (!m_sound.startRecording(problem)) {
        m_status->setText(
            tr("No microphone could be opened (%1).").arg(QString::fromStdString(problem)));
        return;
    }
    m_recording = true;
    m_recorded.clear();
    m_status->clear();
    m_timer->start();
    showState();
}

void RecordDialog::stopRecording()
{
    if (!m_recording) {
        return;
    }
    m_timer->stop();
    m_recording = false;
    m_recorded = m_sound.stopRecording();
    m_meter->setValue(0);
    showState();
}

void RecordDialog::playBack()
{
    stopRecording();
    if (m_recorded.empty()) {
        return;
    }
    QFile file(m_work.filePath(QStringLiteral("recording.wav")));
    if (!m_work.isValid() || !file.open(QIODevice::WriteOnly)
        || file.write(pictureset::encodeWave16(m_recorded, 1, SdlSoundPlayer::recordingRate)) < 0) {
        m_status->setText(tr("The recording cannot be played: %1").arg(file.errorString()));
        return;
    }
    file.close();
    m_sound.play(file.fileName().toStdString(), SoundMode::Async);
}

void RecordDialog::showProgress()
{
    m_meter->setValue(static_cast<int>(m_sound.recordingLevel() * 100.0F));
    const double seconds = m_sound.recordedSeconds();
    m_time->setText(tr("%1 s").arg(seconds, 0, 'f', 1));
    if (seconds >= SdlSoundPlayer::recordingLimitSeconds) {
        stopRecording();
        m_status->setText(
            tr("A voice is at most %1 seconds long.").arg(SdlSoundPlayer::recordingLimitSeconds));
    }
}

void RecordDialog::showState()
{
    m_recordStop->setText(m_recording ? tr("&Stop") : tr("&Record"));
    if (QWidget* play = control(PlayBack)) {
        play->setEnabled(!m_recording && !m_recorded.empty());
    }
    if (QWidget* keep = control(Keep)) {
        keep->setEnabled(m_recording || !m_recorded.empty());
    }
    if (!m_recording) {
        m_time->setText(tr("%1 s").arg(
            static_cast<double>(m_recorded.size()) / SdlSoundPlayer::recordingRate, 0, 'f', 1));
    }
}

} // namespace pikora::ui
