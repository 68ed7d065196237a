// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SelfTestPanel.h"

#include "common/Texts.h"
#include "ui/model/FaultOutcome.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

SelfTestPanel::SelfTestPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("pnSelfTest"));
    // A plain line in the text's colour: a raised edge vanishes on a white list.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    laTestTitle = new QLabel(this);
    laTestTitle->setObjectName(QStringLiteral("laTestTitle"));
    QFont title = laTestTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    laTestTitle->setFont(title);
    laTestTitle->setAlignment(Qt::AlignHCenter);
    layout->addWidget(laTestTitle);
    laTestCountdown = new QLabel(this);
    laTestCountdown->setObjectName(QStringLiteral("laTestCountdown"));
    laTestCountdown->setAlignment(Qt::AlignHCenter);
    QFont countdown = laTestCountdown->font();
    countdown.setPointSizeF(countdown.pointSizeF() * 1.15);
    laTestCountdown->setFont(countdown);
    layout->addWidget(laTestCountdown);
    pbTestTime = new QProgressBar(this);
    pbTestTime->setObjectName(QStringLiteral("pbTestTime"));
    pbTestTime->setTextVisible(false);
    layout->addWidget(pbTestTime);
    laTestMoments = new QLabel(this);
    laTestMoments->setObjectName(QStringLiteral("laTestMoments"));
    laTestMoments->setTextFormat(Qt::RichText);
    laTestMoments->setWordWrap(true);
    layout->addWidget(laTestMoments);
    btCancelTest = new QPushButton(Texts::text(Texts::ActCancelTest), this);
    btCancelTest->setObjectName(QStringLiteral("btCancelTest"));
    layout->addWidget(btCancelTest, 0, Qt::AlignHCenter);
    connect(btCancelTest, &QPushButton::clicked, this, [this] {
        // One request is enough: the link ends the exchange at its next check.
        btCancelTest->setEnabled(false);
        emit cancelRequested();
    });
    setFixedWidth(480);
    hide();
}

void SelfTestPanel::start(SelfTestKind kind, int maxTestTime)
{
    m_maxTestTime = std::max(1, maxTestTime);
    laTestTitle->setText(Texts::text(Texts::SelfTestRunning).arg(SelfTestGuide::name(kind)));
    laTestMoments->setText(SelfTestGuide::htmlList(
        Texts::text(Texts::SelfTestDuring), SelfTestGuide::duringTest(kind)));
    pbTestTime->setRange(0, m_maxTestTime);
    btCancelTest->setEnabled(true);
    showElapsed(0);
    adjustSize();
}

void SelfTestPanel::showElapsed(qint64 elapsedMs)
{
    const QString text = FaultOutcome::progressText(elapsedMs, m_maxTestTime);
    laTestCountdown->setText(text);
    pbTestTime->setValue(int(std::clamp<qint64>(elapsedMs / 1000, 0, m_maxTestTime)));
}
