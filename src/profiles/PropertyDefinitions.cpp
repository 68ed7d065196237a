// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Item definitions: path resolution.
#include "profiles/PropertyDefinitions.h"

#include "common/TCollection.h"
#include "common/Texts.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/DefinitionUtf8.h"
#include "profiles/PropertyAssignment.h"
#include "profiles/PublishedProperties.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace {

// Splits the first step off the path: the text before the first "." (or all of it), both
// parts trimmed. Views only, so a very long path costs one pass.
QStringView takeStep(QStringView& rest)
{
    const qsizetype dot = rest.indexOf(u'.');
    QStringView step = dot < 0 ? rest : rest.first(dot);
    rest = dot < 0 ? QStringView() : rest.sliced(dot + 1).trimmed();
    return step.trimmed();
}

// The object that an object property of current holds, or none.
QObject* objectProperty(QObject* current, QStringView name)
{
    const std::optional<QMetaProperty> property = findPublishedProperty(current, name);
    if (!property || propertyKind(*property) != PropertyKind::Object)
        return nullptr;
    return property->read(current).value<QObject*>();
}

// A decimal index; other text counts as 0, a number too large for an int as "too large".
std::optional<qint64> collectionIndex(QStringView text)
{
    text = text.trimmed();
    const QStringView digits
        = text.startsWith(u'-') || text.startsWith(u'+') ? text.sliced(1) : text;
    if (digits.isEmpty())
        return 0;
    for (QChar c : digits)
        if (!c.isDigit() || c.unicode() > 0x7F)
            return 0;
    bool ok = false;
    const int index = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return index;
}

// A step "Trends[2]": the collection current publishes by the name before "[" (nullptr
// when it publishes none) and the index text between the brackets.
TCollection* collectionStep(QObject* current, QStringView step, QStringView& index)
{
    const qsizetype open = step.indexOf(u'[');
    if (open < 0)
        return nullptr;
    index = step.sliced(open + 1, step.size() - open - 2);
    return qobject_cast<TCollection*>(objectProperty(current, step.first(open).trimmed()));
}

} // namespace

QObject* DefinitionObject(QObject* target, QStringView path)
{
    QStringView rest = path.trimmed();
    QStringView step = takeStep(rest);
    QObject* current = target;
    while (current && !rest.isEmpty()) {
        if (step.endsWith(u']')) {
            QStringView indexText;
            TCollection* collection = collectionStep(current, step, indexText);
            const std::optional<qint64> index
                = collection ? collectionIndex(indexText) : std::nullopt;
            current = index && *index >= 0 && *index < collection->count()
                ? collection->item(int(*index))
                : nullptr;
        } else {
            current = objectProperty(current, step);
        }
        step = takeStep(rest);
    }
    return current;
}

bool ApplyDefinition(QObject* owner, QObject* target, QStringView path, QByteArrayView value)
{
    QStringView rest = path.trimmed();
    QStringView step = takeStep(rest);
    QObject* current = target;
    QStringList label;
    if (target && !target->objectName().isEmpty())
        label.append(target->objectName());
    while (!rest.isEmpty()) {
        if (!current)
            return true;
        if (step.endsWith(u']')) {
            QStringView indexText;
            TCollection* collection = collectionStep(current, step, indexText);
            if (!collection)
                return true;
            const std::optional<qint64> index = collectionIndex(indexText);
            const auto refuse = [&](const QString& why) {
                reportDefinitionError(
                    invalidDefinitionText(label.join(u'.'),
                        step.toString() + u'.' + rest.toString(), decodeDefinitionUtf8(value)),
                    why);
                return false;
            };
            // A full collection takes no more items; the rest of an endless list is skipped
            // with one line for all of it.
            if (index && *index >= TCollection::MaxItems
                && collection->count() >= TCollection::MaxItems)
                return collection->firstOverflow()
                    ? refuse(Texts::text(Texts::DefinitionTooManyItems).arg(TCollection::MaxItems))
                    : false;
            // Items are numbered from 0 and grow by one per definition: an index beyond the
            // next free item would only ever make a stray item.
            if (!index || *index < 0 || *index > collection->count())
                return refuse(Texts::text(Texts::DefinitionBadIndex).arg(collection->count()));
            if (*index == collection->count())
                collection->add();
            current = collection->item(int(*index));
        } else {
            current = objectProperty(current, step);
        }
        label.append(step.toString());
        step = takeStep(rest);
    }
    if (!current || value.isEmpty())
        return true;
    return AssignProperty(
        owner, current, step.toString(), decodeDefinitionUtf8(value), label.join(u'.'));
}
