// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "profiles/ProfileLanguage.h"

#include "common/LanguageData.h"
#include "common/UiLanguage.h"
#include "profiles/DefinitionUtf8.h"
#include "profiles/PropertyDefinitions.h"
#include "profiles/PublishedProperties.h"
#include "store/PidTable.h"

#include <QObject>

namespace {

const QLatin1StringView EnglishSuffix("En");

// A path compared as definitions match it: blanks around the points dropped, ASCII case
// folded.
QString pathKey(const QString& path)
{
    QStringList steps = path.split(u'.');
    for (QString& step : steps)
        step = step.trimmed();
    QString key = steps.join(u'.');
    for (QChar& c : key)
        if (c.unicode() < 0x80)
            c = c.toLower();
    return key;
}

// "Trends[0].Caption" → "Trends[0]", "Caption" → "".
QString parentPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.left(dot);
}

QString lastStep(const QString& path)
{
    return path.mid(path.lastIndexOf(u'.') + 1).trimmed();
}

QString joined(const QString& parent, const QString& step)
{
    return parent.isEmpty() ? step : parent + u'.' + step;
}

} // namespace

QString ProfileLanguage::russianPath(const QString& path)
{
    const QString trimmed = path.trimmed();
    const QString step = lastStep(trimmed);
    if (step.size() <= EnglishSuffix.size() || !step.endsWith(EnglishSuffix))
        return {};
    return trimmed.chopped(EnglishSuffix.size());
}

ProfileLanguage::ProfileLanguage(const QStringList& paths)
    : m_english(Languages::current() == UiLanguage::English)
{
    if (!m_english)
        return;
    for (const QString& path : paths) {
        const QString russian = russianPath(path);
        m_paths.insert(pathKey(russian.isEmpty() ? path : russian));
        if (!russian.isEmpty())
            m_withEnglish.insert(pathKey(russian));
    }
}

QString ProfileLanguage::pathFor(const QString& path) const
{
    const QString russian = russianPath(path);
    if (!m_english)
        return russian.isEmpty() ? path : QString();
    if (!russian.isEmpty())
        return russian;
    return m_withEnglish.contains(pathKey(path)) ? QString() : path;
}

void ProfileLanguage::applied(const QString& path, QByteArrayView value)
{
    if (!m_english || m_withEnglish.contains(pathKey(path)))
        return;
    if (pathKey(lastStep(path)) != QLatin1StringView("caption"))
        return;
    if (!m_paths.contains(pathKey(joined(parentPath(path), QStringLiteral("PID")))))
        return;
    // The last caption given counts, as it does for the property.
    const QString key = pathKey(path);
    m_russianCaptions.removeIf([&key](const QString& noted) { return pathKey(noted) == key; });
    if (LanguageData::isRussian(decodeDefinitionUtf8(value)))
        m_russianCaptions.append(path);
}

void ProfileLanguage::nameByPid(QObject* widget) const
{
    for (const QString& path : m_russianCaptions) {
        QObject* item = DefinitionObject(widget, path);
        const auto pid = findPublishedProperty(item, u"PID");
        const auto caption = findPublishedProperty(item, lastStep(path));
        if (!pid || !caption)
            continue;
        const int number = pid->read(item).toInt();
        if (number >= 0 && number <= 0xFF)
            caption->write(item, PidTable::current().nameWithUnit(uint8_t(number)));
    }
}
