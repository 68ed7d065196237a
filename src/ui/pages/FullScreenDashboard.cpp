// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FullScreenDashboard.h"

#include "LiveDataPage.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"

#include <QCloseEvent>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Read from a metre away: larger than the status bar's text, and larger on a larger screen.
constexpr int CornerMinPixels = 16;
constexpr int ScreenHeightsPerCornerPixel = 40;
constexpr int CornerMargin = 4;

} // namespace

FullScreenDashboard::FullScreenDashboard(QGraphicsView* source, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_source(source)
{
    setObjectName(QStringLiteral("frmFullScreen"));
    setWindowTitle(Texts::text(Texts::ActFullScreen));
    // The corner's line has a strip of its own above the dashboard: over it, it would hide
    // the top of a gauge.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(CornerMargin, CornerMargin, 2 * CornerMargin, 0);
    strip->addStretch();
    m_corner = new GlowLabel(this);
    m_corner->setObjectName(QStringLiteral("laFullScreenLink"));
    strip->addWidget(m_corner);
    layout->addLayout(strip);
    m_view = new QGraphicsView(source->scene(), this);
    m_view->setObjectName(QStringLiteral("gvFullScreen"));
    LiveDataPage::setUpView(m_view);
    // The keys go to this window, whatever the dashboard's widgets do with them.
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->viewport()->installEventFilter(this);
    layout->addWidget(m_view, 1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void FullScreenDashboard::open(QScreen* screen)
{
    if (!screen)
        screen = parentWidget()->screen();
    // The strip and the margins beside the fitted dashboard in the colour the page gives them.
    const QBrush background = m_source->backgroundBrush();
    m_view->setBackgroundBrush(background);
    QPalette colours = palette();
    colours.setBrush(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    QFont font = m_corner->font();
    font.setPixelSize(
        std::max(CornerMinPixels, screen->geometry().height() / ScreenHeightsPerCornerPixel));
    font.setBold(true);
    m_corner->setFont(font);
    setGeometry(screen->geometry());
    showFullScreen();
    activateWindow();
    setFocus();
    // Another dashboard may have been chosen since the last time.
    LiveDataPage::fitView(m_view, true);
}

void FullScreenDashboard::showModule(const StatusText& module)
{
    m_module = module;
    showCorner();
}

void FullScreenDashboard::showCycle(const QString& interval)
{
    m_cycle = interval;
    showCorner();
}

void FullScreenDashboard::showCorner()
{
    QString text = m_module.Text;
    if (!m_cycle.isEmpty())
        text += QStringLiteral(" · ") + Texts::text(Texts::FullScreenCycle).arg(m_cycle);
    m_corner->setStatus({ text, m_module.Colour });
}

double FullScreenDashboard::scale() const
{
    return m_view->transform().m11();
}

bool FullScreenDashboard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        LiveDataPage::fitView(m_view, true);
    return QWidget::eventFilter(watched, event);
}

void FullScreenDashboard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FullScreenDashboard::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Only hidden: the window opens it again on the next F11.
    emit closed();
}
