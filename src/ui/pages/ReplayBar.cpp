// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ReplayBar.h"

#include "common/Texts.h"
#include "ui/model/RecordingPlayer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

ReplayBar::ReplayBar(RecordingPlayer& player, QWidget* parent)
    : QWidget(parent)
    , m_player(player)
{
    setObjectName(QStringLiteral("pnReplay"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    laReplayName = new QLabel(this);
    laReplayName->setObjectName(QStringLiteral("laReplayName"));
    btnReplayPlay = new QToolButton(this);
    btnReplayPlay->setObjectName(QStringLiteral("btnReplayPlay"));
    btnReplayPlay->setToolTip(Texts::text(Texts::HintReplayPlay));
    cbReplaySpeed = new QComboBox(this);
    cbReplaySpeed->setObjectName(QStringLiteral("cbReplaySpeed"));
    for (const double speed : RecordingPlayer::Speeds)
        cbReplaySpeed->addItem(QString::number(speed) + QChar(0x00D7), speed);
    cbReplaySpeed->setCurrentIndex(cbReplaySpeed->findData(1.0));
    slReplayPosition = new QSlider(Qt::Horizontal, this);
    slReplayPosition->setObjectName(QStringLiteral("slReplayPosition"));
    slReplayPosition->setToolTip(Texts::text(Texts::HintReplaySeek));
    slReplayPosition->setMinimumWidth(160);
    laReplayTime = new QLabel(this);
    laReplayTime->setObjectName(QStringLiteral("laReplayTime"));
    btnReplayNextMark = new QToolButton(this);
    btnReplayNextMark->setObjectName(QStringLiteral("btnReplayNextMark"));
    btnReplayNextMark->setToolTip(Texts::text(Texts::HintReplayNextMark));
    btnReplayClose = new QToolButton(this);
    btnReplayClose->setObjectName(QStringLiteral("btnReplayClose"));
    btnReplayClose->setText(Texts::text(Texts::ReplayClose));
    btnReplayClose->setToolTip(Texts::text(Texts::HintReplayClose));

    layout->addWidget(laReplayName);
    layout->addWidget(btnReplayPlay);
    layout->addWidget(new QLabel(Texts::text(Texts::ReplaySpeed), this));
    layout->addWidget(cbReplaySpeed);
    layout->addWidget(slReplayPosition, 1);
    layout->addWidget(laReplayTime);
    layout->addWidget(btnReplayNextMark);
    layout->addWidget(btnReplayClose);

    connect(btnReplayPlay, &QToolButton::clicked, this,
        [this] { m_player.playing() ? m_player.pause() : m_player.play(); });
    connect(cbReplaySpeed, &QComboBox::currentIndexChanged, this,
        [this] { m_player.setSpeed(cbReplaySpeed->currentData().toDouble()); });
    // Only the user's moves seek; the player's progress moves the slider back.
    connect(slReplayPosition, &QSlider::actionTriggered, this,
        [this] { m_player.seek(quint32(slReplayPosition->sliderPosition())); });
    connect(slReplayPosition, &QSlider::sliderMoved, this,
        [this](int value) { m_player.seek(quint32(value)); });
    connect(btnReplayNextMark, &QToolButton::clicked, this, [this] { m_player.seekToNextMark(); });
    connect(btnReplayClose, &QToolButton::clicked, this, &ReplayBar::closeRequested);
    connect(&m_player, &RecordingPlayer::positionChanged, this, &ReplayBar::showPosition);
    connect(&m_player, &RecordingPlayer::playingChanged, this, &ReplayBar::showPlaying);
    showPlaying(false);
}

void ReplayBar::showRecording(const QString& name)
{
    laReplayName->setText(Texts::text(Texts::ReplayCaption).arg(name));
    const int total = int(std::min<quint32>(m_player.duration(), INT32_MAX));
    slReplayPosition->setRange(0, total);
    slReplayPosition->setSingleStep(1000);
    slReplayPosition->setPageStep(std::max(1000, total / 20));
    cbReplaySpeed->setCurrentIndex(cbReplaySpeed->findData(m_player.speed()));
    // Only a recording with alarms offers to go to them.
    const auto marks = qsizetype(m_player.recording().Marks.size());
    btnReplayNextMark->setText(Texts::text(Texts::ReplayNextMark).arg(marks));
    btnReplayNextMark->setVisible(marks > 0);
    showPosition(m_player.position());
    showPlaying(m_player.playing());
}

void ReplayBar::showPosition(quint32 ms)
{
    if (!slReplayPosition->isSliderDown()) {
        const QSignalBlocker quiet(slReplayPosition);
        slReplayPosition->setValue(int(std::min<quint32>(ms, INT32_MAX)));
    }
    laReplayTime->setText(RecordingPlayer::timeText(ms) + QStringLiteral(" / ")
        + RecordingPlayer::timeText(m_player.duration()));
}

void ReplayBar::showPlaying(bool playing)
{
    btnReplayPlay->setText(Texts::text(playing ? Texts::ReplayPause : Texts::ReplayPlay));
}
