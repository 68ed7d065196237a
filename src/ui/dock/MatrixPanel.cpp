// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "MatrixPanel.h"

#include "common/Texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The text colour of position k's two columns.
const QColor PositionColours[6] = { QColor(128, 128, 128), QColor(0, 255, 255), QColor(255, 255, 0),
    QColor(255, 0, 0), QColor(255, 0, 255), QColor(0, 0, 128) };

} // namespace

QColor MatrixGrid::positionColour(int position)
{
    return PositionColours[position];
}

QString MatrixGrid::cellText(int column, int row) const
{
    const uint16_t word = m_words[size_t(row * 16 + column / 2)];
    const int byte = (column % 2) ? word >> 8 : word & 0xFF;
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QRect MatrixGrid::cellRect(int column, int row)
{
    return { column * (MatrixGrid::CellWidth + 1), row * (MatrixGrid::CellHeight + 1),
        MatrixGrid::CellWidth, MatrixGrid::CellHeight };
}

MatrixGrid::MatrixGrid(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("dgMap"));
    setFocusPolicy(Qt::NoFocus);
    QFont f = font();
    f.setPixelSize(9);
    setFont(f);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize MatrixGrid::sizeHint() const
{
    return { Columns * (CellWidth + 1) + 1, Rows * (CellHeight + 1) + 1 };
}

void MatrixGrid::setWord(uint8_t slot, uint16_t word, bool repaint)
{
    m_words[slot] = word;
    const int position = slot & 0x0F, frame = slot >> 4;
    if (repaint && position < Columns / 2)
        update(cellRect(2 * position, frame).united(cellRect(2 * position + 1, frame)));
}

QString MatrixGrid::toolTipAt(QPoint pos) const
{
    const int column = pos.x() / (CellWidth + 1), row = pos.y() / (CellHeight + 1);
    if (!m_describe || pos.x() < 0 || pos.y() < 0 || column >= Columns || row >= Rows)
        return {};
    const auto slot = uint8_t(row * 16 + column / 2);
    return m_describe(slot, m_words[slot]);
}

bool MatrixGrid::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void MatrixGrid::clear()
{
    m_words.fill(0);
    update();
}

void MatrixGrid::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), QColor(64, 64, 64)); // the grid lines
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column) {
            const QRect r = cellRect(column, row);
            if (!event->rect().intersects(r))
                continue;
            p.fillRect(r, Qt::black);
            p.setPen(PositionColours[column / 2]);
            p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, cellText(column, row));
        }
}

MatrixPanel::MatrixPanel(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    laUpdateFreq = new QLabel(QStringLiteral("000 мс"), this);
    laUpdateFreq->setObjectName(QStringLiteral("laUpdateFreq"));
    laUpdateFreq->setToolTip(Texts::text(Texts::HintUpdateFreq));
    laCount = new QLabel(QStringLiteral("000"), this);
    laCount->setObjectName(QStringLiteral("laCount"));
    laCount->setToolTip(Texts::text(Texts::HintCount));
    for (QLabel* l : { laUpdateFreq, laCount }) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    // A check box, so that whether the grid follows the stream can be seen at a glance.
    cbUpdateMap = new QCheckBox(Texts::text(Texts::MatrixUpdate), this);
    cbUpdateMap->setObjectName(QStringLiteral("cbUpdateMap"));
    bar->setSpacing(10);
    bar->addWidget(laUpdateFreq);
    bar->addWidget(laCount);
    bar->addStretch();
    bar->addWidget(cbUpdateMap);
    layout->addLayout(bar);
    dgMap = new MatrixGrid(this);
    layout->addWidget(dgMap, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addStretch();
    connect(cbUpdateMap, &QCheckBox::toggled, dgMap, [this](bool on) {
        if (on)
            dgMap->update();
    });
}

bool MatrixPanel::updating() const
{
    return cbUpdateMap->isChecked();
}
void MatrixPanel::setUpdating(bool on)
{
    cbUpdateMap->setChecked(on);
}

void MatrixPanel::showReadouts(const QString& interval, const QString& depth)
{
    laUpdateFreq->setText(interval);
    laCount->setText(depth);
}
