// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Conversion of value texts by property kind, and the assignment.
#include "profiles/PropertyAssignment.h"

#include "common/CommaText.h"
#include "common/IntegerText.h"
#include "common/TColor.h"
#include "common/Texts.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/PublishedProperties.h"
#include "widgets/WidgetProblems.h"

#include <QLocale>
#include <QMetaEnum>
#include <QStringList>
#include <QVariant>
#include <cfloat>
#include <cmath>
#include <exception>
#include <limits>

namespace {

// A conversion's outcome: the value to write, or why the text can't be one.
struct Converted {
    QVariant value;
    QString error;
};

Converted failed(const QString& why)
{
    return Converted { QVariant(), why };
}

// A whole number of the given width and signedness as a variant of the property's own type.
QVariant integerVariant(const QMetaProperty& property, int64_t number)
{
    const QMetaType type = property.metaType();
    switch (type.sizeOf()) {
    case 1: {
        const auto v = static_cast<uint8_t>(number);
        return QVariant(type, &v);
    }
    case 2: {
        const auto v = static_cast<uint16_t>(number);
        return QVariant(type, &v);
    }
    case 8: {
        const auto v = number;
        return QVariant(type, &v);
    }
    default: {
        const auto v = static_cast<uint32_t>(number);
        return QVariant(type, &v);
    }
    }
}

// Decimal (optionally signed), "$hex" or "0xhex"; hexadecimal may spell a full 64-bit pattern.
std::optional<int64_t> parseInt64(const QString& raw, bool isSigned)
{
    QString text = raw.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.startsWith(u'-');
        text.remove(0, 1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text.remove(0, 1);
    } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        text.remove(0, 2);
    }
    if (text.isEmpty() || text.startsWith(u'-') || text.startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    if (base == 16 && !negative)
        return int64_t(magnitude);
    if (negative) {
        if (!isSigned && magnitude != 0)
            return std::nullopt;
        if (magnitude > qulonglong(std::numeric_limits<int64_t>::max()) + 1)
            return std::nullopt;
        return int64_t(0 - magnitude);
    }
    if (isSigned && magnitude > qulonglong(std::numeric_limits<int64_t>::max()))
        return std::nullopt;
    return int64_t(magnitude);
}

Converted toColor(const QString& value)
{
    if (const std::optional<TColor> color = TColor::fromText(value))
        return Converted { QVariant::fromValue(*color), {} };
    return failed(Texts::text(Texts::DefinitionNotColor));
}

Converted toInteger(const QMetaProperty& property, const QString& value)
{
    const std::optional<int> number = parseInteger(value.toLatin1());
    if (!number || value.contains(QChar(0)))
        return failed(Texts::text(Texts::DefinitionNotInteger));
    // Stored in the property's own width: higher bits are dropped.
    return Converted { integerVariant(property, *number), {} };
}

QObject* findComponent(QObject* owner, const QString& name)
{
    if (!owner)
        return nullptr;
    const QList<QObject*> all = owner->findChildren<QObject*>();
    for (QObject* candidate : all)
        if (!candidate->objectName().isEmpty() && sameAsciiName(candidate->objectName(), name))
            return candidate;
    return nullptr;
}

// A component of the required class, none when no component has the name; a component of
// another class leaves the property as it is (no value, no error).
std::optional<Converted> toObject(
    QObject* owner, const QMetaProperty& property, const QString& value)
{
    QObject* component = findComponent(owner, value);
    const QMetaObject* required = property.metaType().metaObject();
    if (component && required && !component->metaObject()->inherits(required))
        return std::nullopt;
    QObject* target = component;
    QVariant variant(property.metaType(), &target);
    return Converted { variant, {} };
}

Converted toEnumeration(const QMetaProperty& property, const QString& value)
{
    if (property.metaType().id() == QMetaType::Bool) {
        if (sameAsciiName(value, u"False"))
            return Converted { QVariant(false), {} };
        if (sameAsciiName(value, u"True"))
            return Converted { QVariant(true), {} };
        return failed(Texts::text(Texts::DefinitionNotName));
    }
    const QMetaEnum meta = property.enumerator();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (sameAsciiName(QLatin1StringView(meta.key(i)), value))
            return Converted { integerVariant(property, meta.value(i)), {} };
    return failed(Texts::text(Texts::DefinitionNotName));
}

// Element names separated by blanks or commas; a leading "[" is skipped and "]" ends a name.
Converted toSet(const QMetaProperty& property, const QString& value)
{
    const QMetaEnum meta = property.enumerator();
    const auto separator = [](QChar c) { return c == u',' || c == u' ' || c == u']'; };
    qsizetype i = 0;
    const qsizetype n = value.size();
    while (i < n && (value[i] == u'[' || value[i] == u' '))
        ++i;
    int64_t bits = 0;
    while (i < n) {
        const qsizetype start = i;
        while (i < n && !separator(value[i]))
            ++i;
        const QStringView element = QStringView(value).sliced(start, i - start);
        while (i < n && separator(value[i]))
            ++i;
        if (element.isEmpty())
            break;
        int found = -1;
        for (int k = 0; k < meta.keyCount() && found < 0; ++k)
            if (sameAsciiName(QLatin1StringView(meta.key(k)), element))
                found = k;
        if (found < 0)
            return failed(Texts::text(Texts::DefinitionNotSetElement).arg(element));
        bits |= int64_t(uint32_t(meta.value(found)));
    }
    return Converted { integerVariant(property, bits), {} };
}

// The point is the decimal separator on every machine, as the window makes it for the whole
// program: a profile must read the same under every locale.
Converted toFloat(const QMetaProperty& property, const QString& value)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const QString text = value.trimmed();
    bool ok = false;
    const double number = c.toDouble(text, &ok);
    if (!ok && text.contains(u',')) {
        const QString pointed = QString(text).replace(u',', u'.');
        c.toDouble(pointed, &ok);
        if (ok)
            return failed(Texts::text(Texts::DefinitionDecimalPoint).arg(pointed));
    }
    if (!ok || !std::isfinite(number))
        return failed(Texts::text(Texts::DefinitionNotNumber));
    if (property.metaType().id() == QMetaType::Float) {
        if (std::fabs(number) > FLT_MAX)
            return failed(Texts::text(Texts::DefinitionOutOfRange));
        return Converted { QVariant(float(number)), {} };
    }
    return Converted { QVariant(number), {} };
}

