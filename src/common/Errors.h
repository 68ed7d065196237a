// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The error type that the program raises for failures a caller shows to the user.
#pragma once

#include <QString>
#include <stdexcept>

class VeskorError : public std::runtime_error {
public:
    explicit VeskorError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
