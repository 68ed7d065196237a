// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "WidgetTestSupport.h"
#include "widgets/NoValueText.h"
#include "widgets/StaticTextCache.h"
#include "widgets/TFordLabel.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordTextList.h"
#include "widgets/TFordValue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

struct ValueLabel {
    TFordValue label;
    ValueLabel(const char* format = "%.1f")
    {
        label.setPID(9);
        label.setLabelFormat(format);
    }
    TColor feed(float value)
    {
        sendPid(label, 9, value);
        return label.Font()->Color();
    }
};

} // namespace

TEST(FordValue, FormatsTheValueDividedByTheRatio)
{
    ValueLabel v("%4.0f");
    v.feed(1234.4f);
    EXPECT_EQ(v.label.Caption(), "1234");
    v.feed(7);
    EXPECT_EQ(v.label.Caption(), "   7");

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ValueLabel volts;
    volts.label.setLabelRatio(1000);
    volts.feed(2500);
    EXPECT_EQ(volts.label.Caption(), "2.5");
    QLocale::setDefault(saved);

    ValueLabel empty("");
    empty.feed(5);
    EXPECT_EQ(empty.label.Caption(), "");
}

TEST(FordValue, ColoursTellRiseFallAndSteady)
{
    ValueLabel v;
    // LabelFormat's own update was the first: steady colour, counter 0.
    EXPECT_EQ(v.label.Font()->Color(), clLime);
    TFordValue fresh; // no format set: the first message is the first update
    fresh.setPID(9);
    const auto feed = [&](float value) {
        sendPid(fresh, 9, value);
        return fresh.Font()->Color();
    };
    EXPECT_EQ(feed(5), clLime);
    EXPECT_EQ(feed(5), clLime); // unchanged: counter 1
    EXPECT_EQ(feed(6), clMaroon); // rose: LabelDynColorDown
    EXPECT_EQ(feed(4), clSilver); // fell: LabelDynColorUp
}

TEST(FordValue, ElevenUnchangedReadingsRestoreTheSteadyColour)
{
    TFordValue label; // no format set: the first message is the first update
    label.setPID(3);
    sendPid(label, 3, 5);
    EXPECT_EQ(label.Font()->Color(), clLime);
    sendPid(label, 3, 6);
    EXPECT_EQ(label.Font()->Color(), clMaroon);
    for (int i = 1; i <= 11; ++i) {
        sendPid(label, 3, 6);
        EXPECT_EQ(label.Font()->Color(), i < 11 ? clMaroon : clLime) << i;
    }
}

TEST(FordValue, ShowsDashesUntilTheFirstValueCame)
{
    // "0.0 В" before the engine was ever read would be a reading that never came.
    ValueLabel v("%.1f В");
    EXPECT_EQ(v.label.Caption(), "--- В");
    v.label.setLabelRatio(2);
    sendPid(v.label, 0, 0); // a refresh brings no value
    EXPECT_EQ(v.label.Caption(), "--- В");
    // "---" stands where the number goes, in its width; the rest of the text stays.
    EXPECT_EQ(noValueText("0Fh %7.1f"), "0Fh     ---");
    EXPECT_EQ(noValueText("%-6.0f|%% %0:5f"), "---   |%   ---");
    EXPECT_EQ(noValueText("%"), "---");
    v.feed(0);
    EXPECT_EQ(v.label.Caption(), "0.0 В");
    v.label.setLabelFormat("%.2f");
    EXPECT_EQ(v.label.Caption(), "0.00");
}

TEST(FordValue, RefreshFormatsAgainAndKeepsColourAndCounter)
{
    ValueLabel v;
    v.feed(5);
    v.feed(7); // rose
    ASSERT_EQ(v.label.Font()->Color(), clMaroon);
    v.label.setLabelDynCount(0); // would make the next counted update steady
    sendPid(v.label, 0, 123);
    EXPECT_EQ(v.label.Caption(), "7.0");
    EXPECT_EQ(v.label.Font()->Color(), clMaroon);
    sendPid(v.label, 4, 123); // another PID: nothing
    EXPECT_EQ(v.label.Caption(), "7.0");
}