// A number within the range of the character type.
Converted toCharacter(const QMetaProperty& property, const QString& value)
{
    const std::optional<int64_t> number = parseInt64(value, true);
    const int64_t top = property.metaType().sizeOf() == 1 ? 0xFF : 0xFFFF;
    if (!number || *number < 0 || *number > top)
        return failed(Texts::text(Texts::DefinitionOutOfRange));
    return Converted { integerVariant(property, *number), {} };
}

Converted toInt64(const QMetaProperty& property, const QString& value)
{
    const std::optional<int64_t> number = parseInt64(value, integerSigned(property));
    if (!number)
        return failed(Texts::text(Texts::DefinitionOutOfRange));
    return Converted { integerVariant(property, *number), {} };
}

// Problems that a widget's setter reports while the definition is assigned count as the
// setter's error: they are collected here instead of going to the usual handler.
QStringList* g_collected = nullptr;

void collectProblem(const QObject*, const QString& problem)
{
    if (g_collected)
        g_collected->append(problem);
}

class SetterProblems {
public:
    SetterProblems()
        : m_outer(g_collected)
        , m_previous(setWidgetProblemHandler(&collectProblem))
    {
        g_collected = &m_problems;
    }
    ~SetterProblems()
    {
        g_collected = m_outer;
        setWidgetProblemHandler(m_previous);
    }
    SetterProblems(const SetterProblems&) = delete;
    SetterProblems& operator=(const SetterProblems&) = delete;
    const QStringList& problems() const { return m_problems; }

private:
    QStringList m_problems;
    QStringList* m_outer;
    WidgetProblemHandler m_previous;
};

// The write itself; returns why it failed, or nothing.
std::optional<QString> write(QObject* object, const QMetaProperty& property, const QVariant& value)
{
    if (!property.isWritable())
        return Texts::text(Texts::DefinitionReadOnly);
    SetterProblems problems;
    try {
        if (!property.write(object, value))
            return Texts::text(Texts::DefinitionNotAccepted);
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    if (!problems.problems().isEmpty())
        return problems.problems().join(QStringLiteral("; "));
    return std::nullopt;
}

} // namespace

bool AssignProperty(QObject* owner, QObject* object, const QString& name, const QString& value,
    const QString& label)
{
    const std::optional<QMetaProperty> property = findPublishedProperty(object, name);
    if (!property)
        return true;
    Converted converted;
    switch (propertyKind(*property)) {
    case PropertyKind::Text:
        converted.value = QVariant(value);
        break;
    case PropertyKind::Color:
        converted = toColor(value);
        break;
    case PropertyKind::Integer:
        converted = toInteger(*property, value);
        break;
    case PropertyKind::Object:
        if (const std::optional<Converted> reference = toObject(owner, *property, value))
            converted = *reference;
        else
            return true;
        break;
    case PropertyKind::Enumeration:
        converted = toEnumeration(*property, value);
        break;
    case PropertyKind::Set:
        converted = toSet(*property, value);
        break;
    case PropertyKind::Float:
        converted = toFloat(*property, value);
        break;
    case PropertyKind::Character:
        converted = toCharacter(*property, value);
        break;
    case PropertyKind::Int64:
        converted = toInt64(*property, value);
        break;
    case PropertyKind::StringList:
        converted.value = QVariant(splitCommaText(value));
        break;
    case PropertyKind::Unsupported:
        converted = failed(Texts::text(Texts::DefinitionUnsupported));
        break;
    }
    std::optional<QString> error;
    if (!converted.error.isEmpty())
        error = converted.error;
    else
        error = write(object, *property, converted.value);
    if (!error)
        return true;
    reportDefinitionError(invalidDefinitionText(label, name, value), *error);
    return false;
}

bool AssignProperty(QObject* owner, QObject* object, const QString& name, const QString& value)
{
    return AssignProperty(owner, object, name, value, object ? object->objectName() : QString());
}
