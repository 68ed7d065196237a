// The page "Автомобили": the vehicles list lvAutos with its toolbar, the ECU information
// pane of the selected vehicle behind a splitter, and the current-vehicle rules.
#pragma once

#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QSplitter;
class QTreeView;
struct ReaderContext;

class VehiclesPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int MinInfoPane = 165;

    VehiclesPage(ReaderContext& context, QWidget* parent = nullptr);

    // Refills the current-vehicle box from the list and selects the list's selected entry.
    void lvAutosChange();
    // Enables edit and delete with the selection and shows the ECU data of the row's code.
    void ShowVehicleInfo(int row, bool selected);
    // The dialog in add or edit mode; true when the user saved.
    bool EditVehicle(bool editMode, bool notice);
    // The vehicle whose calibration code the ECU reported becomes current.
    // adopt false: a code that no vehicle has is shown but never written into the
    // current vehicle (a simulated ECU's code is no car's).
    void MatchCalibration(const QString& code, bool adopt = true);
    // WM_CHECK_REGISTER: an empty register opens the add dialog with its notice.
    void checkRegister();

    int infoPaneHeight() const;
    void setInfoPaneHeight(int height);
    int selectedRow() const;
    void selectRow(int row);

signals:
    // "Записи...": the recorded sessions of the selected vehicle are asked for.
    void recordingsRequested(const QString& vehicleName);

private:
    void buildInfoPane(QWidget* pane);
    void deleteVehicle();
    // Rebuilds the box's names; keeps its selection unless told which row to select.
    void refillCurrentList(int select);

    ReaderContext& m_context;
    QAction* acAddAuto;
    QAction* acEditAuto;
    QAction* acDeleteAuto;
    QAction* acVehicleRecordings;
    QTreeView* lvAutos;
    QSplitter* m_splitter;
    QWidget* pnCarInfo;
    std::array<QLabel*, 10> m_info {};
};
