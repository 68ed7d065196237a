// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// One arrow item.
#include "widgets/TFordGaugeItem.h"

#include "widgets/TFordGauge.h"

TFordGaugeItem::TFordGaugeItem(TFordGauge* gauge, QObject* parent)
    : QObject(parent)
    , m_gauge(gauge)
    , m_valueFont(new TFont(this))
{
    const TNeedle& own = gauge->ownNeedle();
    m_needle.ArrowRadius = own.ArrowRadius;
    m_needle.ArrowAngle = own.ArrowAngle;
    m_needle.ArrowColor = own.ArrowColor;
    m_needle.ArrowBack = own.ArrowBack;
    m_needle.ValueShow = own.ValueShow;
    m_needle.ValueLabelX = own.ValueLabelX;
    m_needle.ValueLabelY = own.ValueLabelY;
    m_needle.ValueLabelFormat = own.ValueLabelFormat;
    m_valueFont->assign(*gauge->ValueFont());
    gauge->geometry().place(m_needle);
    connect(m_valueFont, &TFont::changed, this, [this] { m_needle.labelValid = false; });
}

void TFordGaugeItem::setValue(float value)
{
    m_gauge->updateNeedle(m_needle, value);
}

void TFordGaugeItem::setValueLabelFormat(const QString& format)
{
    m_gauge->checkFormat(format);
    m_needle.ValueLabelFormat = format;
    m_needle.labelValid = false;
}

void TFordGaugeItem::assign(const TFordGaugeItem& other)
{
    m_pid = other.m_pid;
    m_mode = other.m_mode;
    m_needle.ArrowRadius = other.m_needle.ArrowRadius;
    m_needle.ArrowAngle = other.m_needle.ArrowAngle;
    m_needle.ArrowColor = other.m_needle.ArrowColor;
    m_needle.ArrowBack = other.m_needle.ArrowBack;
    setValue(other.Value());
}
