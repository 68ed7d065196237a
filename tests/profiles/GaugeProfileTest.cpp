// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ProfileTestSupport.h"
#include "common/FloatFormat.h"
#include "common/LanguageData.h"
#include "common/TCollection.h"
#include "profiles/ProfileClasses.h"
#include "profiles/TFordTrend.h"
#include "profiles/TGaugeProfile.h"
#include "store/TFordData.h"
#include "support/InLanguage.h"
#include "support/TempDir.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordTextList.h"
#include "widgets/TFordValue.h"
#include "widgets/TLabel.h"
#include "widgets/WidgetRegistry.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMetaProperty>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Notes the cursor in force whenever a profile sets its Probe property.
class TCursorProbe : public TLabel {
    Q_OBJECT
    Q_PROPERTY(int Probe READ Probe WRITE setProbe)

public:
    int Probe() const { return 0; }
    void setProbe(int)
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        seen.append(cursor ? cursor->shape() : Qt::ArrowCursor);
    }
    static inline QList<Qt::CursorShape> seen;
};

// A window with its dashboard panel, and profiles to build on it.
class Dashboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProfileClasses();
        window.setObjectName("frmVeskorReader");
        panel = new TFordPanel(&window);
        panel->setObjectName("pnBlack");
        panel->setColor(clBtnFace);
    }

    TGaugeProfile* profile(const QString& name, const QByteArray& text)
    {
        auto* p = new TGaugeProfile(&window);
        p->setDataManager(&store);
        p->LoadHeader(dir.write(name, text), panel);
        return p;
    }

    // The profile's widgets that sit on the panel and are meant to be seen.
    QList<QObject*> shown(const TGaugeProfile& p) const
    {
        QList<QObject*> result;
        for (QObject* w : p.Widgets()) {
            auto* control = qobject_cast<TControl*>(w);
            if (control && control->parentWidget() == panel && control->Visible())
                result.append(w);
        }
        return result;
    }

    TempDir dir;
    QWidget window;
    TFordPanel* panel = nullptr;
    TFordData store;
    ReportRecorder reports;
};

const QByteArray TwoGauges = "[Main]\n"
                             "Name=Двигатель\n"
                             "Table=T\n"
                             "BackgroundColor=clBlack\n"
                             "[Gauges]\n"
                             "look, rpm = TFordGauge\n"
                             "look,\"speed gauge\"=tfordgauge\n"
                             "look=TFordNothing\n"
                             "nothing here\n"
                             "[look]\n"
                             "Visible=True\n"
                             "Color=clBlack\n"
                             "[rpm]\n"
                             "PID=1\n"
                             "Max=7000\n"
                             "[speed gauge]\n"
                             "PID=24\n";

} // namespace

TEST_F(Dashboard, HeaderGivesNameTableAndColour)
{
    TGaugeProfile* p = profile("a.ini", TwoGauges);
    EXPECT_EQ(p->ProfileName(), "Двигатель");
    EXPECT_EQ(p->Table(), "T");
    EXPECT_EQ(p->BackgroundColor(), "clBlack");
    EXPECT_EQ(p->FileName(), dir.file("a.ini"));
    EXPECT_TRUE(p->Widgets().isEmpty()); // nothing is built before the first show
}

TEST_F(Dashboard, ProfileWithoutMainTakesTheDefaults)
{
    panel->setColor(clTeal);
    TGaugeProfile* p = profile("a.ini", "[Gauges]\nx=TLabel\n");
    EXPECT_EQ(p->ProfileName(), "?????");
    EXPECT_EQ(p->Table(), "P");
    EXPECT_EQ(p->BackgroundColor(), "clTeal");
    TGaugeProfile missing;
    missing.LoadHeader(dir.file("gone.ini"), panel);
    EXPECT_EQ(missing.ProfileName(), "?????");
    // A name that isn't UTF-8 is empty.
    EXPECT_EQ(
        profile("b.ini", "[Main]\nName=\xC4\xE2\xE8\xE3\xE0\xF2\xE5\xEB\xFC\n")->ProfileName(), "");
}

