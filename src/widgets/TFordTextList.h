// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// A label that shows one line of a list of texts, chosen by the PID's value.
#pragma once

#include "widgets/TLabel.h"

#include <QStringList>

class TFordTextList : public TLabel {
    Q_OBJECT
    Q_PROPERTY(quint8 PID READ PID WRITE setPID)
    // Line 0 first; assigning copies the lines and shows the line for the present Value.
    Q_PROPERTY(QStringList LabelTextList READ LabelTextList WRITE setLabelTextList)
    // Index of the line shown; outside the list the caption is "---".
    Q_PROPERTY(int Value READ Value WRITE setValue)

public:
    explicit TFordTextList(QWidget* parent = nullptr);

    quint8 PID() const { return m_pid; }
    void setPID(quint8 pid) { m_pid = pid; }
    QStringList LabelTextList() const { return m_lines; }
    void setLabelTextList(const QStringList& lines);
    int Value() const { return m_value; }
    void setValue(int value);

    void message(TMessage& msg) override;

private:
    void showLine();

    quint8 m_pid = 0;
    QStringList m_lines;
    int m_value = 0;
};
