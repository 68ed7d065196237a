// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// veskor-reader's command line without the program: the window's options and the profile
// preview's, read without an application object so that any arguments can be tried on them.
#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

enum class UiLanguage;

// The options of the window and the preview that take a value ("--home DIR" or
// "--home=DIR").
extern const QStringList ReaderValueOptions;

// The window's options. A name that is empty was not given.
struct WindowArguments {
    bool Simulator = false;
    bool Live = false;
    bool QuitWhenShown = false;
    // The developer's menu (the link's test signal, its history file) is shown.
    bool Debug = false;
    QString Screenshots;
    QString Profile;
    QString MeasureFile;
};

// Reads "[--simulator] [--live [--profile FILE]] [--quit-when-shown] [--screenshots DIR]
// [--measure FILE] [--debug]" (without the program name and --home); nothing when an option is
// unknown or lacks its value, or --profile comes without --live.
std::optional<WindowArguments> parseWindowArguments(QStringList arguments);

// Takes "--lang ru|en" out of the arguments into language (left as it is when not given);
// false when the value is missing or unknown.
bool takeLanguage(QStringList& arguments, std::optional<UiLanguage>& language);

struct ProfilePreviewRequest {
    QString profile;
    QString output;
    QSize size { 800, 560 };
    QList<QPair<quint8, float>> values; // sent in this order
};

// Reads "--render-profile FILE [--size WxH] [--set PID=VALUE]... -o OUT.png" from the
// arguments (without the program name); nothing and a reason when they are wrong.
std::optional<ProfilePreviewRequest> parsePreviewArguments(
    const QStringList& arguments, QString& error);
