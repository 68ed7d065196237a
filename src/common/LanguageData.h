// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Data that comes in both languages (codes.txt, pids.txt, the dashboards, the report
// template, the user guide): which of its texts and files the chosen language shows.
#pragma once

#include <QString>
#include <QStringView>

namespace LanguageData {

// True when text holds a Cyrillic letter: a text the English window must not show.
bool isRussian(QStringView text);

// "report.htm" → "report.en.htm": the English counterpart of a shipped file.
QString englishName(const QString& relative);

// The program file to read for relative in the current language: in English its English
// counterpart when that exists, otherwise relative itself, so an older or partial data
// folder still works.
QString programFile(const QString& relative);

} // namespace LanguageData
