// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The memory page's comparison of two visits: the vehicle's dumps listed by date, and for
// the two chosen the adaptive tables side by side, the changed values coloured, and the
// checksum state of each.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class AdaptComparison;
class GlowLabel;
class QBoxLayout;
class QLabel;
class QListWidget;
class QScrollArea;
class QTableWidget;

class DumpComparePanel : public QWidget {
    Q_OBJECT

public:
    DumpComparePanel(std::function<int()> contrast, QWidget* parent = nullptr);

    // Lists the dumps of the folder, keeps the choice of files still there, and compares.
    void showDumps(const QString& folder, uint16_t address, uint16_t checksumAddress);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The grids and labels of one dump.
    struct Column {
        QLabel* Caption;
        QTableWidget* Map;
        QTableWidget* Idle;
        GlowLabel* Checksum;
    };
    Column makeColumn(const char* suffix, QWidget* parent);
    void listDumps();
    void compare();
    void clearColumns();

    std::function<int()> m_contrast;
    QString m_folder;
    uint16_t m_address = 0;
    uint16_t m_checksumAddress = 0;
    QListWidget* lvDumps;
    QLabel* lbCompareSummary;
    QScrollArea* m_scroll;
    QBoxLayout* m_sides;
    std::array<Column, 2> m_columns {};
};