TEST(FordValue, BadFormatOrZeroRatioKeepsTheTextAndIsReportedOnce)
{
    ProblemRecorder problems;
    ValueLabel v;
    v.feed(3);
    v.label.setLabelFormat("%d");
    for (int i = 0; i < 100; ++i)
        v.feed(float(i));
    EXPECT_EQ(v.label.Caption(), "3.0");
    EXPECT_EQ(problems.list().size(), 1);
    EXPECT_TRUE(problems.list().value(0).contains("%d"));

    v.label.setLabelFormat("%.2f");
    EXPECT_EQ(v.label.Caption(), "99.00");
    v.label.setLabelRatio(0);
    v.feed(50);
    v.feed(51);
    EXPECT_EQ(v.label.Caption(), "99.00");
    EXPECT_EQ(problems.list().size(), 2);
}

// Labels that ask pids.txt: a value label with its PID's number, name (cut or padded to
// NameWidth) and unit, a text label naming a PID or a bit of a flag word.
TEST(PidNames, LabelsTakeTheirNamesFromThePidTable)
{
    ProblemRecorder problems;
    struct Case {
        quint8 Pid;
        int Width;
        std::optional<float> Value;
        const char* Caption;
    };
    const Case cases[] = {
        { 0x10, 16, 24.44f, "10h Температура ОЖ   24.4 °C" },
        { 0x10, 8, 24.44f, "10h Темпера… 24.4 °C" },
        { 0x10, 8, std::nullopt, "10h Темпера… --- °C" },
        { 0x2C, 12, 7.0f, "2Ch неизвестно   7.0" },
        { 0x10, 0, 24.44f, "24.4" },
    };
    for (const Case& c : cases) {
        TFordValue label;
        label.setPID(c.Pid);
        label.setLabelFormat("%.1f");
        label.setNameWidth(c.Width);
        if (c.Value)
            sendPid(label, c.Pid, *c.Value);
        EXPECT_EQ(label.Caption(), c.Caption) << c.Caption;
    }

    TLabel text;
    text.setPidName("1A.7");
    EXPECT_EQ(text.Caption(), "Бензонасос включён");
    text.setPidName("10");
    EXPECT_EQ(text.Caption(), "Температура ОЖ, °C");
    EXPECT_TRUE(problems.list().isEmpty());
    text.setPidName("1A.x");
    EXPECT_EQ(text.Caption(), "Температура ОЖ, °C");
    EXPECT_EQ(problems.list().size(), 1);
}

TEST(FordLabel, AllMaskBitsMakeTheOnColour)
{
    TFordLabel label;
    label.setPID(2);
    label.setBitMask(0x0006);
    label.setColorOn(clRed);
    label.setColorOff(clBlue);
    const auto state = [&](float value) {
        sendPid(label, 2, value);
        return label.Font()->Color() == clRed;
    };
    EXPECT_TRUE(state(6));
    EXPECT_TRUE(state(7));
    EXPECT_FALSE(state(2));
    EXPECT_FALSE(state(4));
    EXPECT_TRUE(state(-1));
    EXPECT_TRUE(state(6.9f));
    EXPECT_FALSE(state(5.99f));

    label.setInversed(true);
    EXPECT_TRUE(state(2));
    EXPECT_FALSE(state(6));
    EXPECT_FALSE(state(-1));

    label.setInversed(false);
    label.setBitMask(0);
    EXPECT_TRUE(state(0));
    EXPECT_TRUE(state(12345));
}

