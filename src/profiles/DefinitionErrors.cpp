// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Reporting of definition errors.
#include "profiles/DefinitionErrors.h"

#include "common/Texts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showBox(const QString& message, const QString& detail)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        qWarning("%s %s", qUtf8Printable(message), qUtf8Printable(detail));
        return;
    }
    QString shown = message;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, Texts::text(Texts::DefinitionErrorCaption), shown,
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

DefinitionErrorReporter& reporter()
{
    static DefinitionErrorReporter current = showBox;
    return current;
}

} // namespace

DefinitionErrorReporter setDefinitionErrorReporter(DefinitionErrorReporter newReporter)
{
    DefinitionErrorReporter previous = reporter();
    reporter() = newReporter ? std::move(newReporter) : DefinitionErrorReporter(showBox);
    return previous;
}

void reportDefinitionError(const QString& message, const QString& detail)
{
    // A copy: the reporter may replace itself while it runs.
    const DefinitionErrorReporter current = reporter();
    current(message, detail);
}

QString invalidDefinitionText(const QString& object, const QString& property, const QString& value)
{
    return Texts::text(Texts::DefinitionErrorText) + object + QLatin1Char('.') + property
        + QStringLiteral(" = ") + value + QStringLiteral("\r\r")
        + Texts::text(Texts::DefinitionErrorCheck) + Texts::text(Texts::DefinitionErrorFile);
}
