// The page "Память": reads the ECU's memory into dump files, stops such a read, and
// decodes the adaptive tables and a byte map from the link's memory image.
#pragma once

#include "ui/model/MemoryView.h"

#include <QWidget>
#include <functional>

class GlowLabel;
class QLineEdit;
class QProgressBar;
class QTableWidget;
struct LinkReport;
struct ReaderContext;

class MemoryPage : public QWidget {
    Q_OBJECT

public:
    // Asks for the file a dump is saved to (folder and proposed name); empty when cancelled.
    using SaveFileChooser = std::function<QString(const QString& folder, const QString& name)>;

    explicit MemoryPage(ReaderContext& context, QWidget* parent = nullptr);

    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseSaveFile = std::move(chooser); }
    // The table contrast; by default the options page's value.
    void setContrast(std::function<int()> contrast) { m_contrast = std::move(contrast); }

    // Fill the grids from the link's memory image.
    void DecodeAdaptTables();
    void DecodeInjectionMap();

private:
    void dumpToFile(int lastBlock, const QString& proposedName);
    void stopReading();
    void readAdaptive();
    void onLinkEvent(const LinkReport& report);
    MemoryView::ImageReader image() const;
    int contrast() const;
    // The car profile position of the current vehicle; -1 when there is none.
    int currentCarProfile() const;
    void log(const QString& text) const;

    ReaderContext& m_context;
    SaveFileChooser m_chooseSaveFile;
    std::function<int()> m_contrast;
    QProgressBar* pbDump;
    QTableWidget* sgAdapt;
    QTableWidget* sgAdaptIdle;
    QTableWidget* sgInjection;
    GlowLabel* lbAdaptChecksum;
    QLineEdit* edAddr;
};
