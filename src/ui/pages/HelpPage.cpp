// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "HelpPage.h"

#include "common/LanguageData.h"
#include "common/Texts.h"
#include "common/Version.h"
#include "ui/Prompts.h"
#include "ui/ReaderContext.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

Emblem::Emblem(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("imgEmblem"));
    setFixedSize(Width, Height);
}

void Emblem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(4, 4, Width - 8, Height - 8);
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, QColor(40, 70, 120));
    fill.setColorAt(1, QColor(12, 28, 60));
    p.setPen(QPen(QColor(200, 210, 225), 3));
    p.setBrush(fill);
    p.drawEllipse(badge);
    // A dial on the left: its scale, the red zone and a needle at cruising revs.
    const QPointF centre(70, 60);
    const qreal radius = 34;
    const QRectF dial(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(QColor(235, 240, 250), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(dial, 0 * 16, 180 * 16);
    p.setPen(QPen(QColor(230, 50, 40), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(dial, 0, 35 * 16);
    p.setPen(QPen(QColor(255, 200, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(radius * 0.8 * 0.6, -radius * 0.8 * 0.8));
    p.setBrush(QColor(235, 240, 250));
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 4, 4);
    // The lettering on the right.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(30);
    p.setFont(f);
    p.setPen(QColor(245, 245, 250));
    p.drawText(
        QRectF(112, 20, 130, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("EEC-IV"));
    f.setPixelSize(14);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(190, 205, 230));
    p.drawText(
        QRectF(112, 54, 130, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VeskorReader"));
}

HelpPage::HelpPage(ReaderContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("tabHelp"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(new Emblem(this), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* title = new QLabel(Texts::text(Texts::HelpTitle), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(20);
    title->setFont(f);
    layout->addWidget(title, 1, 0, Qt::AlignLeft);
    auto* about = new QLabel(Texts::text(Texts::HelpAbout).arg(programVersion()), this);
    about->setWordWrap(true);
    about->setMaximumWidth(640);
    layout->addWidget(about, 2, 0, 1, 2);
    auto* guide = new QLabel(
        QStringLiteral("<a href=\"guide\">%1</a>").arg(Texts::text(Texts::HelpGuide)), this);
    guide->setObjectName(QStringLiteral("lbGuide"));
    guide->setToolTip(Texts::text(Texts::HintHelpGuide));
    guide->setCursor(Qt::PointingHandCursor);
    guide->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(guide, &QLabel::linkActivated, this, &HelpPage::openGuide);
    layout->addWidget(guide, 3, 0, Qt::AlignLeft);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(1, 1);
}

void HelpPage::openGuide()
{
    const QString guide = LanguageData::programFile(QLatin1String(GuideFile));
    if (!m_context.Ask->openExternally(QUrl::fromLocalFile(guide)))
        m_context.ShowError(Texts::text(Texts::OpenFailed).arg(guide));
}
