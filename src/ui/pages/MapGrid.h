// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The grids of the memory page: a map of 8 load rows by 10 engine speeds under its heading
// row and column, and a column of idle values, with their cells coloured by a rule.
#pragma once

#include "ui/model/MemoryView.h"

#include <QColor>
#include <functional>
#include <optional>

class QTableWidget;
class QWidget;

namespace MapGrid {

// How a grid fills its cells: correction factors tinted by the contrast, bytes red by their
// size, or the colour each cell was given (setCell's fill).
enum class Colouring { Factors, Bytes, Given };

// Cells of the page's own tables, or smaller ones where two maps share the page.
enum class CellSize { Regular, Compact };

QTableWidget* make(int columns, int rows, Colouring colouring, std::function<int()> contrast,
    const char* name, QWidget* parent, CellSize size = CellSize::Regular);
// An 11 x 9 map grid and a 1 x 6 idle grid.
QTableWidget* makeMap(Colouring colouring, std::function<int()> contrast, const char* name,
    QWidget* parent, CellSize size = CellSize::Regular);
QTableWidget* makeIdle(Colouring colouring, std::function<int()> contrast, const char* name,
    QWidget* parent, CellSize size = CellSize::Regular);

void setCell(QTableWidget* grid, int row, int column, const QString& text,
    std::optional<QColor> fill = std::nullopt);
// The headings, then the cells below and right of them.
void writeMap(QTableWidget* grid, const MemoryView::Cells& cells);
void writeIdle(QTableWidget* grid, const MemoryView::IdleCells& cells);

// The map with the two axis captions over it.
QWidget* withCaptions(QTableWidget* grid, QWidget* parent);

} // namespace MapGrid