TEST_F(Dashboard, ActivateBuildsEachGaugesLineAndSharedSectionsConfigureAlike)
{
    TGaugeProfile* p = profile("a.ini", TwoGauges);
    p->Activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->Color(), clBlack);
    const QList<QObject*> widgets = p->Widgets();
    ASSERT_EQ(widgets.size(), 2); // the unknown class and the line without "=" make nothing
    auto* rpm = qobject_cast<TFordGauge*>(widgets[0]);
    auto* speed = qobject_cast<TFordGauge*>(widgets[1]);
    ASSERT_TRUE(rpm && speed);
    EXPECT_EQ(rpm->PID(), 1);
    EXPECT_FLOAT_EQ(rpm->Max(), 7000);
    EXPECT_EQ(speed->PID(), 24);
    EXPECT_EQ(rpm->Color(), clBlack);
    EXPECT_EQ(speed->Color(), clBlack);
    EXPECT_EQ(shown(*p).size(), 2);
    // Later widgets lie above earlier ones.
    EXPECT_EQ(panel->children().indexOf(rpm) < panel->children().indexOf(speed), true);
    EXPECT_TRUE(reports.reports.isEmpty());
}

TEST_F(Dashboard, WidgetWithoutVisibleTrueIsBuiltButNeverSeen)
{
    TGaugeProfile* p = profile("a.ini",
        "[Gauges]\nshow=TLabel\nhide=TLabel\nnone=TLabel\n"
        "[show]\nVisible=True\n[hide]\nCaption=x\n");
    p->Activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(p->Widgets().size(), 3);
    EXPECT_EQ(shown(*p).size(), 1);
    EXPECT_FALSE(static_cast<QWidget*>(p->Widgets()[1])->isVisible());
}

TEST_F(Dashboard, SwitchingBackShowsTheSameWidgetsWithoutReadingTheFileAgain)
{
    TGaugeProfile* a = profile("a.ini", TwoGauges);
    TGaugeProfile* b = profile("b.ini",
        "[Main]\nBackgroundColor=clNavy\n[Gauges]\nv=TFordValue\n[v]\nVisible=True\nPID=5\n");
    a->Activate();
    b->Deactivate();
    const QList<QObject*> first = a->Widgets();
    auto* rpm = qobject_cast<TFordGauge*>(first[0]);
    rpm->setValue(3000);
    dir.write("a.ini", "[Gauges]\nx=TLabel\n"); // not read again

    b->Activate();
    a->Deactivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->Color(), clNavy);
    EXPECT_EQ(rpm->parentWidget(), nullptr);
    EXPECT_EQ(shown(*b).size(), 1);

    a->Activate();
    b->Deactivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(a->Widgets(), first);
    EXPECT_EQ(shown(*a).size(), 2);
    EXPECT_FLOAT_EQ(rpm->Value(), 3000);
    // A profile shown again doesn't set the colour again: the panel keeps the last build's.
    EXPECT_EQ(panel->Color(), clNavy);
    EXPECT_EQ(b->Widgets()[0]->parent(), nullptr);
}

TEST_F(Dashboard, BackgroundThatIsNoColourStopsEveryActivation)
{
    TGaugeProfile* p = profile(
        "a.ini", "[Main]\nBackgroundColor=black\n[Gauges]\nx=TLabel\n[x]\nVisible=True\n");
    for (int i = 0; i < 2; ++i) {
        p->Activate();
        EXPECT_TRUE(p->Widgets().isEmpty());
        EXPECT_EQ(panel->Color(), clBtnFace);
    }
    // Told once, with the line and the reason, not left as a silent grey panel.
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_TRUE(reports.reports[0].unusable());
    EXPECT_TRUE(
        reports.lines().value(0).startsWith(dir.file("a.ini") + ":2: BackgroundColor: «black»"))
        << qPrintable(reports.lines().join('\n'));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Dashboard, DefaultBackgroundIsThePanelsColourWhenTheHeaderIsRead)
{
    TGaugeProfile* a = profile("a.ini", TwoGauges);
    a->Activate();
    TGaugeProfile* later = profile("b.ini", "[Main]\nName=x\n");
    EXPECT_EQ(later->BackgroundColor(), "clBlack");
}

