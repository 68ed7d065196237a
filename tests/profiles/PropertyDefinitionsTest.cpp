// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ProfileTestSupport.h"
#include "profiles/DefinitionUtf8.h"
#include "profiles/PublishedProperties.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"
#include "widgets/TFordLabel.h"
#include "widgets/TFordTextList.h"
#include "widgets/TFordValue.h"
#include "widgets/TLabel.h"

#include <QLocale>
#include <QWidget>
#include <ctime>
#include <gtest/gtest.h>

TEST(PropertyDefinitions, SetsIntegerFloatTextAndColourByName)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    EXPECT_TRUE(define(&gauge, "PID", "12"));
    EXPECT_TRUE(define(&gauge, "Min", "0.5"));
    EXPECT_TRUE(define(&gauge, "caption", "Обороты"));
    EXPECT_TRUE(define(&gauge, "GaugeColor", "$0000FF"));
    EXPECT_TRUE(define(&gauge, "GlowColor", "0x00FF00"));
    EXPECT_TRUE(define(&gauge, "ArrowBack", "255"));
    EXPECT_EQ(gauge.PID(), 12);
    EXPECT_FLOAT_EQ(gauge.Min(), 0.5f);
    EXPECT_EQ(gauge.Caption(), "Обороты");
    EXPECT_EQ(gauge.GaugeColor(), clRed);
    EXPECT_EQ(gauge.GlowColor(), clLime);
    EXPECT_EQ(gauge.ArrowBack(), clRed);
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST(PropertyDefinitions, CollectionItemsAreAppendedOneIndexAtATime)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    EXPECT_TRUE(define(&gauge, "Arrows[0].ArrowColor", "clRed"));
    ASSERT_EQ(gauge.Arrows()->count(), 1);
    EXPECT_EQ(gauge.Arrows()->at(0)->ArrowColor(), clRed);
    EXPECT_TRUE(define(&gauge, "Arrows[1].PID", "7"));
    ASSERT_EQ(gauge.Arrows()->count(), 2);
    EXPECT_EQ(gauge.Arrows()->at(1)->PID(), 7);
    EXPECT_TRUE(define(&gauge, "Arrows [ 0 ] . PID", "5"));
    EXPECT_EQ(gauge.Arrows()->at(0)->PID(), 5);
    // An index that isn't a number counts as 0.
    EXPECT_TRUE(define(&gauge, "Arrows[x].PID", "9"));
    EXPECT_EQ(gauge.Arrows()->at(0)->PID(), 9);
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST(PropertyDefinitions, IndexBeyondTheNextFreeItemIsReportedAndAppendsNothing)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    gauge.setObjectName("Tacho");
    EXPECT_FALSE(define(&gauge, "Arrows[2].PID", "7"));
    EXPECT_FALSE(define(&gauge, "Arrows[2147483647].PID", "7"));
    EXPECT_FALSE(define(&gauge, "Arrows[99999999999999999999].PID", "7"));
    EXPECT_FALSE(define(&gauge, "Arrows[-1].PID", "7"));
    EXPECT_EQ(gauge.Arrows()->count(), 0);
    ASSERT_EQ(reports.messages.size(), 4);
    EXPECT_EQ(reports.messages[0],
        "Invalid item definition: Tacho.Arrows[2].PID = 7\r\rCheck definition file.");
}

