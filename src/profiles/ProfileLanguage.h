// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Dashboards in two languages: a definition whose last step ends in "En" (CaptionEn,
// Trends[0].CaptionEn, LabelFormatEn, [Main] NameEn) gives its property's English text.
// The English window applies it in place of the Russian definition, wherever either stands
// among the widget's sections; the Russian window leaves it out, so older files and older
// programs read the same as before.
#pragma once

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

class QObject;

class ProfileLanguage {
public:
    // The path of the property that an English variant sets ("Caption" for "CaptionEn");
    // empty for any other path.
    static QString russianPath(const QString& path);

    // paths: the definition paths of one widget, in order (read in English only).
    explicit ProfileLanguage(const QStringList& paths);

    // The path at which the current language applies a definition; empty when it leaves
    // the definition out.
    QString pathFor(const QString& path) const;
    // A definition applied at path with value. In English a Russian caption without an
    // English variant, of an item whose PID the definitions set, is noted for nameByPid.
    void applied(const QString& path, QByteArrayView value);
    // After the widget's definitions: each noted caption becomes the PID table's English
    // name of its item's PID. Other Russian captions stay as they are.
    void nameByPid(QObject* widget) const;

private:
    bool m_english;
    QSet<QString> m_paths; // every path the definitions set, as pathKey gives it
    QSet<QString> m_withEnglish; // the paths an English variant sets
    QStringList m_russianCaptions;
};
