// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The "Матрица" panel: the raw words of frames 0 to 15, positions 0 to 5, as the bytes of
// the grid dgMap, repainted cell by cell while "Обновлять" (cbUpdateMap) is on.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QCheckBox;

class MatrixGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int Columns = 12, Rows = 16, CellWidth = 20, CellHeight = 14;

    explicit MatrixGrid(QWidget* parent = nullptr);
    // Keeps the word as it came and repaints the slot's two cells (when they are shown).
    void setWord(uint8_t slot, uint16_t word, bool repaint);
    void clear();
    uint16_t word(uint8_t slot) const { return m_words[slot]; }
    // The two hexadecimal digits the cell shows: the low byte of its slot's word in an even
    // column, the high byte in an odd one.
    QString cellText(int column, int row) const;
    static QRect cellRect(int column, int row);
    // The text colour of position k's two columns.
    static QColor positionColour(int position);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // What the cell at a point tells on hover: describe(slot, word) of its slot; empty
    // outside the cells or without a describer.
    using Describe = std::function<QString(uint8_t slot, uint16_t word)>;
    void setDescriber(Describe describe) { m_describe = std::move(describe); }
    QString toolTipAt(QPoint pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::array<uint16_t, 256> m_words {};
    Describe m_describe;
};

class MatrixPanel : public QWidget {
    Q_OBJECT

public:
    explicit MatrixPanel(QWidget* parent = nullptr);

    bool updating() const;
    void setUpdating(bool on);
    MatrixGrid* grid() const { return dgMap; }
    // The stream's readouts: the interval between frames and the receive depth.
    void showReadouts(const QString& interval, const QString& depth);

private:
    QLabel* laUpdateFreq;
    QLabel* laCount;
    QCheckBox* cbUpdateMap;
    MatrixGrid* dgMap;
};
