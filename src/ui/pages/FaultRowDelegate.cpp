// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "FaultRowDelegate.h"

#include "common/Texts.h"
#include "ui/ReaderContext.h"
#include "ui/model/FaultSheet.h"
#include "vehicles/FaultCodeText.h"
#include "vehicles/VehicleListModel.h"

#include <QPainter>

namespace {

enum class Style { Right, Wrap, Ellipsis };

// A text in the rectangle at (x, y) from the row's top-left corner.
void drawAt(QPainter* p, const QRect& row, int x, int y, int w, int h, Style style,
    const QString& text, bool bold = false)
{
    QFont f = p->font();
    f.setBold(bold);
    p->setFont(f);
    const QRect r(row.left() + x, row.top() + y, std::max(w, 0), std::max(h, 0));
    switch (style) {
    case Style::Right:
        p->drawText(r, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, text);
        break;
    case Style::Wrap:
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        break;
    case Style::Ellipsis:
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
            p->fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
        break;
    }
}

QString label(const char* text)
{
    return Texts::text(text);
}

} // namespace

FaultRowDelegate::FaultRowDelegate(const ReaderContext& context, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_context(context)
{
}

QSize FaultRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return { option.rect.width(), RowHeight };
}

void FaultRowDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect row = option.rect;
    const QString entry = index.data().toString();
    painter->save();
    painter->setClipRect(row);
    painter->setPen(option.palette.color(QPalette::Text));
    QFont font = option.font;
    if (index.row() == 0) {
        // The vehicle as it was when the result was read; a header without one shows its
        // line alone.
        if (const auto vehicle = FaultSheet::fromFields(index.data(Qt::UserRole).toStringList())) {
            font.setPointSize(HeaderFontSize);
            painter->setFont(font);
            paintHeader(painter, row, *vehicle);
        }
    } else {
        font.setPointSize(BaseFontSize);
        painter->setFont(font);
        paintCode(painter, row, entry);
    }
    painter->fillRect(QRect(row.left() + 5, row.bottom() + 1 - 10, row.width() - 15, 1),
        option.palette.color(QPalette::Mid));
    painter->restore();
}

namespace {

// The rows' places were laid out for a narrow font: with a wider one every place moves right
// by the factor that makes the widest right-aligned caption fit its 90 pixels.
qreal layoutScale(QPainter* p, std::initializer_list<const char*> captions)
{
    QFont bold = p->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    int widest = 0;
    for (const char* caption : captions)
        widest = std::max(widest, fm.horizontalAdvance(label(caption)));
    return std::max<qreal>(1.0, (widest + 4) / 90.0);
}

} // namespace

void FaultRowDelegate::paintHeader(QPainter* p, const QRect& row, const SheetVehicle& v) const
{
    const qreal k = layoutScale(p, { Texts::HeaderName, Texts::HeaderModel, Texts::HeaderNotes });
    const auto x = [k](int at) { return int(at * k); };
    const int w = row.width();
    drawAt(p, row, x(5), 2, x(90), 20, Style::Right, label(Texts::HeaderName), true);
    drawAt(p, row, x(250), 2, 1000, 20, Style::Wrap, label(Texts::HeaderDate), true);
    drawAt(p, row, x(500), 2, 1000, 20, Style::Wrap, label(Texts::HeaderPlate), true);
    drawAt(p, row, x(5), 22, x(90), 20, Style::Right, label(Texts::HeaderModel), true);
    drawAt(p, row, x(250), 22, 1000, 20, Style::Wrap, label(Texts::HeaderYear), true);
    drawAt(p, row, x(500), 22, 1000, 20, Style::Wrap, label(Texts::HeaderVIN), true);
    drawAt(p, row, x(5), 42, x(90), 20, Style::Right, label(Texts::HeaderNotes), true);
    // A value ends where the next caption begins, cut with an ellipsis rather than overlapping it.
    const auto value = [&](int at, int y, int nextCaption, const QString& text) {
        const int left = x(at);
        drawAt(p, row, left, y, (nextCaption > 0 ? x(nextCaption) : w) - left - 6, 20,
            Style::Ellipsis, text);
    };
    // Values start after their captions, which the wider font may have pushed along.
    QFont bold = p->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const int dateAt
        = std::max(350, int((250 * k + fm.horizontalAdvance(label(Texts::HeaderDate)) + 6) / k));
    const int plateAt
        = std::max(580, int((500 * k + fm.horizontalAdvance(label(Texts::HeaderPlate)) + 6) / k));
    const int yearAt
        = std::max(290, int((250 * k + fm.horizontalAdvance(label(Texts::HeaderYear)) + 6) / k));
    const int vinAt
        = std::max(530, int((500 * k + fm.horizontalAdvance(label(Texts::HeaderVIN)) + 6) / k));
    value(100, 2, 250, v.Name);
    value(dateAt, 2, 500, v.Date);
    value(plateAt, 2, 0, v.Plate);
    value(100, 22, 250, v.Model);
    value(yearAt, 22, 500, v.Year);
    value(vinAt, 22, 0, v.VIN);
    drawAt(p, row, x(100), 42, w - x(110), row.height() - 42, Style::Wrap, v.Notes);
}

void FaultRowDelegate::paintCode(QPainter* p, const QRect& row, const QString& entry) const
{
    const int n = faultCodeNumber(entry);
    const FaultCodeShown code = faultCodeShown(m_context.FaultCodes[n], m_context.English());
    const qreal k
        = layoutScale(p, { Texts::FaultCode, Texts::FaultDescription, Texts::FaultComment });
    const auto x = [k](int at) { return int(at * k); };
    const int w = row.width();
    drawAt(p, row, x(5), 2, x(90), 20, Style::Right, label(Texts::FaultCode), true);
    drawAt(p, row, x(150), 2, 1000, 20, Style::Wrap, label(Texts::FaultMode), true);
    drawAt(p, row, x(5), 22, x(90), 20, Style::Right, label(Texts::FaultDescription), true);
    drawAt(p, row, x(5), 42, x(90), 20, Style::Right, label(Texts::FaultComment), true);
    drawAt(p, row, x(100), 2, 1000, 20, Style::Wrap, QString::number(n));
    drawAt(p, row, x(200), 2, 1000, 20, Style::Wrap, code.Mode);
    drawAt(p, row, x(100), 22, w - x(110), 20, Style::Ellipsis, code.Description);
    drawAt(p, row, x(100), 42, w - x(110), row.height() - 42, Style::Wrap, code.Comment);
}
