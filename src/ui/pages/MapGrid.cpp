// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "MapGrid.h"

#include "common/Texts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace MapGrid {

namespace {

    constexpr int HeadingRole = Qt::UserRole + 1;
    constexpr int FillRole = Qt::UserRole + 2;
    QSize cellSize(CellSize size)
    {
        return size == CellSize::Regular ? QSize(56, 24) : QSize(48, 20);
    }
    // Text is drawn from the top of the cell, a little below its edge.
    constexpr int TextTop = 2;

    // Heading cells in the button face, the others by the grid's rule; text centred, in the
    // palette's colour on the palette's own fills (a dark theme has light text), black on
    // the light tints of the rules.
    class CellDelegate : public QStyledItemDelegate {
    public:
        CellDelegate(Colouring colouring, std::function<int()> contrast, QObject* parent)
            : QStyledItemDelegate(parent)
            , m_colouring(colouring)
            , m_contrast(std::move(contrast))
        {
        }

        void paint(QPainter* painter, const QStyleOptionViewItem& option,
            const QModelIndex& index) const override
        {
            const QString text = index.data().toString();
            const QPalette& palette = option.palette;
            QColor fill = palette.color(QPalette::Base);
            QColor pen = palette.color(QPalette::Text);
            if (const std::optional<QColor> tint = this->tint(index, text)) {
                fill = *tint;
                pen = Qt::black;
            } else if (!text.isEmpty() && index.data(HeadingRole).toBool()) {
                fill = palette.color(QPalette::Button);
                pen = palette.color(QPalette::ButtonText);
            }
            painter->fillRect(option.rect, fill);
            painter->setPen(pen);
            painter->drawText(
                option.rect.adjusted(0, TextTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
        }

    private:
        // The rule's fill of a value cell; none for a heading, an empty cell and a cell the
        // rule leaves in the grid's own colour.
        std::optional<QColor> tint(const QModelIndex& index, const QString& text) const
        {
            if (text.isEmpty() || index.data(HeadingRole).toBool())
                return std::nullopt;
            switch (m_colouring) {
            case Colouring::Factors:
                return MemoryView::factorColour(text, m_contrast());
            case Colouring::Bytes:
                return MemoryView::byteColour(text);
            case Colouring::Given:
                break;
            }
            const QVariant given = index.data(FillRole);
            return given.isValid() ? std::optional<QColor>(given.value<QColor>()) : std::nullopt;
        }

        Colouring m_colouring;
        std::function<int()> m_contrast;
    };

    void setHeading(QTableWidget* grid, int row, int column, const QString& text)
    {
        auto* item = new QTableWidgetItem(text);
        item->setData(HeadingRole, true);
        grid->setItem(row, column, item);
    }

} // namespace

QTableWidget* make(int columns, int rows, Colouring colouring, std::function<int()> contrast,
    const char* name, QWidget* parent, CellSize size)
{
    const QSize cell = cellSize(size);
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(cell.width());
    grid->verticalHeader()->setDefaultSectionSize(cell.height());
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new CellDelegate(colouring, std::move(contrast), grid));
    grid->setFixedSize(columns * cell.width() + 2 * grid->frameWidth(),
        rows * cell.height() + 2 * grid->frameWidth());
    return grid;
}

QTableWidget* makeMap(Colouring colouring, std::function<int()> contrast, const char* name,
    QWidget* parent, CellSize size)
{
    return make(MemoryView::Columns + 1, MemoryView::Rows + 1, colouring, std::move(contrast), name,
        parent, size);
}

QTableWidget* makeIdle(Colouring colouring, std::function<int()> contrast, const char* name,
    QWidget* parent, CellSize size)
{
    return make(1, MemoryView::IdleRows, colouring, std::move(contrast), name, parent, size);
}

void setCell(
    QTableWidget* grid, int row, int column, const QString& text, std::optional<QColor> fill)
{
    auto* item = new QTableWidgetItem(text);
    if (fill)
        item->setData(FillRole, *fill);
    grid->setItem(row, column, item);
}

void writeMap(QTableWidget* grid, const MemoryView::Cells& cells)
{
    setHeading(grid, 0, 0, QString());
    for (int c = 0; c < MemoryView::Columns; ++c)
        setHeading(grid, 0, c + 1, QString::number(MemoryView::rpmHeadings()[c]));
    for (int r = 0; r < MemoryView::Rows; ++r)
        setHeading(grid, r + 1, 0, MemoryView::loadHeading(r));
    for (int r = 0; r < MemoryView::Rows; ++r)
        for (int c = 0; c < MemoryView::Columns; ++c)
            setCell(grid, r + 1, c + 1, cells[r][c]);
}

void writeIdle(QTableWidget* grid, const MemoryView::IdleCells& cells)
{
    for (int m = 0; m < MemoryView::IdleRows; ++m)
        setCell(grid, m, 0, cells[m]);
}

QWidget* withCaptions(QTableWidget* grid, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(Texts::text(Texts::MemLoadCaption), box), 0, 0);
    auto* rpm = new QLabel(Texts::text(Texts::MemRpmCaption), box);
    rpm->setAlignment(Qt::AlignCenter);
    layout->addWidget(rpm, 0, 1);
    layout->addWidget(grid, 1, 0, 1, 2);
    layout->setColumnStretch(2, 1);
    // The page's spare height goes below the map, not between its caption and grid.
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

} // namespace MapGrid
