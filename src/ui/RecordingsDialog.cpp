// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "RecordingsDialog.h"

#include "Prompts.h"
#include "common/Texts.h"
#include "recording/RecordingFile.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RecordingsDialog::RecordingsDialog(const QString& folder, const QString& vehicle,
    const QString& busy, Prompts& ask, QWidget* parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_busy(QFileInfo(busy).absoluteFilePath())
    , m_ask(ask)
{
    setObjectName(QStringLiteral("dlgRecordings"));
    setWindowTitle(Texts::text(Texts::RecordingsTitle)
                       .arg(vehicle.isEmpty() ? Texts::text(Texts::RecordingsNoVehicle) : vehicle));
    auto* layout = new QVBoxLayout(this);
    lbRecordings = new QListWidget(this);
    lbRecordings->setObjectName(QStringLiteral("lbRecordings"));
    lbRecordings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(lbRecordings);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btnDeleteRecordings
        = buttons->addButton(Texts::text(Texts::RecordingsDelete), QDialogButtonBox::ActionRole);
    btnDeleteRecordings->setObjectName(QStringLiteral("btnDeleteRecordings"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnDeleteRecordings, &QPushButton::clicked, this, &RecordingsDialog::deleteSelected);
    connect(lbRecordings, &QListWidget::itemSelectionChanged, this,
        [this] { btnDeleteRecordings->setEnabled(!lbRecordings->selectedItems().isEmpty()); });
    resize(420, 320);
    refresh();
}

void RecordingsDialog::refresh()
{
    lbRecordings->clear();
    for (const RecordingEntry& entry : RecordingFile::list(m_folder)) {
        if (entry.Path == m_busy)
            continue;
        auto* item = new QListWidgetItem(Texts::text(Texts::RecordingsItem)
                                             .arg(QFileInfo(entry.Path).fileName())
                                             .arg(double(entry.Bytes) / 1e6, 0, 'f', 1),
            lbRecordings);
        item->setData(Qt::UserRole, entry.Path);
    }
    btnDeleteRecordings->setEnabled(false);
}

void RecordingsDialog::deleteSelected()
{
    const QList<QListWidgetItem*> items = lbRecordings->selectedItems();
    if (items.isEmpty()
        || !m_ask.confirm(this, Texts::text(Texts::CaptionConfirm),
            Texts::text(Texts::RecordingsDeleteQuestion).arg(items.size())))
        return;
    for (const QListWidgetItem* item : items) {
        const QString path = item->data(Qt::UserRole).toString();
        if (!QFile::remove(path))
            m_ask.warning(this, Texts::text(Texts::CaptionError),
                Texts::text(Texts::RecordingsDeleteFailed).arg(path));
    }
    refresh();
}