TEST_F(Dashboard, TrendsGetTheStoreBeforeTheirDefinitions)
{
    TGaugeProfile* p = profile("a.ini",
        "[Gauges]\nt=TFordTrend\n[t]\nTrends[0].PID=1\nTrends[0].Visible=True\n"
        "Trends[1].PID=17\n");
    EXPECT_FALSE(store.PidLimits(1).RecordHistory);
    p->Activate();
    auto* trend = qobject_cast<TFordTrend*>(p->Widgets().value(0));
    ASSERT_TRUE(trend);
    EXPECT_EQ(trend->DataManager(), &store);
    EXPECT_TRUE(store.PidLimits(1).RecordHistory);
    EXPECT_FALSE(store.PidLimits(17).RecordHistory); // its Visible was never set
}

TEST_F(Dashboard, DefinitionErrorsAreReportedAndTheBuildGoesOn)
{
    TGaugeProfile* p = profile("a.ini",
        "[Gauges]\nx=TFordGauge\ny=TFordValue\n"
        "[x]\nName=Tacho\nPID=abc\nMax=7000\nArrows[5].PID=1\nWidth=99999999\n"
        "Font.Color=$1FFFFFFFF\nVisible=True\n"
        "[y]\nVisible=True\nPID=9\n");
    p->Activate();
    QCoreApplication::processEvents();
    // One report for the load, each problem with its line, property and reason.
    ASSERT_EQ(reports.reports.size(), 1);
    EXPECT_FALSE(reports.reports[0].unusable());
    const QList<TProfileProblem>& problems = reports.reports[0].problems();
    ASSERT_EQ(problems.size(), 4);
    EXPECT_EQ(problems[0].file, dir.file("a.ini"));
    EXPECT_EQ(problems[0].line, 6);
    EXPECT_EQ(problems[0].property, "x.PID");
    EXPECT_EQ(problems[0].reason, "не целое число в пределах 32 бит");
    EXPECT_EQ(problems[1].property, "x.Arrows[5].PID");
    EXPECT_EQ(problems[2].line, 9);
    EXPECT_EQ(p->report().count(), 4);
    EXPECT_EQ(shown(*p).size(), 2);
    auto* gauge = qobject_cast<TFordGauge*>(p->Widgets()[0]);
    EXPECT_FLOAT_EQ(gauge->Max(), 7000);
    EXPECT_EQ(gauge->width(), 160);
}