TEST(PropertyDefinitions, FontColourByNumberAndByNameInAnyCaseWithBlanksInThePath)
{
    DefinitionRecorder reports;
    TLabel label;
    EXPECT_TRUE(define(&label, "Font.Color", "$0000FF"));
    EXPECT_EQ(label.Font()->Color(), clRed);
    label.Font()->setColor(clBlack);
    EXPECT_TRUE(define(&label, "Font.Color", "clred"));
    EXPECT_EQ(label.Font()->Color(), clRed);
    label.Font()->setColor(clBlack);
    EXPECT_TRUE(define(&label, " Font . Color ", "CLRED"));
    EXPECT_EQ(label.Font()->Color(), clRed);
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST(PropertyDefinitions, TruthValuesAreNamesAndOneIsAnError)
{
    DefinitionRecorder reports;
    QWidget panel;
    TLabel label;
    label.setVisibleState(false);
    EXPECT_TRUE(define(&label, "Visible", "True"));
    EXPECT_TRUE(label.Visible());
    label.setVisibleState(false);
    EXPECT_TRUE(define(&label, "visible", "true"));
    EXPECT_TRUE(label.Visible());
    label.setVisibleState(false);
    EXPECT_FALSE(define(&label, "Visible", "1"));
    EXPECT_FALSE(label.Visible());
    ASSERT_EQ(reports.messages.size(), 1);
    EXPECT_EQ(
        reports.messages[0], "Invalid item definition: .Visible = 1\r\rCheck definition file.");
}

TEST(PropertyDefinitions, EnumerationsAndSetsByName)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    EXPECT_TRUE(define(&gauge, "GaugeDirection", "FGDCOUNTERCLOCKWISE"));
    EXPECT_EQ(gauge.GaugeDirection(), Gauge::fgdCounterclockwise);
    EXPECT_TRUE(define(&gauge, "Font.Style", "[fsBold,fsItalic]"));
    EXPECT_EQ(gauge.Font()->Style(), TFont::fsBold | TFont::fsItalic);
    EXPECT_TRUE(define(&gauge, "Font.Style", " [ fsunderline fsBold]"));
    EXPECT_EQ(gauge.Font()->Style(), TFont::fsBold | TFont::fsUnderline);
    EXPECT_TRUE(define(&gauge, "Font.Style", "[]"));
    EXPECT_EQ(gauge.Font()->Style(), TFont::TFontStyles());

    EXPECT_TRUE(define(&gauge, "Anchors", "[akLeft,akBottom]"));
    EXPECT_EQ(gauge.Anchors(), TControl::akLeft | TControl::akBottom);
    EXPECT_FALSE(define(&gauge, "Anchors", "[akLeft,akMiddle]"));
    EXPECT_EQ(gauge.Anchors(), TControl::akLeft | TControl::akBottom);
    reports.messages.clear();

    gauge.Font()->setStyle(TFont::fsBold);
    EXPECT_FALSE(define(&gauge, "Font.Style", "[fsBold,fsHeavy]"));
    EXPECT_EQ(gauge.Font()->Style(), TFont::fsBold);
    EXPECT_FALSE(define(&gauge, "GaugePosition", "fgpLeft"));
    EXPECT_EQ(gauge.GaugePosition(), Gauge::fgpTop);
    ASSERT_EQ(reports.messages.size(), 2);
    EXPECT_EQ(reports.messages[0],
        "Invalid item definition: Font.Style = [fsBold,fsHeavy]\r\rCheck definition file.");
}

TEST(PropertyDefinitions, NumbersReadTheSameUnderEveryLocaleWithAPoint)
{
    // The separator of the machine's locale must not decide whether a profile works.
    DefinitionRecorder reports;
    const QLocale before;
    for (const char* name : { "C", "ru_RU" }) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        TFordValue value;
        EXPECT_TRUE(define(&value, "LabelRatio", "0.5")) << name;
        EXPECT_FLOAT_EQ(value.LabelRatio(), 0.5f) << name;
        EXPECT_FALSE(define(&value, "LabelRatio", "0,25")) << name;
        EXPECT_FLOAT_EQ(value.LabelRatio(), 0.5f) << name;
        ASSERT_FALSE(reports.details.isEmpty());
        EXPECT_TRUE(reports.details.last().contains("точка: 0.25"))
            << qPrintable(reports.details.last());
    }
    QLocale::setDefault(before);
    EXPECT_EQ(reports.messages.size(), 2);
}

TEST(PropertyDefinitions, IntegersKeepTheirPropertysWidth)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    TFordLabel label;
    EXPECT_TRUE(define(&gauge, "PID", "300"));
    EXPECT_EQ(gauge.PID(), 44);
    EXPECT_TRUE(define(&label, "BitMask", "$12345"));
    EXPECT_EQ(label.BitMask(), 0x2345);
    EXPECT_TRUE(define(&gauge, "TickCountBig", "-3"));
    EXPECT_EQ(gauge.TickCountBig(), -3);
    EXPECT_TRUE(define(&gauge, "TickCountBig", "$FFFFFFFF"));
    EXPECT_EQ(gauge.TickCountBig(), -1);
    TFordTrend trend;
    EXPECT_TRUE(define(&trend, "DisplayEnd", "$7FFFFFFF"));
    EXPECT_EQ(trend.DisplayEnd(), 0x7FFFFFFFu);
    EXPECT_TRUE(reports.messages.isEmpty());

    // Outside the signed 32-bit range, or not a whole number: reported, nothing changes.
    gauge.setTickCountBig(7);
    for (const char* wrong : { "4294967296", "2147483648", "7.5", "seven", "0x", "$1FFFFFFFF" })
        EXPECT_FALSE(define(&gauge, "TickCountBig", wrong)) << wrong;
    EXPECT_EQ(gauge.TickCountBig(), 7);
    EXPECT_EQ(reports.messages.size(), 6);
}

