// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Prompts for a run without a user (the screenshot tour): warnings go to stderr, questions
// are declined, dialogs cancelled, and nothing is handed to other programs.
#pragma once

#include "Prompts.h"

class BatchPrompts : public Prompts {
public:
    void warning(QWidget* owner, const QString& caption, const QString& text) override;
    bool confirm(QWidget* owner, const QString& caption, const QString& text) override;
    bool runDialog(QDialog& dialog) override;
    QString chooseFile(QWidget* owner, const FileRequest& request) override;
    bool openExternally(const QUrl& url) override;
};