TEST_F(Dashboard, HostileFilesAreCutShortQuickly)
{
    // Ten thousand widgets, each applying one section ten times over, and a 10 MB line.
    QByteArray huge = "[Gauges]\n";
    for (int i = 0; i < 10000; ++i)
        huge += "a,a,a,a,a,a,a,a,a,a=TLabel\n";
    huge += "[a]\n";
    for (int i = 0; i < 2000; ++i)
        huge += "Tag=1\n";
    huge += "Caption=" + QByteArray(10 * 1024 * 1024, 'z') + "\n";
    TGaugeProfile* p = profile("a.ini", huge);
    QElapsedTimer timer;
    timer.start();
    p->Activate();
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(p->Widgets().size(), TGaugeProfile::MaxDefinitions / 20000 + 1);
    ASSERT_EQ(reports.lines().size(), 2); // the long line, then the definitions
    EXPECT_TRUE(reports.lines()[0].contains("a.ini"));
    EXPECT_TRUE(reports.lines()[1].contains(QString::number(TGaugeProfile::MaxDefinitions)));

    // Without definitions the number of widgets is what stops the build.
    huge = "[Gauges]\n";
    for (int i = 0; i < 10000; ++i)
        huge += "a=TLabel\n";
    reports.reports.clear();
    TGaugeProfile* many = profile("b.ini", huge);
    many->Activate();
    EXPECT_EQ(many->Widgets().size(), TGaugeProfile::MaxWidgets);
    EXPECT_EQ(reports.lines().size(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Dashboard, EndlessItemListsStopAtTheCapQuicklyWithOneLine)
{
    struct Case {
        const char* widgetClass;
        const char* collection;
    };
    for (const Case& c : { Case { "TFordGauge", "Arrows" }, Case { "TFordTrend", "Trends" } }) {
        SCOPED_TRACE(c.collection);
        QByteArray text = QByteArray("[Gauges]\nx=") + c.widgetClass + "\n[x]\n";
        for (int i = 0; i < 100'000; ++i)
            text += QByteArray(c.collection) + '[' + QByteArray::number(i) + "].PID=1\n";
        reports.reports.clear();
        TGaugeProfile* p = profile(QString(c.collection) + ".ini", text);
        // Built and drawn, as the dashboard shows it.
        QElapsedTimer timer;
        timer.start();
        p->Activate();
        ASSERT_EQ(p->Widgets().size(), 1);
        qobject_cast<QWidget*>(p->Widgets()[0])->grab();
        EXPECT_LT(timer.elapsed(), 2000);
        const auto* items
            = qobject_cast<TCollection*>(p->Widgets()[0]->property(c.collection).value<QObject*>());
        ASSERT_NE(items, nullptr);
        EXPECT_EQ(items->count(), TCollection::MaxItems);
        ASSERT_EQ(reports.lines().size(), 1) << qPrintable(reports.lines().join('\n'));
        EXPECT_TRUE(reports.lines()[0].contains(
            QString("%1[%2]").arg(c.collection).arg(TCollection::MaxItems)));
        p->Deactivate();
    }
}

TEST_F(Dashboard, BuildingShowsTheHourglassAndRestoresTheCursor)
{
    registerWidgetClass<TCursorProbe>("TCursorProbe");
    TCursorProbe::seen.clear();
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    TGaugeProfile* p = profile("a.ini", "[Gauges]\nx=TCursorProbe\n[x]\nProbe=1\n");
    p->Activate();
    EXPECT_EQ(TCursorProbe::seen, QList<Qt::CursorShape> { Qt::WaitCursor });
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
}

TEST_F(Dashboard, NonControlClassesAreConfiguredButNotAttached)
{
    TGaugeProfile* p = profile(
        "a.ini", "[Gauges]\nd=TFordData\no=TTrendViewOptions\n[d]\nName=Extra\n[o]\nXRatio=60\n");
    p->Activate();
    ASSERT_EQ(p->Widgets().size(), 2);
    EXPECT_EQ(p->Widgets()[0]->objectName(), "Extra");
    EXPECT_EQ(p->Widgets()[0]->parent(), nullptr);
    EXPECT_EQ(p->Widgets()[1]->property("XRatio").toInt(), 60);
    p->Deactivate();
}

TEST_F(Dashboard, ShippedProfilesBuildWithoutAWarning)
{
    const QDir profiles(qEnvironmentVariable("VESKOR_DATA") + "/Profiles");
    const QStringList files = profiles.entryList({ "*.ini" }, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files) {
        TGaugeProfile p(&window);
        p.setDataManager(&store);
        p.LoadHeader(profiles.filePath(name), panel);
        EXPECT_NE(p.ProfileName(), "?????") << qPrintable(name);
        p.Activate();
        EXPECT_FALSE(p.Widgets().isEmpty()) << qPrintable(name);
        EXPECT_TRUE(reports.reports.isEmpty()) << qPrintable(reports.lines().join("; "));
        for (QObject* widget : p.Widgets()) {
            auto* gauge = qobject_cast<TFordGauge*>(widget);
            if (!gauge)
                continue;
            const QString who = name + " " + gauge->Caption();
            // Needles end short of the numerals, so that they never cross one.
            EXPECT_LT(gauge->ArrowRadius(), gauge->GaugeRadius() - 1.8 * gauge->TickSizeBig())
                << qPrintable(who);
            // Every big tick is labelled with its exact number: no label skips one.
            const int big = gauge->TickCountBig();
            const double step
                = (double(gauge->Max()) - gauge->Min()) / (big * gauge->TickLabelRatio());
            for (int j = 0; j <= big; ++j) {
                const double n = gauge->Min() + j * step;
                const double shown = formatFloat(gauge->TickLabelFormat(), n).toDouble();
                EXPECT_NEAR(shown, n, 1e-6 * std::max(1.0, std::fabs(n))) << qPrintable(who) << j;
            }
        }
        p.Deactivate();
        reports.reports.clear();
    }
}

TEST_F(Dashboard, ManyErrorsMakeOneReportOfTheLoad)
{
    QByteArray text = "[Gauges]\ng=TFordGauge\n[g]\nVisible=True\n";
    for (int i = 0; i < 1414; ++i)
        text += "Max=fast\n";
    TGaugeProfile* p = profile("a.ini", text);
    p->Activate();
    p->Deactivate();
    p->Activate();
    ASSERT_EQ(reports.reports.size(), 1);
    const TProfileReport& report = reports.reports[0];
    EXPECT_EQ(report.count(), 1414);
    EXPECT_EQ(report.problems().size(), TProfileReport::MaxKept);
    EXPECT_EQ(report.problems().last().line, 4 + TProfileReport::MaxKept);
    EXPECT_TRUE(report.lines().last().contains(QString::number(1414 - TProfileReport::MaxKept)));
    EXPECT_EQ(shown(*p).size(), 1);
}

TEST_F(Dashboard, ProfileThatYieldsNoWidgetSaysWhy)
{
    QDir(dir.path()).mkdir("folder.ini");
    QByteArray utf16("\xFF\xFE");
    for (char c : QByteArray("[Gauges]\nx=TLabel\n[x]\nVisible=True\n"))
        utf16 += QByteArray(1, c) + '\0';
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 7919 + 13) % 251);
    const QList<QPair<QString, QString>> cases {
        { dir.path() + "/folder.ini", "папка" },
        { dir.write("empty.ini", ""), "пуст" },
        { dir.write("utf16.ini", utf16), "UTF-16" },
        { dir.write("noise.ini", noise), "UTF-16 (или не текст)" },
        { dir.write("plain.ini", "[Main]\nName=x\n"), "[Gauges]" },
        { dir.write("unknown.ini", "[Gauges]\nx=TNothing\n"), "класса" },
    };
    for (const auto& [file, why] : cases) {
        reports.reports.clear();
        TGaugeProfile p(&window);
        p.LoadHeader(file, panel);
        p.Activate();
        EXPECT_TRUE(p.Widgets().isEmpty()) << qPrintable(file);
        ASSERT_EQ(reports.reports.size(), 1) << qPrintable(file);
        EXPECT_TRUE(reports.reports[0].unusable()) << qPrintable(file);
        EXPECT_TRUE(reports.lines().join(' ').contains(why))
            << qPrintable(reports.lines().join(' '));
    }
}

TEST_F(Dashboard, ImagesOfADashboardStayWithinItsBudget)
{
    // A gauge of 4000 × 4000 at SmoothFactor 2 would hold 2 images of 8000 × 8000.
    TGaugeProfile* p = profile("a.ini",
        "[Gauges]\nsmall=TFordGauge\nhuge=TFordGauge\nhuge=TFordGauge\nchart=TFordTrend\n"
        "small=TFordGauge\n"
        "[small]\nVisible=True\n[huge]\nWidth=4000\nHeight=4000\nVisible=True\n"
        "[chart]\nWidth=8000\nHeight=1500\nViewOptions.SmoothFactor=2\nVisible=True\n");
    p->Activate();
    QCoreApplication::processEvents();
    const QList<QObject*> widgets = p->Widgets();
    ASSERT_EQ(widgets.size(), 3); // the two small gauges and the chart
    qint64 total = 0;
    for (QObject* w : widgets)
        total += qobject_cast<TControl*>(w)->imageBytes();
    EXPECT_LE(total, TGaugeProfile::MaxImageBytes);
    EXPECT_GT(total, TGaugeProfile::MaxImageBytes / 2);
    const QStringList lines = reports.lines();
    ASSERT_EQ(lines.size(), 2) << qPrintable(lines.join('\n'));
    EXPECT_TRUE(lines[0].startsWith(dir.file("a.ini") + ":3: huge:"));
    EXPECT_TRUE(lines[0].contains("не создан"));

    // A hidden gauge makes no images until it is drawn.
    TFordGauge gauge;
    gauge.resize(4000, 4000);
    EXPECT_GT(gauge.imageBytes(), 400LL * 1024 * 1024);
}

TEST_F(Dashboard, TextThatIsNotUtf8AndBadFormatsAreReportedWithTheirLines)
{
    TGaugeProfile* p = profile("a.ini",
        "[Main]\nName=\xC4\xE2\xE8\n"
        "[Gauges]\ng=TFordGauge\n[g]\nVisible=True\n"
        "Caption=\xC4\xE2\xE8\xE3\xE0\xF2\xE5\xEB\xFC\n"
        "ValueLabelFormat=%d rpm\nTickLabelFormat=%s\nArrows[0].ValueLabelFormat=%.0f %\n"
        "Min=\xB0\n");
    p->Activate();
    ASSERT_EQ(reports.reports.size(), 1);
    QList<TProfileProblem> problems = reports.reports[0].problems();
    ASSERT_EQ(problems.size(), 6) << qPrintable(reports.lines().join('\n'));
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[0].property, "Main.Name");
    problems.removeFirst();
    EXPECT_EQ(problems[0].line, 7);
    EXPECT_EQ(problems[0].property, "g.Caption");
    EXPECT_TRUE(problems[0].reason.contains("UTF-8"));
    EXPECT_EQ(problems[1].line, 8);
    EXPECT_TRUE(problems[1].reason.contains("%d rpm"));
    EXPECT_EQ(problems[2].line, 9);
    EXPECT_EQ(problems[3].property, "g.Arrows[0].ValueLabelFormat");
    // A number that is not UTF-8 is wrong twice over, in one problem.
    EXPECT_EQ(problems[4].line, 11);
    EXPECT_TRUE(problems[4].reason.contains("UTF-8"));
}