TEST(FordLabel, InversedSwapsThePresentColourOnEveryAssignment)
{
    TFordLabel label;
    label.setColorOn(clRed);
    label.setColorOff(clBlue);
    label.Font()->setColor(clRed);
    label.setInversed(false);
    EXPECT_EQ(label.Font()->Color(), clBlue);
    label.setInversed(false);
    EXPECT_EQ(label.Font()->Color(), clRed);
    label.Font()->setColor(clGreen); // neither: becomes the on colour
    label.setInversed(true);
    EXPECT_EQ(label.Font()->Color(), clRed);
}

TEST(FordLabel, RefreshRecoloursFromTheStoredValueAndOddValuesAreSafe)
{
    ProblemRecorder problems;
    TFordLabel label;
    label.setPID(4);
    label.setBitMask(1);
    label.setColorOn(clRed);
    label.setColorOff(clBlue);
    sendPid(label, 4, 1);
    label.Font()->setColor(clGreen);
    sendPid(label, 0, 0); // refresh
    EXPECT_EQ(label.Font()->Color(), clRed);
    sendPid(label, 4, std::numeric_limits<float>::quiet_NaN());
    sendPid(label, 4, 1e30f);
    EXPECT_EQ(label.Font()->Color(), clRed);
    EXPECT_EQ(problems.list().size(), 2);
}

TEST(FordTextList, ValueSelectsTheLine)
{
    TFordTextList list;
    list.setPID(8);
    list.setLabelTextList({ "zero", "one", "two" });
    EXPECT_EQ(list.Caption(), "zero");
    const auto show = [&](float value) {
        sendPid(list, 8, value);
        return list.Caption();
    };
    EXPECT_EQ(show(0), "zero");
    EXPECT_EQ(show(1), "one");
    EXPECT_EQ(show(2), "two");
    EXPECT_EQ(show(2.7f), "two");
    EXPECT_EQ(show(3), "---");
    EXPECT_EQ(show(-1), "---");
    EXPECT_EQ(show(-0.5f), "zero");
    EXPECT_EQ(show(1e10f), "---");
    EXPECT_EQ(show(-1e10f), "---");
    EXPECT_EQ(show(std::numeric_limits<float>::quiet_NaN()), "---");
    list.setValue(2);
    EXPECT_EQ(list.Caption(), "two");
    sendPid(list, 0, 0); // refresh keeps the index
    EXPECT_EQ(list.Caption(), "two");
    list.setLabelTextList({ "a" });
    EXPECT_EQ(list.Caption(), "---");
    TFordTextList empty;
    EXPECT_EQ(empty.Caption(), "");
    sendPid(empty, 0, 5);
    EXPECT_EQ(empty.Caption(), "---");
}

TEST(Label, AutoSizeFitsTheCaptionAndRightJustifiedKeepsItsRightEdge)
{
    TLabel label;
    label.setGeometry(100, 10, 50, 20);
    label.setAlignment(TLabel::taRightJustify);
    label.setCaption("a wide caption");
    const int right = label.geometry().right();
    const QFontMetrics metrics(label.Font()->toQFont());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance("a wide caption"));
    label.setCaption("x");
    EXPECT_EQ(label.geometry().right(), right);
    label.setCaptionGlow(TLabel::gldAll);
    EXPECT_EQ(label.width(), metrics.horizontalAdvance("x") + 2 * TLabel::GlowRadius);

    label.setAutoSize(false);
    label.setWidth(300);
    label.setCaption("y");
    EXPECT_EQ(label.width(), 300);
}

TEST(Label, PaintsNoBackgroundForClNoneAndAGlowAroundTheText)
{
    TFordPanel panel;
    panel.setColor(clWhite);
    panel.resize(200, 60);
    auto* label = new TLabel(&panel);
    label->move(10, 10);
    label->Font()->setSize(20);
    label->Font()->setColor(clBlack);
    label->setCaption("MMM");
    const QImage plain = panel.grab().toImage();
    EXPECT_EQ(plain.pixelColor(label->x() + 1, label->y() + 1), QColor(Qt::white));

    label->setCaptionGlow(TLabel::gldAll);
    label->setCaptionGlowColor(clRed);
    const QImage glowing = panel.grab().toImage();
    // Around the black text, within the glow's reach, the white takes on red.
    int reddish = 0;
    for (int y = label->y(); y < label->y() + label->height(); ++y)
        for (int x = label->x(); x < label->x() + label->width(); ++x) {
            const QColor c = glowing.pixelColor(x, y);
            if (c.red() > c.green() + 40)
                ++reddish;
        }
    EXPECT_GT(reddish, 50);
}

