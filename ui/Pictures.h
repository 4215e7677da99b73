// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's pictures (Qt resources built from resources/) and the
// picture control of the information dialogs.

#include <QIcon>
#include <QLabel>
#include <QRect>
#include <QString>

namespace quendrix::pictures {

// Resource paths of the dialogs' pictures.
inline constexpr char Logo[] = ":/about/logo.png";               // 128 x 128
inline constexpr char FollowCode[] = ":/about/qr-follow.png";    // 395 x 396
inline constexpr char Thanks[] = ":/about/thanks.png";           // 993 x 193
inline constexpr char AlipayBadge[] = ":/donation/alipay.png";   // 370 x 130
inline constexpr char WeChatPayBadge[] = ":/donation/wechatpay.png"; // 609 x 188
inline constexpr char AlipayCode[] = ":/donation/qr-alipay.png"; // 464 x 464
inline constexpr char WeChatPayCode[] = ":/donation/qr-wechatpay.png"; // 677 x 683

// The application icon, in every size of the icon set (16 to 256 pixels).
QIcon applicationIcon();

// A picture control: the picture at resource, stretched to fill box
// exactly (proportions not kept), with hint as its tool tip (none when
// empty). Throws quendrix::Exception when the picture can't be loaded.
QLabel* makePicture(QWidget* parent, const char* name, const char* resource, const QRect& box,
                    const QString& hint = {});

} // namespace quendrix::pictures