#include "GaugeProfileTest.moc"

namespace {

// Every text a widget holds in its published properties, its sub-objects' (a trend's
// curves, a gauge's arrows) included.
QStringList publishedTexts(const QObject* object)
{
    QStringList texts;
    for (int i = 0; i < object->metaObject()->propertyCount(); ++i) {
        const QVariant value = object->metaObject()->property(i).read(object);
        if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QStringList)
            texts += value.toStringList();
        else if (auto* child = value.value<QObject*>(); child && child->parent() == object)
            texts += publishedTexts(child);
    }
    if (auto* collection = qobject_cast<const TCollection*>(object))
        for (int i = 0; i < collection->count(); ++i)
            texts += publishedTexts(collection->item(i));
    if (auto* curve = qobject_cast<const TFordTrendItem*>(object))
        texts.append(curve->displayName());
    return texts;
}

} // namespace

TEST_F(Dashboard, CaptionsFollowTheWindowsLanguage)
{
    const QByteArray text = "[Main]\nName=Двигатель\nNameEn=Engine\n[Gauges]\nboth = TFordGauge\n"
                            "byPid = TFordGauge\nlatin = TFordGauge\nplain = TLabel\n"
                            "shared, own = TLabel\nreadout = TFordValue\nchart = TFordTrend\n"
                            "[both]\nPID=16\nCaptionEn=Coolant\nCaption=ОЖ\n"
                            "[byPid]\nCaption=Обороты\nPID=1\n"
                            "[latin]\nPID=1\nCaption=RPM\n"
                            "[plain]\nCaption=Дроссель\n"
                            "[shared]\nCaptionEn=Throttle\n[own]\nCaption=Дроссель\n"
                            "[readout]\nPID=17\nLabelFormat=%.1f В\nLabelFormatEn=%.1f V\n"
                            "[chart]\nTrends[0].PID=16\nTrends[0].Caption=ОЖ\nTrends[1].PID=1\n"
                            "Trends[1].Caption=Обороты\nTrends[1].CaptionEn=Engine\n";
    // The profile's name, the captions of the five labels and gauges, the readout's format
    // and the two curves' names.
    const auto shown = [](const TGaugeProfile& p) {
        QStringList texts { p.ProfileName() };
        for (int i = 0; i < 5; ++i)
            texts.append(p.Widgets()[i]->property("Caption").toString());
        texts.append(p.Widgets()[5]->property("LabelFormat").toString());
        const auto* curves = qobject_cast<TFordTrend*>(p.Widgets()[6])->Trends();
        for (int i = 0; i < 2; ++i)
            texts.append(qobject_cast<TFordTrendItem*>(curves->item(i))->displayName());
        return texts;
    };
    const auto u8 = [](const char* text) { return QString::fromUtf8(text); };
    const QString russianThrottle = u8("Дроссель");
    // English: the English variant before or after the Russian one, in a shared section
    // too; a Russian caption of a PID takes the PID's name, one without a PID stays.
    const std::pair<UiLanguage, QStringList> rows[] = {
        { UiLanguage::Russian,
            { u8("Двигатель"), u8("ОЖ"), u8("Обороты"), "RPM", russianThrottle, russianThrottle,
                u8("%.1f В"), u8("ОЖ"), u8("Обороты") } },
        { UiLanguage::English,
            { "Engine", "Coolant", "Engine speed, rpm", "RPM", russianThrottle, "Throttle",
                "%.1f V", "Coolant temperature, °C", "Engine" } },
    };
    for (const auto& [language, expected] : rows) {
        const InLanguage inLanguage(language);
        std::unique_ptr<TGaugeProfile> p(profile("both.ini", text));
        p->Activate();
        ASSERT_EQ(p->Widgets().size(), 7);
        EXPECT_EQ(shown(*p).join(" | ").toStdString(), expected.join(" | ").toStdString());
        EXPECT_TRUE(reports.reports.isEmpty()) << qPrintable(reports.lines().join("; "));
    }
}

TEST_F(Dashboard, ShippedProfilesShowNothingRussianInEnglish)
{
    const InLanguage english(UiLanguage::English);
    const QDir profiles(qEnvironmentVariable("VESKOR_DATA") + "/Profiles");
    for (const QString& name : profiles.entryList({ "*.ini" }, QDir::Files)) {
        TGaugeProfile p(&window);
        p.LoadHeader(profiles.filePath(name), panel);
        p.Activate();
        QStringList texts { p.ProfileName() };
        for (QObject* widget : p.Widgets())
            texts += publishedTexts(widget);
        for (const QString& text : texts)
            EXPECT_FALSE(LanguageData::isRussian(text)) << qPrintable(name + ": " + text);
        p.Deactivate();
    }
}
