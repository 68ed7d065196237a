// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Every modal box, dialog and shell hand-off of the window goes through here, so tests
// answer them and a batch run never blocks.
#pragma once

#include <QString>

class QDialog;
class QUrl;
class QWidget;

// A file dialog that starts in a folder: for saving (with a proposed name and a default
// suffix), for opening an existing file, or for choosing an existing folder.
struct FileRequest {
    bool Save = false;
    bool ChooseFolder = false;
    QString Title;
    QString Folder;
    QString Name;
    QString Filter; // Qt form: "Text (*.ext);;All (*)"
    QString Suffix;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A warning box with an OK button.
    virtual void warning(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A question box with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* owner, const QString& caption, const QString& text) = 0;
    // Shows a dialog modally; true when it was accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
    // The file chosen in the dialog the request describes, or empty when cancelled.
    virtual QString chooseFile(QWidget* owner, const FileRequest& request) = 0;
    // Hands a file or address to the system's default handler; false when none took it.
    virtual bool openExternally(const QUrl& url) = 0;
};

// The real boxes and dialogs.
class DialogPrompts : public Prompts {
public:
    void warning(QWidget* owner, const QString& caption, const QString& text) override;
    bool confirm(QWidget* owner, const QString& caption, const QString& text) override;
    bool runDialog(QDialog& dialog) override;
    QString chooseFile(QWidget* owner, const FileRequest& request) override;
    bool openExternally(const QUrl& url) override;
};
