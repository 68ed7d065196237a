// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "SelfTestDialog.h"

#include "common/Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

SelfTestDialog::SelfTestDialog(SelfTestKind kind, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgSelfTest"));
    setWindowTitle(Texts::text(Texts::SelfTestCaption));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Texts::text(Texts::SelfTestQuestion), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    layout->addWidget(question);
    rbKoeo = new QRadioButton(SelfTestGuide::caption(SelfTestKind::Koeo), this);
    rbKoeo->setObjectName(QStringLiteral("rbKoeo"));
    rbKoer = new QRadioButton(SelfTestGuide::caption(SelfTestKind::Koer), this);
    rbKoer->setObjectName(QStringLiteral("rbKoer"));
    (kind == SelfTestKind::Koer ? rbKoer : rbKoeo)->setChecked(true);
    layout->addWidget(rbKoeo);
    layout->addWidget(rbKoer);
    laSelfTestSteps = new QLabel;
    laSelfTestSteps->setObjectName(QStringLiteral("laSelfTestSteps"));
    laSelfTestSteps->setTextFormat(Qt::RichText);
    laSelfTestSteps->setWordWrap(true);
    laSelfTestSteps->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // On a small screen the lists scroll and the buttons stay in sight.
    auto* steps = new QScrollArea(this);
    steps->setFrameShape(QFrame::NoFrame);
    steps->setWidgetResizable(true);
    steps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    steps->setWidget(laSelfTestSteps);
    // Wide enough for the longest line of either list, tall enough for the longer list.
    steps->setMinimumWidth(540);
    layout->addWidget(steps, 1);
    auto* note = new QLabel(Texts::text(Texts::SelfTestEcuChooses), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start
        = buttons->addButton(Texts::text(Texts::SelfTestStart), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("btStartTest"));
    start->setDefault(true);
    QPushButton* back
        = buttons->addButton(Texts::text(Texts::SelfTestBack), QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("btBackOut"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(rbKoeo, &QRadioButton::toggled, this, &SelfTestDialog::showSteps);
    // As tall as the longer list (KOER's), up to what a small screen leaves.
    laSelfTestSteps->setText(stepsHtml(SelfTestKind::Koer));
    steps->setMinimumHeight(std::min(laSelfTestSteps->heightForWidth(520), 420));
    showSteps();
}

SelfTestKind SelfTestDialog::kind() const
{
    return rbKoer->isChecked() ? SelfTestKind::Koer : SelfTestKind::Koeo;
}

QString SelfTestDialog::stepsHtml(SelfTestKind k)
{
    return SelfTestGuide::htmlList(
               Texts::text(Texts::SelfTestBefore), SelfTestGuide::preparation(k))
        + SelfTestGuide::htmlList(Texts::text(Texts::SelfTestDuring), SelfTestGuide::duringTest(k));
}

void SelfTestDialog::showSteps()
{
    laSelfTestSteps->setText(stepsHtml(kind()));
}
