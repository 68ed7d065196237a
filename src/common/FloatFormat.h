// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Applies a Delphi-style format ("%", optional index and "-", width, precision; types
// f, e, g, n, m; "%%") to one floating-point number, with "." as the decimal separator.
#pragma once

#include "common/Errors.h"

#include <QString>

// A format that cannot take one floating-point number.
class FormatError : public VeskorError {
public:
    using VeskorError::VeskorError;
};

// Digits are rounded half away from zero from the number's 18 significant digits, as the
// dashboards' formats always did. Throws FormatError for a format it cannot apply.
QString formatFloat(const QString& format, long double value);
