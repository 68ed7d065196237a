// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "BatchPrompts.h"

#include <QUrl>
#include <cstdio>

void BatchPrompts::warning(QWidget*, const QString& caption, const QString& text)
{
    std::fprintf(stderr, "%s %s\n", qUtf8Printable(caption), qUtf8Printable(text));
}

bool BatchPrompts::confirm(QWidget*, const QString&, const QString&)
{
    return false;
}
bool BatchPrompts::runDialog(QDialog&)
{
    return false;
}
QString BatchPrompts::chooseFile(QWidget*, const FileRequest&)
{
    return {};
}
bool BatchPrompts::openExternally(const QUrl&)
{
    // Nothing is handed on in a batch run, and nothing failed.
    return true;
}
