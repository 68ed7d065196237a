#include "LogPanel.h"

#include "common/Texts.h"

#include <QAction>
#include <QListWidget>
#include <QToolBar>
#include <QVBoxLayout>

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

void LogPanel::AddToLog(const QString& text)
{
    lbLog->addItem(text);
    lbLog->scrollToBottom();
}
