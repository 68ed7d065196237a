// Fuzz target: a dashboard profile file of any bytes is parsed, its header read and its
// widgets built on a panel, with every definition applied. Nothing may crash or hang.
#include "profiles/DefinitionErrors.h"
#include "profiles/ProfileClasses.h"
#include "profiles/ProfileReport.h"
#include "profiles/TGaugeProfile.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetProblems.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

namespace {

QString profilePath()
{
    static const QString path = QDir::temp().filePath(
        QStringLiteral("veskor-profile-fuzz-%1.ini").arg(QCoreApplication::applicationPid()));
    return path;
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
    {
        QFile file(profilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QWidget window;
    auto* panel = new TFordPanel(&window);
    panel->resize(400, 300);
    (new TFordData(&window))->setObjectName(QStringLiteral("FD"));
    TFordData store;
    TGaugeProfile profile(&window);
    profile.setDataManager(&store);
    profile.LoadHeader(profilePath(), panel);
    profile.Activate();
    QCoreApplication::processEvents();
    panel->grab();
    profile.Deactivate();
    return 0;
}
