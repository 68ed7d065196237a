// The page "Коды ошибок": the fault exchanges' toolbar, the owner-drawn list lbFaults with
// the overlay shown while an exchange runs, copy to the clipboard and the HTML report.
#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QListWidget;
class QToolBar;
struct ReaderContext;

class FaultsPage : public QWidget {
    Q_OBJECT

public:
    FaultsPage(ReaderContext& context, QWidget* parent = nullptr);

    // Fills the list from the slot words of the exchange that has ended, hides the overlay
    // and stamps the current vehicle's diagnosis date.
    void ShowFaultCodes();
    void showOverlay();
    // The toolbar's part of EnableModuleActions.
    void EnableModuleActions(bool enabled);
    QStringList entries() const;
    QString copyText() const;
    // Writes the report and opens it; the file's path, or empty when nothing was written.
    QString saveReport();

signals:
    // A fault action was started: the window shows this page.
    void faultActionStarted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readFaults(char letter);
    void placeOverlay();

    ReaderContext& m_context;
    QToolBar* tbFaultCodes;
    QListWidget* lbFaults;
    QLabel* pnReadingFaults;
};