TEST(PropertyDefinitions, FloatsAndColoursOutOfRangeAreReported)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    gauge.setMax(100);
    for (const char* wrong : { "1e39", "inf", "nan", "1,5", "", "12 kPa" })
        define(&gauge, "Max", wrong);
    EXPECT_FLOAT_EQ(gauge.Max(), 100);
    EXPECT_TRUE(define(&gauge, "Max", "-2.5e3"));
    EXPECT_FLOAT_EQ(gauge.Max(), -2500);
    EXPECT_FALSE(define(&gauge, "GaugeColor", "$123456789"));
    EXPECT_FALSE(define(&gauge, "GaugeColor", "black"));
    EXPECT_EQ(gauge.GaugeColor(), clBlack);
    // The empty value is skipped before any conversion.
    EXPECT_EQ(reports.messages.size(), 5 + 2);
}

TEST(PropertyDefinitions, EmptyValueAndUnknownNamesAreSkippedSilently)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    gauge.setCaption("keep");
    EXPECT_TRUE(define(&gauge, "Caption", ""));
    EXPECT_EQ(gauge.Caption(), "keep");
    EXPECT_TRUE(define(&gauge, "Nothing.Color", "clRed"));
    EXPECT_TRUE(define(&gauge, "PID.Color", "clRed"));
    EXPECT_TRUE(define(&gauge, "Font[0].Color", "clRed"));
    EXPECT_TRUE(define(&gauge, "Arrows[0]", "clRed")); // a collection item is no property
    // Qt's own properties are not published.
    EXPECT_TRUE(define(&gauge, "objectName", "x"));
    EXPECT_TRUE(define(&gauge, "enabled", "False"));
    EXPECT_TRUE(gauge.isEnabled());
    EXPECT_TRUE(gauge.objectName().isEmpty());
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST(PropertyDefinitions, ValuesAreUtf8AndAnythingElseIsTheEmptyText)
{
    DefinitionRecorder reports;
    TLabel label;
    EXPECT_TRUE(define(&label, "Caption", "Обороты"));
    EXPECT_EQ(label.Caption(), "Обороты");
    // The same word in Windows-1251: not UTF-8, so the caption is cleared.
    EXPECT_TRUE(define(&label, "Caption", "\xCE\xE1\xEE\xF0\xEE\xF2\xFB"));
    EXPECT_EQ(label.Caption(), "");
    // For a number the empty text is a conversion error.
    TFordGauge gauge;
    EXPECT_FALSE(define(&gauge, "Max", "\xCE\xE1"));
    EXPECT_EQ(reports.messages.size(), 1);
}

TEST(DefinitionUtf8, OneTwoAndThreeByteSequencesOnly)
{
    EXPECT_EQ(decodeDefinitionUtf8("abc"), "abc");
    EXPECT_EQ(decodeDefinitionUtf8("\xC3\xA9\xE2\x82\xAC"), QString::fromUtf8("é€"));
    // Cut off, or a further byte outside 80 … BF: the whole value is empty.
    EXPECT_EQ(decodeDefinitionUtf8("ok\xC3"), "");
    EXPECT_EQ(decodeDefinitionUtf8("ok\xE2\x82"), "");
    EXPECT_EQ(decodeDefinitionUtf8("\xE2\x41\x82"), "");
    // A four-byte sequence is read as three bytes and a stray fourth: broken.
    EXPECT_EQ(decodeDefinitionUtf8("\xF0\x9F\x98\x80"), "");
    // A lead byte is read by its 0x20 bit alone.
    EXPECT_EQ(decodeDefinitionUtf8("\x81\x81"), QString(QChar(0x41)));
    EXPECT_EQ(decodeDefinitionUtf8(QByteArray("a\0b", 3)), QStringView(u"a\0b", 3).toString());
}

TEST(PropertyDefinitions, ComponentReferencesAreFoundByNameAmongTheOwnersComponents)
{
    DefinitionRecorder reports;
    QWidget window;
    auto* store = new TFordData(&window);
    store->setObjectName("FD");
    auto* notAStore = new TLabel(&window);
    notAStore->setObjectName("lbInfo");
    TFordTrend trend;
    EXPECT_TRUE(define(&trend, "DataManager", "fd", &window));
    EXPECT_EQ(trend.DataManager(), store);
    // A component of another class leaves the property as it is; no component sets none.
    EXPECT_TRUE(define(&trend, "DataManager", "lbInfo", &window));
    EXPECT_EQ(trend.DataManager(), store);
    EXPECT_TRUE(define(&trend, "DataManager", "Nobody", &window));
    EXPECT_EQ(trend.DataManager(), nullptr);
    EXPECT_TRUE(reports.messages.isEmpty());

    // A font can't be set to none: its setter refuses and the font stays.
    TLabel label;
    label.Font()->setSize(20);
    EXPECT_TRUE(define(&label, "Font", "Nobody", &window));
    EXPECT_EQ(label.Font()->Size(), 20);
}

