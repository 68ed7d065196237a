// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Published properties by name and kind.
#include "profiles/PublishedProperties.h"

#include "common/TColor.h"

#include <QMetaObject>
#include <QStringList>

namespace {

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Our classes begin with T; every class of the toolkit begins with Q.
bool isToolkitClass(const QMetaObject* meta)
{
    return meta->className()[0] == 'Q';
}

} // namespace

bool sameAsciiName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode()))
            return false;
    return true;
}

bool sameAsciiName(QLatin1StringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiLower(char16_t(uchar(a[i].toLatin1()))) != asciiLower(b[i].unicode()))
            return false;
    return true;
}

std::optional<QMetaProperty> findPublishedProperty(const QObject* object, QStringView name)
{
    if (!object)
        return std::nullopt;
    for (const QMetaObject* meta = object->metaObject(); meta && !isToolkitClass(meta);
         meta = meta->superClass()) {
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (sameAsciiName(QLatin1StringView(property.name()), name))
                return property;
        }
    }
    return std::nullopt;
}

PropertyKind propertyKind(const QMetaProperty& property)
{
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<QString>())
        return PropertyKind::Text;
    if (type == QMetaType::fromType<TColor>())
        return PropertyKind::Color;
    switch (type.id()) {
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
        return PropertyKind::Integer;
    case QMetaType::Bool:
        return PropertyKind::Enumeration;
    case QMetaType::Float:
    case QMetaType::Double:
        return PropertyKind::Float;
    case QMetaType::Char:
    case QMetaType::QChar:
    case QMetaType::Char16:
        return PropertyKind::Character;
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return PropertyKind::Int64;
    case QMetaType::QStringList:
        return PropertyKind::StringList;
    default:
        break;
    }
    if (type.flags().testFlag(QMetaType::PointerToQObject))
        return PropertyKind::Object;
    if (property.isFlagType())
        return PropertyKind::Set;
    if (property.isEnumType())
        return PropertyKind::Enumeration;
    return PropertyKind::Unsupported;
}

int integerBytes(const QMetaProperty& property)
{
    return int(property.metaType().sizeOf());
}

bool integerSigned(const QMetaProperty& property)
{
    switch (property.metaType().id()) {
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return true;
    default:
        return false;
    }
}
