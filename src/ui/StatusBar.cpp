// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "StatusBar.h"

#include "GlowLabel.h"
#include "common/Texts.h"
#include "ui/model/LinkStatus.h"

#include <QHBoxLayout>
#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    laModule = addField(Texts::StatusModule, "laModule");
    laVersion = addField(Texts::StatusVersion, "laVersion");
    laWorkmode = addField(Texts::StatusMode, "laWorkmode");
    laReconnect = new GlowLabel(this);
    laReconnect->setObjectName(QStringLiteral("laReconnect"));
    addWidget(laReconnect);
    laNotice = new GlowLabel(this);
    laNotice->setObjectName(QStringLiteral("laNotice"));
    // A long notice is cut rather than widening the window beyond a small screen.
    laNotice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(laNotice, 1);
    laSimulation = new GlowLabel(this);
    laSimulation->setObjectName(QStringLiteral("laSimulation"));
    laSimulation->setStatus({ Texts::text(Texts::StatusSimulation), Glow::Yellow });
    // First, where it is seen on any screen.
    insertWidget(0, laSimulation);
    laSimulation->hide();
    show(LinkStatus());
    showReconnect({});
}

GlowLabel* StatusBar::addField(const char* caption, const char* name)
{
    auto* field = new QWidget(this);
    auto* layout = new QHBoxLayout(field);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(Texts::text(caption), field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new GlowLabel(field);
    value->setObjectName(QLatin1String(name));
    layout->addWidget(label);
    layout->addWidget(value);
    addWidget(field);
    return value;
}

void StatusBar::show(const LinkStatus& status)
{
    laModule->setStatus(status.module());
    laVersion->setStatus(status.version());
    laWorkmode->setStatus(status.workmode());
}

void StatusBar::showReconnect(const StatusText& status)
{
    laReconnect->setStatus(status);
    laReconnect->setVisible(!status.Text.isEmpty());
}

void StatusBar::showSimulation(bool on)
{
    laSimulation->setVisible(on);
}

void StatusBar::showNotice(const QString& text)
{
    laNotice->setStatus({ text, Glow::None });
}
