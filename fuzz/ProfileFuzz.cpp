// Fuzz target: a dashboard profile file of any bytes is parsed, its header read and its
// widgets built on a panel, with every item definition applied to the real widgets. The
// widgets are then shown, given history and readings of every kind (NaN, infinities,
// extremes), painted, resized, detached and attached again. Nothing may crash or hang.
#include "FuzzSupport.h"
#include "common/Messages.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileClasses.h"
#include "profiles/ProfileReport.h"
#include "profiles/TGaugeProfile.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetProblems.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

// Readings the widgets get, one PID after another.
constexpr float Readings[] = { 0.0f, 1.5f, -40.0f, 6500.0f, 1e30f, -1e30f,
    std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::denorm_min() };
constexpr int ReadingCount = int(sizeof Readings / sizeof Readings[0]);

// A little history for every PID, so that trend charts have curves to draw.
void recordHistory(TFordData& store)
{
    constexpr uint32_t Start = 1'000'000, Step = 250;
    uint32_t clock = Start;
    store.setClock([&clock] { return clock; });
    for (int pid = 0; pid < 256; ++pid)
        for (clock = Start; clock < Start + 8 * Step; clock += Step)
            store.StoreValue(uint8_t(pid), uint16_t(clock * 37 + pid));
    store.setClock([] { return Start + 10 * Step; });
}

void sendReadings(TFordPanel* panel, int offset)
{
    for (int pid = 0; pid < 256; ++pid) {
        TMessage msg(
            Msg::WM_PID_CHANGED, pid, Msg::floatToLParam(Readings[(pid + offset) % ReadingCount]));
        panel->message(msg);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    registerProfileClasses();
    setDefinitionErrorReporter([](const QString&, const QString&) {});
    setProfileReportHandler([](const TProfileReport&) {});
    setWidgetProblemHandler([](const QObject*, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("profile.ini"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    QWidget window;
    window.setObjectName(QStringLiteral("frmVeskorReader"));
    window.setAttribute(Qt::WA_DontShowOnScreen);
    auto* panel = new TFordPanel(&window);
    panel->setObjectName(QStringLiteral("pnBlack"));
    panel->resize(400, 300);
    (new TFordData(&window))->setObjectName(QStringLiteral("FD"));
    TFordData store;
    recordHistory(store);
    TGaugeProfile profile(&window);
    profile.setDataManager(&store);
    profile.LoadHeader(path, panel);
    profile.Activate();
    window.resize(400, 300);
    window.show();
    QCoreApplication::processEvents();
    sendReadings(panel, 0);
    panel->grab();
    window.resize(97, 41);
    sendReadings(panel, 3);
    QCoreApplication::processEvents();
    panel->grab();
    profile.Deactivate();
    profile.Activate();
    sendReadings(panel, 7);
    panel->grab();
    profile.Deactivate();
    return 0;
}
