// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The widget class registry: dashboard profiles create widgets from the class names in
// their files. Other libraries (the store, the trend chart) add their classes here.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

using WidgetFactory = QObject* (*)();

// Registers (or replaces) a class under its name; names are matched regardless of case.
void registerWidgetClass(const QString& className, WidgetFactory factory);

template <typename T> void registerWidgetClass(const QString& className)
{
    registerWidgetClass(className, []() -> QObject* { return new T; });
}

// A new object of the named class, or nullptr when the name is not registered.
std::unique_ptr<QObject> createWidget(const QString& className);
bool isWidgetClassRegistered(const QString& className);
QStringList registeredWidgetClasses();

// Registers the classes of the dashboard widgets: TFordPanel, TFordGauge, TFordLabel,
// TFordValue, TFordTextList and the plain TLabel.
void registerDashboardWidgets();
