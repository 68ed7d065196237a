// The page "Данные": the toolbar tbReadData with start and stop of the live data and the
// profile box cbProfile, and the dashboard panel pnBlack that shows the chosen profile.
#pragma once

#include "profiles/TProfileList.h"

#include <QWidget>
#include <functional>

class QComboBox;
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

private:
    void startData();
    // Shows the profile; its definition errors come as one list.
    void selectProfile(int index);
    // Runs work with the definition errors collected rather than shown one by one.
    static QStringList collectErrors(const std::function<void()>& work);

    ReaderContext& m_context;
    TProfileList m_profiles;
    QComboBox* cbProfile;
    TFordPanel* pnBlack;
};
