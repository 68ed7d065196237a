// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/ProfileUnits.h"

#include "profiles/TFordTrend.h"
#include "profiles/TFordTrendItem.h"
#include "profiles/TFordTrendItems.h"
#include "store/PidUnits.h"
#include "widgets/TFordGauge.h"
#include "widgets/TFordGaugeItem.h"
#include "widgets/TFordGaugeItems.h"
#include "widgets/TFordValue.h"
#include "widgets/TLabel.h"

#include <array>
#include <cmath>

namespace {

// A cut end loses part of the scale, an extended one only some of the dial: cutting costs
// twice as much. Each interval more or less than before costs a twentieth of the range.
constexpr double CutWeight = 2;
constexpr double IntervalWeight = 0.05;
// At most this part of the range may be cut at each end.
constexpr double MaxCut = 0.05;

QString captionIn(const QString& text, quint8 pid)
{
    const std::optional<Quantity> quantity = PidUnits::quantity(pid);
    return quantity ? Units::convertCaption(text, Units::current(), quantity) : text;
}

// Sets a text only when it changes: a setter may redraw, or check a format anew.
template <typename Object, typename Setter>
void replaceText(Object& object, const QString& before, const QString& after, Setter set)
{
    if (after != before)
        (object.*set)(after);
}

template <typename Widget> void convertLimits(Widget& w, const UnitConversion& c)
{
    // NaN, no limit, stays NaN.
    w.setWarnLow(float(c(w.WarnLow())));
    w.setWarnHigh(float(c(w.WarnHigh())));
    w.setAlarmLow(float(c(w.AlarmLow())));
    w.setAlarmHigh(float(c(w.AlarmHigh())));
}

void convertGauge(TFordGauge& gauge)
{
    TFordGaugeItems* items = gauge.Arrows();
    // The arrows share the dial: the first one's PID graduates it.
    const quint8 pid = items && items->count() > 0 ? items->at(0)->PID() : gauge.PID();
    const UnitConversion c = PidUnits::conversion(pid);
    if (!c.identity()) {
        const double a = c(gauge.Min()), b = c(gauge.Max());
        const DialRange range
            = roundDialRange(std::min(a, b), std::max(a, b), gauge.TickCountBig());
        gauge.setMin(float(range.Min));
        gauge.setMax(float(range.Max));
        gauge.setTickCountBig(range.Intervals);
        gauge.setRedLine(float(c(gauge.RedLine())));
        convertLimits(gauge, c);
    }
    replaceText(gauge, gauge.Caption(), captionIn(gauge.Caption(), pid), &TFordGauge::setCaption);
    replaceText(gauge, gauge.TickLabelFormat(), captionIn(gauge.TickLabelFormat(), pid),
        &TFordGauge::setTickLabelFormat);
    replaceText(gauge, gauge.ValueLabelFormat(), captionIn(gauge.ValueLabelFormat(), gauge.PID()),
        &TFordGauge::setValueLabelFormat);
    for (int i = 0; items && i < items->count(); ++i) {
        TFordGaugeItem* item = items->at(i);
        replaceText(*item, item->ValueLabelFormat(),
            captionIn(item->ValueLabelFormat(), item->PID()), &TFordGaugeItem::setValueLabelFormat);
    }
}

void convertValue(TFordValue& value)
{
    const UnitConversion c = PidUnits::conversion(value.PID());
    if (!c.identity())
        convertLimits(value, c);
    replaceText(value, value.LabelFormat(), captionIn(value.LabelFormat(), value.PID()),
        &TFordValue::setLabelFormat);
}

void convertTrend(TFordTrend& trend)
{
    // The curves' ranges follow the store's scale, converted where they are drawn.
    TFordTrendItems* items = trend.Trends();
    for (int i = 0; items && i < items->count(); ++i) {
        TFordTrendItem* item = items->at(i);
        replaceText(*item, item->Caption(), captionIn(item->Caption(), item->PID()),
            &TFordTrendItem::setCaption);
    }
}

} // namespace

DialRange roundDialRange(double min, double max, int intervals)
{
    const double span = max - min;
    if (intervals < 1 || !(span > 0) || !std::isfinite(span))
        return { min, max, intervals };
    const int fewest = std::max(2, (intervals + 1) / 2);
    const int most = std::max(4, 2 * intervals);
    std::optional<DialRange> best;
    double bestCost = 0;
    const double decade = std::pow(10.0, std::floor(std::log10(span / intervals)));
    for (const double power : { decade / 10, decade, decade * 10 })
        for (const double mantissa : { 1.0, 2.0, 2.5, 5.0 }) {
            const double step = power * mantissa;
            double lo = std::round(min / step) * step;
            if (lo - min > MaxCut * span)
                lo = std::floor(min / step) * step;
            double hi = std::round(max / step) * step;
            if (max - hi > MaxCut * span)
                hi = std::ceil(max / step) * step;
            const int count = int(std::lround((hi - lo) / step));
            if (count < fewest || count > most)
                continue;
            const double cut = std::max(0.0, lo - min) + std::max(0.0, max - hi);
            const double extended = std::max(0.0, min - lo) + std::max(0.0, hi - max);
            const double cost = (CutWeight * cut + extended) / span
                + IntervalWeight * std::abs(count - intervals);
            if (!best || cost < bestCost) {
                // -0 would print as "-0" under the first tick.
                best = DialRange { lo + 0.0, hi + 0.0, count };
                bestCost = cost;
            }
        }
    return best.value_or(DialRange { min, max, intervals });
}

void showInChosenUnits(QObject* widget)
{
    if (auto* gauge = qobject_cast<TFordGauge*>(widget))
        convertGauge(*gauge);
    else if (auto* value = qobject_cast<TFordValue*>(widget))
        convertValue(*value);
    else if (auto* trend = qobject_cast<TFordTrend*>(widget))
        convertTrend(*trend);
    else if (auto* label = qobject_cast<TLabel*>(widget))
        // A caption of its own names no PID: every unit sign in it follows the choice.
        replaceText(*label, label->Caption(),
            Units::convertCaption(label->Caption(), Units::current()), &TLabel::setCaption);
}
