// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "LogPanel.h"

#include "common/Texts.h"

#include <QAction>
#include <QListWidget>
#include <QRegularExpression>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int TextRole = Qt::UserRole;

bool startsWithTime(const QString& text)
{
    static const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    return stamp.match(text).hasMatch();
}

} // namespace

LogPanel::LogPanel(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(12, 12));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    acCleanLog = bar->addAction(Texts::text(Texts::CleanLog));
    acCleanLog->setObjectName(QStringLiteral("acCleanLog"));
    acCleanLog->setToolTip(Texts::text(Texts::HintCleanLog));
    lbLog = new QListWidget(this);
    lbLog->setObjectName(QStringLiteral("lbLog"));
    lbLog->setUniformItemSizes(true);
    lbLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(bar);
    layout->addWidget(lbLog);
    connect(acCleanLog, &QAction::triggered, lbLog, &QListWidget::clear);
}

QString LogPanel::timedLine(const QString& text, const QTime& time)
{
    return startsWithTime(text) ? text : time.toString(QStringLiteral("HH:mm:ss ")) + text;
}

void LogPanel::AddToLog(const QString& text, const QTime& time)
{
    auto* item = new QListWidgetItem(timedLine(text, time));
    item->setData(TextRole, text);
    lbLog->addItem(item);
    lbLog->scrollToBottom();
}

QString LogPanel::lineText(const QListWidgetItem& item)
{
    const QVariant text = item.data(TextRole);
    return text.isValid() ? text.toString() : item.text();
}
