// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything that carries the maker's identity, in one place. A deployment
// replaces these placeholder values and rebuilds; nothing else needs to change.

namespace quendrix::deployment {

// The maker's web site: its host name alone and the three full addresses.
inline constexpr char HomeHost[] = "quendrix.example";
inline constexpr char HomePage[] = "https://quendrix.example/";
inline constexpr char SoftwareBoxPage[] = "https://quendrix.example/softbox/";
inline constexpr char DonationPage[] = "https://quendrix.example/donate/";

// Short name line of the status bar, and the About dialog's name line
// (Latin letters, then Chinese in parentheses).
inline constexpr char MakerShortName[] = "Dr. Example";
inline constexpr char MakerFullName[] = "Dr. A. Example (示例博士)";

// Short enough for the About dialog's e-mail line to stay on one line.
inline constexpr char MakerEmail[] = "mail@qx.example";
inline constexpr char MakerQQ[] = "10000";
inline constexpr char MakerWeChatAccount[] = "QuendrixExample";

// Hint of the donation QR codes: an invitation to donate that names the web
// site.
inline constexpr char DonationHint[] =
    "Please support quendrix.example with a donation: the site keeps sharing "
    "knowledge and free software.";

} // namespace quendrix::deployment