TEST(PropertyDefinitions, SetterProblemsAndReadOnlyPropertiesAreReported)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    EXPECT_FALSE(define(&gauge, "Arrows", "Nobody"));
    EXPECT_FALSE(define(&gauge, "Width", "1000000"));
    EXPECT_EQ(gauge.width(), 160);
    EXPECT_FALSE(define(&gauge, "Left", "-99999"));
    TFordTrend trend;
    EXPECT_FALSE(define(&trend, "ViewOptions.IntWidth", "5"));
    EXPECT_FALSE(define(&trend, "Trends", "Nobody"));
    ASSERT_EQ(reports.messages.size(), 5);
    EXPECT_EQ(
        reports.messages[4], "Invalid item definition: .Trends = Nobody\r\rCheck definition file.");
    EXPECT_EQ(reports.messages[3],
        "Invalid item definition: ViewOptions.IntWidth = 5\r\rCheck definition file.");
    EXPECT_FALSE(reports.details[1].isEmpty());
}

TEST(PropertyDefinitions, TextListTakesItsLinesAsACommaText)
{
    DefinitionRecorder reports;
    TFordTextList list;
    EXPECT_TRUE(define(&list, "LabelTextList", "Стоп, \"Холостой ход\",\"Нагрузка, полная\""));
    EXPECT_EQ(list.LabelTextList(), (QStringList { "Стоп", "Холостой ход", "Нагрузка, полная" }));
    EXPECT_EQ(list.Caption(), "Стоп");
}

TEST(PropertyDefinitions, HugeInputEndsQuickly)
{
    DefinitionRecorder reports;
    TFordGauge gauge;
    // The thread's processor time, not the wall clock's: a busy machine that shares its
    // cores must not fail a test that guards against work growing out of bounds.
    const auto cpuMs = [] {
        timespec t {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
    };
    const int64_t start = cpuMs();
    // A path of a million steps, and a ten-megabyte value.
    QString deep = QStringLiteral("Font");
    deep += QStringLiteral(".Font").repeated(1'000'000);
    EXPECT_TRUE(ApplyDefinition(nullptr, &gauge, deep + QStringLiteral(".Color"), "clRed"));
    const QByteArray big(10 * 1024 * 1024, 'x');
    EXPECT_TRUE(define(&gauge, "Caption", big));
    EXPECT_EQ(gauge.Caption().size(), big.size());
    EXPECT_FALSE(define(&gauge, "Max", big));
    EXPECT_LT(cpuMs() - start, 5000);
}

TEST(PublishedProperties, KindsFollowTheDeclaredTypes)
{
    TFordGauge gauge;
    TFordTrend trend;
    const auto kind = [](const QObject& o, const char* name) {
        return propertyKind(*findPublishedProperty(&o, QString::fromLatin1(name)));
    };
    EXPECT_EQ(kind(gauge, "Caption"), PropertyKind::Text);
    EXPECT_EQ(kind(gauge, "gaugecolor"), PropertyKind::Color);
    EXPECT_EQ(kind(gauge, "PID"), PropertyKind::Integer);
    EXPECT_EQ(kind(gauge, "Font"), PropertyKind::Object);
    EXPECT_EQ(kind(gauge, "Arrows"), PropertyKind::Object);
    EXPECT_EQ(kind(gauge, "GaugePosition"), PropertyKind::Enumeration);
    EXPECT_EQ(kind(gauge, "Visible"), PropertyKind::Enumeration);
    EXPECT_EQ(kind(*gauge.Font(), "Style"), PropertyKind::Set);
    EXPECT_EQ(kind(gauge, "Max"), PropertyKind::Float);
    EXPECT_EQ(kind(trend, "DataManager"), PropertyKind::Object);
    EXPECT_EQ(kind(trend, "DisplayStart"), PropertyKind::Integer);
    EXPECT_FALSE(findPublishedProperty(&gauge, u"visiblE\u212A"));
    EXPECT_FALSE(findPublishedProperty(&gauge, u"geometry"));
}
