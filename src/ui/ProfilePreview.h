// veskor-reader's preview mode for profile authors: builds one dashboard profile on a panel
// without showing a window, feeds it PID values and saves the panel as a PNG.
#pragma once

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

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

// Renders the request; the load's problems (file:line: property: reason) and widget problems
// go to stderr. Returns the exit code: 0 done, 1 done but problems were reported, 2 the
// profile (nothing could be built from it) or the image couldn't be used.
int renderProfilePreview(const ProfilePreviewRequest& request);
