// The page "Тренды": start and stop of the live data (the live page's actions), a
// navigation bar, the chart FT on the link's data store, the readout fvN and the two
// "Отобразить" buttons. The chart draws the curves of the active dashboard's trend chart
// (engine speed, coolant temperature and throttle when it has none), and the window's
// test signal while that runs.
//
// A replay feeds a store of its own: setDataManager(store) makes the chart read it from now
// on (nullptr: the link's store again) and follow its newest data, which the replay's clock
// ends at the play position.
#pragma once

#include <QWidget>
#include <cstdint>

class LiveDataPage;
class QPushButton;
class TFordData;
class TFordTrend;
class TFordValue;
class WindowTestSignal;
struct ReaderContext;

class TrendsPage : public QWidget {
    Q_OBJECT

public:
    TrendsPage(ReaderContext& context, LiveDataPage* live, QWidget* parent = nullptr);

    void setDataManager(TFordData* store);

    TFordTrend* chart() const { return FT; }
    WindowTestSignal* testSignal() const { return m_testSignal; }
    // Takes the curves of the active dashboard's trend (or the default ones) again.
    void followProfile();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFordData* linkStore() const;
    void bindLink();
    void onSlotWord(uint8_t slot, uint16_t word, bool live);
    void SpTBXButton1Click();
    void SpTBXButton2Click();
    void setCurves();
    const TFordTrend* dashboardTrend() const;
    void showRightEdge();

    ReaderContext& m_context;
    LiveDataPage* m_live;
    TFordTrend* FT;
    TFordValue* fvN;
    WindowTestSignal* m_testSignal;
    TFordData* m_store = nullptr; // a replay's store; null: the link's
};
