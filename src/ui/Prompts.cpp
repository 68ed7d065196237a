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

QString DialogPrompts::openFile(QWidget* owner, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

QString DialogPrompts::openFileIn(
    QWidget* owner, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, title, folder, filter);
}

void DialogPrompts::openExternally(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
