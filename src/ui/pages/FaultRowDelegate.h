// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The fault list's rows as the program draws them: a header row with the vehicle's data
// and one row per code with its mode, description and comment, each 100 pixels high.
#pragma once

#include "ui/model/FaultSheet.h"

#include <QStyledItemDelegate>

struct ReaderContext;

class FaultRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int RowHeight = 100;
    static constexpr int BaseFontSize = 8;
    static constexpr int HeaderFontSize = 10;

    FaultRowDelegate(const ReaderContext& context, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintHeader(QPainter* p, const QRect& row, const SheetVehicle& vehicle) const;
    void paintCode(QPainter* p, const QRect& row, const QString& entry) const;

    const ReaderContext& m_context;
};
