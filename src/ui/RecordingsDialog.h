// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The recordings of one vehicle's folder, newest first, to delete those no longer needed.
#pragma once

#include <QDialog>
#include <QString>

class Prompts;
class QListWidget;
class QPushButton;

class RecordingsDialog : public QDialog {
    Q_OBJECT

public:
    // busy: the recording being written now; it is not listed.
    RecordingsDialog(const QString& folder, const QString& vehicle, const QString& busy,
        Prompts& ask, QWidget* parent = nullptr);

    // Deletes the selected recordings after the user confirmed it.
    void deleteSelected();
    void refresh();

private:
    QString m_folder;
    QString m_busy;
    Prompts& m_ask;
    QListWidget* lbRecordings;
    QPushButton* btnDeleteRecordings;
};
