// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The page "Память": reads the ECU's memory into dump files, loads them back, stops a read,
// decodes the adaptive tables and a byte map from the link's memory image, and compares the
// adaptive tables of two dumps of the vehicle.
#pragma once

#include "ui/model/MemoryView.h"

#include <QWidget>
#include <functional>

class DumpComparePanel;
class GlowLabel;
class QLineEdit;
class QProgressBar;
class QTableWidget;
struct LinkReport;
struct ReaderContext;

class MemoryPage : public QWidget {
    Q_OBJECT

public:
    explicit MemoryPage(ReaderContext& context, QWidget* parent = nullptr);

    // The table contrast; the window gives the options page's value.
    void setContrast(std::function<int()> contrast) { m_contrast = std::move(contrast); }

    // Fill the grids from the link's memory image.
    void DecodeAdaptTables();
    void DecodeInjectionMap();
    // Puts a dump file into the link's memory image and decodes it; false when nothing was
    // loaded (a read is pending, or the file could not be read: the user is told).
    bool loadDumpFile(const QString& file);

signals:
    // A line for the window's log.
    void logLine(const QString& text);

private:
    void dumpToFile(int lastBlock, const QString& kind);
    void readDumpFile();
    void stopReading();
    void readAdaptive();
    void memoryReadDone(quint16 tag);
    MemoryView::ImageReader image() const;
    int contrast() const;
    // The adaptive tables' addresses for the current vehicle: 0 and 0, and why, without a
    // car profile.
    struct Addresses {
        uint16_t Adaptive = 0;
        uint16_t Checksum = 0;
        QString Problem;
    };
    Addresses adaptiveAddresses() const;
    // The last memory read brought the whole adaptive area of the vehicle's car profile.
    bool adaptiveAreaRead() const;
    // The current vehicle's dump folder.
    QString dumpFolder() const;
    void log(const QString& text);

    ReaderContext& m_context;
    std::function<int()> m_contrast;
    QProgressBar* pbDump;
    QTableWidget* sgAdapt;
    QTableWidget* sgAdaptIdle;
    QTableWidget* sgInjection;
    GlowLabel* lbAdaptChecksum;
    QLineEdit* edAddr;
    DumpComparePanel* m_compare;
};