TEST(Colours, SystemColoursFollowTheApplicationPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    QApplication::setPalette(palette);
    EXPECT_EQ(clBtnFace.toQColor(), QColor(1, 2, 3));
    EXPECT_EQ(clWindowText.toQColor(), QColor(4, 5, 6));
    EXPECT_EQ(systemColor(99).toQColor(), QColor(0, 0, 0));
    QApplication::setPalette(saved);
}

// Warning and alarm limits: a value on or past a limit is a warning (amber) or an alarm
// (red, blinking in step with every other alarm); back within them, the label's own colours.
TEST(Limits, ValuesPastALimitTurnAmberOrRedAndAlarmsBlink)
{
    ValueLimits limits;
    EXPECT_EQ(limits.level(1e9f), ValueLimits::Normal) << "no limit, no level";
    limits.WarnLow = 10;
    limits.AlarmLow = 5;
    limits.WarnHigh = 100;
    limits.AlarmHigh = 110;
    const std::pair<float, ValueLimits::Level> table[] = { { 50, ValueLimits::Normal },
        { 99.9f, ValueLimits::Normal }, { 100, ValueLimits::Warning },
        { 109, ValueLimits::Warning }, { 110, ValueLimits::Alarm }, { 10, ValueLimits::Warning },
        { 5.5f, ValueLimits::Warning }, { 5, ValueLimits::Alarm }, { -40, ValueLimits::Alarm } };
    for (const auto& [value, level] : table)
        EXPECT_EQ(limits.level(value), level) << value;

    const auto rgb = [](const QColor& c) { return TColor::fromRgb(c.red(), c.green(), c.blue()); };
    ValueLabel v;
    v.label.setWarnHigh(100);
    v.label.setAlarmHigh(110);
    v.feed(50);
    EXPECT_EQ(v.feed(105), rgb(limitColour(ValueLimits::Warning, true)));
    EXPECT_EQ(v.feed(106), rgb(limitColour(ValueLimits::Warning, true))) << "not the rising colour";
    EXPECT_EQ(v.feed(120), rgb(limitColour(ValueLimits::Alarm, true)));
    QElapsedTimer clock;
    clock.start();
    while (v.label.Font()->Color() == rgb(limitColour(ValueLimits::Alarm, true))
        && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(v.label.Font()->Color(), rgb(limitColour(ValueLimits::Alarm, false)));
    EXPECT_LT(clock.elapsed(), 2 * AlarmBlink::HalfPeriodMs);
    EXPECT_EQ(v.feed(50), v.label.LabelDynColor());
}

// A chart's labels are laid out once and kept: a cut one ends in an ellipsis within its
// width, beside the uncut one of the same text; a larger font lays them out again.
TEST(StaticTextCache, KeepsEachTextPerWidthAndFontAndCutsToTheWidth)
{
    StaticTextCache cache;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QString name = QStringLiteral("Обороты двигателя на холостом ходу");
    const QStaticText full = cache.text(name, font);
    EXPECT_EQ(full.text(), name);
    const double fullWidth = full.size().width();
    const QStaticText cut = cache.text(name, font, 60);
    EXPECT_TRUE(cut.text().endsWith(QChar(0x2026))) << cut.text().toStdString();
    EXPECT_LE(cut.size().width(), 60.0);
    EXPECT_EQ(cache.text(name, font).text(), name);
    font.setPixelSize(24);
    EXPECT_GT(cache.text(name, font).size().width(), 1.5 * fullWidth);
}
