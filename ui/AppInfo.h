// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quendrix {

// The application's title as the error report's caption shows it: the
// executable's file name without its directory, cut at its first ".", every
// character after the first in lower case ("Quendrix" for Quendrix.exe).
QString applicationTitle();
QString applicationTitleFor(const QString& executablePath);

} // namespace quendrix
