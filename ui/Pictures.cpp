// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "Errors.h"

#include <QPixmap>

namespace quendrix::pictures {

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quendrix-%1.png").arg(size), QSize(size, size));
    return icon;
}

QLabel* makePicture(QWidget* parent, const char* name, const char* resource, const QRect& box,
                    const QString& hint) {
    QPixmap picture;
    if (!picture.load(QString::fromLatin1(resource), "PNG"))
        throw Exception(std::string("Cannot load the picture ") + resource);
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setScaledContents(true);
    label->setPixmap(picture);
    label->setGeometry(box);
    label->setToolTip(hint);
    return label;
}

} // namespace quendrix::pictures
