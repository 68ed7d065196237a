// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The pseudo-terminal the simulator serves: the master end is the module's side, the
// slave end is the serial port a front end opens.
#pragma once

#include <QString>

class SimPty {
public:
    // Creates the pair, both ends raw. Throws VeskorError when the system refuses.
    SimPty();
    ~SimPty();

    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    int master() const { return m_master; }
    // The slave's device name (/dev/pts/N).
    QString slavePath() const { return m_slavePath; }

    // Makes link a symbolic link to the slave, replacing an older symbolic link there.
    void createLink(const QString& link);
    void removeLink();
    QString linkPath() const { return m_link; }

private:
    int m_master = -1;
    // Held open so the master never sees a hang-up while front ends open and close the port.
    int m_slaveHold = -1;
    QString m_slavePath;
    QString m_link;
};
