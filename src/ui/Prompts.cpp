// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "Prompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void DialogPrompts::warning(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
}

bool DialogPrompts::confirm(QWidget* owner, const QString& caption, const QString& text)
{
    return QMessageBox::question(owner, caption, text, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool DialogPrompts::runDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

QString DialogPrompts::chooseFile(QWidget* owner, const FileRequest& request)
{
    QFileDialog dialog(owner, request.Title, request.Folder, request.Filter);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.ChooseFolder ? QFileDialog::Directory
            : request.Save                  ? QFileDialog::AnyFile
                                            : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.ChooseFolder);
    dialog.setDefaultSuffix(request.Suffix);
    if (!request.Name.isEmpty())
        dialog.selectFile(request.Name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool DialogPrompts::openExternally(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
