// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The texts that the window and the link hand each other: the module identifier from the
// version reply, and the file names the window sets before the commands that use them.
#pragma once

#include <QByteArray>
#include <QString>
#include <mutex>

class TLinkTexts {
public:
    QByteArray moduleId() const { return get(m_moduleId); }
    void setModuleId(const QByteArray& id) { set(m_moduleId, id); }
    QString firmwareFile() const { return get(m_firmwareFile); }
    void setFirmwareFile(const QString& file) { set(m_firmwareFile, file); }
    QString dumpFile() const { return get(m_dumpFile); }
    void setDumpFile(const QString& file) { set(m_dumpFile, file); }

private:
    template <typename T> T get(const T& field) const
    {
        std::lock_guard lock(m_mutex);
        return field;
    }
    template <typename T> void set(T& field, const T& value)
    {
        std::lock_guard lock(m_mutex);
        field = value;
    }

    mutable std::mutex m_mutex;
    QByteArray m_moduleId;
    QString m_firmwareFile;
    QString m_dumpFile;
};
