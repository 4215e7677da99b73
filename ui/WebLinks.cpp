// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebLinks.h"

#include "Deployment.h"

#include <QDesktopServices>
#include <QFont>
#include <QPalette>
#include <QRegularExpression>
#include <QWidget>

#include <utility>

namespace quendrix {

namespace {

void openOnDesktop(const WebPageRequest& request) {
    // The desktop's answer is of no interest: there is nothing to report.
    (void)QDesktopServices::openUrl(request.url);
}

WebPageOpener& currentOpener() {
    static WebPageOpener opener = openOnDesktop;
    return opener;
}

void setStyle(QWidget* control, const QColor& color, bool underline) {
    setFontColor(control, color);

    QFont font = control->font();
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(underline);
    font.setStrikeOut(false);
    control->setFont(font);
}

} // namespace

QString HomePage() {
    return QString::fromLatin1(deployment::HomePage);
}

QString HomeHost() {
    return QString::fromLatin1(deployment::HomeHost);
}

QString SoftwareBoxPage() {
    return QString::fromLatin1(deployment::SoftwareBoxPage);
}

QString DonationPage() {
    return QString::fromLatin1(deployment::DonationPage);
}

QUrl webAddress(const QString& address) {
    // A scheme is letters, digits, "+", "-" and "." after a first letter,
    // ended by ":". "host:8080" is a host with a port, not a scheme.
    static const QRegularExpression scheme(
        QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d+(?:[/?#]|$))"));
    if (scheme.match(address).hasMatch())
        return QUrl(address);
    return QUrl(QStringLiteral("https://") + address);
}

WebPageOpener setWebPageOpener(WebPageOpener opener) {
    if (!opener)
        opener = openOnDesktop;
    return std::exchange(currentOpener(), std::move(opener));
}

void OpenWebPage(QWidget* window, const QString& address) {
    currentOpener()({window, address, webAddress(address)});
}

void ShowLinkHover(QWidget* control) {
    setStyle(control, linkHoverColor(), true);
}

void ShowLinkNormal(QWidget* control, const QColor& color) {
    setStyle(control, color, false);
}

QColor fontColor(const QWidget* control) {
    return control->palette().color(QPalette::WindowText);
}

void setFontColor(QWidget* control, const QColor& color) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

} // namespace quendrix
