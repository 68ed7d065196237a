// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Pictures of the engine self-test on the fault codes page, before (the guide), during
// (the countdown) and after (the verdict above the codes), from the real window on the
// built-in simulator: selftest_pictures <output folder> [WIDTHxHEIGHT, 1366x768]. Run it under
// xvfb-run (scripts/selftest-pictures.sh); not part of the test suite.
#include "WindowTestSupport.h"
#include "common/AtomicFile.h"
#include "common/Errors.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"
#include "ui/pages/FaultsPage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& folder, const char* name)
{
    const QString path = QDir(folder).filePath(QLatin1String(name));
    try {
        writeImageAtomically(path, image);
    } catch (const VeskorError& e) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(e.message()));
        return false;
    }
    std::printf("saved %s\n", qUtf8Printable(path));
    return true;
}

// The window with a dialog of it drawn where it stands on the screen.
QImage withDialog(QWidget& window, QWidget& dialog)
{
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0, 0, 0, 70));
    const QPoint at = dialog.frameGeometry().topLeft() - window.geometry().topLeft();
    const QPixmap shown = dialog.grab();
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(QRect(at, shown.size() / shown.devicePixelRatio()).adjusted(-1, -1, 0, 0));
    painter.drawPixmap(at, shown);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("VESKOR_DATA"))
        qputenv("VESKOR_DATA", VESKOR_BIN_DIR);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    const QStringList size = argc > 2 ? QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'))
                                      : QStringList { "1366", "768" };
    const QSize screen(size.value(0).toInt(), size.value(1).toInt());
    if (screen.isEmpty()) {
        std::fprintf(stderr, "usage: selftest_pictures <folder> [WIDTHxHEIGHT]\n");
        return 2;
    }

    WindowHarness h;
    h.writeFile("reader.ini",
        "[Main]\nComPortName=sim\nComPortSpeed=2\nMainWindowLeft=0\nMainWindowTop=0\n"
        "MainWindowWidth="
            + QByteArray::number(screen.width()) + "\nMainWindowHeight="
            + QByteArray::number(screen.height()) + "\n[Autos]\nCurrent=0\n");
    h.writeFile("autos.ini", registerText({ { "Escort 1.8 Ghia", "4BAA" } }));
    TfrmVeskorReader& window = h.open([&](TfrmVeskorReader::Options& o) {
        o.Screens = { QRect(QPoint(0, 0), screen) };
        // The ECU answers after 20 s of its clock (2 s at the harness's scale), with two
        // codes of a running engine.
        o.Link.Simulator.SelfTestMs = 20000;
        o.Link.Simulator.TestCodes = { 412, 538 };
    });
    window.resize(screen);
    if (!waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        })) {
        std::fprintf(stderr, "the simulator did not connect\n");
        return 1;
    }
    window.pages()->setCurrentWidget(window.faultsPage());
    QCoreApplication::processEvents();

    bool ok = true;
    h.Prompts.AnswerDialog = [&](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("rbKoer"))->click();
        dialog.show();
        // Centred on the window, as a window manager places it.
        dialog.move(window.geometry().center() - dialog.rect().center());
        waitUntil([&] { return dialog.isVisible(); }, 1000);
        QCoreApplication::processEvents();
        ok &= save(withDialog(window, dialog), folder, "selftest-before.png");
        dialog.hide();
        return true;
    };
    h.find<QAction>("acInvokeTest")->trigger();
    auto* countdown = h.find<QLabel>("laTestCountdown");
    // Eight seconds into the test.
    waitUntil([&] { return countdown->text().contains(QStringLiteral("прошло 8 с")); }, 5000);
    ok &= save(window.grab().toImage(), folder, "selftest-during.png");
    waitUntil([&] { return !window.faultsPage()->verdict().isEmpty(); }, 20000);
    QCoreApplication::processEvents();
    ok &= save(window.grab().toImage(), folder, "selftest-after.png");
    h.close();
    return ok ? 0 : 1;
}
