// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ui/ProfilePreview.h"

#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct ReaderRun {
    int exitCode = -1;
    QString errors;
};

ReaderRun reader(const QStringList& arguments, const QString& locale = QString())
{
    QProcess process;
    if (!locale.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", locale);
        environment.insert("LANG", locale);
        process.setProcessEnvironment(environment);
    }
    process.start(qEnvironmentVariable("VESKOR_BIN") + "/veskor-reader", arguments);
    process.waitForFinished(60000);
    return ReaderRun { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

QString shipped(const QString& name)
{
    return qEnvironmentVariable("VESKOR_DATA") + "/Profiles/" + name;
}

} // namespace

TEST(ProfilePreview, ReadsItsArguments)
{
    QString error;
    const auto request
        = parsePreviewArguments({ "--render-profile", "a.ini", "--size", "640x480", "--set",
                                    "1=3000", "--set", "15=-12.5", "-o", "a.png" },
            error);
    ASSERT_TRUE(request) << qPrintable(error);
    EXPECT_EQ(request->profile, "a.ini");
    EXPECT_EQ(request->output, "a.png");
    EXPECT_EQ(request->size, QSize(640, 480));
    ASSERT_EQ(request->values.size(), 2);
    EXPECT_EQ(request->values[1].first, 15);
    EXPECT_FLOAT_EQ(request->values[1].second, -12.5f);

    for (const QStringList& wrong : QList<QStringList> { { "--render-profile", "a.ini" },
             { "--render-profile", "a.ini", "-o", "a.png", "--size", "0x10" },
             { "--render-profile", "a.ini", "-o", "a.png", "--set", "256=1" },
             { "--render-profile", "a.ini", "-o", "a.png", "--set", "1=fast" },
             { "--render-profile", "a.ini", "-o", "a.png", "--colour" } })
        EXPECT_FALSE(parsePreviewArguments(wrong, error)) << qPrintable(wrong.join(' '));
}

TEST(ProfilePreview, EveryShippedDashboardRendersWithoutAnError)
{
    TempDir dir;
    const QStringList files
        = QDir(qEnvironmentVariable("VESKOR_DATA") + "/Profiles").entryList({ "*.ini" });
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files) {
        const QString png = dir.file(name + ".png");
        const ReaderRun run = reader(
            { "--render-profile", shipped(name), "--set", "1=3000", "--set", "15=90", "-o", png });
        EXPECT_EQ(run.exitCode, 0) << qPrintable(name + ": " + run.errors);
        const QImage image(png);
        EXPECT_EQ(image.size(), QSize(800, 560)) << qPrintable(name);
    }
}

TEST(ProfilePreview, DefinitionErrorsGoToStandardErrorAndTheExitCode)
{
    TempDir dir;
    const QString profile = dir.write("bad.ini",
        "[Main]\nName=x\n[Gauges]\ng=TFordGauge\n[g]\nName=Tacho\n"
        "Visible=True\nPID=abc\nArrows[3].PID=1\n");
    const QString png = dir.file("bad.png");
    const ReaderRun run = reader({ "--render-profile", profile, "--size", "300x200", "-o", png });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(profile + ":8: g.PID: не целое число"))
        << qPrintable(run.errors);
    EXPECT_TRUE(run.errors.contains(profile + ":9: g.Arrows[3].PID: "));
    EXPECT_EQ(QImage(png).size(), QSize(300, 200));

    EXPECT_EQ(reader({ "--render-profile", dir.file("missing.ini"), "-o", png }).exitCode, 2);
    EXPECT_EQ(reader({ "--render-profile", profile }).exitCode, 2);
    EXPECT_EQ(
        reader({ "--render-profile", profile, "-o", dir.file("no/such/dir/x.png") }).exitCode, 2);
    EXPECT_EQ(reader({ "--help" }).exitCode, 0); // prints how to call it
}

TEST(ProfilePreview, ProfileFromWhichNothingCanBeBuiltExitsTwoWithItsReason)
{
    TempDir dir;
    QDir(dir.path()).mkdir("folder.ini");
    QByteArray utf16("\xFF\xFE");
    for (char c : QByteArray("[Gauges]\nx=TLabel\n[x]\nVisible=True\n"))
        utf16 += QByteArray(1, c) + '\0';
    QByteArray noise;
    for (int i = 0; i < 2048; ++i)
        noise += char((i * 7919 + 13) % 251);
    const QStringList profiles { dir.path() + "/folder.ini", dir.write("empty.ini", ""),
        dir.write("utf16.ini", utf16), dir.write("noise.ini", noise),
        dir.write(
            "grey.ini", "[Main]\nBackgroundColor=black\n[Gauges]\nx=TLabel\n[x]\nVisible=True\n") };
    for (const QString& profile : profiles) {
        const ReaderRun run = reader({ "--render-profile", profile, "-o", dir.file("x.png") });
        EXPECT_EQ(run.exitCode, 2) << qPrintable(profile + ": " + run.errors);
        EXPECT_TRUE(run.errors.contains(profile + ":")) << qPrintable(run.errors);
    }
}

TEST(ProfilePreview, NumbersReadTheSameUnderTheCAndRussianLocales)
{
    TempDir dir;
    const QString point = dir.write("point.ini",
        "[Gauges]\nv=TFordValue\n[v]\nVisible=True\nLabelFormat=%.1f\nLabelRatio=0.5\n");
    const QString comma = dir.write("comma.ini",
        "[Gauges]\nv=TFordValue\n[v]\nVisible=True\nLabelFormat=%.1f\nLabelRatio=0,5\n");
    for (const char* locale : { "C.UTF-8", "ru_RU.UTF-8" }) {
        const ReaderRun good
            = reader({ "--render-profile", point, "-o", dir.file("p.png") }, locale);
        EXPECT_EQ(good.exitCode, 0) << locale << qPrintable(good.errors);
        const ReaderRun bad
            = reader({ "--render-profile", comma, "-o", dir.file("c.png") }, locale);
        EXPECT_EQ(bad.exitCode, 1) << locale;
        EXPECT_TRUE(
            bad.errors.contains(comma + ":6: v.LabelRatio: десятичный разделитель — точка: 0.5"))
            << locale << qPrintable(bad.errors);
    }
}

TEST(ReaderArguments, ATimeScaleOrAnythingUnknownIsRefusedWithExitTwo)
{
    // The window takes no time scale: NaN, infinity or a negative one can't slip in.
    for (const QStringList& arguments : QList<QStringList> { { "--time-scale", "nan" },
             { "--time-scale", "inf" }, { "--time-scale", "-1" }, { "--home" } }) {
        const ReaderRun run = reader(arguments);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.errors.contains("veskor-reader")) << qPrintable(run.errors);
    }
}
