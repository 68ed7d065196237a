// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The list of dashboard profiles.
#include "profiles/TProfileList.h"

#include "profiles/TFordTrend.h"

#include <QDir>
#include <QFileInfo>

int TProfileList::load(
    const QString& folder, TFordPanel* panel, TFordData* store, const QString& current)
{
    m_profiles.clear();
    m_selected = -1;
    const QDir dir(folder);
    // "*.ini" whatever its case: a profile saved as ENGINE.INI is a profile all the same.
    const QStringList files
        = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& name : files) {
        if (!name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
            continue;
        add(dir.filePath(name), panel, store);
        if (name == current) {
            m_profiles.back()->Activate();
            m_selected = count() - 1;
        }
    }
    return count();
}

int TProfileList::add(const QString& file, TFordPanel* panel, TFordData* store)
{
    auto profile = std::make_unique<TGaugeProfile>(m_owner);
    profile->setDataManager(store);
    profile->LoadHeader(file, panel);
    m_profiles.push_back(std::move(profile));
    return count() - 1;
}

void TProfileList::select(int index)
{
    for (int i = 0; i < count(); ++i) {
        if (i == index)
            m_profiles[size_t(i)]->Activate();
        else
            m_profiles[size_t(i)]->Deactivate();
    }
    m_selected = index >= 0 && index < count() ? index : -1;
}

TGaugeProfile* TProfileList::at(int index) const
{
    return index >= 0 && index < count() ? m_profiles[size_t(index)].get() : nullptr;
}

QStringList TProfileList::names() const
{
    QStringList all;
    for (const auto& profile : m_profiles)
        all.append(profile->ProfileName());
    return all;
}

QString TProfileList::selectedFileName() const
{
    const TGaugeProfile* profile = selected();
    return profile ? QFileInfo(profile->FileName()).fileName() : QString();
}

void TProfileList::setDataManager(TFordData* store)
{
    for (const auto& profile : m_profiles) {
        profile->setDataManager(store);
        for (QObject* widget : profile->Widgets())
            if (auto* trend = qobject_cast<TFordTrend*>(widget))
                trend->setDataManager(store);
    }
}

int TProfileList::indexOfFile(const QString& name) const
{
    for (int i = 0; i < count(); ++i)
        if (QFileInfo(m_profiles[size_t(i)]->FileName())
                .fileName()
                .compare(name, Qt::CaseInsensitive)
            == 0)
            return i;
    return -1;
}
