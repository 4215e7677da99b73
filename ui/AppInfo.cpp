// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

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

QString applicationTitle() {
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}

} // namespace quendrix
