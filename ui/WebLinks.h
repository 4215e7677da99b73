// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maker's web pages: opening an address in the user's browser, and the
// two looks of a link control. The addresses themselves live in Deployment.h.

#include <QColor>

#include <functional>
#include <string_view>

class QWidget;
class QUrl;

namespace quendrix {

// The colours of the links: blue under the pointer; black, or purple for the
// About dialog's follow link, otherwise.
QColor linkHoverColour();
QColor linkNormalColour();
QColor linkPurpleColour();

// Hands an address to the desktop, which shows it in the user's browser. The
// window is the one whose command runs. Nothing is returned and nothing is
// reported: when no browser is registered or the page can't be opened,
// nothing happens.
void OpenWebPage(QWidget* window, std::string_view address);

// What OpenWebPage hands to the desktop for an address: the address itself,
// or, when it has no scheme (a host name alone), the address behind
// "https://". A bare host name would otherwise be taken for a relative path.
QUrl webAddressUrl(std::string_view address);

// The road from OpenWebPage to the desktop. By default it opens
// webAddressUrl(address) with QDesktopServices; tests put a recorder here so
// that no browser is ever started. Returns the road it replaces; an empty
// function restores the default.
using WebShell = std::function<void(QWidget* window, std::string_view address)>;
WebShell setWebShell(WebShell shell);

// The two looks of a link. Each sets the font colour and then replaces the
// font style: hover is blue with exactly {bold, underline}, normal the given
// colour with exactly {bold}. Face and size stay as they are.
void ShowLinkHover(QWidget& control);
void ShowLinkNormal(QWidget& control, const QColor& colour);

} // namespace quendrix
