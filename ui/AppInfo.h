// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quendrix {

// The application's title as the error report's caption shows it: the
// executable's file name without its directory, cut at its first ".", every
// character after the first in lower case ("Quendrix" for Quendrix.exe).
QString applicationTitle();
QString applicationTitleFor(const QString& executablePath);

// The forms name Windows fonts ("Tahoma", "MS Sans Serif", "Verdana"). Where
// they are missing, map them to free fonts of the same width class, so the
// captions fit the places the forms give them. Call once after the
// application object exists.
void installFontSubstitutes();

} // namespace quendrix
