// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace quendrix {

QString applicationTitleFor(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

void installFontSubstitutes() {
    // Tahoma and MS Sans Serif are narrow sans faces, close to the Arial
    // metrics of Liberation Sans and Nimbus Sans; Verdana is as wide as the
    // DejaVu (Vera) faces.
    const QStringList narrow{QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                             QStringLiteral("Arial")};
    const QStringList wide{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")};
    const QStringList families = QFontDatabase::families();
    auto substitute = [&](const QString& face, const QStringList& candidates) {
        if (families.contains(face, Qt::CaseInsensitive))
            return;
        QStringList present;
        for (const QString& c : candidates)
            if (families.contains(c, Qt::CaseInsensitive))
                present.append(c);
        if (!present.isEmpty())
            QFont::insertSubstitutions(face, present);
    };
    substitute(QStringLiteral("Tahoma"), narrow);
    substitute(QStringLiteral("MS Sans Serif"), narrow);
    substitute(QStringLiteral("Verdana"), wide);
}

QString applicationTitle() {
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}

} // namespace quendrix
