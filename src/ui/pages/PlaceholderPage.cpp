// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "PlaceholderPage.h"

#include "common/Texts.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(Texts::text(Texts::PlaceholderPage).arg(caption), this);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
}
