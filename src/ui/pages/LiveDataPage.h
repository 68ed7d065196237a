// The page "Данные": the toolbar tbReadData with start and stop of the live data and the
// profile box cbProfile, and the dashboard panel pnBlack that shows the chosen profile.
#pragma once

#include "profiles/TProfileList.h"
#include "ui/model/StreamRate.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QGraphicsProxyWidget;
class QGraphicsView;
class TFordData;
class TFordPanel;
struct ReaderContext;

class LiveDataPage : public QWidget {
    Q_OBJECT

public:
    // profileOwner: the main window, owner of the profiles.
    LiveDataPage(ReaderContext& context, QObject* profileOwner, QWidget* parent = nullptr);

    // Reads the header of every profile in folder and shows the one named current. The
    // definition errors of the load come back as one list.
    int loadProfiles(const QString& folder, const QString& current, QStringList& errors);
    TProfileList& profiles() { return m_profiles; }
    TFordPanel* panel() const { return pnBlack; }
    // Feeds a word of position 2 to 5 to the dashboard as its PID's value.
    void showWord(uint8_t slot, uint16_t word);
    // The scale the dashboard is drawn at: fitted to the page, or 1 when shown 1:1.
    double dashboardScale() const;
    // Sizes the dashboard to its widgets and scales it to the page (or 1:1).
    void layoutDashboard();
    // The store whose PID map names the words' PIDs and whose history the dashboard's
    // trends draw: a replayed recording's, or the link's again when null.
    void setStore(TFordData* store);
    // Puts a bar (the replay's transport bar) under the toolbar.
    void insertBar(QWidget* bar);

signals:
    // "Открыть запись...": the user asks for a recorded session.
    void openRecordingRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startData();
    // Shows the profile; its definition errors come as one list.
    void selectProfile(int index);
    // Runs work with the definition errors collected rather than shown one by one.
    static QStringList collectErrors(const std::function<void()>& work);

    ReaderContext& m_context;
    TProfileList m_profiles;
    QComboBox* cbProfile;
    QSizeF dashboardSize() const;
    // A word of the live stream: the interval and depth readouts follow complete cycles.
    void noteStreamWord(uint8_t slot);

    TFordPanel* pnBlack;
    QAction* acFitDashboard;
    QGraphicsView* m_view;
    QGraphicsProxyWidget* m_proxy;
    StreamRate m_rate;
    QElapsedTimer m_clock;
    TFordData* m_store = nullptr;
};
