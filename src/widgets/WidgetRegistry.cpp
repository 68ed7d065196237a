// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The widget class registry.
#include "widgets/WidgetRegistry.h"

#include "widgets/TFordGauge.h"
#include "widgets/TFordLabel.h"
#include "widgets/TFordPanel.h"
#include "widgets/TFordTextList.h"
#include "widgets/TFordValue.h"
#include "widgets/TLabel.h"

#include <QHash>

namespace {

struct Entry {
    QString name;
    WidgetFactory factory;
};

// Keyed by the lower-case name; the entry keeps the name as registered.
QHash<QString, Entry>& registry()
{
    static QHash<QString, Entry> entries;
    return entries;
}

} // namespace

void registerWidgetClass(const QString& className, WidgetFactory factory)
{
    if (factory)
        registry().insert(className.toLower(), Entry { className, factory });
}

std::unique_ptr<QObject> createWidget(const QString& className)
{
    const auto it = registry().constFind(className.toLower());
    if (it == registry().constEnd())
        return nullptr;
    return std::unique_ptr<QObject>(it->factory());
}

bool isWidgetClassRegistered(const QString& className)
{
    return registry().contains(className.toLower());
}

QStringList registeredWidgetClasses()
{
    QStringList names;
    for (const Entry& entry : registry())
        names.append(entry.name);
    names.sort(Qt::CaseInsensitive);
    return names;
}

void registerDashboardWidgets()
{
    registerWidgetClass<TFordPanel>(QStringLiteral("TFordPanel"));
    registerWidgetClass<TFordGauge>(QStringLiteral("TFordGauge"));
    registerWidgetClass<TFordLabel>(QStringLiteral("TFordLabel"));
    registerWidgetClass<TFordValue>(QStringLiteral("TFordValue"));
    registerWidgetClass<TFordTextList>(QStringLiteral("TFordTextList"));
    registerWidgetClass<TLabel>(QStringLiteral("TLabel"));
}
