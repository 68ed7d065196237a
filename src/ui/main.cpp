// The program entry of veskor-reader. For now it offers the profile preview; without it the
// program prints how to call it.
#include "common/ProgramDir.h"
#include "common/Texts.h"
#include "ui/ProfilePreview.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool preview = arguments.contains(QLatin1String("--render-profile"));
    // The preview shows no window: it needs no display.
    if (preview && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VeskorReader"));

    const qsizetype home = arguments.indexOf(QLatin1String("--home"));
    if (home >= 0) {
        if (home + 1 >= arguments.size()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(Texts::text(Texts::ReaderUsage)));
            return 2;
        }
        setProgramDir(arguments.at(home + 1));
        arguments.remove(home, 2);
    }
    if (!preview) {
        std::printf("%s\n", qUtf8Printable(Texts::text(Texts::ReaderUsage)));
        return 0;
    }
    QString error;
    const std::optional<ProfilePreviewRequest> request = parsePreviewArguments(arguments, error);
    if (!request) {
        std::fprintf(stderr, "%s\n%s\n", qUtf8Printable(error),
            qUtf8Printable(Texts::text(Texts::ReaderUsage)));
        return 2;
    }
    return renderProfilePreview(*request);
}
