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
    constexpr int CellWidth = 64;
    constexpr int CellHeight = 24;
    // Text is drawn from the top of the cell, a little below its edge.
    constexpr int TextTop = 4;

    // Heading cells in the button face, the others by the grid's rule; text black, centred.
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
            painter->fillRect(option.rect, fill(option, index, text));
            painter->setPen(Qt::black);
            painter->drawText(
                option.rect.adjusted(0, TextTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
        }

    private:
        QColor fill(
            const QStyleOptionViewItem& option, const QModelIndex& index, const QString& text) const
        {
            const QColor plain = option.palette.color(QPalette::Base);
            if (text.isEmpty())
                return plain;
            if (index.data(HeadingRole).toBool())
                return option.palette.color(QPalette::Button);
            switch (m_colouring) {
            case Colouring::Factors:
                return MemoryView::factorColour(text, m_contrast()).value_or(plain);
            case Colouring::Bytes:
                return MemoryView::byteColour(text).value_or(plain);
            case Colouring::Given:
                break;
            }
            const QVariant given = index.data(FillRole);
            return given.isValid() ? given.value<QColor>() : plain;
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
    const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(CellWidth);
    grid->verticalHeader()->setDefaultSectionSize(CellHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new CellDelegate(colouring, std::move(contrast), grid));
    grid->setFixedSize(
        columns * CellWidth + 2 * grid->frameWidth(), rows * CellHeight + 2 * grid->frameWidth());
    return grid;
}

QTableWidget* makeMap(
    Colouring colouring, std::function<int()> contrast, const char* name, QWidget* parent)
{
    return make(MemoryView::Columns + 1, MemoryView::Rows + 1, colouring, std::move(contrast), name,
        parent);
}

QTableWidget* makeIdle(
    Colouring colouring, std::function<int()> contrast, const char* name, QWidget* parent)
{
    return make(1, MemoryView::IdleRows, colouring, std::move(contrast), name, parent);
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
