// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebLinks.h"

#include "DialogParts.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace quendrix {

namespace {

void openOnDesktop(QWidget* /*window*/, std::string_view address) {
    // The result is deliberately not looked at: a missing browser is not ours
    // to report.
    (void)QDesktopServices::openUrl(webAddressUrl(address));
}

WebShell& currentShell() {
    static WebShell shell = openOnDesktop;
    return shell;
}

// Builds the style from nothing, so whatever the control had is gone.
void replaceFontStyle(QWidget& control, bool underline) {
    QFont font = control.font();
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(underline);
    font.setStrikeOut(false);
    control.setFont(font);
}

} // namespace

QColor linkHoverColour() { return {0, 0, 255}; }
QColor linkNormalColour() { return {0, 0, 0}; }
QColor linkPurpleColour() { return {128, 0, 128}; }

QUrl webAddressUrl(std::string_view address) {
    QString text = QString::fromLatin1(address.data(), static_cast<qsizetype>(address.size()));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (!scheme.match(text).hasMatch())
        text.prepend(QStringLiteral("https://"));
    return QUrl(text, QUrl::TolerantMode);
}

WebShell setWebShell(WebShell shell) {
    WebShell previous = std::exchange(currentShell(), shell ? std::move(shell) : openOnDesktop);
    return previous;
}

void OpenWebPage(QWidget* window, std::string_view address) {
    currentShell()(window, address);
}

void ShowLinkHover(QWidget& control) {
    setFontColour(control, linkHoverColour());
    replaceFontStyle(control, true);
}

void ShowLinkNormal(QWidget& control, const QColor& colour) {
    setFontColour(control, colour);
    replaceFontStyle(control, false);
}

} // namespace quendrix
