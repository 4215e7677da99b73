// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's web pages and the look of the controls that link to them.
//
// A link command hands an address to the desktop, which shows it in the
// user's browser. Nothing comes back: when no browser is registered or the
// page can't be reached, Quendrix says nothing and nothing in it changes.

#include <QColor>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace quendrix {

// The endpoints, from the deployment constants.
QString HomePage();     // full address of the home page, with its scheme
QString HomeHost();     // the home page's host name alone, without scheme
QString SoftwareBoxPage();
QString DonationPage();

// The address as the desktop gets it: unchanged when it names its scheme
// ("https://...", "mailto:..."), otherwise with "https://" in front, so a
// bare host name ("www.site.example", "site.example:8080/x") is a web
// address and not a relative path.
QUrl webAddress(const QString& address);

// One request to open a page: the window whose command asked, the address
// the command named and the address handed to the desktop.
struct WebPageRequest {
    QWidget* window = nullptr;
    QString address;
    QUrl url;
};

// Receives every request. The real opener hands request.url to
// QDesktopServices::openUrl and ignores its result; tests install their own
// and no browser is started.
using WebPageOpener = std::function<void(const WebPageRequest& request)>;

// Installs an opener and returns the previous one. An empty function
// restores the desktop.
WebPageOpener setWebPageOpener(WebPageOpener opener);

// Opens address in the user's browser on behalf of window. Returns when
// the desktop has taken the address; reports nothing and never throws.
void OpenWebPage(QWidget* window, const QString& address);

// Link styles. Both replace the control's font style (built from the empty
// set) and set its font colour; face and size stay.
// Hover: blue, exactly {bold, underline}.
void ShowLinkHover(QWidget* control);
// Normal: the given colour, exactly {bold}.
void ShowLinkNormal(QWidget* control, const QColor& color);

// The link colours.
inline QColor linkHoverColor() { return {0, 0, 255}; }   // blue
inline QColor linkBlack() { return {0, 0, 0}; }          // black
inline QColor linkPurple() { return {128, 0, 128}; }     // purple

// A control's font colour: the text colour of its palette.
QColor fontColor(const QWidget* control);
void setFontColor(QWidget* control, const QColor& color);

} // namespace quendrix
