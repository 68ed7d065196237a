// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The published properties of an object, found by name regardless of ASCII case: those
// that our own classes declare (base classes included), never Qt's own lower-case ones,
// each with the kind that decides how a text value converts to it.
#pragma once

#include <QLatin1StringView>
#include <QMetaProperty>
#include <QObject>
#include <QStringView>
#include <optional>

enum class PropertyKind {
    Text,
    Color,
    Integer, // up to 32 bits, stored in the property's own width
    Object, // a sub-object or a reference to a component
    Enumeration, // Boolean included (False, True)
    Set,
    Float,
    Character,
    Int64,
    StringList, // lines given as a comma text
    Unsupported,
};

std::optional<QMetaProperty> findPublishedProperty(const QObject* object, QStringView name);
PropertyKind propertyKind(const QMetaProperty& property);
// For an Integer or Character property: the size of its value in bytes and its signedness.
int integerBytes(const QMetaProperty& property);
bool integerSigned(const QMetaProperty& property);

// Names compared without regard to the case of ASCII letters only.
bool sameAsciiName(QStringView a, QStringView b);
bool sameAsciiName(QLatin1StringView a, QStringView b);
